#include "frame/slider.h"

namespace ZCORVANEBASE {

Slider::Slider(QWidget* parent)
    : QSlider(parent)
    , lastValue(0)
{
    connect(this, SIGNAL(valueChanged(int)), this, SLOT(slotValueChanged(int)));
}

Slider::~Slider() = default;

void Slider::setValue(int value)
{
    // Remember the value the slider will really take, so an out-of-range request stays silent too.
    lastValue = qBound(minimum(), value, maximum());
    QAbstractSlider::setValue(value);
}

void Slider::slotValueChanged(int value)
{
    if (value == lastValue)
        return;
    emit signalZoomChanged(value - lastValue);
    lastValue = value;
}

} // namespace ZCORVANEBASE
