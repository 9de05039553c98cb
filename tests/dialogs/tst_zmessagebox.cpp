#include "dialogs/zmessagebox.h"
#include "dialogtestutil.h"

class tst_ZMessageBox : public QObject
{
    Q_OBJECT

    FakeWorker* worker = nullptr;
    QString shown; // the last box as "title size icon[ x]:" (x: close button visible), then "caption=result" each

    static QImage argb(const QImage& image) { return image.convertToFormat(QImage::Format_ARGB32); }

    // Records the next box, then closes it: `how` is "click N" (N: a button's position, 3 for the close button),
    // "quit", or a key ("Escape", "Return N", "Enter N") with the button at N focused.
    void answerNext(const QString& how)
    {
        whenModal([this, how](QWidget* box) {
            const QImage icon = argb(box->findChild<QLabel*>("iconlabel")->pixmap(Qt::ReturnByValue).toImage());
            auto* closeBt = box->findChild<QWidget*>("closeBt");
            shown = QStringLiteral("%1 %2x%3 ").arg(box->windowTitle()).arg(box->width()).arg(box->height());
            for (const char* name : { "warning", "information", "error", "question" }) // the host's images
                if (argb(QImage(QStringLiteral(":/images/images/ico_%1.png").arg(name))) == icon)
                    shown += name;
            shown += closeBt->isVisible() ? " x:" : ":";
            QList<QWidget*> targets; // the buttons by position, then the close button
            for (const char* name : { "firstbutton", "secondbutton", "thirdbutton" }) {
                auto* button = box->findChild<QPushButton*>(name);
                targets << button;
                if (button->isVisible())
                    shown += QString(" %1=%2").arg(button->text()).arg(button->property("msgBoxButton").toInt(), 0, 16);
            }
            QWidget* at = (targets << closeBt).value(how.section(' ', 1).toInt());
            if (how.startsWith("click")) {
                QTest::mouseClick(at, Qt::LeftButton);
            } else if (how == "quit") {
                emit worker->signalQuitSystem();
            } else { // a key to the box itself, as when no child takes it
                QApplication::setActiveWindow(box);
                at->setFocus(Qt::TabFocusReason);
                QTest::keyClick(box, ZcbTest::firstKey(QKeySequence(how.section(QLatin1Char(' '), 0, 0))));
            }
        });
    }

private slots:
    void initTestCase() { worker = ZcbTest::installFakeWorker(); }

    void boxes_data()
    {
        QTest::addColumn<QString>("function"); // " hidden": without close button; text variants are titled "Export"
        QTest::addColumn<QVariant>("buttons"); // role flags, or the texts of the text variants
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("shown"); // role captions are translated keys, in the fixed order
        const auto row = [](const char* function, const QVariant& buttons, const char* how, int result,
                             const QString& shown) {
            QTest::addRow("%s, %s", function, how) << QString(function) << buttons << QString(how) << result << shown;
        };
        const int yesNoCancel = MsgBoxYes | MsgBoxNo | MsgBoxCancel;
        const QString yesNoCancelBox = QStringLiteral("Information 342x200 question x: Yes=80 Cancel=2 No=40");
        const QStringList abc { "A", "B", "C" };
        row("warning", yesNoCancel, "click 2", MsgBoxNo, "Warning 342x200 warning x: Yes=80 Cancel=2 No=40");
        row("information", MsgBoxOk | MsgBoxCancel | MsgBoxYes | MsgBoxNo, "click 1", MsgBoxYes,
            "Information 342x200 information x: Ok=1 Yes=80 Cancel=2");
        row("critical", MsgBoxOpen | MsgBoxSave | MsgBoxHelp | MsgBoxClose | 0x4100, "click 0", MsgBoxOpen,
            "Error 342x200 error x: Open=4 Save=8 Help=10");
        row("question hidden", yesNoCancel, "Escape", 0, "Information 342x200 question: Yes=80 Cancel=2 No=40");
        row("question", yesNoCancel, "click 3", 0, yesNoCancelBox);
        row("question", yesNoCancel, "Return 1", MsgBoxCancel, yesNoCancelBox);
        row("warningEx", QStringList { "Retry", "Skip" }, "click 1", 1, "Export 320x160 warning x: Retry=0 Skip=1");
        row("informationEx", abc, "Enter 2", 2, "Export 380x190 information x: A=0 B=1 C=2");
        row("criticalEx", QStringList { "A", "B", "C", "D" }, "click 1", 1, "Export 380x190 error x: A=0 B=1 C=2");
        row("warningEx", QStringList(), "Escape", 0, "Export 320x160 warning x:");
        row("criticalEx", abc, "quit", 0, "Export 380x190 error x: A=0 B=1 C=2");
    }
    void boxes()
    {
        QFETCH(QString, function);
        QFETCH(QVariant, buttons);
        QFETCH(QString, how);
        const QMap<QString, decltype(&ZMessageBox::warning)> roles { { "warning", &ZMessageBox::warning },
            { "information", &ZMessageBox::information }, { "question", &ZMessageBox::question },
            { "critical", &ZMessageBox::critical } };
        const QMap<QString, decltype(&ZMessageBox::warningEx)> texts { { "warningEx", &ZMessageBox::warningEx },
            { "informationEx", &ZMessageBox::informationEx }, { "criticalEx", &ZMessageBox::criticalEx } };
        answerNext(how);
        const QString name = function.section(' ', 0, 0);
        if (roles.contains(name))
            QTEST(int(roles[name](nullptr, "text", short(buttons.toInt()), function.endsWith("hidden"))), "result");
        else
            QTEST(texts[name](nullptr, "Export", "text", buttons.toStringList()), "result");
        QTEST(shown, "shown");
    }

