#include "entry/passwordlineedit.h"

#include "frame/qtcompat_p.h"

#include <QAction>
#include <QEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QKeySequence>
#include <QSignalBlocker>

namespace ZCORVANEBASE {

namespace {
const QString showNormalIcon = QStringLiteral(":/images/images/show_pwd_n.png");
const QString showHoverIcon = QStringLiteral(":/images/images/show_pwd_h.png");
const QString hideNormalIcon = QStringLiteral(":/images/images/hide_pwd_n.png");
const QString hideHoverIcon = QStringLiteral(":/images/images/hide_pwd_h.png");
} // namespace

class PasswordLineEdit::Private
{
public:
    QAction* eyeAction = nullptr; // checked: the text is shown
    RevealMode revealMode = RevealAlways;
    bool eyeVisible = true; // as last given to setEyeVisible()
    bool storedText = false; // the text was set from code and the user has not cleared it since
    bool userEdit = false; // between textEdited() and the textChanged() of the same edit
    QLineEdit::EchoMode historyEchoMode = QLineEdit::Normal; // the echo mode the undo history was recorded in
};

PasswordLineEdit::PasswordLineEdit(QWidget* parent)
    : ZLineEdit(parent)
    , d(new Private)
{
    init();
}

PasswordLineEdit::~PasswordLineEdit() = default;

void PasswordLineEdit::init()
{
    // No composition: an input method would show the secret in its candidate window.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setContextMenuPolicy(Qt::NoContextMenu);
    installEventFilter(this);
    // Whitespace is refused at any position; the empty text stays allowed.
    setValidator(QtCompat::wholePatternValidator(QStringLiteral("^\\S+$"), this));

    d->eyeAction = new QAction(this);
    d->eyeAction->setCheckable(true);
    d->eyeAction->setChecked(false);
    addAction(d->eyeAction, QLineEdit::TrailingPosition);
    setWtStyle(WidgetStyleNormal);
    retranslate();

    connectSignalsWithSlots();
}

void PasswordLineEdit::retranslate()
{
    // The text names what a click does; the button shows only the icon.
    const QString text = d->eyeAction->isChecked() ? tr("Hide password") : tr("Show password");
    d->eyeAction->setText(text);
    d->eyeAction->setToolTip(text);
}

void PasswordLineEdit::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    ZLineEdit::changeEvent(event);
}

void PasswordLineEdit::connectSignalsWithSlots()
{
    // The handler is a plain private member, not a slot: the class adds nothing to the meta-object.
    connect(d->eyeAction, &QAction::triggered, this, &PasswordLineEdit::applyEyeState);
    // textEdited() comes just before the textChanged() of the same user edit; a textChanged() alone is code's.
    connect(this, &QLineEdit::textEdited, this, [this] { d->userEdit = true; });
    connect(this, &QLineEdit::textChanged, this, &PasswordLineEdit::followText);
}

// A text set from code is a stored password. Only emptying the field ends that: typing onto a stored text leaves the
// stored part in it.
void PasswordLineEdit::followText(const QString& text)
{
    const bool user = d->userEdit;
    d->userEdit = false;
    const bool stored = text.isEmpty() ? false : (user ? d->storedText : true);
    if (stored == d->storedText)
        return;
    d->storedText = stored;
    if (d->revealMode == RevealOnlyNew)
        updateEye();
}

void PasswordLineEdit::setRevealMode(RevealMode mode)
{
    if (mode != RevealAlways && mode != RevealOnlyNew && mode != RevealNever)
        return;
    d->revealMode = mode;
    updateEye();
}

PasswordLineEdit::RevealMode PasswordLineEdit::revealMode() const
{
    return d->revealMode;
}

