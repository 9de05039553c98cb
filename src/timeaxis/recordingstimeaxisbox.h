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

private slots:
    void slotBeginTimeAndDegreeChanged(TimeAxisDegree degree, const QDateTime& datetime);
    void slotChannelRecordingTimeAxisCheckBxClicked(bool checked);
    void slotBatchAppointPlaybackTime(const QDateTime& datetime);
    void slotDownloadByTimeRangeBtClicked(QWidget* channelRecordingTimeAxisWt, const QDateTime& datetime);
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
};

} // namespace ZCORVANEBASE
