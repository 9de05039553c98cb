#include "frame/zpushbutton.h"

#include <QKeyEvent>

namespace ZCORVANEBASE {

ZPushButton::ZPushButton(QWidget* parent)
    : QPushButton(parent)
{
    connect(this, SIGNAL(pressed()), this, SLOT(slotPressed()));
    connect(this, SIGNAL(clicked()), this, SLOT(slotClicked()));
    connect(this, SIGNAL(toggled(bool)), this, SLOT(slotToggled(bool)));
}

ZPushButton::~ZPushButton() = default;

void ZPushButton::showIcon(const QString& path)
{
    setIcon(QIcon(path));
}

void ZPushButton::showStateIcon(const QString& unchecked, const QString& checked)
{
    if (isEnabled())
        showIcon(isChecked() ? checked : unchecked);
}

void ZPushButton::setIcons(const QString& normal, const QString& hover, const QString& pressed, const QString& disabled)
{
    normalIcon = normal;
    hoverIcon = hover;
    pressedIcon = pressed;
    disabledIcon = disabled;
    checkedNormalIcon = normal;
    checkedHoverIcon = hover;
    checkedPressedIcon = pressed;
    if (!isChecked())
        showIcon(normalIcon);
}

void ZPushButton::setCheckedIcons(
    const QString& checkedNormal, const QString& checkedHover, const QString& checkedPressed)
{
    checkedNormalIcon = checkedNormal;
    checkedHoverIcon = checkedHover;
    checkedPressedIcon = checkedPressed;
    if (isChecked())
        showIcon(checkedNormalIcon);
}

void ZPushButton::setEnabled(bool enabled)
{
    QWidget::setEnabled(enabled);
    if (disabledIcon.isEmpty())
        return;
    if (!enabled)
        setChecked(false);
    showIcon(enabled ? normalIcon : disabledIcon);
}

void ZPushButton::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        event->ignore();
        return;
    default:
        QPushButton::keyPressEvent(event);
    }
}

void ZPushButton::enterEvent(QEvent* event)
{
    showStateIcon(hoverIcon, checkedHoverIcon);
    QPushButton::enterEvent(event);
}

void ZPushButton::leaveEvent(QEvent* event)
{
    showStateIcon(normalIcon, checkedNormalIcon);
    QPushButton::leaveEvent(event);
}

void ZPushButton::slotPressed()
{
    showStateIcon(pressedIcon, checkedPressedIcon);
}

void ZPushButton::slotClicked()
{
    showStateIcon(hoverIcon, checkedHoverIcon);
}

void ZPushButton::slotToggled(bool checked)
{
    if (isEnabled())
        showIcon(checked ? checkedNormalIcon : normalIcon);
}

} // namespace ZCORVANEBASE