// A locked eye also masks the text, whatever the echo was: a stored password must not stay readable because the field
// was showing a new one before. The eye that comes back starts unchecked, on the "hide_pwd" image.
void PasswordLineEdit::updateEye()
{
    const bool locked = d->revealMode == RevealNever || (d->revealMode == RevealOnlyNew && d->storedText);
    if (locked && (d->eyeAction->isChecked() || echoMode() != QLineEdit::Password)) {
        d->eyeAction->setChecked(false);
        setEchoMode(QLineEdit::Password);
        keepHistoryInEchoMode();
        d->eyeAction->setIcon(QIcon(underMouse() || hasFocus() ? hideHoverIcon : hideNormalIcon));
        retranslate();
    }
    d->eyeAction->setVisible(d->eyeVisible && !locked);
}

void PasswordLineEdit::applyEyeState(bool checked)
{
    if (checked) {
        setEchoMode(QLineEdit::Normal);
        d->eyeAction->setIcon(QIcon(showHoverIcon));
    } else {
        setEchoMode(QLineEdit::Password);
        d->eyeAction->setIcon(QIcon(hideHoverIcon));
    }
    keepHistoryInEchoMode();
    retranslate();
}

// A line edit's undo in password echo clears the field and records that as removals; replayed after a switch to
// normal echo, such a history falls out of step with the text (the cursor can end up past the end of an empty
// field, and the next key typed then pads the text with a space the validator never sees). So the history never
// reaches across a switch of the echo mode: it is dropped, and the text, cursor, selection and modified flag are put
// back as they were, without a signal.
void PasswordLineEdit::keepHistoryInEchoMode()
{
    if (echoMode() == d->historyEchoMode)
        return;
    d->historyEchoMode = echoMode();
    const QSignalBlocker blocker(this);
    const int cursor = cursorPosition();
    const int selectionStart = this->selectionStart();
    const int selectionLength = this->selectionLength();
    const bool modified = isModified();
    setText(text()); // the same text: no change reported, the history goes
    if (selectionStart < 0)
        setCursorPosition(cursor);
    else if (cursor == selectionStart)
        setSelection(selectionStart + selectionLength, -selectionLength);
    else
        setSelection(selectionStart, selectionLength);
    setModified(modified);
}

void PasswordLineEdit::setEyeVisible(bool visible)
{
    d->eyeVisible = visible;
    updateEye();
}

void PasswordLineEdit::setWtStyle(WidgetStyle style)
{
    const bool shown = d->eyeAction->isChecked();
    switch (style) {
    case WidgetStyleNormal:
        if (!hasFocus())
            d->eyeAction->setIcon(QIcon(shown ? showNormalIcon : hideNormalIcon));
        break;
    case WidgetStyleHover:
        if (!hasFocus())
            d->eyeAction->setIcon(QIcon(shown ? showHoverIcon : hideHoverIcon));
        break;
    case WidgetStyleActive:
        d->eyeAction->setIcon(QIcon(shown ? showHoverIcon : hideHoverIcon));
        break;
    default:
        break;
    }
}

void PasswordLineEdit::enterEvent(EnterEvent* event)
{
    setWtStyle(WidgetStyleHover);
    QWidget::enterEvent(event);
}

void PasswordLineEdit::leaveEvent(QEvent* event)
{
    setWtStyle(WidgetStyleNormal);
    QWidget::leaveEvent(event);
}

void PasswordLineEdit::focusOutEvent(QFocusEvent* event)
{
    setWtStyle(WidgetStyleNormal);
    ZLineEdit::focusOutEvent(event);
}

bool PasswordLineEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == this && event->type() == QEvent::KeyPress) {
        auto* keyEvent = static_cast<QKeyEvent*>(event);
        // Undo and redo stay the line edit's, except where they could bring back a stored password the user has
        // cleared.
        const bool history = keyEvent->matches(QKeySequence::Undo) || keyEvent->matches(QKeySequence::Redo);
        if (keyEvent->matches(QKeySequence::Paste) || keyEvent->matches(QKeySequence::Copy)
            || keyEvent->matches(QKeySequence::Cut) || (history && d->revealMode == RevealOnlyNew)) {
            event->accept();
            return true;
        }
        keepHistoryInEchoMode(); // the host may have switched the echo mode itself since the last key
    }
    return ZLineEdit::eventFilter(watched, event);
}

} // namespace ZCORVANEBASE
