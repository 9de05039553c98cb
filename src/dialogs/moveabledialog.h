#pragma once

#include <ZCorvaneBase/frame/zcorvanebase_global.h>

#include <QColor>
#include <QDialog>

#include <memory>

namespace ZCORVANEBASE {

// A frameless top-level dialog that the user moves by dragging it with the left mouse button. The widget passed as
// parent is not its Qt parent: the dialog is always its own window, and centres itself over that widget (or the
// primary screen) each time it is shown, unless maximised or full screen. It paints a one-pixel border in the given
// colour or, with a background image, that image scaled over the whole dialog.
class ZCORVANEBASE_EXPORT MoveableDialog : public QDialog
{
    Q_OBJECT

public:
    explicit MoveableDialog(QWidget* parent = nullptr, const QString& backgroundImage = QString(),
        const QColor& borderColor = QColor(QStringLiteral("#0f1526")));
    ~MoveableDialog() override;

    void setBackgroundColor(const QColor& color);
    QWidget* parentWt() const; // the widget the dialog centres over

    // The drag, for derived dialogs that drive it from their children's events.
    void mousePress(const QPoint& globalPos);
    void mouseMove(const QPoint& globalPos);
    void mouseRelease();

    void setVisible(bool visible) override;

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void init();
    bool canDrag() const;

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace ZCORVANEBASE
