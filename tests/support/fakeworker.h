#pragma once

#include "frame/hostworker.h"

#include <QHash>
#include <QSet>
#include <QStringList>

// A host worker for tests: answers from public fields and logs the calls that matter as "operation(args)".
class FakeWorker : public ZCORVANEDLL::CorvaneDllBaseWorker
{
    Q_OBJECT

public:
    using CorvaneDllBaseWorker::CorvaneDllBaseWorker;

    int getClientType() override { return clientType; }
    ZCORVANEDLL::ClientLanguage getClientLanguage() override { return language; }
    QString getDateFormat() override { return dateFormat; }
    QString getChannelName(const QString& channelId) override { return channelNames.value(channelId); }
    QPair<QString, unsigned int> formatChannelId(const QString& channelId) override;
    QString formatChannelId(const QString& devId, unsigned int channelNo) override
    {
        return devId + QLatin1Char('_') + QString::number(channelNo);
    }
    QString formatChannelId(const QPair<QString, unsigned int>& channel) override
    {
        return formatChannelId(channel.first, channel.second);
    }
    bool isGroupChannel(const QString& channelId) override { return groupChannels.contains(channelId); }
    void showMaximized(QWidget* widget) override;
    void setCurModalDlg(QDialog* dialog) override;
    void disconnectPlayer(const QString& requestId) override { calls << "disconnectPlayer(" + requestId + ')'; }
    void removeOneVideoPlaybackPlayer(const QString& requestId) override
    {
        calls << "removeOneVideoPlaybackPlayer(" + requestId + ')';
    }
    bool getTimeInfoByRequestId(const QString& requestId, QPair<QDateTime, QDateTime>& span) override;
    QStringList getWeakPwdList() override
    {
        return weakPasswords.isEmpty() ? CorvaneDllBaseWorker::getWeakPwdList() : weakPasswords;
    }

    int clientType = 0;
    ZCORVANEDLL::ClientLanguage language = ZCORVANEDLL::ClientLanguageEnUS;
    QString dateFormat = QStringLiteral("yyyy-MM-dd");
    QHash<QString, QString> channelNames;
    QSet<QString> groupChannels;
    QHash<QString, QPair<QDateTime, QDateTime>> spans; // getTimeInfoByRequestId answers
    QStringList weakPasswords; // empty: the base class's list
    QStringList calls;
};
