#pragma once

#include "entry/pwdstrength.h"
#include "frame/widgetstyle.h"
#include "frame/zcorvanebase_global.h"
#include "frame/zlineedit.h"

class QAction;

namespace ZCORVANEBASE {

// A line edit for secrets. It refuses whitespace anywhere in the text, input-method composition, the context menu and
// the copy, cut and paste shortcuts, and it carries an eye button at its right end that switches between hidden and
// plain echo (checked = shown). The eye's icon follows the pointer and the style state: "_h" while hovered or active,
// "_n" otherwise, "show_pwd" while the text is shown and "hide_pwd" while it is hidden.
//
// Undo and redo are the line edit's own (in password echo its undo clears the field), except in RevealOnlyNew, where
// the keys are refused. The history does not reach across a switch of the echo mode.
//
// The field starts like its base class, in normal echo, with the eye unchecked and the "hide_pwd" icon. We leave it
// so because callers use the field for new passwords as well, where the text is usually shown until the user hides
// it; a caller that wants the text hidden from the start calls setEchoMode(QLineEdit::Password) itself. The echo mode
// changes afterwards only when the user triggers the eye.
//
// Stored passwords: setRevealMode() decides whether the eye may show the text at all.
// - RevealAlways (the default): the eye is there as described above.
// - RevealOnlyNew: while the text is one set from code (setText() with a non-empty text, typically a password the
//   client stored), the eye is hidden, so nobody at the desk can read a password they did not type. Once the user
//   has cleared the field (or code sets an empty text) the eye comes back for what is typed from then on. Typing
//   onto a stored text does not bring it back: the field still holds the stored part.
// - RevealNever: the eye is hidden for good.
// Whenever the mode hides the eye, the field masks its text (password echo, eye unchecked), whatever echo mode it
// had: a stored password must not stay readable because the field was showing a new one before. The eye that
// comes back starts unchecked, showing the "hide_pwd" image. setEyeVisible(false) still hides the eye in every mode.
//
// Accessibility: the eye's action carries the text and tool tip "Show password" or "Hide password" (what a click
// does), so screen readers name the button; both follow a runtime language switch.
//
// The four eye images (":/images/images/show_pwd_n.png", "show_pwd_h.png", "hide_pwd_n.png", "hide_pwd_h.png") are the
// host application's: it registers them in its own resources.
class ZCORVANEBASE_EXPORT PasswordLineEdit : public ZLineEdit
{
    Q_OBJECT

public:
    enum RevealMode
    {
        RevealAlways,
        RevealOnlyNew,
        RevealNever
    };
    Q_ENUM(RevealMode)

    explicit PasswordLineEdit(QWidget* parent = nullptr);

    void setEyeVisible(bool visible);
    void setRevealMode(RevealMode mode);
    RevealMode revealMode() const;
    // Normal and hover change the icon only while the field has no keyboard focus; active always changes it. Any
    // other value is ignored.
    void setWtStyle(WidgetStyle style);

protected:
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void init();
    void connectSignalsWithSlots();
    void retranslate();
    void applyEyeState(bool checked);
    void followText(const QString& text);
    void updateEye();
    void keepHistoryInEchoMode();

    QAction* m_eyeAction;
    RevealMode m_revealMode = RevealAlways;
    bool m_eyeVisible = true; // as last given to setEyeVisible()
    bool m_storedText = false; // the text was set from code and the user has not cleared it since
    bool m_userEdit = false; // between textEdited() and the textChanged() of the same edit
    QLineEdit::EchoMode m_historyEchoMode = QLineEdit::Normal; // the echo mode the undo history was recorded in
};

} // namespace ZCORVANEBASE
