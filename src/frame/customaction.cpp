#include "frame/customaction.h"

#include "frame/constants.h"
#include "frame/customactionwt_p.h"
#include "frame/labelstyle_p.h"
#include "frame/scaledpixmap_p.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>

namespace ZCORVANEBASE {

namespace {
const QString hoverTextStyle
    = QStringLiteral("QLabel{color:#ffffff;border:0px;font-size:13px;font-family:microsoft yahei;padding-right:6px;}");

constexpr int entryHeight = 24;
constexpr int entryMinimumWidth = 134;
constexpr int iconSize = 16;
constexpr int iconLeftMargin = 10;
constexpr int iconTextSpacing = 10;
constexpr int flagRightMargin = 10;
constexpr int textFlagSpacing = 6; // between the end of the text and a flag
} // namespace

class CustomAction::Private
{
public:
    CustomActionWt* actionWt = nullptr;
};

CustomAction::CustomAction(
    QWidget* parent, const QString& text, const QString& iconPath1, const QString& iconPath2, const QString& iconPath3)
    : QWidgetAction(parent)
    , d(new Private)
{
    setEnabled(true);
    d->actionWt = new CustomActionWt(parent, text, iconPath1, iconPath2, iconPath3);
    d->actionWt->setFixedHeight(entryHeight);
    d->actionWt->setMinimumWidth(entryMinimumWidth);
    setDefaultWidget(d->actionWt);
}

CustomAction::~CustomAction() = default;

void CustomAction::updateText(const QString& text)
{
    d->actionWt->setText(text);
}

void CustomAction::addFlagImage(const QPixmap& image)
{
    d->actionWt->setFlagImage(image);
}

CustomActionWt::CustomActionWt(
    QWidget* parent, const QString& text, const QString& iconPath1, const QString& iconPath2, const QString& iconPath3)
    : ZWidget(parent)
    , iconPath1(iconPath1)
    , iconPath2(iconPath2)
    , iconPath3(iconPath3)
    , iconLabel(new QLabel(this))
    , textLabel(new QLabel(text, this))
{
    setBackgroundColor(QColor(colorPanel));
    iconLabel->setFixedSize(iconSize, iconSize);
    // Loaded for the pixel ratio of the screen: the "@2x" file next to the image on a high-DPI screen.
    iconLabel->setPixmap(scaledPixmap(iconPath1, this));
    setAccessibleName(text);
    textLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    textLabel->setStyleSheet(plainLabelStyle());
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(iconLeftMargin, 0, 0, 0);
    layout->setSpacing(iconTextSpacing);
    layout->addWidget(iconLabel);
    layout->addWidget(textLabel);
}

CustomActionWt::~CustomActionWt() = default;

void CustomActionWt::setText(const QString& text)
{
    textLabel->setText(text);
    setAccessibleName(text);
}

// The text keeps clear of the flag: the entry reserves the flag's room at its right end, and a menu widens to fit.
void CustomActionWt::setFlagImage(const QPixmap& image)
{
    flagImage = image;
    const int flagRoom = image.isNull() ? 0 : logicalSize(image).width() + flagRightMargin + textFlagSpacing;
    layout()->setContentsMargins(iconLeftMargin, 0, flagRoom, 0);
    update();
}

void CustomActionWt::showLook(const QString& background, bool hover, const QString& icon)
{
    setBackgroundColor(QColor(background));
    textLabel->setStyleSheet(hover ? hoverTextStyle : plainLabelStyle());
    iconLabel->setPixmap(scaledPixmap(icon, this));
}

void CustomActionWt::enterEvent(EnterEvent* event)
{
    showLook(colorAccent, true, iconPath1);
    QWidget::enterEvent(event);
}

void CustomActionWt::leaveEvent(QEvent* event)
{
    showLook(colorPanel, false, iconPath2);
    QWidget::leaveEvent(event);
}

void CustomActionWt::mouseReleaseEvent(QMouseEvent* event)
{
    showLook(colorPanel, false, iconPath1);
    ZWidget::mouseReleaseEvent(event);
}

void CustomActionWt::mousePressEvent(QMouseEvent* event)
{
    QWidget::mousePressEvent(event);
}

void CustomActionWt::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    if (flagImage.isNull())
        return;
    QPainter painter(this);
    // At its logical size: a flag made for a high-DPI screen carries its device pixel ratio and keeps its place.
    const QSize size = logicalSize(flagImage);
    painter.drawPixmap(width() - size.width() - flagRightMargin, (height() - size.height()) / 2, flagImage);
}

} // namespace ZCORVANEBASE