    // message(): the details toggle grows and shrinks the box, the check box's state comes back, Ctrl+C copies what
    // the box says, and every text follows a language switch while the box is open. Steps: "details" (click the
    // toggle), "check" (click the check box), "copy" (Ctrl+C), "zh" (to zh_CN and back), "escape", "click N".
    void message_data()
    {
        QTest::addColumn<QString>("details");
        QTest::addColumn<bool>("doNotAsk"); // the check box shown, unchecked
        QTest::addColumn<QStringList>("texts"); // button texts, or Yes and No
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("seen"); // the size first, then what the steps saw
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("doNotAskAgain");
        const QString copied = QStringLiteral("|Information|---------------------------|Delete the clip?|");
        QTest::newRow("details") << "HTTP 401" << false << QStringList() << "details details copy click 1"
                                 << "342x230 342x336 342x230 ---------------------------" + copied
                + "---------------------------|HTTP 401|---------------------------|Yes   No|"
                  "---------------------------|"
                                 << int(MsgBoxNo) << false;
        QTest::newRow("do not ask again") << QString() << true << QStringList({ "Retry", "Skip" }) << "check escape"
                                          << "320x190" << 0 << true;
        QTest::newRow("nothing extra") << QString() << false << QStringList() << "copy click 0"
                                       << "342x200 ---------------------------" + copied
                + "---------------------------|Yes   No|---------------------------|"
                                       << int(MsgBoxYes) << false;
        QTest::newRow("language") << "HTTP 401" << true << QStringList() << "details zh click 0"
                                  << "342x230 342x336 提示 是 否 隐藏详细信息 不再询问 详细信息" << int(MsgBoxYes)
                                  << false;
    }
    void message()
    {
        QFETCH(QString, details);
        QFETCH(bool, doNotAsk);
        QFETCH(QStringList, texts);
        QFETCH(QString, steps);
        ZMessageBoxOptions options;
        options.icon = MsgBoxIconQuestion;
        options.text = QStringLiteral("Delete the clip?");
        options.buttons = MsgBoxYes | MsgBoxNo;
        options.buttonTexts = texts;
        options.detailText = details;
        options.doNotAskAgainVisible = doNotAsk;
        QGuiApplication::clipboard()->clear();
        whenModal([this, steps](QWidget* box) {
            QStringList seen { QStringLiteral("%1x%2").arg(box->width()).arg(box->height()) };
            const auto child = [box](const char* name) { return box->findChild<QAbstractButton*>(name); };
            for (const QString& step : steps.split(' ')) {
                if (step == "details") {
                    QTest::mouseClick(child("detailsButton"), Qt::LeftButton);
                    seen << QStringLiteral("%1x%2").arg(box->width()).arg(box->height());
                } else if (step == "check") {
                    QTest::mouseClick(child("doNotAskAgainBox"), Qt::LeftButton);
                } else if (step == "copy") {
                    QTest::keyClick(child("firstbutton"), Qt::Key_C, Qt::ControlModifier);
                    seen << QGuiApplication::clipboard()->text().replace('\n', '|');
                } else if (step == "zh") {
                    ZcbTest::switchLanguage(ZCORVANEDLL::ClientLanguageZhCN);
                    seen << box->windowTitle() << child("firstbutton")->text() << child("secondbutton")->text()
                         << child("detailsButton")->text() << child("doNotAskAgainBox")->text()
                         << box->findChild<QWidget*>("detailsEdit")->accessibleName();
                    ZcbTest::switchLanguage(ZCORVANEDLL::ClientLanguageEnUS);
                } else if (step == "escape") {
                    QTest::keyClick(box, Qt::Key_Escape);
                } else {
                    QTest::mouseClick(child(step.endsWith('0') ? "firstbutton" : "secondbutton"), Qt::LeftButton);
                }
            }
            shown = seen.join(' ');
        });
        const ZMessageBoxResult result = ZMessageBox::message(nullptr, options);
        QTEST(shown, "seen");
        QTEST(result.button, "button");
        QTEST(result.doNotAskAgain, "doNotAskAgain");
    }

    // The older functions have no copy key.
    void noCopyInOlderBoxes()
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
        whenModal([](QWidget* box) {
            QTest::keyClick(box->findChild<QWidget*>("firstbutton"), Qt::Key_C, Qt::ControlModifier);
            QTest::mouseClick(box->findChild<QWidget*>("firstbutton"), Qt::LeftButton);
        });
        QCOMPARE(int(ZMessageBox::warning(nullptr, QStringLiteral("text"))), int(MsgBoxOk));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
    }
};

QTEST_MAIN(tst_ZMessageBox)
#include "tst_zmessagebox.moc"
