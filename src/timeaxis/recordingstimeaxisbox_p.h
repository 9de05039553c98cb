#pragma once

#include "timeaxis/recordingstimeaxisbox.h"

#include <QPointer>

class QLabel;
class QVBoxLayout;

namespace ZCORVANEBASE {

class ChannelRecordingTimeAxisWt;
class RecordingsBoxKeyboardNavigator;
class RulerAlignment;
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
    RulerAlignment* alignment = nullptr; // null while the box does not align itself with the ruler
};

// Keeps a box's bars under its ruler's time stretch (RecordingsTimeAxisBox::setAlignedWithTimeAxis): watches the
// ruler, its tick strip, the box and the windows of both for moves and resizes, and sets the box's check-box width
// and right margin from the ruler's first and last label centres on the screen.
class RulerAlignment : public QObject
{
    Q_OBJECT

public:
    RulerAlignment(RecordingsTimeAxisBox* box, RecordingsTimeAxisBox::Private* state);
    ~RulerAlignment() override;
    // Watches the box's current ruler (or none) and aligns with it.
    void follow(TimeAxisWt* ruler);
    void align();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watch(QWidget* widget);
    void unwatchAll();

    RecordingsTimeAxisBox* const box;
    RecordingsTimeAxisBox::Private* const state;
    QList<QPointer<QWidget>> watched;
    bool pending = false;
};

} // namespace ZCORVANEBASE
