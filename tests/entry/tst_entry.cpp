#include "entry/ipeditwt.h"
#include "entry/passwordlineedit.h"
#include "entry/seldirlineet.h"

#include <QClipboard>
#include <QToolButton>
#include <QtTest>

using namespace ZCORVANEBASE;

// The image the field's trailing icon shows, found by its pixels: "sn", "sh", "hn", "hh" for the eye's show and hide
// images, normal and highlighted, "fn" and "fh" for the folder's; "?" for none.
static QString iconCode(const QLineEdit* edit)
{
    const QImage shown = edit->findChild<QToolButton*>()->icon().pixmap(16, 16).toImage();
    for (const QString name : { "show_pwd_n", "show_pwd_h", "hide_pwd_n", "hide_pwd_h", "folder_n", "folder_h" })
        if (QIcon(":/images/images/" + name + ".png").pixmap(16, 16).toImage() == shown)
            return name.left(1) + name.right(1);
    return QStringLiteral("?");
}

class tst_Entry : public QObject
{
    Q_OBJECT

private slots:
    void strength_data()
    {
        QTest::addColumn<int>("grade");
        QTest::addColumn<QStringList>("passwords");
        const auto row = [](const char* name, int grade, QStringList list) { QTest::newRow(name) << grade << list; };
        // Fewer than 8 UTF-16 units, whatever the mix; a surrogate pair counts two.
        row("too short", -1, { "", "Ab1!cd2", "Ab1!\U0001F600x" });
        row("one class", 0, { "abcdefgh", "12345678", "!@#$%^&*" });
        // One character outside the classes: DEL, a space, a non-ASCII letter, a surrogate pair.
        row("no class", 0, { "Abc123!\x7f", "Abc 12!@", "\u00c4bcd1234", "Ab1!\U0001F600xy" });
        // Two kinds: letters and digits, both cases, letters and punctuation, digits and punctuation; the edges of
        // the punctuation ranges count; a fullwidth digit is a digit.
        row("medium", 1, { "abcd1234", "abcdEFGH", "ABCD!@#$", "1234!@#$", "1/:[`{~2", "abcdefg\uff11" });
        // Letters, digits and punctuation; both cases and digits; both cases and punctuation.
        row("strong", 2, { "abc123!@", "Abcd1234", "Abcd!@#$" });
    }
    void strength()
    {
        QFETCH(QStringList, passwords);
        QFETCH(int, grade);
        for (const QString& pwd : passwords)
            QVERIFY2(checkPwdStrength(pwd) == grade, qPrintable(pwd));
    }

