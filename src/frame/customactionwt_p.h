#pragma once

#include "frame/zwidget.h"

#include <QPixmap>

QT_BEGIN_NAMESPACE
class QLabel;
QT_END_NAMESPACE

namespace ZCORVANEBASE {

// The widget of a CustomAction entry, named with the entry's text for screen readers.
class ZCORVANEBASE_PRIVATE_EXPORT CustomActionWt : public ZWidget
{
    Q_OBJECT

public:
    CustomActionWt(QWidget* parent, const QString& text, const QString& iconPath1, const QString& iconPath2,
        const QString& iconPath3);
    ~CustomActionWt() override;

    void setText(const QString& text);
    void setFlagImage(const QPixmap& image);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(EnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void showLook(const QString& background, bool hover, const QString& icon);

    QString iconPath1;
    QString iconPath2;
    QString iconPath3;
    QLabel* iconLabel;
    QLabel* textLabel;
    QPixmap flagImage;
};

} // namespace ZCORVANEBASE
