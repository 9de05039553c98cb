#pragma once

#include "frame/hostworker.h"
#include "frame/zwidget.h"
#include "timeaxis/timeaxismodel.h"
#include "timeaxis/timeaxiswt.h"

#include <QList>
#include <QMap>
#include <QPair>
#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QStringList>
#include <QVector>

class QLabel;
class QVBoxLayout;

namespace ZCORVANEBASE {

class ChannelRecordingTimeAxisWt;
class RecordingsBoxKeyboardNavigator;
class ZCheckBox;

// The host's handle on the recording time axis below the ruler: one row per playback window, each a check box
// titled with the window number or the channel name beside a channel bar. It routes the host's calls to the right
// row (by playback index, by channel or by pointer position), relays the bars' signals, relays zoom requests to the
// ruler and the ruler's span changes to every bar, plays every checked row from a moment picked on the ruler, keeps
// the titles up to date when devices and channels change (slots the host connects to its own notifications) and
// shows a floating preview while the user drags a new label onto a bar.
//
// Calls naming a row that does not exist are ignored or answer with an empty or default result; so are the two
// rows of a swap when either does not exist or both are the same. timeAxisZoomCtrl(ZoomMode) does nothing until
// setTimeAxisWt() has given the ruler. Search results and finish notices carrying another search key are dropped.
// The bars take the ruler's span from its next change on, so a host gives the ruler before it picks the day.
// Label marks live on the bars. The host's label store reaches them by name through the meta-object system, on the
// box's children that have the slots slotAddRecordingLabelToLocalDB(LocalRecordingLabelInfo,int),
// slotDeleteRecordingLabelFromLocalDB(QString) and slotUpdateRecordingLabelNameInLocalDB(QString,QString); a bar
// keeps only the marks of its own channel and location.
//
// Choices where the behaviour was open:
// - Without a host worker a row searching a channel is titled with the channel id itself, and the title-upkeep
//   slots, which depend on the host's channel-id conversions, change nothing.
// - appointPlaybackTime(channelId, ...) with an empty channel id does nothing (it would otherwise name every row
//   without a search).
//
// Opt-in features, each off by default (the box then paints and signals exactly as without them), set for every
// row at once:
// - setRangeSelectionEnabled: Shift+drag on a bar selects a span for download, snapped to the recorded part
//   (amendDateTimeRange) and shown as a band with a handle at each end and its duration; the release emits
//   signalDownloadRangeSelected(playbackIndex, begin, end); a handle can be dragged again; Escape removes the bands.
//   A press without Shift still seeks.
// - setMinimumIntervalWidth(pixels > 0): a recording painted narrower than that is painted that wide, centred on its
//   begin (moved right just enough to keep its own columns) and clipped to the bar; in every column an alarm
//   recording then wins over a normal one, also where long recordings overlap. Negative widths are ignored.
// - setLabelClusteringEnabled: label marks less than 12 pixels apart show as one mark with a count badge whose tool
//   tip lists the names and moments; zooming in parts them again.
// - setHoverReadoutEnabled: beside the pointer over a bar, the moment under it ("hh:mm:ss") and what the bar shows
//   there ("alarm recording", "recording" or "no recording"), hidden when the pointer leaves the bar.
//
// Keyboard operation is off by default; setKeyboardNavigationEnabled(true) makes the box one focus stop with a
// framed focus row (see RecordingsBoxKeyboardNavigator in timeaxiskeyboard_p.h: Up/Down move the row, Space toggles
// its check box, Ctrl+Left/Right and Alt+Left/Right seek it to the previous/next recording and alarm recording, P/N
// to the previous/next label mark). Screen readers get each row's check box and bar named with the row's full title
// (not the elided text); default titles follow a language switch, channel titles from the host are kept.
class ZCORVANEBASE_EXPORT RecordingsTimeAxisBox : public ZWidget
{
    Q_OBJECT

public:
    explicit RecordingsTimeAxisBox(int channelCount = 64, bool downloadEnabled = false, QWidget* parent = nullptr);
    // For forms (uic creates widgets from their parent alone): 64 rows, download disabled.
    explicit RecordingsTimeAxisBox(QWidget* parent);
    ~RecordingsTimeAxisBox() override;

    void setTimeAxisWt(TimeAxisWt* timeAxisWt);
    void setChannelCheckBoxWidth(int width);
    void setMarginRight(int margin);
    void setChannelRecordingTimeAxisChecked(bool checked);
    void setRecordingSearchInfo(RecordingSearchState state, const QString& searchKey, const RecordingSearchInfo& info);
    void setChannelRecordingsTimeInfo(const QVector<RecordingTimeInfo>& recordings, int playbackIndex,
        const QString& searchKey, bool playbackByTimeEnable, bool autoAppoint);
    void recoverChannelRecordingTimeAxisInfo(int playbackIndex);
    void recorverAllChannelRecordingTimeAxisInfo();
    void timeAxisZoomCtrl(ZoomMode mode);
    bool timeAxisZoomCtrl(const QPoint& pos, ZoomMode mode);
    void appointPlaybackTime(const QString& channelId, int recordingLocation, const QDateTime& datetime);
    void appointPlaybackTime(int playbackIndex, float percent);
    void updatePlaybackTime(const QDateTime& datetime, int playbackIndex);
    void getDatetimePercentInFile(int playbackIndex);
    QPair<QDateTime, QDateTime> amendDateTimeRange(int playbackIndex, const QDateTime& datetime, unsigned int secs);
    void swapRecordingTimeAxis(int from, int to);
    bool canAddRecordingLabelAtPos(const QPoint& pos, const QPixmap& pixmap);
    void hideAddingRecordingLabel();
    LocalRecordingLabelInfo getRecordingLabelInfoAtPos(const QPoint& pos);
    bool isCursorInTimeAxis(const QPoint& pos);
    bool hasNoneRecordings();
    QList<RecordingSearchInfo> getAllRecordingSearchInfos();
    RecordingSearchInfo getRecordingSearchInfo(int playbackIndex);
    QStringList getAllEnabledRecordingLabels();
    QPair<QList<int>, QList<int>> getCheckedChannelRecordingTimeAxis();
    QList<int> getCheckedAndExistReocordingsChannelRecordingTimeAxis();

