#pragma once

#include <ZCorvaneBase/frame/zcorvanebase_global.h>

#include <QDateTime>
#include <QList>
#include <QModelIndex>
#include <QObject>
#include <QPair>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QVariant>

QT_BEGIN_NAMESPACE
class QDialog;
class QTreeWidgetItem;
class QWidget;
QT_END_NAMESPACE

// Records of the host's device SDK. The library reads only the fields it documents below and passes the others on.
namespace vms_sdk {

// A device as the host's SDK knows it. The library takes a device's name as the label of its channels' bars when
// `devType` is below 2 and `onlineStatus` is 1.
struct DevInfo
{
    QString devId; // compared with the device part of a channel id
    QString devName; // shown as a channel's label
    QString devIp;
    int devType = 1;
    QString devSn;
    int devPort = 18320;
    QString userName;
    QString password;
    QString model;
    QString firmwareVersion;
    int channelCount = 0;
    int onlineStatus = 1;
    int protocol = 1;
    quint32 reserved1 = 0;
    quint32 reserved2 = 0;
    quint32 reserved3 = 0;
    quint32 reserved4 = 0;
    bool enabled = true;
};

// One channel of a device: its display name and the pair that formatChannelId() turns into a channel id.
struct DevChannelInfo
{
    QString channelName;
    QString devId;
    unsigned int channelNo = 0;
};

struct Response
{
    int code = 0;
    QString message;
};

struct VideoRecInfo
{
    QString channelId;
    QDateTime beginTime;
    QDateTime endTime;
    int recordType = 0;
    quint64 fileSize = 0;
};
using VideoRecList = QList<VideoRecInfo>;

struct GetRtspUrlCondition
{
    QString requestId;
    QString channelId;
    int streamType = 0;
    QDateTime beginTime;
    QDateTime endTime;
};

enum StreamEvent : int
{
    StreamEventNone = 0,
    StreamEventStarted = 1,
    StreamEventStopped = 2,
    StreamEventEnded = 3,
    StreamEventError = 4,
};

using StreamId = quint64;

} // namespace vms_sdk

namespace ZCORVANEDLL {

// The language the host client runs in; it decides which catalogue the library installs.
// A fixed underlying type: a host may report values outside the table (they mean en_US).
enum ClientLanguage : int
{
    ClientLanguageZhCN = 0, // "zh_CN"
    ClientLanguageZhHK = 1, // "zh_HK"
    ClientLanguageEnUS = 2, // "en_US"
};

// The kind of device tree the host currently shows.
enum ClientTreeType : int
{
    ClientTreeTypeNone = -1,
    ClientTreeTypeVideo = 0,
    ClientTreeTypeLocal = 1,
    ClientTreeTypeFavorite = 2,
};

struct ChannelInfo
{
    QString deviceId;
    unsigned int channelNo = 0;
    QString channelId;
    QString channelName;
};

struct PlaybackState
{
    int state = -1;
    QString speed = QStringLiteral("1X");
    QDateTime beginTime { QDate(), QTime() };
    QDateTime endTime { QDate(), QTime() };
    QDateTime currentTime { QDate(), QTime() };
    quint64 pastTime = 0;
    quint64 durationTime = 0;
};

struct CorvaneVideoStreamInfo
{
    QString requestId;
    QString channelId;
    int streamType = 1;
    QString url;
    QString deviceIp;
    QString userName;
    QString password;
};

struct CorvaneDeviceInfo
{
    QString deviceId;
    QString deviceIp;
    int devicePort = 0;
    QString userName;
    QString password;
};

struct VideoStreamInfo
{
    int width = 0;
    int height = 0;
    int frameRate = 0;
    int codec = 0;
};

struct HdmiInfo
{
    QString hdmiId;
    QString name;
    int status = 0;
};

struct RecordingInfo
{
    QString channelId;
    QDateTime beginTime;
    QDateTime endTime;
    int recordType = 0;
    int location = 0;
};
using RecordingList = QList<RecordingInfo>;

struct ReponseMsgInfo
{
    int code = 0;
    QString message;
    QString requestId;
};

// The one interface through which the library reaches its host client.
//
// The host derives its own worker, overrides what it serves, emits the signals, and stores the object in
// CorvaneBaseInit::_instance().worker, which owns it from then on. Every operation except getClientType() has a
// harmless default, so a host overrides only what it serves.
//
// The base class ends, for client type 1, a playback whose progress has run past the end of its requested span:
// signalPlaybackProgress is connected to a private slot that asks getTimeInfoByRequestId() for the span and calls
// disconnectPlayer() and then removeOneVideoPlaybackPlayer() once a time stamp lies past its end.
class ZCORVANEBASE_EXPORT CorvaneDllBaseWorker : public QObject
{
    Q_OBJECT

public:
    explicit CorvaneDllBaseWorker(QObject* parent = nullptr);
    ~CorvaneDllBaseWorker() override;

