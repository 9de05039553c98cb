#include "frame/slider.h"

namespace ZCORVANEBASE {

class Slider::Private
{
public:
    int lastValue = 0;
};

Slider::Slider(QWidget* parent)
    : QSlider(parent)
    , d(new Private)
{
    connect(this, &QSlider::valueChanged, this, &Slider::slotValueChanged);
}

Slider::~Slider() = default;

void Slider::setValue(int value)
{
    // Remember the value the slider will really take, so an out-of-range request stays silent too.
    d->lastValue = qBound(minimum(), value, maximum());
    QAbstractSlider::setValue(value);
}

void Slider::slotValueChanged(int value)
{
    if (value == d->lastValue)
        return;
    emit signalZoomChanged(value - d->lastValue);
    d->lastValue = value;
}

} // namespace ZCORVANEBASE
