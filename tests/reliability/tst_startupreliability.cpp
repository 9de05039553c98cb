// Start-up in the wrong order: the host installs its worker and calls moduleInit() and switchLanguage() before its
// QApplication exists. Both warn and change nothing, and the host's next moduleInit(), once the application is there,
// starts the library as if nothing had happened. The shared collator already sorts names then. main() below does the
// early part before the application exists.

#include "frame/constants.h"
#include "frame/corvanebaseinit.h"
#include "frame/dictdef.h"

#include "zcbtest.h"

#include <QtTest>

#include <algorithm>

using namespace ZCORVANEBASE;

namespace {

QStringList earlyWarnings;
bool initializedEarly = true;
QStringList sortedEarly;

void recordWarning(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtWarningMsg)
        earlyWarnings << message;
}

} // namespace

class tst_StartupReliability : public QObject
{
    Q_OBJECT

private slots:
    void moduleInitBeforeApplication()
    {
        QVERIFY(!initializedEarly);
        QCOMPARE(earlyWarnings.size(), 2);
        QVERIFY2(earlyWarnings[0].contains("moduleInit()") && earlyWarnings[0].contains("QApplication"),
            qPrintable(earlyWarnings[0]));
        QVERIFY2(earlyWarnings[1].contains("switchLanguage()"), qPrintable(earlyWarnings[1]));
        CorvaneBaseInit& init = CorvaneBaseInit::_instance();
        init.moduleInit();
        QVERIFY(init.isModuleInitialized());
        // The catalogue of the worker's language (zh_CN) is in, once.
        QCOMPARE(QCoreApplication::translate("ZCORVANEBASE::DictDef", "error"), QStringLiteral("错误"));
        init.moduleInit();
        QCOMPARE(QCoreApplication::translate("ZCORVANEBASE::DictDef", "error"), QStringLiteral("错误"));
    }

    // Pinyin order (an, bei, guang, shang, tian), where code points would put 上 (U+4E0A) first and 安 (U+5B89) fourth.
    void collatorSortsBeforeApplication()
    {
        QCOMPARE(sortedEarly, QStringList({ "安徽", "北京", "广州", "上海", "天津" }));
    }
};

int main(int argc, char** argv)
{
    sortedEarly = QStringList { "上海", "北京", "天津", "安徽", "广州" };
    std::sort(sortedEarly.begin(), sortedEarly.end(), chineseCollator);
    auto* worker = new FakeWorker;
    worker->language = ZCORVANEDLL::ClientLanguageZhCN;
    CorvaneBaseInit::_instance().worker = worker;
    const QtMessageHandler previous = qInstallMessageHandler(recordWarning);
    CorvaneBaseInit::_instance().moduleInit();
    CorvaneBaseInit::_instance().switchLanguage();
    initializedEarly = CorvaneBaseInit::_instance().isModuleInitialized();
    qInstallMessageHandler(previous);

    QApplication app(argc, argv);
    tst_StartupReliability test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startupreliability.moc"
