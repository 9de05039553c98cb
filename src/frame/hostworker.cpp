#include "frame/hostworker.h"

#include "frame/constants.h"
#include "frame/corvanebaseinit.h"
#include "frame/hostaccess_p.h"

#include <QFile>
#include <QLocale>
#include <QMetaType>
#include <QWidget>

#include "timeaxis/timeaxismodel.h"

namespace {

// Once, when the library is loaded: every record that travels in a signal of the worker, the ruler or the box, or in
// a slot a host connects by name, under each name the signatures spell it with. Queued connections across threads and
// QSignalSpy then take them without the host's help.
void registerRecordMetaTypes()
{
    using namespace ZCORVANEDLL;
    qRegisterMetaType<HdmiInfo>();
    qRegisterMetaType<QList<HdmiInfo>>("QList<HdmiInfo>");
    qRegisterMetaType<RecordingInfo>();
    qRegisterMetaType<RecordingList>("RecordingList");
    qRegisterMetaType<RecordingList>("ZCORVANEDLL::RecordingList");
    qRegisterMetaType<ReponseMsgInfo>();
    qRegisterMetaType<ReponseMsgInfo>("ReponseMsgInfo");
    qRegisterMetaType<VideoStreamInfo*>();
    qRegisterMetaType<VideoStreamInfo*>("VideoStreamInfo*");
    qRegisterMetaType<vms_sdk::Response>();
    qRegisterMetaType<vms_sdk::VideoRecInfo>();
    qRegisterMetaType<vms_sdk::VideoRecList>("vms_sdk::VideoRecList");
    qRegisterMetaType<vms_sdk::StreamEvent>();
    qRegisterMetaType<vms_sdk::StreamId>("vms_sdk::StreamId");
    qRegisterMetaType<vms_sdk::DevInfo>();
    qRegisterMetaType<QList<vms_sdk::DevInfo>>();
    qRegisterMetaType<vms_sdk::DevChannelInfo>();
    qRegisterMetaType<QList<vms_sdk::DevChannelInfo>>();
    qRegisterMetaType<ZCORVANEBASE::TimeAxisDegree>();
    qRegisterMetaType<ZCORVANEBASE::TimeAxisDegree>("TimeAxisDegree");
    qRegisterMetaType<ZCORVANEBASE::RecordingTimeInfo>();
    qRegisterMetaType<ZCORVANEBASE::RecordingSearchInfo>();
    qRegisterMetaType<ZCORVANEBASE::LocalRecordingLabelInfo>();
    qRegisterMetaType<ZCORVANEBASE::LocalRecordingLabelInfo>("LocalRecordingLabelInfo");
}
Q_CONSTRUCTOR_FUNCTION(registerRecordMetaTypes)

} // namespace

