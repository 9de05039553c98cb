#include "frame/zcheckbox.h"

#include "frame/elidedtext_p.h"

namespace ZCORVANEBASE {

namespace {
// The part of the width that the check indicator takes.
constexpr int indicatorRoom = 25;
} // namespace

class ZCheckBox::Private
{
public:
    QString fullText;
};

ZCheckBox::ZCheckBox(QWidget* parent)
    : QCheckBox(parent)
    , d(new Private)
{
}

ZCheckBox::~ZCheckBox() = default;

void ZCheckBox::setText(const QString& text)
{
    d->fullText = text;
    setToolTip(text);
    updateText();
}

QString ZCheckBox::text() const
{
    return d->fullText;
}

void ZCheckBox::resizeEvent(QResizeEvent* event)
{
    updateText();
    QWidget::resizeEvent(event);
}

void ZCheckBox::updateText()
{
    const QFontMetrics metrics(font());
    const int room = width() - indicatorRoom;
    const QString& fullText = d->fullText;
    QAbstractButton::setText(
        metrics.horizontalAdvance(fullText) < room ? fullText : elidedText(metrics, fullText, room));
}

} // namespace ZCORVANEBASE