    // Range selection, minimum interval width, label clusters, hover read-out (opt-in, see above).
    void setRangeSelectionEnabled(bool enabled);
    bool isRangeSelectionEnabled() const { return m_rangeSelectionEnabled; }
    void setMinimumIntervalWidth(int pixels);
    int minimumIntervalWidth() const { return m_minimumIntervalWidth; }
    void setLabelClusteringEnabled(bool enabled);
    bool isLabelClusteringEnabled() const { return m_labelClusteringEnabled; }
    void setHoverReadoutEnabled(bool enabled);
    bool isHoverReadoutEnabled() const { return m_hoverReadoutEnabled; }

    // Keyboard operation (off by default: the box takes no focus and handles no key).
    void setKeyboardNavigationEnabled(bool enabled);
    bool isKeyboardNavigationEnabled() const;

signals:
    void signalAllChannelRecordingTimeAxisCheckState(Qt::CheckState state);
    void signalZoomInTimeAxis(const QDateTime& datetime);
    void signalZoomOutTimeAxis(const QDateTime& datetime);
    void signalAppointPlaybackTime(
        const QString& channelId, int playbackIndex, int recordingLocation, const QDateTime& datetime);
    void signalRecordingLabelsEnabled(const QStringList& labels, bool enabled);
    void signalDatetimePercentInFile(int playbackIndex, float percent);
    void signalPlaybackToRecordingsTimeAxisEnd(int playbackIndex);
    void signalDownloadByTimeRangeBtClicked(int playbackIndex, const QDateTime& datetime);
    void signalDownloadRangeSelected(int playbackIndex, const QDateTime& begin, const QDateTime& end);

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void slotBeginTimeAndDegreeChanged(TimeAxisDegree degree, const QDateTime& datetime);
    void slotChannelRecordingTimeAxisCheckBxClicked(bool checked);
    void slotBatchAppointPlaybackTime(const QDateTime& datetime);
    void slotDownloadByTimeRangeBtClicked(QWidget* channelRecordingTimeAxisWt, const QDateTime& datetime);
    void slotDownloadRangeSelected(QWidget* channelRecordingTimeAxisWt, const QDateTime& begin, const QDateTime& end);
    void slotDeleteChannelsFromGroupInLocalDB(const QStringList& channelIds, bool success);
    void slotDeleteSceneChannelsSuccess(const QString& sceneId, const QStringList& channelIdList);
    void slotUpdateGroupChannelsInLocalDB(const QMap<QString, QString>& channelNames, bool success);
    void slotModifyCloudDevChannelNameSuccess(const QString& devSn, int channelIndex, const QString& newName);
    void slotDeleteLocalDevs(const QStringList& devIds, bool success);
    void slotDeleteCloudDevsSuccess(const QStringList& devSnList);
    void slotUpdateLocalDevs(const QList<vms_sdk::DevInfo>& devsInfo, bool success);
    void slotUpdateDevChannels(const QString& devId, const QList<vms_sdk::DevChannelInfo>& channelsInfo);

private:
    void init(bool downloadEnabled);
    void createRecordingsTimeAxis(bool downloadEnabled);
    ChannelRecordingTimeAxisWt* timeAxisWtAt(const QPoint& pos);
    int getPlaybackIndex(QWidget* channelRecordingTimeAxisWt);
    void connectSignalsWithSlots();
    QString defaultTitle(int playbackIndex) const;
    ChannelRecordingTimeAxisWt* barAt(int playbackIndex) const;
    QString deviceIdOf(const QString& channelId) const;

    QMap<int, QPair<ZCheckBox*, ChannelRecordingTimeAxisWt*>> rows;
    QLabel* addingLabel;
    QPointer<TimeAxisWt> timeAxisWt; // not owned; a ruler deleted before the box reads null
    int channelCount;
    QVBoxLayout* m_layout;

    // Range selection, minimum interval width, label clusters, hover read-out: handed to every bar.
    bool m_rangeSelectionEnabled = false;
    int m_minimumIntervalWidth = 0;
    bool m_labelClusteringEnabled = false;
    bool m_hoverReadoutEnabled = false;

    // Keyboard operation, screen readers and language change.
    friend class RecordingsBoxKeyboardNavigator;
    friend class BarAccessible;
    // Sets a row's title: the check box's text and the accessible names of the check box and the bar.
    void setRowTitle(const QPair<ZCheckBox*, ChannelRecordingTimeAxisWt*>& row, const QString& title);
    void retranslate();
    RecordingsBoxKeyboardNavigator* m_keyboardNavigator; // null while keyboard operation is off
};

} // namespace ZCORVANEBASE
