#include "dialogs/zfiledialog.h"
#include "dialogtestutil.h"

#include <QAbstractEventDispatcher>
#include <QtTest>

using namespace ZCORVANEBASE;
using DialogTest::whenModal;

namespace {

const QFileDialog::Options nonNative = QFileDialog::DontUseNativeDialog; // nothing blocks outside Qt

int pumps()
{
    return QAbstractEventDispatcher::instance()->registeredTimers(&ZFileDialog::_instance()).size();
}

// Each wrapper, run with non-native dialogs; the result flattened to "is it empty".
bool runIsEmpty(const QString& name)
{
    if (name == QLatin1String("getExistingDirectory"))
        return ZFileDialog::getExistingDirectory(nullptr, QString(), QDir::tempPath(), nonNative).isEmpty();
    if (name == QLatin1String("getExistingDirectoryUrl"))
        return ZFileDialog::getExistingDirectoryUrl(nullptr, QString(), QUrl(), nonNative).isEmpty();
    if (name == QLatin1String("getOpenFileName"))
        return ZFileDialog::getOpenFileName(nullptr, QString(), QString(), QString(), nullptr, nonNative).isEmpty();
    if (name == QLatin1String("getOpenFileNames"))
        return ZFileDialog::getOpenFileNames(nullptr, QString(), QString(), QString(), nullptr, nonNative).isEmpty();
    if (name == QLatin1String("getOpenFileUrl"))
        return ZFileDialog::getOpenFileUrl(nullptr, QString(), QUrl(), QString(), nullptr, nonNative).isEmpty();
    if (name == QLatin1String("getOpenFileUrls"))
        return ZFileDialog::getOpenFileUrls(nullptr, QString(), QUrl(), QString(), nullptr, nonNative).isEmpty();
    if (name == QLatin1String("getSaveFileName"))
        return ZFileDialog::getSaveFileName(nullptr, QString(), QString(), QString(), nullptr, nonNative).isEmpty();
    return ZFileDialog::getSaveFileUrl(nullptr, QString(), QUrl(), QString(), nullptr, nonNative).isEmpty();
}

} // namespace

class tst_ZFileDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ZcbTest::installFakeWorker(); }
    void cancelledReturnsEmptyAndStopsPump_data();
    void cancelledReturnsEmptyAndStopsPump();
    void acceptedPassesThroughAndNestedCallsPumpOnTheirOwn();
};

void tst_ZFileDialog::cancelledReturnsEmptyAndStopsPump_data()
{
    QTest::addColumn<QString>("wrapper");
    for (const char* name : { "getExistingDirectory", "getExistingDirectoryUrl", "getOpenFileName", "getOpenFileNames",
             "getOpenFileUrl", "getOpenFileUrls", "getSaveFileName", "getSaveFileUrl" })
        QTest::newRow(name) << QString::fromLatin1(name);
}

void tst_ZFileDialog::cancelledReturnsEmptyAndStopsPump()
{
    QFETCH(QString, wrapper);
    int pumpsWhileOpen = -1;
    whenModal([&pumpsWhileOpen](QWidget* dialog) {
        pumpsWhileOpen = pumps();
        static_cast<QDialog*>(dialog)->reject();
    });
    QVERIFY(runIsEmpty(wrapper));
    QCOMPARE(pumpsWhileOpen, 1);
    QCOMPARE(pumps(), 0);
}

void tst_ZFileDialog::acceptedPassesThroughAndNestedCallsPumpOnTheirOwn()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("clip.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    QString caption;
    int nestedPumps = -1;
    whenModal([&](QWidget* outer) {
        caption = outer->windowTitle();
        whenModal(
            [&nestedPumps](QWidget* inner) {
                nestedPumps = pumps();
                static_cast<QDialog*>(inner)->reject();
            },
            outer);
        ZFileDialog::getSaveFileName(outer, QString(), QString(), QString(), nullptr, nonNative);
        auto* dialog = qobject_cast<QFileDialog*>(outer);
        dialog->selectNameFilter(QStringLiteral("All (*)"));
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept();
    });
    QString selectedFilter;
    const QString chosen = ZFileDialog::getOpenFileName(nullptr, QStringLiteral("Import clip"), dir.path(),
        QStringLiteral("Text (*.txt);;All (*)"), &selectedFilter, nonNative);
    QCOMPARE(QFileInfo(chosen).canonicalFilePath(), QFileInfo(path).canonicalFilePath());
    QCOMPARE(selectedFilter, QStringLiteral("All (*)"));
    QCOMPARE(caption, QStringLiteral("Import clip"));
    QCOMPARE(nestedPumps, 2);
    QCOMPARE(pumps(), 0);
}

QTEST_MAIN(tst_ZFileDialog)
#include "tst_zfiledialog.moc"
