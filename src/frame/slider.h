#pragma once

#include <ZCorvaneBase/frame/zcorvanebase_global.h>

#include <QSlider>

#include <memory>

namespace ZCORVANEBASE {

// A slider that reports user moves as differences: signalZoomChanged(+3) for a move from 5 to 8.
class ZCORVANEBASE_EXPORT Slider : public QSlider
{
    Q_OBJECT

public:
    explicit Slider(QWidget* parent = nullptr);
    ~Slider() override;

    void setValue(int value); // hides QAbstractSlider::setValue: moves the slider silently

signals:
    void signalZoomChanged(int value);

private slots:
    void slotValueChanged(int value);

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace ZCORVANEBASE
