#include "entry/ipeditwt.h"
#include "entry/passwordlineedit.h"
#include "entry/passwordstrengthbar.h"
#include "entry/seldirlineet.h"
#include "entrymodel.h"
#include "zcbtest.h"

#include <QAction>
#include <QClipboard>
#include <QRandomGenerator>
#include <QToolButton>
#include <QValidator>

using namespace ZCORVANEBASE;
using ReliabilityModel::expectedGrade;
using ReliabilityModel::ipEditDivergence;

// One step on a password field: "set" (setText from code) or "type" a text, "clear" (backspaces until the field is
// empty), "eye" (a click on it), "undo", "hide" (setEyeVisible(false)), "A", "O", "N" (the reveal modes).
struct Step
{
    QString action;
    QString text;
};
using Steps = QVector<Step>;
Q_DECLARE_METATYPE(Steps)

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

// The host's list of common passwords.
static const QStringList weak { QStringLiteral("password1"), QStringLiteral("qwerty") };

class tst_Entry : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ZcbTest::installFakeWorker()->weakPasswords = weak; }

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
        for (const QString& pwd : passwords) {
            QVERIFY2(checkPwdStrength(pwd) == grade && expectedGrade(pwd) == grade, qPrintable(pwd));
            QVERIFY2(checkPwdStrengthDetailed(pwd, { pwd }).strength == grade, qPrintable(pwd)); // listed or not
        }
    }

    // Hints by the first words of each, in order: short, listed, repeat "run", sequence "run", other, letter,
    // upper, lower, digit, special.
    void hints_data()
    {
        QTest::addColumn<QString>("pwd");
        QTest::addColumn<QStringList>("hints");
        const auto row = [](const QString& pwd, QStringList hints) { QTest::newRow(qPrintable(pwd)) << pwd << hints; };
        row("", { "short", "letter", "digit", "special" });
        row("abc", { "short", "upper", "digit", "special" }); // three letters are no run yet
        row("PASSWORD1", { "listed", "lower", "special" }); // the list ignores case
        row("Password1", { "listed" }); // strong, but listed
        row("Str0ng!Pw", {});
        row("x1111B!y", { "repeat:1111" });
        row("aAa1!BbB", {}); // repeats are case-sensitive
        row("xaBcD1!y", { "sequence:aBcD" }); // letter runs ignore case
        row("x9876A!b", { "sequence:9876" }); // falling runs count
        row("12345678", { "sequence:12345678", "letter", "special" });
        row("abc9!XYZ", {}); // runs of three, and no run across a letter and a digit
        row("Abc 12!@", { "other" }); // a space: weak whatever the mix
        row("\u00c4bcdefgh", { "sequence:bcdefgh", "other", "upper", "digit", "special" });
    }
    // Each hint by its first words, in order: short, listed, repeat or sequence (with the run it quotes), other,
    // letter, upper, lower, digit, special.
    void hints()
    {
        QFETCH(QString, pwd);
        const QList<QPair<QString, QString>> codes { { "Use at least", "short" }, { "This password", "listed" },
            { "Avoid repeating", "repeat" }, { "Avoid runs", "sequence" }, { "Use only", "other" },
            { "Add a letter", "letter" }, { "Add an upper", "upper" }, { "Add a lower", "lower" },
            { "Add a digit", "digit" }, { "Add a special", "special" } };
        QStringList seen;
        for (const QString& hint : checkPwdStrengthDetailed(pwd, weak).hints) {
            seen << hint;
            for (const auto& code : codes)
                if (hint.startsWith(code.first))
                    seen.last() = code.second + (hint.contains('"') ? ':' + hint.section('"', 1, 1) : QString());
        }
        QTEST(seen, "hints");
    }

    // Random strings over every class (and characters of none): both gradings give the grade the classes give, and a
    // password of 8 or more characters of the classes is told to add a class exactly when it is not strong.
    void hintsAgreeWithGrade()
    {
        const QString alphabet
            = QStringLiteral("aAbBzZ0189!/:@[`{~ \u00e4\uff11"); // a space, a non-ASCII letter and digit
        QRandomGenerator random(20261205);
        const QStringList classHints { "Add a letter.", "Add an upper-case letter.", "Add a lower-case letter.",
            "Add a digit.", "Add a special character such as ! # or %." };
        for (int i = 0; i < 3000; ++i) {
            QString pwd;
            for (int n = random.bounded(13); n > 0; --n)
                pwd += alphabet.at(random.bounded(alphabet.size()));
            const PwdStrengthDetails details = checkPwdStrengthDetailed(pwd, {});
            QVERIFY2(
                details.strength == expectedGrade(pwd) && checkPwdStrength(pwd) == expectedGrade(pwd), qPrintable(pwd));
            const bool addClass = std::any_of(details.hints.cbegin(), details.hints.cend(),
                [&](const QString& hint) { return classHints.contains(hint); });
            const bool clean = std::all_of(pwd.cbegin(), pwd.cend(),
                [](QChar c) { return (c.unicode() > 0x20 && c.unicode() < 0x7f) || c.isDigit(); });
            if (pwd.size() >= 8 && clean)
                QVERIFY2(addClass == (details.strength != PwdStrong), qPrintable(pwd));
        }
    }

    // Typing into a bound field: the grade, its signal, the colours of the three segments and the tool tip.
    void strengthBar()
    {
        PasswordLineEdit edit;
        PasswordStrengthBar bar;
        QSignalSpy changed(&bar, &PasswordStrengthBar::signalStrengthChanged);
        bar.resize(96, 6); // segments 30 wide, 3 apart
        bar.setPasswordLineEdit(&edit);
        const auto segments = [&bar] {
            const QImage image = bar.grab().toImage();
            QStringList colours;
            for (int x : { 15, 48, 81 })
                colours << image.pixelColor(x, 3).name();
            return colours.join(' ');
        };
        QCOMPARE(segments(), "#26344a #26344a #26344a");
        QTest::keyClicks(&edit, QStringLiteral("Qwerty"));
        QCOMPARE(segments(), "#8d9bb0 #26344a #26344a");
        // The host's list (set in initTestCase) holds "qwerty".
        QCOMPARE(bar.toolTip().section('\n', 0, 2),
            "Password strength: too short\nUse at least 8 characters.\nThis password is on the list of common "
            "passwords.");
        bar.setWeakPwdList({});
        QVERIFY(!bar.toolTip().contains("common"));
        QTest::keyClicks(&edit, QStringLiteral("12"));
        QCOMPARE(segments(), "#00cf8b #00cf8b #00cf8b");
        QCOMPARE(bar.toolTip(), QStringLiteral("Password strength: strong"));
        edit.setText(QStringLiteral("abcd!@#$"));
        QCOMPARE(segments(), "#e8a33d #e8a33d #26344a");
        edit.setText(QStringLiteral("qwertyui"));
        QCOMPARE(segments(), "#dc4d4d #26344a #26344a");
        QCOMPARE(QList<QList<QVariant>>(changed), (QList<QList<QVariant>> { { -1, 2 }, { 2, 1 }, { 1, 0 } }));
    }

    // The eye and the echo through reveal modes, code and the user (see Step). `states` has after each step: "e"
    // while the eye shows, "-" while it is hidden; then "*" while the text is masked; after "undo" also the text.
    void revealModes_data()
    {
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<QStringList>("states");
        const Step eye { "eye", {} }, clear { "clear", {} }, setOld { "set", "old" }, typeX { "type", "x" };
        const Step always { "A", {} }, onlyNew { "O", {} };
        // The default: code's text shows in normal echo and the eye stays.
        QTest::newRow("always") << Steps { setOld, typeX, eye, eye, clear }
                                << QStringList { "e", "e", "e", "e*", "e*" };
        QTest::newRow("only new, stored") << Steps { onlyNew, setOld, typeX, eye, clear, { "type", "new" }, eye }
                                          << QStringList { "e", "-*", "-*", "-*", "e*", "e*", "e" };
        QTest::newRow("only new, typed") << Steps { onlyNew, { "type", "new" }, eye, { "set", {} } }
                                         << QStringList { "e", "e", "e", "e" };
        QTest::newRow("only new, shown when stored")
            << Steps { { "type", "new" }, eye, setOld, onlyNew, always } << QStringList { "e", "e", "e", "-*", "e*" };
        QTest::newRow("only new, code empties")
            << Steps { onlyNew, setOld, { "set", {} }, typeX } << QStringList { "e", "-*", "e*", "e*" };
        QTest::newRow("only new, no undo")
            << Steps { onlyNew, setOld, clear, { "undo", {} } } << QStringList { "e", "-*", "e*", "e*''" };
        QTest::newRow("never") << Steps { { "N", {} }, typeX, { "set", {} }, always }
                               << QStringList { "-*", "-*", "-*", "e*" };
        QTest::newRow("hidden eye stays hidden")
            << Steps { { "hide", {} }, onlyNew, setOld, clear, always } << QStringList { "-", "-", "-*", "-*", "-*" };
    }
    void revealModes()
    {
        QFETCH(Steps, steps);
        PasswordLineEdit edit;
        edit.show();
        QVERIFY(QTest::qWaitForWindowActive(&edit));
        auto* eye = edit.findChild<QToolButton*>();
        QStringList seen;
        for (const Step& step : qAsConst(steps)) {
            if (step.action == "set")
                edit.setText(step.text);
            else if (step.action == "type")
                QTest::keyClicks(&edit, step.text);
            else if (step.action == "clear")
                while (!edit.text().isEmpty())
                    QTest::keyClick(&edit, Qt::Key_Backspace);
            else if (step.action == "eye")
                QTest::mouseClick(eye, Qt::LeftButton);
            else if (step.action == "undo")
                QTest::keySequence(&edit, QKeySequence::Undo);
            else if (step.action == "hide")
                edit.setEyeVisible(false);
            else
                edit.setRevealMode(PasswordLineEdit::RevealMode(QStringLiteral("AON").indexOf(step.action)));
            seen << QString(eye->isVisible() ? "e" : "-") + (edit.echoMode() == QLineEdit::Password ? "*" : "");
            if (step.action == "undo")
                seen.last() += "'" + edit.text() + "'";
        }
        QTEST(seen, "states");
    }

    // With the defaults the field looks as a line edit with the eye image as its trailing action always did.
    void defaultLook()
    {
        PasswordLineEdit edit;
        ZLineEdit reference;
        reference.setContextMenuPolicy(Qt::NoContextMenu);
        auto* action = new QAction(QIcon(QStringLiteral(":/images/images/hide_pwd_n.png")), QString(), &reference);
        reference.addAction(action, QLineEdit::TrailingPosition);
        for (QLineEdit* field : { static_cast<QLineEdit*>(&edit), static_cast<QLineEdit*>(&reference) }) {
            field->resize(200, 28);
            field->setText(QStringLiteral("Secret1!"));
        }
        QCOMPARE(edit.grab().toImage(), reference.grab().toImage());
    }

    // Texts and accessible names follow a language switch made while the widgets live.
    void languageSwitch()
    {
        PasswordLineEdit pwd;
        SelDirLineEt dir;
        IpEditWt ip;
        PasswordStrengthBar bar;
        bar.setPasswordLineEdit(&pwd);
        pwd.setText(QStringLiteral("abc"));
        const auto texts = [&] {
            return QStringList { pwd.actions().first()->text(), dir.actions().first()->toolTip(),
                ip.findChild<QLineEdit*>(QStringLiteral("lineEdit3"))->accessibleName(), bar.accessibleName(),
                bar.toolTip().section('\n', 0, 1) };
        };
        const QStringList english = texts();
        QCOMPARE(english,
            QStringList({ "Show password", "Choose a folder", "IP address, field 3 of 4", "Password strength",
                "Password strength: too short\nUse at least 8 characters." }));
        ZcbTest::switchLanguage(ZCORVANEDLL::ClientLanguageZhCN);
        const QStringList chinese = texts();
        ZcbTest::switchLanguage(ZCORVANEDLL::ClientLanguageEnUS);
        QCOMPARE(chinese,
            QStringList({ "显示密码", "选择文件夹", "IP 地址，第 3 段，共 4 段", "密码强度",
                "密码强度：太短\n请至少使用 8 个字符。" }));
        QCOMPARE(texts(), english);
    }

    void typingAndMenu()
    {
        PasswordLineEdit pwd;
        QTest::keyClicks(&pwd, QStringLiteral(" ab c!  "));
        QCOMPARE(pwd.text(), QStringLiteral("abc!")); // no whitespace anywhere
        QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(5, 5), pwd.mapToGlobal(QPoint(5, 5)));
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

    // Steps: "e" a click on the eye, "h" the host switching the echo mode, "u" and "r" the undo and redo keys, "<"
    // shift+left, any other letter typed. `texts` has the text after each step ("-" for none). Undo and redo are the
    // line edit's within one echo mode (in password echo its undo clears the field); an eye click changes nothing but
    // the echo, and the history recorded before a switch is gone. Replayed across the switch, that history once left
    // the cursor past the end of an empty field and the next key put a space into it.
    void historyKeys_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("texts");
        const auto row = [](const char* name, const char* steps, const char* texts) {
            QTest::newRow(name) << QString(steps) << QString(texts);
        };
        row("shown", "eabur", "- a ab - ab");
        row("hidden", "eeaburc", "- - a ab - - c");
        row("across the eye", "eeabueurxuurz", "- - a ab - - - - x - - x xz");
        row("across the host's switch", "habuhurxuurz", "- a ab - - - - x - - x xz");
        row("selection kept", "abc<<eex", "a ab abc abc abc abc abc ax");
    }
    void historyKeys()
    {
        QFETCH(QString, steps);
        PasswordLineEdit edit;
        QSignalSpy changed(&edit, &QLineEdit::textChanged), moved(&edit, &QLineEdit::cursorPositionChanged),
            selected(&edit, &QLineEdit::selectionChanged);
        QStringList texts;
        for (const QChar step : steps) {
            if (step == 'e') {
                const auto state = [&] {
                    return QVariantList { edit.cursorPosition(), edit.selectedText(), edit.isModified(),
                        changed.count() + moved.count() + selected.count() };
                };
                const QVariantList before = state();
                QTest::mouseClick(edit.findChild<QToolButton*>(), Qt::LeftButton);
                QCOMPARE(state(), before);
            } else if (step == 'h') {
                edit.setEchoMode(edit.echoMode() == QLineEdit::Normal ? QLineEdit::Password : QLineEdit::Normal);
            } else if (step == 'u' || step == 'r') {
                QTest::keySequence(&edit, step == 'u' ? QKeySequence::Undo : QKeySequence::Redo);
            } else if (step == '<') {
                QTest::keyClick(&edit, Qt::Key_Left, Qt::ShiftModifier);
            } else {
                QTest::keyClick(&edit, step.toLatin1());
            }
            texts << (edit.text().isEmpty() ? "-" : edit.text());
        }
        QTEST(texts.join(' '), "texts");
    }

    // Steps: real enter and leave events, focus in and out ("blur"), left clicks on the trailing icon, left and right
    // clicks on the text, setWtStyle() with Normal, Hover, Active or an unknown value ("N", "H", "A", "X").
    // `states` has the field's state at first and after each step: iconCode(), then "*" while the password is
    // masked (the password field) or the number of signalClicked() so far (the folder field).
    void icons_data()
    {
        QTest::addColumn<bool>("folder");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("states");
        // The field starts in normal echo with the hide image; the eye switches the echo.
        QTest::newRow("eye, hover and clicks") << false << QStringList { "enter", "leave", "icon", "icon", "blur" }
                                               << QStringList { "hn", "hh", "hn", "sh", "hh*", "hn*" };
        QTest::newRow("eye, focused") << false << QStringList { "enter", "focus", "leave", "enter", "blur" }
                                      << QStringList { "hn", "hh", "hh", "hh", "hh", "hn" };
        // Clicking the eye also focuses the field, so leaving keeps the highlight until the focus goes.
        QTest::newRow("eye, hovered") << false << QStringList { "enter", "icon", "leave", "blur", "enter", "leave" }
                                      << QStringList { "hn", "hh", "sh", "sh", "sn", "sh", "sn" };
        QTest::newRow("styles, unfocused")
            << false << QStringList { "H", "N", "A", "X" } << QStringList { "hn", "hh", "hn", "hh", "hh" };
        // Only Active applies while the field has the focus.
        QTest::newRow("styles, focused") << false << QStringList { "icon", "N", "blur", "focus", "H", "A", "N", "X" }
                                         << QStringList { "hn", "sh", "sh", "sn", "sn", "sn", "sh", "sh", "sh" };
        // The highlight follows the pointer while the field has no focus; losing the focus drops it even when hovered.
        QTest::newRow("folder, hover") << true << QStringList { "enter", "leave", "focus", "enter", "blur" }
                                       << QStringList { "fn0", "fh0", "fn0", "fn0", "fh0", "fn0" };
        // Any click reports; it focuses the field, which keeps the highlight until the focus goes.
        QTest::newRow("folder, clicks") << true << QStringList { "enter", "left", "leave", "blur", "icon", "right" }
                                        << QStringList { "fn0", "fh0", "fh1", "fh1", "fn1", "fn2", "fn3" };
    }
    // Also checked: the password field never takes input-method composition.
    void icons()
    {
        QFETCH(bool, folder);
        QFETCH(QStringList, steps);
        PasswordLineEdit pwd;
        SelDirLineEt dir;
        QSignalSpy clicked(&dir, &SelDirLineEt::signalClicked);
        QLineEdit* edit = folder ? &dir : static_cast<QLineEdit*>(&pwd);
        edit->setText(QStringLiteral("Secret1!"));
        edit->show();
        QVERIFY(QTest::qWaitForWindowActive(edit));
        edit->clearFocus();
        const auto state = [&] {
            const QString masked = edit->displayText() == edit->text() ? "" : "*";
            return iconCode(edit) + (folder ? QString::number(clicked.count()) : masked);
        };
        QStringList seen { state() };
        for (const QString& step : steps) {
            if (step == "enter" || step == "leave")
                ZcbTest::sendEvent(edit, step == "enter" ? QEvent::Enter : QEvent::Leave);
            else if (step == "icon")
                QTest::mouseClick(edit->findChild<QToolButton*>(), Qt::LeftButton);
            else if (step == "left" || step == "right")
                QTest::mouseClick(edit, step == "left" ? Qt::LeftButton : Qt::RightButton, {}, QPoint(5, 5));
            else if (step.size() == 1)
                pwd.setWtStyle(WidgetStyle(QStringLiteral("NHAX").indexOf(step)));
            else
                step == "focus" ? edit->setFocus() : edit->clearFocus();
            QVERIFY(edit->testAttribute(Qt::WA_InputMethodEnabled) == folder);
            seen << state();
        }
        QTEST(seen, "states");
    }

    // setText() called with each input in turn: text() after it (isValid() and toIPv4Address() as it says, see
    // ipEditDivergence()).
    void setText_data()
    {
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("text");
        QTest::newRow("new") << QStringList() << "..."; // what a new editor reads
        QTest::newRow("localhost") << QStringList { "9.8.7.6", "LoCaLHoST" } << "127.0.0.1";
        QTest::newRow("missing parts leave their fields") << QStringList { "9.8.7.6", "10.1" } << "10.1.7.6";
        QTest::newRow("empty parts clear theirs") << QStringList { "9.8.7.6", "1..3" } << "1..3.6";
        QTest::newRow("leading zeros") << QStringList { "255.255.001.010" } << "255.255.1.10";
        QTest::newRow("a fifth part") << QStringList { "12345.6.7.8.9" } << "123.6.7.8";
        // No range check: garbage reads 0, an oversized or negative field carries into the neighbouring byte.
        QTest::newRow("garbage") << QStringList { "1.256.abc.-1" } << "1.256.0.-1";
    }
    void setText()
    {
        QFETCH(QStringList, inputs);
        IpEditWt editor;
        QSignalSpy edited(&editor, &IpEditWt::textEdited);
        for (const QString& input : inputs)
            editor.setText(input);
        QTEST(editor.text(), "text");
        QCOMPARE(ipEditDivergence(editor), QString());
        QCOMPARE(edited.count(), 0);
    }

    // The editor holds 1.22.3.4 and the focus goes to field `start` (1-4; 0: the editor focused as a plain QWidget,
    // through its focus proxy; 1: by IpEditWt::setFocus()). Each key then goes to whichever widget has the focus:
    // "<" and ">" are the arrows, "^" is backspace, "{x" is x committed by an input method.
    void keys_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("focused"); // the field with the focus at the end
        QTest::addColumn<QStringList>("edits"); // every textEdited() argument
        const auto row = [](int start, QString keys, const char* text, int focused, QStringList edits) {
            QTest::newRow(keys.toUtf8()) << start << keys << QString(text) << focused << edits;
        };
        // 255 is kept, 256 cut back and a fourth digit refused; a period moves on whatever the field holds; period and
        // right arrow stay in the last field.
        row(0, "^2551.256..7.>5", "255.25.3.75", 4,
            { ".22.3.4", "2.22.3.4", "25.22.3.4", "255.22.3.4", "255.2.3.4", "255.25.3.4", "255.25.3.7",
                "255.25.3.75" });
        row(3, "^+-007a+", "1.22.7.4", 3, { "1.22..4", "1.22.0.4", "1.22.0.4", "1.22.7.4" }); // no signs, no letters
        row(1, ".9", "1.9.3.4", 2, { "1.9.3.4" }); // the next field comes selected
        row(2, "<>>9", "1.22.9.4", 3, { "1.22.9.4" }); // right moves on only from the end
        row(4, "^^5", "1.22.35.", 3, { "1.22.3.", "1.22.35." }); // back keeps the previous text
        row(2, "<<<<^5", "51.22.3.4", 1, { "51.22.3.4" }); // nothing before the first field
        row(1, "<{\u3002>{\u30029", "1.9.3.4", 2, { "1.9.3.4" }); // not at a field start
        row(2, "{.9", "1.22.9.4", 3, { "1.22.9.4" });
        row(4, "{\u3002{5", "1.22.3.45", 4, { "1.22.3.45" }); // any other commit is typed
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
            QCOMPARE(ipEditDivergence(editor), QString());
        }
        QTEST(editor.text(), "text");
        QTEST(QApplication::focusWidget()->objectName().right(1).toInt(), "focused");
        QStringList edits;
        for (const QList<QVariant>& args : qAsConst(edited))
            edits << args.at(0).toString();
        QTEST(edits, "edits");
    }

    void sameAnswersInBothToolkits();
};

