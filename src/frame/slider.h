#pragma once

#include "frame/zcorvanebase_global.h"

#include <QSlider>

namespace ZCORVANEBASE {

// A slider that reports user moves as differences: signalZoomChanged(+3) for a move from 5 to 8.
// setValue() (which hides QAbstractSlider::setValue) moves it silently.
class ZCORVANEBASE_EXPORT Slider : public QSlider
{
    Q_OBJECT

public:
    explicit Slider(QWidget* parent = nullptr);
    ~Slider() override;

    void setValue(int value);

signals:
    void signalZoomChanged(int value);

private slots:
    void slotValueChanged(int value);

private:
    int lastValue;
};

} // namespace ZCORVANEBASE
