#pragma once

#include <ZCorvaneBase/entry/pwdstrength.h>
#include <ZCorvaneBase/frame/widgetstyle.h>
#include <ZCorvaneBase/frame/zcorvanebase_global.h>
#include <ZCorvaneBase/frame/zlineedit.h>

#include <memory>

namespace ZCORVANEBASE {

// A line edit for secrets: it refuses whitespace, input-method composition, the context menu and the copy, cut and
// paste shortcuts, and carries an eye button at its right end that switches between hidden and plain echo. It starts
// in normal echo (setEchoMode(QLineEdit::Password) hides the text from the start). Owned by its parent like any
// widget; the four eye images are the host's.
class ZCORVANEBASE_EXPORT PasswordLineEdit : public ZLineEdit
{
    Q_OBJECT

public:
    // Whether the eye may show the text; whenever a mode hides the eye, the text is masked too.
    enum RevealMode
    {
        RevealAlways, // the default
        RevealOnlyNew, // no eye while the text is one set from code, until the user clears it; no undo or redo
        RevealNever
    };
    Q_ENUM(RevealMode)

    explicit PasswordLineEdit(QWidget* parent = nullptr);
    ~PasswordLineEdit() override;

    void setEyeVisible(bool visible);
    void setRevealMode(RevealMode mode);
    RevealMode revealMode() const;
    // Normal and hover change the icon only while the field has no keyboard focus; active always changes it. Any
    // other value is ignored.
    void setWtStyle(WidgetStyle style);

protected:
    void enterEvent(EnterEvent* event) override;
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

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace ZCORVANEBASE
