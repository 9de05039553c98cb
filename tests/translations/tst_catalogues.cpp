// The catalogues are complete: lupdate over each subsystem's sources and forms finds no text that lacks a finished
// translation in zh_CN, zh_HK or en_US, and the catalogues hold nothing the sources no longer have.

#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Entry
{
    QString context;
    QString source;
    QString comment;
    bool finished = false;
    bool obsolete = false;
};

QString key(const Entry& e)
{
    return e.context + QLatin1Char('\x1f') + e.source + QLatin1Char('\x1f') + e.comment;
}

QVector<Entry> readCatalogue(const QString& path, QString* error)
{
    QVector<Entry> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot open ") + path;
        return entries;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Entry entry;
    bool inMessage = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto name = xml.name();
            if (name == QLatin1String("name") && !inMessage) {
                context = xml.readElementText();
            } else if (name == QLatin1String("message")) {
                inMessage = true;
                entry = Entry();
                entry.context = context;
            } else if (name == QLatin1String("source")) {
                entry.source = xml.readElementText();
            } else if (name == QLatin1String("comment")) {
                entry.comment = xml.readElementText();
            } else if (name == QLatin1String("translation")) {
                const QString type = xml.attributes().value(QLatin1String("type")).toString();
                entry.obsolete = type == QLatin1String("obsolete") || type == QLatin1String("vanished");
                const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                entry.finished = type.isEmpty() && !text.trimmed().isEmpty();
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            inMessage = false;
            entries.append(entry);
        }
    }
    if (xml.hasError())
        *error = path + QStringLiteral(": ") + xml.errorString();
    return entries;
}

} // namespace

class tst_Catalogues : public QObject
{
    Q_OBJECT

private slots:
    void complete_data();
    void complete();
};

void tst_Catalogues::complete_data()
{
    QTest::addColumn<QString>("subsystem");
    QTest::addColumn<QStringList>("sources");
    QFile listing(QStringLiteral(ZCB_TRANSLATION_SOURCES));
    QVERIFY(listing.open(QIODevice::ReadOnly));
    for (const QByteArray& line : listing.readAll().split('\n')) {
        const int eq = line.indexOf('=');
        if (eq <= 0)
            continue;
        const QString sub = QString::fromUtf8(line.left(eq));
        QTest::newRow(qPrintable(sub)) << sub << QString::fromUtf8(line.mid(eq + 1)).split(QLatin1Char('|'));
    }
}

void tst_Catalogues::complete()
{
    QFETCH(QString, subsystem);
    QFETCH(QStringList, sources);
    QTemporaryDir dir;
    const QString probe = dir.filePath(QStringLiteral("probe.ts"));
    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(QStringLiteral(ZCB_LUPDATE),
        QStringList { QStringLiteral("-silent"), QStringLiteral("-no-obsolete"), QStringLiteral("-locations"),
            QStringLiteral("none"), QStringLiteral("-I"), QStringLiteral(ZCB_SOURCE_DIR) }
            + sources + QStringList { QStringLiteral("-ts"), probe });
    QVERIFY(lupdate.waitForFinished(120000));
    QVERIFY2(lupdate.exitCode() == 0, lupdate.readAll().constData());
    QString error;
    const QVector<Entry> found = readCatalogue(probe, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QSet<QString> foundKeys;
    for (const Entry& e : found)
        foundKeys.insert(key(e));

    QStringList problems;
    for (const char* lang : { "zh_CN", "zh_HK", "en_US" }) {
        const QString path
            = QStringLiteral(ZCB_SOURCE_DIR "/resources/qm/%1_%2.ts").arg(subsystem, QLatin1String(lang));
        if (found.isEmpty() && !QFile::exists(path))
            continue; // a subsystem without texts needs no catalogue
        const QVector<Entry> committed = readCatalogue(path, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QHash<QString, Entry> byKey;
        for (const Entry& e : committed) {
            byKey.insert(key(e), e);
            if (e.obsolete || !foundKeys.contains(key(e)))
                problems
                    << QStringLiteral("%1: obsolete entry %2 / \"%3\"").arg(QLatin1String(lang), e.context, e.source);
        }
        for (const Entry& e : found) {
            const auto it = byKey.constFind(key(e));
            if (it == byKey.constEnd())
                problems << QStringLiteral("%1: missing %2 / \"%3\"").arg(QLatin1String(lang), e.context, e.source);
            else if (!it->finished)
                problems << QStringLiteral("%1: unfinished %2 / \"%3\"").arg(QLatin1String(lang), e.context, e.source);
        }
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

QTEST_MAIN(tst_Catalogues)
#include "tst_catalogues.moc"
