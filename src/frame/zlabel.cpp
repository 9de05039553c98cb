#include "frame/zlabel.h"

#include "frame/elidedtext_p.h"

namespace ZCORVANEBASE {

class ZLabel::Private
{
public:
    QString fullText;
    int maxWidth = -1; // below 1: no growing, the text is elided to the current width
};

ZLabel::ZLabel(QWidget* parent)
    : QLabel(parent)
    , d(new Private)
{
}

ZLabel::~ZLabel() = default;

void ZLabel::setText(const QString& text)
{
    d->fullText = text;
    setToolTip(text);
    updateText();
}

QString ZLabel::text() const
{
    return d->fullText;
}

void ZLabel::setMaxWidth(int width)
{
    d->maxWidth = width;
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
    const QString& fullText = d->fullText;
    const int maxWidth = d->maxWidth;
    const QFontMetrics metrics(font());
    const int textWidth = metrics.horizontalAdvance(fullText);
    if (maxWidth < 1) {
        QLabel::setText(textWidth < width() ? fullText : elidedText(metrics, fullText, width()));
        return;
    }
    if (textWidth <= width()) {
        QLabel::setText(fullText);
    } else if (textWidth <= maxWidth) {
        setFixedWidth(textWidth);
        QLabel::setText(fullText);
    } else {
        setFixedWidth(maxWidth);
        QLabel::setText(elidedText(metrics, fullText, maxWidth));
    }
}

} // namespace ZCORVANEBASE
