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
                QTest::keyClick(box, Qt::Key(QKeySequence(how.section(' ', 0, 0))[0]));
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
};

QTEST_MAIN(tst_ZMessageBox)
#include "tst_zmessagebox.moc"
