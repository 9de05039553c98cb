#pragma once

#include "frame/zcorvanebase_global.h"

#include <QColor>
#include <QDialog>
#include <QPointer>

namespace ZCORVANEBASE {

// A frameless top-level dialog that the user moves by dragging it with the left mouse button.
//
// The widget passed as parent is not the Qt parent: the dialog is always its own window, and the stored widget
// only serves for centring. Each time the dialog is shown (unless maximised or full screen) it centres itself
// over that widget, or over the primary screen when there is none; halves are truncated toward zero. It paints a
// one-pixel border in the given colour, or, with a background image, that image scaled over the whole dialog
// (translucent background, so the image's alpha shows through).
//
// A drag starts only on a left press while the dialog is neither maximised nor full screen, and never from the
// press that follows a double click; the dialog then follows the cursor without clamping to the screen. Derived
// dialogs can drive the drag from their children's events with mousePress(), mouseMove() and mouseRelease().
//
// Once per process, the first native window of a MoveableDialog itself strips the drop shadow from the native
// window class on Windows (the class is shared, so later dialogs have none either). CommonDialog handles its
// events on its own and never takes that step.
//
// Choices of ours: the parent widget is held through a guarded pointer, so a destroyed parent widget makes the
// dialog centre over the screen instead of crashing. A Qt parent that a caller sets on the dialog after
// construction is dropped just before the dialog shows (keeping its window flags), so it stays its own window.
class ZCORVANEBASE_EXPORT MoveableDialog : public QDialog
{
    Q_OBJECT

public:
    explicit MoveableDialog(QWidget* parent = nullptr, const QString& backgroundImage = QString(),
        const QColor& borderColor = QColor(QStringLiteral("#0f1526")));
    ~MoveableDialog() override;

    void setBackgroundColor(const QColor& color);
    QWidget* parentWt() const;

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

    QPoint dragOffset;
    bool pressed;
    QString backgroundImage;
    QColor borderColor;
    QPointer<QWidget> m_parentWt;
    int doubleClickLatch;
};

} // namespace ZCORVANEBASE
