#include "dialogs/zfiledialog.h"
#include "dialogtestutil.h"

using Wrapper = std::function<bool()>; // runs one wrapper, its result flattened to "is it empty"
Q_DECLARE_METATYPE(Wrapper)

static const QFileDialog::Options nonNative = QFileDialog::DontUseNativeDialog; // nothing blocks outside Qt

class tst_ZFileDialog : public QObject
{
    Q_OBJECT

    int pumps() { return QAbstractEventDispatcher::instance()->registeredTimers(&ZFileDialog::_instance()).size(); }

private slots:
    void initTestCase() { ZcbTest::installFakeWorker(); }

    void cancelledAndNested_data()
    {
        QTest::addColumn<Wrapper>("run");
#define WRAPPER(name, ...)                                                                                             \
    QTest::newRow(#name) << Wrapper([] { return ZFileDialog::name(nullptr, "Pick", __VA_ARGS__).isEmpty(); })
        WRAPPER(getExistingDirectory, QDir::tempPath(), nonNative);
        WRAPPER(getExistingDirectoryUrl, QUrl(), nonNative);
        WRAPPER(getOpenFileName, {}, {}, nullptr, nonNative);
        WRAPPER(getOpenFileNames, {}, {}, nullptr, nonNative);
        WRAPPER(getOpenFileUrl, {}, {}, nullptr, nonNative);
        WRAPPER(getOpenFileUrls, {}, {}, nullptr, nonNative);
        WRAPPER(getSaveFileName, {}, {}, nullptr, nonNative);
        WRAPPER(getSaveFileUrl, {}, {}, nullptr, nonNative);
#undef WRAPPER
    }
    // A cancelled dialog gives an empty result; a call made while another is open pumps on its own, and each
    // stops only its own pump. The caption passes through; the other arguments are checked once, accepted.
    void cancelledAndNested()
    {
        QFETCH(Wrapper, run);
        QList<int> pumpsSeen;
        bool nestedEmpty = false;
        QString caption;
        whenModal([&](QWidget* outer) {
            caption = outer->windowTitle();
            whenModal(
                [&](QWidget* inner) {
                    pumpsSeen << pumps();
                    static_cast<QDialog*>(inner)->reject();
                },
                outer);
            pumpsSeen << pumps();
            nestedEmpty = run();
            pumpsSeen << pumps();
            static_cast<QDialog*>(outer)->reject();
        });
        QVERIFY(run());
        QVERIFY(nestedEmpty);
        QCOMPARE(caption, QStringLiteral("Pick"));
        QCOMPARE(pumpsSeen, QList<int>({ 1, 2, 1 }));
        QCOMPARE(pumps(), 0);
    }

    void acceptedPassesThrough()
    {
        QTemporaryDir dir;
        whenModal([&](QWidget* box) {
            auto* dialog = qobject_cast<QFileDialog*>(box);
            dialog->selectNameFilter(QStringLiteral("All (*)"));
            dialog->selectFile(dir.filePath(QStringLiteral("clip.txt")));
            static_cast<QDialog*>(dialog)->accept();
        });
        QString filter;
        QCOMPARE(ZFileDialog::getSaveFileName(nullptr, {}, dir.path(), "Text (*.txt);;All (*)", &filter, nonNative),
            dir.filePath(QStringLiteral("clip.txt")));
        QCOMPARE(filter, QStringLiteral("All (*)"));
    }
};

QTEST_MAIN(tst_ZFileDialog)
#include "tst_zfiledialog.moc"
