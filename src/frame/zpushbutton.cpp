#include "frame/zpushbutton.h"

#include <QKeyEvent>

namespace ZCORVANEBASE {

class ZPushButton::Private
{
public:
    QString normalIcon;
    QString hoverIcon;
    QString pressedIcon;
    QString disabledIcon;
    QString checkedNormalIcon;
    QString checkedHoverIcon;
    QString checkedPressedIcon;
};

ZPushButton::ZPushButton(QWidget* parent)
    : QPushButton(parent)
    , d(new Private)
{
    connect(this, &QPushButton::pressed, this, &ZPushButton::slotPressed);
    connect(this, &QPushButton::clicked, this, &ZPushButton::slotClicked);
    connect(this, &QPushButton::toggled, this, &ZPushButton::slotToggled);
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
    d->normalIcon = normal;
    d->hoverIcon = hover;
    d->pressedIcon = pressed;
    d->disabledIcon = disabled;
    d->checkedNormalIcon = normal;
    d->checkedHoverIcon = hover;
    d->checkedPressedIcon = pressed;
    if (!isChecked())
        showIcon(d->normalIcon);
}

void ZPushButton::setCheckedIcons(
    const QString& checkedNormal, const QString& checkedHover, const QString& checkedPressed)
{
    d->checkedNormalIcon = checkedNormal;
    d->checkedHoverIcon = checkedHover;
    d->checkedPressedIcon = checkedPressed;
    if (isChecked())
        showIcon(d->checkedNormalIcon);
}

void ZPushButton::setEnabled(bool enabled)
{
    QWidget::setEnabled(enabled);
    if (d->disabledIcon.isEmpty())
        return;
    if (!enabled)
        setChecked(false);
    showIcon(enabled ? d->normalIcon : d->disabledIcon);
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

void ZPushButton::enterEvent(EnterEvent* event)
{
    showStateIcon(d->hoverIcon, d->checkedHoverIcon);
    QPushButton::enterEvent(event);
}

void ZPushButton::leaveEvent(QEvent* event)
{
    showStateIcon(d->normalIcon, d->checkedNormalIcon);
    QPushButton::leaveEvent(event);
}

void ZPushButton::slotPressed()
{
    showStateIcon(d->pressedIcon, d->checkedPressedIcon);
}

void ZPushButton::slotClicked()
{
    showStateIcon(d->hoverIcon, d->checkedHoverIcon);
}

void ZPushButton::slotToggled(bool checked)
{
    if (isEnabled())
        showIcon(checked ? d->checkedNormalIcon : d->normalIcon);
}

} // namespace ZCORVANEBASE
