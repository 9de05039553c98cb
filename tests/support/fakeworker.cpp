#include "fakeworker.h"

#include <QDialog>
#include <QWidget>

FakeWorker::FakeWorker(QObject* parent)
    : CorvaneDllBaseWorker(parent)
{
}

QString FakeWorker::getChannelName(const QString& channelId)
{
    return channelNames.value(channelId);
}

// Channel ids are "<devId>_<channelNo>".
QPair<QString, unsigned int> FakeWorker::formatChannelId(const QString& channelId)
{
    const int sep = channelId.lastIndexOf(QLatin1Char('_'));
    if (sep < 0)
        return { QString(), 0u };
    return { channelId.left(sep), channelId.mid(sep + 1).toUInt() };
}

QString FakeWorker::formatChannelId(const QString& devId, unsigned int channelNo)
{
    return devId + QLatin1Char('_') + QString::number(channelNo);
}

QString FakeWorker::formatChannelId(const QPair<QString, unsigned int>& channel)
{
    return formatChannelId(channel.first, channel.second);
}

void FakeWorker::showMaximized(QWidget* widget)
{
    calls << QStringLiteral("showMaximized(%1)").arg(widget ? widget->objectName() : QStringLiteral("null"));
    CorvaneDllBaseWorker::showMaximized(widget);
}

void FakeWorker::setCurModalDlg(QDialog* dialog)
{
    calls << QStringLiteral("setCurModalDlg(%1)").arg(dialog ? dialog->objectName() : QStringLiteral("null"));
}

void FakeWorker::disconnectPlayer(const QString& requestId)
{
    calls << QStringLiteral("disconnectPlayer(%1)").arg(requestId);
}

void FakeWorker::removeOneVideoPlaybackPlayer(const QString& requestId)
{
    calls << QStringLiteral("removeOneVideoPlaybackPlayer(%1)").arg(requestId);
}

bool FakeWorker::getTimeInfoByRequestId(const QString& requestId, QPair<QDateTime, QDateTime>& span)
{
    if (!spans.contains(requestId))
        return CorvaneDllBaseWorker::getTimeInfoByRequestId(requestId, span);
    span = spans.value(requestId);
    return true;
}

QStringList FakeWorker::getWeakPwdList()
{
    return weakPasswords.isEmpty() ? CorvaneDllBaseWorker::getWeakPwdList() : weakPasswords;
}
