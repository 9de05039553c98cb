#include "frame/zcheckbox.h"

namespace ZCORVANEBASE {

ZCheckBox::ZCheckBox(QWidget* parent)
    : QCheckBox(parent)
{
}

ZCheckBox::~ZCheckBox() = default;

void ZCheckBox::setText(const QString& text)
{
    fullText = text;
    setToolTip(text);
    updateText();
}

QString ZCheckBox::text() const
{
    return fullText;
}

void ZCheckBox::resizeEvent(QResizeEvent* event)
{
    updateText();
    QWidget::resizeEvent(event);
}

void ZCheckBox::updateText()
{
    const QFontMetrics metrics(font());
    const int room = width() - 25;
    QAbstractButton::setText(
        metrics.horizontalAdvance(fullText) < room ? fullText : metrics.elidedText(fullText, Qt::ElideRight, room));
}

} // namespace ZCORVANEBASE
