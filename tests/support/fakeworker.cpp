#include "fakeworker.h"

#include <QDialog>

// Channel ids are "<devId>_<channelNo>".
QPair<QString, unsigned int> FakeWorker::formatChannelId(const QString& channelId)
{
    const int sep = channelId.lastIndexOf(QLatin1Char('_'));
    if (sep < 0)
        return { QString(), 0u };
    return { channelId.left(sep), channelId.mid(sep + 1).toUInt() };
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

bool FakeWorker::getTimeInfoByRequestId(const QString& requestId, QPair<QDateTime, QDateTime>& span)
{
    if (!spans.contains(requestId))
        return CorvaneDllBaseWorker::getTimeInfoByRequestId(requestId, span);
    span = spans.value(requestId);
    return true;
}