namespace ZCORVANEDLL {

CorvaneDllBaseWorker::CorvaneDllBaseWorker(QObject* parent)
    : QObject(parent)
{
    connectSignalsWithSlots();
}

CorvaneDllBaseWorker::~CorvaneDllBaseWorker() = default;

void CorvaneDllBaseWorker::connectSignalsWithSlots()
{
    connect(this, &CorvaneDllBaseWorker::signalPlaybackProgress, this, &CorvaneDllBaseWorker::slotPlaybackProgress);
}

// A playback of client type 1 ends once its progress runs past the end of the span the host asked for.
void CorvaneDllBaseWorker::slotPlaybackProgress(
    QString requestId, qulonglong pastTime, qulonglong durationTime, const QDateTime& timeStamp)
{
    Q_UNUSED(pastTime)
    Q_UNUSED(durationTime)
    CorvaneDllBaseWorker* installed = ZCORVANEBASE::CorvaneBaseInit::_instance().worker;
    // The installed worker is normally this object; without one, this object answers for itself.
    const int clientType = installed ? installed->getClientType() : getClientType();
    if (clientType != 1)
        return;
    QPair<QDateTime, QDateTime> span;
    getTimeInfoByRequestId(requestId, span);
    if (timeStamp > span.second) {
        disconnectPlayer(requestId);
        removeOneVideoPlaybackPlayer(requestId);
    }
}

ClientLanguage CorvaneDllBaseWorker::getClientLanguage()
{
    const QLocale locale;
    if (locale.language() != QLocale::Chinese)
        return ClientLanguageEnUS;
    return locale.country() == QLocale::China ? ClientLanguageZhCN : ClientLanguageZhHK;
}

QWidget* CorvaneDllBaseWorker::createLoopTree()
{
    return nullptr;
}

QString CorvaneDllBaseWorker::getLoginCredentials()
{
    // A placeholder of 16 characters that no server accepts.
    return QStringLiteral("<no-credential!>");
}

QStringList CorvaneDllBaseWorker::getWeakPwdList()
{
    QFile file(QStringLiteral(":/text/weak_pwd.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(file.readAll());
    file.close();
    return text.split(QStringLiteral("\r\n"), Qt::KeepEmptyParts, Qt::CaseSensitive);
}

ClientTreeType CorvaneDllBaseWorker::getCurShowTreeType()
{
    return ClientTreeTypeNone;
}
QPair<int, QString> CorvaneDllBaseWorker::getCurSelVideoItem()
{
    return { 0, QString() };
}
QPair<int, QString> CorvaneDllBaseWorker::getCurSelLocalItem()
{
    return { 0, QString() };
}
QPair<int, QString> CorvaneDllBaseWorker::getCurSelFavoriteItem()
{
    return { 0, QString() };
}
QPoint CorvaneDllBaseWorker::videoPointTreeCustomContextMenuMapToGlobal(const QPoint&)
{
    return {};
}
QPoint CorvaneDllBaseWorker::localPointTreeCustomContextMenuMapToGlobal(const QPoint&)
{
    return {};
}
QPoint CorvaneDllBaseWorker::favoritePointTreeCustomContextMenuMapToGlobal(const QPoint&)
{
    return {};
}
QStringList CorvaneDllBaseWorker::getCheckedsdkChannelIds(bool)
{
    return {};
}
QStringList CorvaneDllBaseWorker::getAllChannelIds()
{
    return {};
}
void CorvaneDllBaseWorker::setItemCheckState(QString, Qt::CheckState) { }
void CorvaneDllBaseWorker::setItemCheckState(QString, int, Qt::CheckState) { }
void CorvaneDllBaseWorker::resetItemCheckState() { }
CorvaneVideoStreamInfo CorvaneDllBaseWorker::getCurrentVideoStreamInfo()
{
    return {};
}
ChannelInfo CorvaneDllBaseWorker::getChannelInfo(const QString&)
{
    return {};
}
QString CorvaneDllBaseWorker::getChannelName(const QString&)
{
    return {};
}
vms_sdk::DevInfo CorvaneDllBaseWorker::getDevInfoById(const QString&)
{
    return {};
}
vms_sdk::DevInfo CorvaneDllBaseWorker::getDevInfoBySn(const QString&)
{
    return {};
}
vms_sdk::DevInfo CorvaneDllBaseWorker::getDevInfoByIp(const QString&)
{
    return {};
}
void CorvaneDllBaseWorker::getRtspUrlReq(const vms_sdk::GetRtspUrlCondition&) { }
void CorvaneDllBaseWorker::getCmcDevInfoByChannelId(const QString&, QString&, QString&, int&, QString&, QString&) { }
bool CorvaneDllBaseWorker::isNeutralVersion()
{
    return false;
}
QPair<QString, unsigned int> CorvaneDllBaseWorker::formatChannelId(const QString&)
{
    return { QString(), 0u };
}
QString CorvaneDllBaseWorker::formatChannelId(const QString&, unsigned int)
{
    return {};
}
QString CorvaneDllBaseWorker::formatChannelId(const QPair<QString, unsigned int>&)
{
    return {};
}
bool CorvaneDllBaseWorker::isGroupChannel(const QString&)
{
    return false;
}
QWidget* CorvaneDllBaseWorker::getRootParentWt(QWidget*)
{
    return nullptr;
}

// True when `parent` is a proper ancestor of `obj`; `obj` itself is not compared.
bool CorvaneDllBaseWorker::isObjInParentList(QObject* obj, QObject* parent)
{
    if (!obj || !parent)
        return false;
    for (QObject* ancestor = obj->parent(); ancestor; ancestor = ancestor->parent()) {
        if (ancestor == parent)
            return true;
    }
    return false;
}

void CorvaneDllBaseWorker::showMaximized(QWidget* widget)
{
    if (widget)
        widget->showMaximized();
}

QString CorvaneDllBaseWorker::strDatetime(const QDateTime& dateTime, bool shortForm)
{
    return ZCORVANEBASE::defaultStrDatetime(dateTime, shortForm);
}

void CorvaneDllBaseWorker::setWindowStaysOnTopHint(QWidget*, bool) { }
QString CorvaneDllBaseWorker::getDateFormat()
{
    return ZCORVANEBASE::dateFormat;
}
void CorvaneDllBaseWorker::setCurModalDlg(QDialog*) { }
bool CorvaneDllBaseWorker::isNimbraDev(int)
{
    return false;
}
void CorvaneDllBaseWorker::requestVideoUrl(const QString&, const QString&, int) { }
QVariant CorvaneDllBaseWorker::get_request_value(const QString&, bool)
{
    return {};
}
bool CorvaneDllBaseWorker::isPlaybackEnabled()
{
    return true;
}
bool CorvaneDllBaseWorker::hasVideoPlaybackPlayer(const QString&)
{
    return false;
}
int CorvaneDllBaseWorker::getVideoPlaybackPlayerCount()
{
    return -1;
}
void CorvaneDllBaseWorker::removeOneVideoPlaybackPlayer(const QString&) { }
QStringList CorvaneDllBaseWorker::getAllRequestId()
{
    return {};
}
void CorvaneDllBaseWorker::showVideoPlaybackPlayer(const QString&) { }
void CorvaneDllBaseWorker::hideVideoPlaybackPlayer(const QString&) { }
void CorvaneDllBaseWorker::raiseVideoPlaybackPlayer(const QString&) { }
void CorvaneDllBaseWorker::setVideoPlaybackPlayerGeometry(const QString&, int, int, int, int) { }
void CorvaneDllBaseWorker::updateVideoGeometry(const QString&) { }
void CorvaneDllBaseWorker::setPlayBackInfo(void*, const QString&, const CorvaneDeviceInfo*, QWidget*, int) { }
void CorvaneDllBaseWorker::playbackByTime(const QString&, const ChannelInfo&, const QDateTime&) { }
void CorvaneDllBaseWorker::skipByAppointDatetime(const QString&, const QDateTime&) { }
void CorvaneDllBaseWorker::disconnectPlayer(const QString&) { }
int CorvaneDllBaseWorker::getVideoState(const QString&)
{
    return -1;
}
PlaybackState CorvaneDllBaseWorker::getPlaybackState(const QString&)
{
    return {};
}
void CorvaneDllBaseWorker::getRecordings(
    int, const QString&, const QDateTime&, const QDateTime&, int, int, const QString&)
{
}
void CorvaneDllBaseWorker::appointPlaybackTimeByCmc(
    const QString&, const QDateTime&, const QDateTime&, const QString&, int)
{
}
bool CorvaneDllBaseWorker::getTimeInfoByRequestId(const QString&, QPair<QDateTime, QDateTime>&)
{
    return true;
}
void CorvaneDllBaseWorker::setTimeInfoByRequest(const QString&, const QPair<QDateTime, QDateTime>&) { }
int CorvaneDllBaseWorker::getCMCSupportChannels()
{
    return 0;
}
bool CorvaneDllBaseWorker::getCenterStorageAbility()
{
    return true;
}

bool CorvaneDllBaseWorker::isOnvifProtocol(int protocol)
{
    return protocol != 1 && protocol != 2 && protocol != 6;
}

} // namespace ZCORVANEDLL
