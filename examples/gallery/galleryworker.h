#pragma once

// The gallery's host worker: what a real client answers, from a small set of sample devices and channels.

#include "frame/hostworker.h"

#include <QHash>

class GalleryWorker : public ZCORVANEDLL::CorvaneDllBaseWorker
{
    Q_OBJECT

public:
    GalleryWorker(ZCORVANEDLL::ClientLanguage language, int clientType, QObject* parent = nullptr);

    int getClientType() override { return clientType; }
    ZCORVANEDLL::ClientLanguage getClientLanguage() override { return language; }
    QString getChannelName(const QString& channelId) override;
    ZCORVANEDLL::ChannelInfo getChannelInfo(const QString& channelId) override;
    vms_sdk::DevInfo getDevInfoById(const QString& devId) override;
    QPair<QString, unsigned int> formatChannelId(const QString& channelId) override;
    QString formatChannelId(const QString& devId, unsigned int channelNo) override;
    QString formatChannelId(const QPair<QString, unsigned int>& channel) override;
    bool isGroupChannel(const QString& channelId) override;
    QStringList getAllChannelIds() override;
    void setCurModalDlg(QDialog* dialog) override;

    QList<vms_sdk::DevInfo> devices() const { return deviceList; }
    QList<vms_sdk::DevChannelInfo> channels() const { return channelList; }
    QDialog* currentModalDialog() const { return modalDialog; }
    // The language the client switches to; CorvaneBaseInit::switchLanguage() then applies it.
    void setClientLanguage(ZCORVANEDLL::ClientLanguage value) { language = value; }

private:
    ZCORVANEDLL::ClientLanguage language;
    int clientType;
    QList<vms_sdk::DevInfo> deviceList;
    QList<vms_sdk::DevChannelInfo> channelList;
    QDialog* modalDialog = nullptr;
};

// The gallery's worker (the one installed in CorvaneBaseInit).
GalleryWorker* galleryWorker();
