// The catalogues are complete: lupdate run over each subsystem's sources and forms onto a copy of its zh_CN, zh_HK
// and en_US catalogues leaves no message unfinished (a text a catalogue lacks comes in unfinished), vanished or
// obsolete (a text the sources no longer have), and no translation empty.

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

class tst_Catalogues : public QObject
{
    Q_OBJECT

private slots:
    void complete_data()
    {
        QTest::addColumn<QString>("subsystem");
        QTest::addColumn<QStringList>("sources");
        QFile listing(ZCB_TRANSLATION_SOURCES);
        QVERIFY(listing.open(QIODevice::ReadOnly));
        for (const QString& line : QString::fromUtf8(listing.readAll()).split('\n', Qt::SkipEmptyParts))
            QTest::newRow(qPrintable(line.section('=', 0, 0)))
                << line.section('=', 0, 0) << line.section('=', 1).split('|');
    }

    void complete()
    {
        QFETCH(QString, subsystem);
        QFETCH(QStringList, sources);
        QTemporaryDir dir;
        QStringList problems;
        for (const QString lang : { "zh_CN", "zh_HK", "en_US" }) {
            // A subsystem without texts needs no catalogue: lupdate then writes one without messages.
            const QString catalogue = QStringLiteral(ZCB_SOURCE_DIR "/resources/qm/%1_%2.ts").arg(subsystem, lang);
            const QString copy = dir.filePath(lang + ".ts");
            QVERIFY(!QFile::exists(catalogue) || QFile::copy(catalogue, copy));
            QProcess lupdate;
            lupdate.setProcessChannelMode(QProcess::MergedChannels);
            lupdate.start(ZCB_LUPDATE,
                QStringList { "-silent", "-locations", "none", "-I", ZCB_SOURCE_DIR } + sources
                    + QStringList { "-ts", copy });
            QVERIFY(lupdate.waitForFinished(120000));
            QVERIFY2(lupdate.exitCode() == 0, lupdate.readAll().constData());
            QFile file(copy);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QXmlStreamReader xml(&file);
            QString context, source;
            while (!xml.atEnd()) {
                if (xml.readNext() != QXmlStreamReader::StartElement)
                    continue;
                if (xml.name() == QLatin1String("name")) {
                    context = xml.readElementText();
                } else if (xml.name() == QLatin1String("source")) {
                    source = xml.readElementText();
                } else if (xml.name() == QLatin1String("translation")) {
                    const QString type = xml.attributes().value("type").toString();
                    if (!type.isEmpty()
                        || xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed().isEmpty())
                        problems << lang + ": " + (type.isEmpty() ? "empty" : type) + ' ' + context + " / \"" + source
                                + '"';
                }
            }
            QVERIFY2(!xml.hasError(), qPrintable(catalogue + ": " + xml.errorString()));
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }
};

QTEST_MAIN(tst_Catalogues)
#include "tst_catalogues.moc"