    void typingAndMenu()
    {
        PasswordLineEdit pwd;
        QTest::keyClicks(&pwd, QStringLiteral(" ab c!  "));
        QCOMPARE(pwd.text(), QStringLiteral("abc!")); // no whitespace anywhere
        QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(5, 5));
        QApplication::sendEvent(&pwd, &menu);
        QVERIFY(!menu.isAccepted()); // declined: no menu of its own, no request for the owner to answer with one
        SelDirLineEt dir;
        dir.setText(QStringLiteral("/srv/exports"));
        QTest::keyClicks(&dir, QStringLiteral("/x"));
        QCOMPARE(dir.toolTip(), QStringLiteral("/srv/exports")); // typing changes only the text
    }

    void clipboardKeys_data()
    {
        QTest::addColumn<QKeySequence>("keys");
        for (const auto key : { QKeySequence::Paste, QKeySequence::Copy, QKeySequence::Cut })
            for (const QKeySequence& binding : QKeySequence::keyBindings(key))
                QTest::newRow(qPrintable(binding.toString())) << binding;
    }
    // A plain line edit reacts to each of these keys; the password field keeps both its text and the clipboard.
    void clipboardKeys()
    {
        QFETCH(QKeySequence, keys);
        QLineEdit plain;
        PasswordLineEdit edit;
        for (QLineEdit* field : { &plain, static_cast<QLineEdit*>(&edit) }) {
            field->setText(QStringLiteral("secret"));
            field->selectAll();
            QApplication::clipboard()->setText(QStringLiteral("clip"));
            QTest::keySequence(field, keys);
            QCOMPARE(field->text() == "secret" && QApplication::clipboard()->text() == "clip", field == &edit);
        }
    }

    // Steps: real enter and leave events, focus in and out ("blur"), left clicks on the trailing icon, left and right
    // clicks on the text, setWtStyle() with Normal, Hover, Active or an unknown value ("N", "H", "A", "X").
    // `states` has the field's state at first and after each step: iconCode(), then "*" while the password is
    // masked, or the number of signalClicked() so far (rows whose states start with "f" run on the folder field).
    void icons_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("states");
        // The field starts in normal echo with the hide image; the eye switches the echo.
        QTest::newRow("eye, hover and clicks") << "enter leave icon icon blur" << QString("hn hh hn sh hh* hn*");
        QTest::newRow("eye, focused") << "enter focus leave enter blur" << QString("hn hh hh hh hh hn");
        // Clicking the eye also focuses the field, so leaving keeps the highlight until the focus goes.
        QTest::newRow("eye, hovered") << "enter icon leave blur enter leave" << QString("hn hh sh sh sn sh sn");
        QTest::newRow("styles, unfocused") << "H N A X" << QString("hn hh hn hh hh");
        // Only Active applies while the field has the focus.
        QTest::newRow("styles, focused") << "icon N blur focus H A N X" << QString("hn sh sh sn sn sn sh sh sh");
        // The highlight follows the pointer while the field has no focus; losing the focus drops it even when hovered.
        QTest::newRow("folder, hover") << "enter leave focus enter blur" << QString("fn0 fh0 fn0 fn0 fh0 fn0");
        // Any click reports; it focuses the field, which keeps the highlight until the focus goes.
        QTest::newRow("folder, clicks") << "enter left leave blur icon right" << QString("fn0 fh0 fh1 fh1 fn1 fn2 fn3");
    }
    // Also checked: the password field never takes input-method composition.
    void icons()
    {
        QFETCH(QString, steps);
        QFETCH(QString, states);
        const bool password = !states.startsWith('f');
        PasswordLineEdit pwd;
        SelDirLineEt dir;
        QSignalSpy clicked(&dir, &SelDirLineEt::signalClicked);
        QLineEdit* edit = password ? static_cast<QLineEdit*>(&pwd) : &dir;
        edit->setText(QStringLiteral("Secret1!"));
        edit->show();
        QVERIFY(QTest::qWaitForWindowActive(edit));
        edit->clearFocus();
        QStringList seen;
        for (const QString& step : ("start " + steps).split(' ')) {
            QEvent hover(step == "enter" ? QEvent::Enter : QEvent::Leave);
            if (step == "enter" || step == "leave")
                QApplication::sendEvent(edit, &hover);
            else if (step == "icon")
                QTest::mouseClick(edit->findChild<QToolButton*>(), Qt::LeftButton);
            else if (step == "left" || step == "right")
                QTest::mouseClick(edit, step == "left" ? Qt::LeftButton : Qt::RightButton, {}, QPoint(5, 5));
            else if (step.size() == 1)
                pwd.setWtStyle(WidgetStyle(QStringLiteral("NHAX").indexOf(step)));
            else if (step != "start")
                step == "focus" ? edit->setFocus() : edit->clearFocus();
            QVERIFY(edit->testAttribute(Qt::WA_InputMethodEnabled) != password);
            const QString masked = edit->displayText() == edit->text() ? "" : "*";
            seen << iconCode(edit) + (password ? masked : QString::number(clicked.count()));
        }
        QCOMPARE(seen.join(' '), states);
    }

    // `input` is given to setText(), "|" separating successive calls; `result` is text(), isValid() and
    // toIPv4Address() in hex.
    void setText_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("result");
        const auto row = [](const char* in, const char* out) { QTest::newRow(in) << QString(in) << QString(out); };
        row("", "... invalid 00000000"); // what a new editor reads
        row("9.8.7.6|LoCaLHoST", "127.0.0.1 valid 7f000001");
        row("9.8.7.6|10.1", "10.1.7.6 valid 0a010706"); // missing parts leave their fields
        row("9.8.7.6|1..3", "1..3.6 invalid 01000306"); // empty parts clear theirs
        row("255.255.001.010", "255.255.1.10 valid ffff010a");
        row("12345.6.7.8.9", "123.6.7.8 valid 7b060708"); // a part beyond the fourth is ignored
        // No range check: garbage reads 0, an oversized or negative field carries into the neighbouring byte.
        row("1.256.abc.-1", "1.256.0.-1 valid 01ffffff");
    }
    void setText()
    {
        QFETCH(QString, input);
        IpEditWt editor;
        for (const QString& part : input.split('|'))
            editor.setText(part);
        const QString result = QStringLiteral("%1 %2 %3").arg(editor.text(), editor.isValid() ? "valid" : "invalid");
        QTEST(result.arg(editor.toIPv4Address(), 8, 16, QLatin1Char('0')), "result");
    }

    // The editor holds 1.22.3.4 and the focus goes to field `start` (1-4; 0: the editor focused as a plain QWidget,
    // through its focus proxy; 1: by IpEditWt::setFocus()). Each key then goes to whichever widget has the focus:
    // "<" and ">" are the arrows, "^" is backspace, "{x" is x committed by an input method. `result` is text(), the
    // focused field and every textEdited() argument, setText() having sent none.
    void keys_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("result");
        const auto row = [](int start, QString keys, QString r) { QTest::newRow(keys.toUtf8()) << start << keys << r; };
        // 255 is kept, 256 cut back and a fourth digit refused; a period moves on whatever the field holds; period and
        // right arrow stay in the last field.
        row(0, "^2551.256..7.>5",
            "255.25.3.75 in 4: .22.3.4 2.22.3.4 25.22.3.4 255.22.3.4 255.2.3.4 255.25.3.4 255.25.3.7 255.25.3.75");
        row(3, "^+-007a+", "1.22.7.4 in 3: 1.22..4 1.22.0.4 1.22.0.4 1.22.7.4"); // signs and letters are refused
        row(1, ".9", "1.9.3.4 in 2: 1.9.3.4"); // the next field comes selected
        row(2, "<>>9", "1.22.9.4 in 3: 1.22.9.4"); // right moves on only from the end
        row(4, "^^5", "1.22.35. in 3: 1.22.3. 1.22.35."); // back keeps the previous text
        row(2, "<<<<^5", "51.22.3.4 in 1: 51.22.3.4"); // nothing before the first field
        row(1, "<{\u3002>{\u30029", "1.9.3.4 in 2: 1.9.3.4"); // not at a field start
        row(2, "{.9", "1.22.9.4 in 3: 1.22.9.4");
        row(4, "{\u3002{5", "1.22.3.45 in 4: 1.22.3.45"); // any other commit is typed
    }
    void keys()
    {
        QFETCH(int, start);
        QFETCH(QString, keys);
        IpEditWt editor;
        auto field = [&](int i) { return editor.findChild<QLineEdit*>(QStringLiteral("lineEdit%1").arg(i)); };
        QSignalSpy edited(&editor, &IpEditWt::textEdited);
        editor.setText(QStringLiteral("1.22.3.4"));
        editor.show();
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        field(4)->setFocus();
        start == 0 ? editor.setFocus(Qt::TabFocusReason) : start == 1 ? editor.setFocus() : field(start)->setFocus();
        const QHash<char, Qt::Key> named { { '<', Qt::Key_Left }, { '>', Qt::Key_Right }, { '^', Qt::Key_Backspace } };
        for (int i = 0; i < keys.size(); ++i) {
            const char key = keys.at(i).toLatin1();
            if (key == '{') {
                QInputMethodEvent commit;
                commit.setCommitString(keys.mid(++i, 1));
                QApplication::sendEvent(QApplication::focusWidget(), &commit);
            } else {
                QTest::keyClick(QApplication::focusWidget(), named.value(key, QTest::asciiToKey(key)));
            }
        }
        QStringList result { editor.text(), "in", QApplication::focusWidget()->objectName().right(1) + ':' };
        for (const QList<QVariant>& args : qAsConst(edited))
            result << args.at(0).toString();
        QTEST(result.join(' '), "result");
    }
};

QTEST_MAIN(tst_Entry)
#include "tst_entry.moc"