    virtual int getClientType() = 0;
    virtual ClientLanguage getClientLanguage();
    virtual QWidget* createLoopTree();
    virtual QString getLoginCredentials();
    virtual QStringList getWeakPwdList();
    virtual ClientTreeType getCurShowTreeType();
    virtual QPair<int, QString> getCurSelVideoItem();
    virtual QPair<int, QString> getCurSelLocalItem();
    virtual QPair<int, QString> getCurSelFavoriteItem();
    virtual QPoint videoPointTreeCustomContextMenuMapToGlobal(const QPoint& pos);
    virtual QPoint localPointTreeCustomContextMenuMapToGlobal(const QPoint& pos);
    virtual QPoint favoritePointTreeCustomContextMenuMapToGlobal(const QPoint& pos);
    virtual QStringList getCheckedsdkChannelIds(bool onlineOnly);
    virtual QStringList getAllChannelIds();
    virtual void setItemCheckState(QString channelId, Qt::CheckState state);
    virtual void setItemCheckState(QString channelId, int type, Qt::CheckState state);
    virtual void resetItemCheckState();
    virtual CorvaneVideoStreamInfo getCurrentVideoStreamInfo();
    virtual ChannelInfo getChannelInfo(const QString& channelId);
    virtual QString getChannelName(const QString& channelId);
    virtual vms_sdk::DevInfo getDevInfoById(const QString& devId);
    virtual vms_sdk::DevInfo getDevInfoBySn(const QString& sn);
    virtual vms_sdk::DevInfo getDevInfoByIp(const QString& ip);
    virtual void getRtspUrlReq(const vms_sdk::GetRtspUrlCondition& condition);
    virtual void getCmcDevInfoByChannelId(
        const QString& channelId, QString& devIp, QString& userName, int& port, QString& password, QString& devId);
    virtual bool isNeutralVersion();
    virtual QPair<QString, unsigned int> formatChannelId(const QString& channelId);
    virtual QString formatChannelId(const QString& devId, unsigned int channelNo);
    virtual QString formatChannelId(const QPair<QString, unsigned int>& channel);
    virtual bool isGroupChannel(const QString& channelId);
    virtual QWidget* getRootParentWt(QWidget* widget);
    virtual bool isObjInParentList(QObject* obj, QObject* parent);
    virtual void showMaximized(QWidget* widget);
    virtual QString strDatetime(const QDateTime& dateTime, bool shortForm);
    virtual void setWindowStaysOnTopHint(QWidget* widget, bool on);
    virtual QString getDateFormat();
    virtual void setCurModalDlg(QDialog* dialog);
    virtual bool isNimbraDev(int devType);
    virtual void requestVideoUrl(const QString& requestId, const QString& channelId, int streamType);
    virtual QVariant get_request_value(const QString& key, bool remove);
    virtual bool isPlaybackEnabled();
    virtual bool hasVideoPlaybackPlayer(const QString& requestId);
    virtual int getVideoPlaybackPlayerCount();
    virtual void removeOneVideoPlaybackPlayer(const QString& requestId);
    virtual QStringList getAllRequestId();
    virtual void showVideoPlaybackPlayer(const QString& requestId);
    virtual void hideVideoPlaybackPlayer(const QString& requestId);
    virtual void raiseVideoPlaybackPlayer(const QString& requestId);
    virtual void setVideoPlaybackPlayerGeometry(const QString& requestId, int x, int y, int width, int height);
    virtual void updateVideoGeometry(const QString& requestId);
    virtual void setPlayBackInfo(
        void* handle, const QString& requestId, const CorvaneDeviceInfo* device, QWidget* window, int channelNo);
    virtual void playbackByTime(const QString& requestId, const ChannelInfo& channel, const QDateTime& dateTime);
    virtual void skipByAppointDatetime(const QString& requestId, const QDateTime& dateTime);
    virtual void disconnectPlayer(const QString& requestId);
    virtual int getVideoState(const QString& requestId);
    virtual PlaybackState getPlaybackState(const QString& requestId);
    virtual void getRecordings(int location, const QString& channelId, const QDateTime& begin, const QDateTime& end,
        int recordType, int playbackIndex, const QString& searchKey);
    virtual void appointPlaybackTimeByCmc(
        const QString& channelId, const QDateTime& begin, const QDateTime& end, const QString& requestId, int location);
    virtual bool getTimeInfoByRequestId(const QString& requestId, QPair<QDateTime, QDateTime>& span);
    virtual void setTimeInfoByRequest(const QString& requestId, const QPair<QDateTime, QDateTime>& span);
    virtual int getCMCSupportChannels();
    virtual bool getCenterStorageAbility();