// What the password grading, the password field's whitespace refusal and the address fields' validators answer, on
// generated and chosen input, recorded from the Qt 5 build (tests/entry/toolkitanswers.tsv). The Qt 6 build replaces
// QRegExp and QRegExpValidator with their successors: it must answer the same. ZCB_RECORD_ANSWERS=1 writes the file
// anew (with the Qt 5 build only).
class RecordedAnswers
{
public:
    // The inputs: 3,200 generated passwords (letters, digits, specials, spaces, digits and letters of other scripts,
    // lengths 0 to 16) and every kind of space for the field, and numbers for the address fields.
    static QStringList passwords()
    {
        const QString alphabet = QStringLiteral("aZq9G0._!@ #\t\u00e9\u4e2d\uff11\u0661\u2003\u00a0\u3000\u0130x");
        // A generator of our own: the toolkits' random generators need not draw alike.
        quint64 state = 20261206;
        const auto next = [&state](int bound) {
            state = state * 6364136223846793005ULL + 1442695040888963407ULL;
            return int((state >> 33) % quint64(bound));
        };
        QStringList inputs;
        for (int i = 0; i < 3200; ++i) {
            QString password;
            const int length = next(17);
            const int classes = 1 + next(int(alphabet.size()));
            for (int c = 0; c < length; ++c)
                password += alphabet.at(next(classes));
            inputs << password;
        }
        return inputs;
    }
    static QStringList spaces()
    {
        QStringList inputs;
        for (const char16_t code : { 0x09, 0x0a, 0x0b, 0x0c, 0x0d, 0x20, 0x85, 0xa0, 0x1680, 0x180e, 0x2000, 0x2005,
                 0x200a, 0x200b, 0x2028, 0x2029, 0x202f, 0x205f, 0x3000, 0xfeff, 0x41 })
            inputs << QStringLiteral("ab") + QChar(code) + QStringLiteral("cd");
        return inputs;
    }
    static QStringList numbers()
    {
        return { QString(), QStringLiteral("0"), QStringLiteral("255"), QStringLiteral("256"), QStringLiteral("-1"),
            QStringLiteral("+5"), QStringLiteral(" 7"), QStringLiteral("007"), QStringLiteral("1,0"),
            QStringLiteral("1e2"), QStringLiteral("\uff11"), QStringLiteral("\u0661"), QStringLiteral("99999") };
    }
    // One answer line: kind, input (as \uXXXX escapes where not plain ASCII), answer.
    static QString line(const QString& kind, const QString& input, int answer)
    {
        QString escaped;
        for (const QChar c : input)
            escaped += (c.unicode() > 0x20 && c.unicode() < 0x7f && c != QLatin1Char('\\'))
                ? QString(c)
                : QStringLiteral("\\u%1").arg(int(c.unicode()), 4, 16, QLatin1Char('0'));
        return kind + QLatin1Char('\t') + escaped + QLatin1Char('\t') + QString::number(answer);
    }
    static QStringList answers()
    {
        QStringList lines;
        for (const QString& password : passwords())
            lines << line(QStringLiteral("grade"), password, checkPwdStrength(password));
        PasswordLineEdit field;
        for (const QString& input : spaces()) {
            QString text = input;
            int pos = 0;
            lines << line(QStringLiteral("field"), input, field.validator()->validate(text, pos));
        }
        IpEditWt ip;
        const QValidator* octet = ip.findChild<QLineEdit*>(QStringLiteral("lineEdit1"))->validator();
        for (const QString& input : numbers()) {
            QString text = input;
            int pos = 0;
            lines << line(QStringLiteral("octet"), input, octet->validate(text, pos));
        }
        return lines;
    }
};

void tst_Entry::sameAnswersInBothToolkits()
{
    QFile file(QStringLiteral(ZCB_TEST_SOURCE_DIR "/toolkitanswers.tsv"));
    const QStringList answers = RecordedAnswers::answers();
    if (qEnvironmentVariableIsSet("ZCB_RECORD_ANSWERS")) {
        QVERIFY(QT_VERSION < QT_VERSION_CHECK(6, 0, 0));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(answers.join(QLatin1Char('\n')).toLatin1() + '\n');
        QSKIP("answers recorded");
    }
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList recorded = QString::fromLatin1(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(answers.size(), recorded.size());
    QVERIFY(answers.size() >= 3000);
    for (int i = 0; i < answers.size(); ++i)
        QCOMPARE(answers.at(i), recorded.at(i));
}

QTEST_MAIN(tst_Entry)
#include "tst_entry.moc"
