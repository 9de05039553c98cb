#include "entry/passwordlineedit.h"

#include <QAction>
#include <QIcon>
#include <QKeyEvent>
#include <QKeySequence>
#include <QRegExp>
#include <QRegExpValidator>

namespace ZCORVANEBASE {

namespace {
const QString showNormalIcon = QStringLiteral(":/images/images/show_pwd_n.png");
const QString showHoverIcon = QStringLiteral(":/images/images/show_pwd_h.png");
const QString hideNormalIcon = QStringLiteral(":/images/images/hide_pwd_n.png");
const QString hideHoverIcon = QStringLiteral(":/images/images/hide_pwd_h.png");
} // namespace

PasswordLineEdit::PasswordLineEdit(QWidget* parent)
    : ZLineEdit(parent)
    , m_eyeAction(nullptr)
{
    init();
}

void PasswordLineEdit::init()
{
    // No composition: an input method would show the secret in its candidate window.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setContextMenuPolicy(Qt::NoContextMenu);
    installEventFilter(this);
    // Whitespace is refused at any position; the empty text stays allowed.
    setValidator(new QRegExpValidator(QRegExp(QStringLiteral("^\\S+$")), this));

    m_eyeAction = new QAction(this);
    m_eyeAction->setCheckable(true);
    m_eyeAction->setChecked(false);
    addAction(m_eyeAction, QLineEdit::TrailingPosition);
    setWtStyle(WidgetStyleNormal);

    connectSignalsWithSlots();
}

void PasswordLineEdit::connectSignalsWithSlots()
{
    // The handler is a plain private member, not a slot: the class adds nothing to the meta-object.
    connect(m_eyeAction, &QAction::triggered, this, &PasswordLineEdit::applyEyeState);
}

void PasswordLineEdit::applyEyeState(bool checked)
{
    if (checked) {
        setEchoMode(QLineEdit::Normal);
        m_eyeAction->setIcon(QIcon(showHoverIcon));
    } else {
        setEchoMode(QLineEdit::Password);
        m_eyeAction->setIcon(QIcon(hideHoverIcon));
    }
}

void PasswordLineEdit::setEyeVisible(bool visible)
{
    m_eyeAction->setVisible(visible);
}

void PasswordLineEdit::setWtStyle(WidgetStyle style)
{
    const bool shown = m_eyeAction->isChecked();
    switch (style) {
    case WidgetStyleNormal:
        if (!hasFocus())
            m_eyeAction->setIcon(QIcon(shown ? showNormalIcon : hideNormalIcon));
        break;
    case WidgetStyleHover:
        if (!hasFocus())
            m_eyeAction->setIcon(QIcon(shown ? showHoverIcon : hideHoverIcon));
        break;
    case WidgetStyleActive:
        m_eyeAction->setIcon(QIcon(shown ? showHoverIcon : hideHoverIcon));
        break;
    default:
        break;
    }
}

void PasswordLineEdit::enterEvent(QEvent* event)
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
        if (keyEvent->matches(QKeySequence::Paste) || keyEvent->matches(QKeySequence::Copy)
            || keyEvent->matches(QKeySequence::Cut)) {
            event->accept();
            return true;
        }
    }
    return ZLineEdit::eventFilter(watched, event);
}

} // namespace ZCORVANEBASE
