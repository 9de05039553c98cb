#include "galleryworker.h"

#include "frame/corvanebaseinit.h"

#include <QDialog>

GalleryWorker::GalleryWorker(ZCORVANEDLL::ClientLanguage language, int clientType, QObject* parent)
    : CorvaneDllBaseWorker(parent)
    , language(language)
    , clientType(clientType)
{
    struct Device
    {
        const char* id;
        const char* name;
        const char* ip;
        QStringList channelNames;
    };
    const QVector<Device> devices = {
        { "nvr01", "前门 NVR", "192.168.10.21",
            { QStringLiteral("大门入口"), QStringLiteral("收发室"), QStringLiteral("东侧围墙"),
                QStringLiteral("西侧围墙") } },
        { "nvr02", "Warehouse NVR", "192.168.10.22",
            { QStringLiteral("Loading Bay"), QStringLiteral("Aisle 3"), QStringLiteral("Cold Store"),
                QStringLiteral("Office") } },
        { "ipc03", "停车场 IPC", "192.168.10.31", { QStringLiteral("停车场出口") } },
        { "ipc04", "Lobby Camera", "192.168.10.32", { QStringLiteral("Reception") } },
        { "nvr05", "二号楼 NVR", "192.168.10.23",
            { QStringLiteral("电梯厅"), QStringLiteral("楼梯间"), QStringLiteral("机房"), QStringLiteral("天台") } },
    };
    for (const Device& d : devices) {
        vms_sdk::DevInfo info;
        info.devId = QString::fromLatin1(d.id);
        info.devName = QString::fromUtf8(d.name);
        info.devIp = QString::fromLatin1(d.ip);
        info.channelCount = d.channelNames.size();
        deviceList.append(info);
        for (int i = 0; i < d.channelNames.size(); ++i)
            channelList.append({ d.channelNames.at(i), info.devId, unsigned(i + 1) });
    }
}

GalleryWorker* galleryWorker()
{
    return qobject_cast<GalleryWorker*>(ZCORVANEBASE::CorvaneBaseInit::_instance().worker.data());
}

QString GalleryWorker::getChannelName(const QString& channelId)
{
    for (const vms_sdk::DevChannelInfo& channel : qAsConst(channelList)) {
        if (formatChannelId(channel.devId, channel.channelNo) == channelId)
            return channel.channelName;
    }
    if (isGroupChannel(channelId))
        return tr("Patrol group %1").arg(channelId.mid(6));
    return QString();
}

ZCORVANEDLL::ChannelInfo GalleryWorker::getChannelInfo(const QString& channelId)
{
    ZCORVANEDLL::ChannelInfo info;
    const auto pair = formatChannelId(channelId);
    info.deviceId = pair.first;
    info.channelNo = pair.second;
    info.channelId = channelId;
    info.channelName = getChannelName(channelId);
    return info;
}

vms_sdk::DevInfo GalleryWorker::getDevInfoById(const QString& devId)
{
    for (const vms_sdk::DevInfo& device : qAsConst(deviceList)) {
        if (device.devId == devId)
            return device;
    }
    return {};
}

// Channel ids are "<device id>:<channel number>", e.g. "nvr01:2"; group channels are "group:<n>".
QPair<QString, unsigned int> GalleryWorker::formatChannelId(const QString& channelId)
{
    const int sep = channelId.lastIndexOf(QLatin1Char(':'));
    if (sep <= 0)
        return { QString(), 0u };
    return { channelId.left(sep), channelId.mid(sep + 1).toUInt() };
}

QString GalleryWorker::formatChannelId(const QString& devId, unsigned int channelNo)
{
    return devId + QLatin1Char(':') + QString::number(channelNo);
}

QString GalleryWorker::formatChannelId(const QPair<QString, unsigned int>& channel)
{
    return formatChannelId(channel.first, channel.second);
}

bool GalleryWorker::isGroupChannel(const QString& channelId)
{
    return channelId.startsWith(QLatin1String("group:"));
}

QStringList GalleryWorker::getAllChannelIds()
{
    QStringList ids;
    for (const vms_sdk::DevChannelInfo& channel : qAsConst(channelList))
        ids << formatChannelId(channel.devId, channel.channelNo);
    return ids;
}

void GalleryWorker::setCurModalDlg(QDialog* dialog)
{
    modalDialog = dialog;
}
