#include "frame/constants.h"

#include <QLocale>
#include <QStandardPaths>

namespace ZCORVANEBASE {

namespace {
QString location(QStandardPaths::StandardLocation where)
{
    return QStandardPaths::writableLocation(where);
}

// QCollator(QLocale) opens its collation engine lazily, inside the first compare(), which is const: two threads
// comparing first would both build it. Comparing once here, while the library loads, leaves every later use a read.
// (compare() returns early for an empty string, so both strings are non-empty.)
QCollator openedCollator(const QLocale& locale)
{
    QCollator collator(locale);
    collator.compare(QStringLiteral("a"), QStringLiteral("b"));
    return collator;
}
} // namespace

const QString clientRootDir = location(QStandardPaths::DocumentsLocation) + QStringLiteral("/osprey_client");
const QString localDataDir = clientRootDir + QStringLiteral("/local_data");
const QString sysConfigFile = localDataDir + QStringLiteral("/sys_cfg.ini");
const QString uiSettingsFile = localDataDir + QStringLiteral("/ui_settings.ini");
const QString corvaneDataDir = location(QStandardPaths::DocumentsLocation) + QStringLiteral("/corvane");
const QString tempDir = location(QStandardPaths::TempLocation) + QStringLiteral("/osprey_client/temp");
const QString tempImageDir = tempDir + QStringLiteral("/images");
const QString upgradeDir = location(QStandardPaths::AppDataLocation) + QStringLiteral("/osprey_client/upgrade");
const QString logDir = upgradeDir + QStringLiteral("/logs");

const QString clientLocalServerName = QStringLiteral("osprey_client_local_server");
const QString assistantLocalClientName = QStringLiteral("osprey_assistant_local_client");
const QString corvaneClientLocalServerName = QStringLiteral("mix_corvaneclient_local_server");
const QString corvaneAssistantLocalClientName = QStringLiteral("corvaneassistant_local_client");

const QString fixedIdentifier = QStringLiteral("5d0c9a3e-7b41-4f62-9e15-c2a8b6d3f071");

const QString logPrefix = QStringLiteral("[vms_client_sdk:]    ");

const QString dateTimeFormat = QStringLiteral("yyyy-MM-dd hh:mm:ss");
const QString dateTimeMsFormat = QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz");
const QString dateFormat = QStringLiteral("yyyy-MM-dd");
const QString timeFormat = QStringLiteral("hh:mm:ss");
const QString compactDateTimeFormat = QStringLiteral("yyyyMMddhhmmss");

const QStringList speedLabels = { QStringLiteral("1/8X"), QStringLiteral("1/4X"), QStringLiteral("1/2X"),
    QStringLiteral("1X"), QStringLiteral("2X"), QStringLiteral("4X"), QStringLiteral("8X"), QStringLiteral("0X"),
    QStringLiteral("100X") };

const QString listGeneral = QStringLiteral("general");
const QString listSenior = QStringLiteral("senior");
const QString listVip = QStringLiteral("vip");
const QString listBlacklist = QStringLiteral("blacklist");
const QString listSeparator = QStringLiteral("&");

const QString videoAreaName = QStringLiteral("ZVideoArea");
const QString videoPanelName = QStringLiteral("ZVideoPanel");
const QString videoPlayerName = QStringLiteral("ZVideoPlayer");

const QString colorWindow = QStringLiteral("#0e1624");
const QString colorWindowAlt = QStringLiteral("#0e1623");
const QString colorDeepest = QStringLiteral("#060a11");
const QString colorPanel = QStringLiteral("#131d2d");
const QString colorPanelAlt = QStringLiteral("#141f30");
const QString colorPopup = QStringLiteral("#172335");
const QString colorRaised = QStringLiteral("#213147");
const QString colorAccent = QStringLiteral("#266baf");
const QString colorAccentLight = QStringLiteral("#2c7dce");
const QString colorBorder = QStringLiteral("#323e58");
const QString colorRecording = QStringLiteral("#00cf8b");
const QString colorAlarm = QStringLiteral("#dc4d4d");
const QString colorHighlight = QStringLiteral("#ffcb5a");
const QString colorText = QStringLiteral("#ffffff");

const QCollator chineseCollator = openedCollator(QLocale(QLocale::Chinese, QLocale::AnyCountry));

} // namespace ZCORVANEBASE
