// checkPwdStrength against the grade the classes give (tests/reliability/entrymodel.h, as the entry tests hold it), and
// a PasswordLineEdit fed typed keys, pastes, undo, redo and eye toggles: the text never holds whitespace (what the
// validator refuses), whatever undo and redo replay across the eye, the clipboard never gets in, and the grade of what
// was typed is the grade of the text.

#include "entry/passwordlineedit.h"
#include "entry/pwdstrength.h"

#include "entrymodel.h"
#include "fuzzsupport.h"

#include <QAction>
#include <QClipboard>

using namespace ZCORVANEBASE;

namespace {

void checkGrade(const QString& pwd)
{
    const PwdStrength grade = checkPwdStrength(pwd);
    ZCB_FUZZ_CHECK(grade == ReliabilityModel::expectedGrade(pwd),
        QStringLiteral("grade %1, expected %2 for %3")
            .arg(int(grade))
            .arg(int(ReliabilityModel::expectedGrade(pwd)))
            .arg(QString::fromLatin1(pwd.toUtf8().toHex())));
}

bool hasWhitespace(const QString& text)
{
    for (const QChar c : text) {
        if (c.isSpace())
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ZcbFuzz::Input input(data, size);
    // The grade of the raw input as one string first.
    checkGrade(ZcbFuzz::Input(data, size).text(64));

    QApplication::clipboard()->setText(QStringLiteral("Pasted-Secret-1"));
    PasswordLineEdit edit;
    edit.setMaxLength(int(input.range(1, 40)));
    QAction* eye = edit.actions().value(0);
    for (int step = 0; step < 64 && !input.atEnd(); ++step) {
        const QString before = edit.text();
        switch (input.byte() % 10) {
        case 0: // a paste, copy or cut shortcut: refused
        {
            static const QKeySequence::StandardKey keys[]
                = { QKeySequence::Paste, QKeySequence::Cut, QKeySequence::Copy };
            const QKeySequence sequence(QKeySequence::keyBindings(keys[input.byte() % 3]).value(0));
            ZcbFuzz::sendKey(&edit, sequence[0] & ~Qt::KeyboardModifierMask,
                Qt::KeyboardModifiers(sequence[0] & Qt::KeyboardModifierMask), QString());
            ZCB_FUZZ_CHECK(edit.text() == before, "a clipboard shortcut changed the text");
            break;
        }
        case 1:
            ZcbFuzz::sendKey(&edit, Qt::Key_Backspace, Qt::NoModifier, QString());
            break;
        case 2: {
            static const int moves[] = { Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_End, Qt::Key_Delete };
            ZcbFuzz::sendKey(
                &edit, moves[input.byte() % 5], input.flag() ? Qt::ShiftModifier : Qt::NoModifier, QString());
            break;
        }
        case 3:
            if (eye)
                eye->trigger();
            break;
        case 4:
            edit.setWtStyle(
                WidgetStyle(input.range(0, 3))); // 3: no style of ours (below 0 is no value of the enum at all)
            break;
        case 5:
            edit.setEyeVisible(input.flag());
            break;
        case 6: // undo and redo: the line edit's own, held to the same checks as typing
            ZcbFuzz::sendKey(&edit, Qt::Key_Z,
                input.flag() ? Qt::ControlModifier | Qt::ShiftModifier : Qt::ControlModifier, QString());
            break;
        default: { // typed text, one key per character
            const QString typed = input.text(6);
            for (const QChar c : typed)
                ZcbFuzz::sendKey(&edit, c.toUpper().unicode(), Qt::NoModifier, QString(c));
            break;
        }
        }
        ZCB_FUZZ_CHECK(!hasWhitespace(edit.text()), "whitespace in " + edit.text());
        ZCB_FUZZ_CHECK(edit.text().size() <= edit.maxLength(), "longer than the maximum");
        checkGrade(edit.text());
    }
    edit.grab(); // paints the field with whatever echo mode and icon it ended in
    return 0;
}
