#pragma once

#include "timeaxis/recordingstimeaxisbox.h"

#include <QPointer>

class QLabel;
class QVBoxLayout;

namespace ZCORVANEBASE {

class ChannelRecordingTimeAxisWt;
class RecordingsBoxKeyboardNavigator;
class ZCheckBox;

// The box's state, and the row lookups the library's own helpers (the keyboard navigator) share with it.
class RecordingsTimeAxisBox::Private
{
public:
    using Row = QPair<ZCheckBox*, ChannelRecordingTimeAxisWt*>;

    explicit Private(int channelCount);

    static Private* get(RecordingsTimeAxisBox* box) { return box->d.get(); }

    ChannelRecordingTimeAxisWt* barAt(int playbackIndex) const;
    // The row whose bar contains pos (box coordinates), tried in index order; null when none.
    ChannelRecordingTimeAxisWt* timeAxisWtAt(const QPoint& pos) const;
    // The row holding a bar, or -1.
    int getPlaybackIndex(QWidget* channelRecordingTimeAxisWt) const;

    QMap<int, Row> rows; // playback index -> the row's check box and bar
    QLabel* addingLabel = nullptr; // the floating preview of a label mark being dragged onto a bar
    QPointer<TimeAxisWt> timeAxisWt; // not owned; a ruler deleted before the box reads null
    int channelCount;
    QVBoxLayout* layout = nullptr;
    bool rangeSelectionEnabled = false;
    int minimumIntervalWidth = 0;
    bool labelClusteringEnabled = false;
    bool hoverReadoutEnabled = false;
    bool thumbnailPreviewEnabled = false;
    RecordingsBoxKeyboardNavigator* keyboardNavigator = nullptr; // null while keyboard operation is off
};

} // namespace ZCORVANEBASE
