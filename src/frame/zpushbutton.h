#pragma once

#include "frame/zcorvanebase_global.h"

#include <QPushButton>

namespace ZCORVANEBASE {

// A push button that swaps its state images itself (normal, hover, pressed, disabled, and the checked set), and
// that only the mouse clicks: Return, Enter and Space go to the parent instead.
//
// setIcons() also stores its normal, hover and pressed images as the checked ones, so a button that never calls
// setCheckedIcons() looks the same checked and unchecked. Images change only while the button is enabled.
class ZCORVANEBASE_EXPORT ZPushButton : public QPushButton
{
    Q_OBJECT

public:
    explicit ZPushButton(QWidget* parent = nullptr);
    ~ZPushButton() override;

    void setIcons(const QString& normal, const QString& hover, const QString& pressed, const QString& disabled);
    void setCheckedIcons(const QString& checkedNormal, const QString& checkedHover, const QString& checkedPressed);
    // Hides QWidget::setEnabled: with a disabled image, disabling also unchecks the button and shows that image.
    void setEnabled(bool enabled);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;

private slots:
    void slotPressed();
    void slotClicked();
    void slotToggled(bool checked);

private:
    void showIcon(const QString& path);
    void showStateIcon(const QString& unchecked, const QString& checked);

    QString normalIcon;
    QString hoverIcon;
    QString pressedIcon;
    QString disabledIcon;
    QString checkedNormalIcon;
    QString checkedHoverIcon;
    QString checkedPressedIcon;
};

} // namespace ZCORVANEBASE
