#pragma once

// Constants shared by the whole client: paths, local server names, formats, speed labels, palette colours and the
// collator used to sort names. They are built when the library loads and need no QApplication.

#include <ZCorvaneBase/frame/zcorvanebase_global.h>

#include <QCollator>
#include <QString>
#include <QStringList>

namespace ZCORVANEBASE {

// Client paths.
extern ZCORVANEBASE_EXPORT const QString clientRootDir; // <documents>/osprey_client
extern ZCORVANEBASE_EXPORT const QString localDataDir; // clientRootDir + "/local_data"
extern ZCORVANEBASE_EXPORT const QString sysConfigFile; // localDataDir + "/sys_cfg.ini"
extern ZCORVANEBASE_EXPORT const QString uiSettingsFile; // localDataDir + "/ui_settings.ini"
extern ZCORVANEBASE_EXPORT const QString corvaneDataDir; // <documents>/corvane
extern ZCORVANEBASE_EXPORT const QString tempDir; // <temp>/osprey_client/temp
extern ZCORVANEBASE_EXPORT const QString tempImageDir; // tempDir + "/images"
extern ZCORVANEBASE_EXPORT const QString upgradeDir; // <app data>/osprey_client/upgrade
extern ZCORVANEBASE_EXPORT const QString logDir; // upgradeDir + "/logs"

// Local server and client names.
extern ZCORVANEBASE_EXPORT const QString clientLocalServerName; // "osprey_client_local_server"
extern ZCORVANEBASE_EXPORT const QString assistantLocalClientName; // "osprey_assistant_local_client"
extern ZCORVANEBASE_EXPORT const QString corvaneClientLocalServerName; // "mix_corvaneclient_local_server"
extern ZCORVANEBASE_EXPORT const QString corvaneAssistantLocalClientName; // "corvaneassistant_local_client"

// The identifier the library and its host share (a braceless UUID text of 36 characters).
extern ZCORVANEBASE_EXPORT const QString fixedIdentifier;

// Every log line starts with this tag (followed by four blanks).
extern ZCORVANEBASE_EXPORT const QString logPrefix;

// Date and time formats.
extern ZCORVANEBASE_EXPORT const QString dateTimeFormat; // "yyyy-MM-dd hh:mm:ss"
extern ZCORVANEBASE_EXPORT const QString dateTimeMsFormat; // "yyyy-MM-dd hh:mm:ss.zzz"
extern ZCORVANEBASE_EXPORT const QString dateFormat; // "yyyy-MM-dd"
extern ZCORVANEBASE_EXPORT const QString timeFormat; // "hh:mm:ss"
extern ZCORVANEBASE_EXPORT const QString compactDateTimeFormat; // "yyyyMMddhhmmss"

// Playback speed labels, slowest first, then the pause ("0X") and the fast-forward ("100X") entries.
extern ZCORVANEBASE_EXPORT const QStringList speedLabels;

// List kinds and the separator of the client's lists.
extern ZCORVANEBASE_EXPORT const QString listGeneral; // "general"
extern ZCORVANEBASE_EXPORT const QString listSenior; // "senior"
extern ZCORVANEBASE_EXPORT const QString listVip; // "vip"
extern ZCORVANEBASE_EXPORT const QString listBlacklist; // "blacklist"
extern ZCORVANEBASE_EXPORT const QString listSeparator; // "&"

// Object names of the host's video widgets.
extern ZCORVANEBASE_EXPORT const QString videoAreaName; // "ZVideoArea"
extern ZCORVANEBASE_EXPORT const QString videoPanelName; // "ZVideoPanel"
extern ZCORVANEBASE_EXPORT const QString videoPlayerName; // "ZVideoPlayer"

// The dark palette.
extern ZCORVANEBASE_EXPORT const QString colorWindow; // "#0e1624"
extern ZCORVANEBASE_EXPORT const QString colorWindowAlt; // "#0e1623"
extern ZCORVANEBASE_EXPORT const QString colorDeepest; // "#060a11"
extern ZCORVANEBASE_EXPORT const QString colorPanel; // "#131d2d"
extern ZCORVANEBASE_EXPORT const QString colorPanelAlt; // "#141f30"
extern ZCORVANEBASE_EXPORT const QString colorPopup; // "#172335"
extern ZCORVANEBASE_EXPORT const QString colorRaised; // "#213147"
extern ZCORVANEBASE_EXPORT const QString colorAccent; // "#266baf"
extern ZCORVANEBASE_EXPORT const QString colorAccentLight; // "#2c7dce"
extern ZCORVANEBASE_EXPORT const QString colorBorder; // "#323e58"
extern ZCORVANEBASE_EXPORT const QString colorRecording; // "#00cf8b"
extern ZCORVANEBASE_EXPORT const QString colorAlarm; // "#dc4d4d"
extern ZCORVANEBASE_EXPORT const QString colorHighlight; // "#ffcb5a"
extern ZCORVANEBASE_EXPORT const QString colorText; // "#ffffff"

// Sorts names in Chinese (pinyin) order, QLocale::Chinese of any country: chineseCollator.compare(a, b) or
// std::sort(names.begin(), names.end(), chineseCollator). Ready when the library loads, before any QApplication, and
// only read afterwards, so any thread may use it.
extern ZCORVANEBASE_EXPORT const QCollator chineseCollator;

} // namespace ZCORVANEBASE
