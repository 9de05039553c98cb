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
// The field starts like its base class, in normal echo, with the eye unchecked and the "hide_pwd" icon. We leave it
// so because callers use the field for new passwords as well, where the text is usually shown until the user hides
// it; a caller that wants the text hidden from the start calls setEchoMode(QLineEdit::Password) itself. The echo mode
// changes afterwards only when the user triggers the eye.
//
// The four eye images (":/images/images/show_pwd_n.png", "show_pwd_h.png", "hide_pwd_n.png", "hide_pwd_h.png") are the
// host application's: it registers them in its own resources.
class ZCORVANEBASE_EXPORT PasswordLineEdit : public ZLineEdit
{
    Q_OBJECT

public:
    explicit PasswordLineEdit(QWidget* parent = nullptr);

    void setEyeVisible(bool visible);
    // Normal and hover change the icon only while the field has no keyboard focus; active always changes it. Any
    // other value is ignored.
    void setWtStyle(WidgetStyle style);

protected:
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void init();
    void connectSignalsWithSlots();
    void applyEyeState(bool checked);

    QAction* m_eyeAction;
};

} // namespace ZCORVANEBASE
