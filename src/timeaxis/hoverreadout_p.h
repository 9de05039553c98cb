#pragma once

#include "frame/zcorvanebase_global.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>

class QLabel;
class QWidget;

namespace ZCORVANEBASE {

class ChannelRecordingTimeAxisWt;

// The read-out beside the pointer over a channel bar, made by ChannelRecordingTimeAxisWt::setHoverReadoutEnabled(true)
// and deleted when it is turned off: the moment under the pointer ("hh:mm:ss", the bar's own x-to-time mapping)
// and what the strip shows there, "alarm recording", "recording" or "no recording". It follows the pointer and
// hides when the pointer leaves the bar. It follows a change of the span, the width or the recordings under a pointer
// that stands still. It sits 12 pixels right of the pointer, or left of it where the bar ends, over the strip's full
// height; mouse events pass through it. The strip and the play cursor track the pointer only while it exists.
class ZCORVANEBASE_PRIVATE_EXPORT HoverReadout : public QObject
{
    Q_OBJECT

public:
    explicit HoverReadout(ChannelRecordingTimeAxisWt* bar);
    ~HoverReadout() override;

    QLabel* label() const { return m_label.data(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showAt(int x);
    QString readoutText() const;

    ChannelRecordingTimeAxisWt* bar;
    // The bar deletes its strip before its helpers when it goes: what lives on the strip is watched.
    QPointer<QWidget> strip;
    QPointer<QLabel> m_label;
    int m_x;
};

} // namespace ZCORVANEBASE
