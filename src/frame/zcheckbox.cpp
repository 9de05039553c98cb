#include "frame/zcheckbox.h"

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
    if (metrics.horizontalAdvance(fullText) < room) {
        QAbstractButton::setText(fullText);
        return;
    }
    // A text as wide as the room is elided. With fractional glyph widths (a real screen's fonts) its true width may
    // lie a fraction below the rounded advance, and Qt would then keep it whole: one pixel less settles it.
    QString elided = metrics.elidedText(fullText, Qt::ElideRight, room);
    if (elided == fullText)
        elided = metrics.elidedText(fullText, Qt::ElideRight, room - 1);
    QAbstractButton::setText(elided);
}

} // namespace ZCORVANEBASE
