#include "dialogs/moveabledialog.h"
#include "frame/qtcompat_p.h"

#include "dialogs/windowclassstyle_p.h"
#include "frame/scaledpixmap_p.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>

namespace ZCORVANEBASE {

class MoveableDialog::Private
{
public:
    QPoint dragOffset; // global cursor position minus pos() when the drag started
    bool pressed = false; // a drag is under way
    QString backgroundImage;
    QColor borderColor;
    // Guarded: a parent widget destroyed while the dialog lives makes it centre over the screen instead.
    QPointer<QWidget> parentWt;
    int doubleClickLatch = 0; // 1 from a double click to the next release: no drag meanwhile
};

MoveableDialog::MoveableDialog(QWidget* parent, const QString& backgroundImage, const QColor& borderColor)
    : QDialog(nullptr)
    , d(new Private)
{
    d->backgroundImage = backgroundImage;
    d->borderColor = borderColor;
    d->parentWt = parent;
    init();
}

MoveableDialog::~MoveableDialog() = default;

void MoveableDialog::init()
{
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    // Translucent, so the background image's alpha shows through.
    if (!d->backgroundImage.isEmpty())
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
    return d->parentWt.data();
}

bool MoveableDialog::canDrag() const
{
    return !isMaximized() && !isFullScreen();
}

void MoveableDialog::mousePress(const QPoint& globalPos)
{
    d->pressed = true;
    d->dragOffset = globalPos - pos();
}

void MoveableDialog::mouseMove(const QPoint& globalPos)
{
    // No clamping to the screen: the dialog follows the cursor anywhere.
    if (d->pressed && canDrag())
        move(globalPos - d->dragOffset);
}

void MoveableDialog::mouseRelease()
{
    d->pressed = false;
    d->doubleClickLatch = 0;
    releaseMouse();
}

void MoveableDialog::setVisible(bool visible)
{
    // The dialog must stay its own window whatever Qt parent a caller gave it since construction: that parent is
    // dropped just before the dialog shows, keeping the window flags.
    if (visible && parentWidget())
        setParent(nullptr, windowFlags() | Qt::Window);
    QDialog::setVisible(visible);
}

bool MoveableDialog::event(QEvent* event)
{
    // The window class is shared by all our top-levels: stripping its shadow once is enough. A WinIdChange to 0
    // (the native window going away) does not count. CommonDialog handles its events on its own and never takes
    // this step.
    if (event->type() == QEvent::WinIdChange)
        WindowClassStyle::removeDropShadowOnce(internalWinId());
    return QWidget::event(event);
}

void MoveableDialog::mousePressEvent(QMouseEvent* event)
{
    // The press right after a double click must not start a drag, or a double click on a title would jerk the
    // restored window under the cursor.
    if (event->button() != Qt::LeftButton || !canDrag() || d->doubleClickLatch != 0)
        return;
    mousePress(QtCompat::eventGlobalPos(event));
    QWidget::mousePressEvent(event);
}

void MoveableDialog::mouseReleaseEvent(QMouseEvent* event)
{
    mouseRelease();
    QWidget::mouseReleaseEvent(event);
}

void MoveableDialog::mouseDoubleClickEvent(QMouseEvent* event)
{
    d->doubleClickLatch = 1;
    QWidget::mouseDoubleClickEvent(event);
}

void MoveableDialog::mouseMoveEvent(QMouseEvent* event)
{
    mouseMove(QtCompat::eventGlobalPos(event));
    QWidget::mouseMoveEvent(event);
}

void MoveableDialog::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (d->backgroundImage.isEmpty()) {
        painter.setPen(QPen(d->borderColor, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(0, 0, width() - 1, height() - 1);
    } else {
        painter.setPen(Qt::NoPen);
        painter.drawPixmap(rect(), scaledPixmap(d->backgroundImage, this));
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
    if (QWidget* reference = d->parentWt.data())
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

// Nothing of its own: it exists so that derived dialogs can chain to MoveableDialog::changeEvent().
void MoveableDialog::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
}

} // namespace ZCORVANEBASE
