#include "dialogs/moveabledialog.h"

#include "dialogs/windowclassstyle_p.h"
#include "frame/scaledpixmap_p.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace ZCORVANEBASE {

MoveableDialog::MoveableDialog(QWidget* parent, const QString& backgroundImage, const QColor& borderColor)
    : QDialog(nullptr)
    , pressed(false)
    , backgroundImage(backgroundImage)
    , borderColor(borderColor)
    , m_parentWt(parent)
    , doubleClickLatch(0)
{
    init();
}

MoveableDialog::~MoveableDialog() = default;

void MoveableDialog::init()
{
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    if (!backgroundImage.isEmpty())
        setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(true);
}

void MoveableDialog::setBackgroundColor(const QColor& color)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, color);
    setPalette(pal);
}

QWidget* MoveableDialog::parentWt() const
{
    return m_parentWt.data();
}

bool MoveableDialog::canDrag() const
{
    return !isMaximized() && !isFullScreen();
}

void MoveableDialog::mousePress(const QPoint& globalPos)
{
    pressed = true;
    dragOffset = globalPos - pos();
}

void MoveableDialog::mouseMove(const QPoint& globalPos)
{
    if (pressed && canDrag())
        move(globalPos - dragOffset);
}

void MoveableDialog::mouseRelease()
{
    pressed = false;
    doubleClickLatch = 0;
    releaseMouse();
}

void MoveableDialog::setVisible(bool visible)
{
    // The dialog must stay its own window whatever parent it was given since construction.
    if (visible && parentWidget())
        setParent(nullptr, windowFlags() | Qt::Window);
    QDialog::setVisible(visible);
}

bool MoveableDialog::event(QEvent* event)
{
    // The window class is shared by all our top-levels: stripping its shadow once is enough. A WinIdChange to 0
    // (the native window going away) does not count.
    if (event->type() == QEvent::WinIdChange)
        WindowClassStyle::removeDropShadowOnce(internalWinId());
    return QWidget::event(event);
}

void MoveableDialog::mousePressEvent(QMouseEvent* event)
{
    // The press right after a double click must not start a drag, or a double click on a title would jerk the
    // restored window under the cursor.
    if (event->button() != Qt::LeftButton || !canDrag() || doubleClickLatch != 0)
        return;
    mousePress(event->globalPos());
    QWidget::mousePressEvent(event);
}

void MoveableDialog::mouseReleaseEvent(QMouseEvent* event)
{
    mouseRelease();
    QWidget::mouseReleaseEvent(event);
}

void MoveableDialog::mouseDoubleClickEvent(QMouseEvent* event)
{
    doubleClickLatch = 1;
    QWidget::mouseDoubleClickEvent(event);
}

void MoveableDialog::mouseMoveEvent(QMouseEvent* event)
{
    mouseMove(event->globalPos());
    QWidget::mouseMoveEvent(event);
}

void MoveableDialog::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (backgroundImage.isEmpty()) {
        painter.setPen(QPen(borderColor, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(0, 0, width() - 1, height() - 1);
    } else {
        painter.setPen(Qt::NoPen);
        painter.drawPixmap(rect(), scaledPixmap(backgroundImage, this));
    }
    painter.end();
    QWidget::paintEvent(event);
}

void MoveableDialog::showEvent(QShowEvent* event)
{
    if (isMaximized() || isFullScreen()) {
        QDialog::showEvent(event);
        return;
    }
    QRect area;
    bool haveArea = true;
    if (QWidget* reference = m_parentWt.data())
        area = QRect(reference->mapToGlobal(QPoint(0, 0)), reference->size());
    else if (QScreen* screen = QGuiApplication::primaryScreen())
        area = screen->geometry();
    else
        haveArea = false;
    if (haveArea) {
        // Truncation toward zero, also when the dialog is larger than what it centres over.
        const int x = static_cast<int>(area.x() + (area.width() - width()) * 0.5);
        const int y = static_cast<int>(area.y() + (area.height() - height()) * 0.5);
        setGeometry(x, y, width(), height());
    }
    QDialog::showEvent(event);
}

void MoveableDialog::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
}

} // namespace ZCORVANEBASE
