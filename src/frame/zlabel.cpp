#include "frame/zlabel.h"

namespace ZCORVANEBASE {

ZLabel::ZLabel(QWidget* parent)
    : QLabel(parent)
    , maxWidth(-1)
{
}

ZLabel::~ZLabel() = default;

void ZLabel::setText(const QString& text)
{
    fullText = text;
    setToolTip(text);
    updateText();
}

QString ZLabel::text() const
{
    return fullText;
}

void ZLabel::setMaxWidth(int width)
{
    maxWidth = width;
    if (width > 0)
        setMaximumWidth(width);
}

void ZLabel::resizeEvent(QResizeEvent* event)
{
    updateText();
    QWidget::resizeEvent(event);
}

void ZLabel::updateText()
{
    const QFontMetrics metrics(font());
    const int textWidth = metrics.horizontalAdvance(fullText);
    if (maxWidth < 1) {
        QLabel::setText(textWidth < width() ? fullText : metrics.elidedText(fullText, Qt::ElideRight, width()));
        return;
    }
    if (textWidth <= width()) {
        QLabel::setText(fullText);
    } else if (textWidth <= maxWidth) {
        setFixedWidth(textWidth);
        QLabel::setText(fullText);
    } else {
        setFixedWidth(maxWidth);
        QLabel::setText(metrics.elidedText(fullText, Qt::ElideRight, maxWidth));
    }
}

} // namespace ZCORVANEBASE
