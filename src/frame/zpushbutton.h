#pragma once

#include <ZCorvaneBase/frame/zcorvanebase_global.h>

#include <QPushButton>

#include <memory>

namespace ZCORVANEBASE {

// A push button that swaps its state images itself (normal, hover, pressed, disabled, and the checked set) while it
// is enabled, and that only the mouse clicks: Return, Enter and Space go to the parent instead.
class ZCORVANEBASE_EXPORT ZPushButton : public QPushButton
{
    Q_OBJECT

public:
    explicit ZPushButton(QWidget* parent = nullptr);
    ~ZPushButton() override;

    // Also stores normal, hover and pressed as the checked images, so a button that never calls setCheckedIcons()
    // looks the same checked and unchecked.
    void setIcons(const QString& normal, const QString& hover, const QString& pressed, const QString& disabled);
    void setCheckedIcons(const QString& checkedNormal, const QString& checkedHover, const QString& checkedPressed);
    // Hides QWidget::setEnabled: with a disabled image, disabling also unchecks the button and shows that image.
    void setEnabled(bool enabled);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(EnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private slots:
    void slotPressed();
    void slotClicked();
    void slotToggled(bool checked);

private:
    void showIcon(const QString& path);
    void showStateIcon(const QString& unchecked, const QString& checked);

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace ZCORVANEBASE
