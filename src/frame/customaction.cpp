#include "frame/customaction.h"

#include "frame/customactionwt_p.h"
#include "frame/scaledpixmap_p.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>

namespace ZCORVANEBASE {

namespace {
const char normalBackground[] = "#131d2d";
const char hoverBackground[] = "#266baf";
const QString normalTextStyle
    = QStringLiteral("QLabel{color:#ccd3dd;border:0px;font-size:13px;font-family:microsoft yahei;padding-right:6px;}");
const QString hoverTextStyle
    = QStringLiteral("QLabel{color:#ffffff;border:0px;font-size:13px;font-family:microsoft yahei;padding-right:6px;}");
} // namespace

CustomAction::CustomAction(
    QWidget* parent, const QString& text, const QString& iconPath1, const QString& iconPath2, const QString& iconPath3)
    : QWidgetAction(parent)
{
    setEnabled(true);
    actionWt = new CustomActionWt(parent, text, iconPath1, iconPath2, iconPath3);
    actionWt->setFixedHeight(24);
    actionWt->setMinimumWidth(134);
    setDefaultWidget(actionWt);
}

CustomAction::~CustomAction() = default;

void CustomAction::updateText(const QString& text)
{
    actionWt->textLabel->setText(text);
    actionWt->setAccessibleName(text);
}

void CustomAction::addFlagImage(const QPixmap& image)
{
    actionWt->flagImage = image;
    actionWt->update();
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
    setBackgroundColor(QColor(normalBackground));
    iconLabel->setFixedSize(16, 16);
    iconLabel->setPixmap(scaledPixmap(iconPath1, this));
    setAccessibleName(text);
    textLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    textLabel->setStyleSheet(normalTextStyle);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 0, 0, 0);
    layout->setSpacing(10);
    layout->addWidget(iconLabel);
    layout->addWidget(textLabel);
}

CustomActionWt::~CustomActionWt() = default;

void CustomActionWt::showLook(const char* background, bool hover, const QString& icon)
{
    setBackgroundColor(QColor(background));
    textLabel->setStyleSheet(hover ? hoverTextStyle : normalTextStyle);
    iconLabel->setPixmap(scaledPixmap(icon, this));
}

void CustomActionWt::enterEvent(QEvent* event)
{
    showLook(hoverBackground, true, iconPath1);
    QWidget::enterEvent(event);
}

void CustomActionWt::leaveEvent(QEvent* event)
{
    showLook(normalBackground, false, iconPath2);
    QWidget::leaveEvent(event);
}

void CustomActionWt::mouseReleaseEvent(QMouseEvent* event)
{
    showLook(normalBackground, false, iconPath1);
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
    // At its logical size: a flag loaded for a high-DPI screen carries its device pixel ratio.
    const QSize size = logicalSize(flagImage);
    painter.drawPixmap(width() - size.width() - 10, (height() - size.height()) / 2, flagImage);
}

} // namespace ZCORVANEBASE