    // False for the protocols 1, 2 and 6, true for every other value.
    bool isOnvifProtocol(int protocol);

signals:
    void signalItemDoubleClicked(const QString& channelId);
    void signalVideoPointCustomContextMenuRequested(const QPoint& pos);
    void signalLocalViewCustomContextMenuRequested(const QPoint& pos);
    void signalFavoriteViewCustomContextMenuRequested(const QPoint& pos);
    void signalRefreshVideoDev(int type);
    void signalRefreshVideoDevStatus(int type, int status);
    void signalAllHdmiInputs(const QList<HdmiInfo>& hdmiInputs);
    void signalItemClicked(QTreeWidgetItem* item, int column);
    void signalClicked(const QModelIndex& index);
    void signalVideoPointFilterChanged();
    void signalMessageAlert(const QString& title, const QString& contents);
    void signalRootWtMoved(QWidget* rootWt);
    void signalQuitSystem();
    void signalRecreateSuspendLayer(QWidget* rootWt);
    void signalModuleSwitchToAnother(int formType, const QString& formUuid);
    void signalWillChangeUserPassword();
    void signalUserPasswordChangeSuccess();
    void signalVideoUpToWall(
        const QString& requestId, int winId, int subWinId, int winType, const QString& url, int streamType);
    void signalGetOneLoopDev(
        const QString& requestId, const QString& channelId, int loopId, const QString& url, int streamType);
    void signalGetCmcRecordingResult(
        const ReponseMsgInfo& response, const RecordingList& recordings, const QString& channelId, int location);
    void signalGetOspreyRecordingResult(
        const vms_sdk::Response& response, const vms_sdk::VideoRecList& recordings, bool playbackByTimeEnable);
    void signalStreamEventPush(vms_sdk::StreamId streamName, vms_sdk::StreamEvent event);
    void signalVideoStateChanged(QString requestId, int state, int playbackCtrl, QString speed);
    void signalPlaybackProgress(
        QString requestId, qulonglong pastTime, qulonglong durationTime, const QDateTime& timeStamp);
    void signalSendDeviceDisplayFrame(void* mHandle, int windowId, int chnId, VideoStreamInfo* streamInfo,
        char* pstreamdata, int streamdatalen, int frameType);
    void signalGetRtspUrlRes(const QString& requestId, const QString& rtspUrl);
    void signalGetRtspUrlsRes(const QString& requestId, const QStringList& rtspUrls);

private slots:
    void slotPlaybackProgress(
        QString requestId, qulonglong pastTime, qulonglong durationTime, const QDateTime& timeStamp);

private:
    void connectSignalsWithSlots();
};

} // namespace ZCORVANEDLL

// The records that travel in the worker's signals (and the box's host-data slots): QSignalSpy and queued connections
// across threads take them without the host's help (the library registers them when it is loaded).
Q_DECLARE_METATYPE(vms_sdk::DevInfo)
Q_DECLARE_METATYPE(vms_sdk::DevChannelInfo)
Q_DECLARE_METATYPE(vms_sdk::Response)
Q_DECLARE_METATYPE(vms_sdk::VideoRecInfo)
Q_DECLARE_METATYPE(vms_sdk::StreamEvent)
Q_DECLARE_METATYPE(ZCORVANEDLL::HdmiInfo)
Q_DECLARE_METATYPE(ZCORVANEDLL::RecordingInfo)
Q_DECLARE_METATYPE(ZCORVANEDLL::ReponseMsgInfo)
Q_DECLARE_METATYPE(ZCORVANEDLL::VideoStreamInfo*)
