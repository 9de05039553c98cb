#pragma once

// Library-internal access to the host worker. Every call into the host goes through hostWorker(), so a host that
// installed no worker (or deleted it) gets neutral answers and one warning per operation instead of a crash.

#include "frame/hostworker.h"

namespace ZCORVANEBASE {

// The installed worker, or nullptr after one qWarning (per operation name) that none is installed.
ZCORVANEBASE_PRIVATE_EXPORT ZCORVANEDLL::CorvaneDllBaseWorker* hostWorker(const char* operation);

// Neutral answers when no worker is installed.
ZCORVANEBASE_PRIVATE_EXPORT int hostClientType(); // 0
ZCORVANEBASE_PRIVATE_EXPORT ZCORVANEDLL::ClientLanguage hostClientLanguage(); // en_US
ZCORVANEBASE_PRIVATE_EXPORT QString hostDateFormat(); // "yyyy-MM-dd"
ZCORVANEBASE_PRIVATE_EXPORT QString hostStrDatetime(const QDateTime& dateTime, bool shortForm);

// The worker's default date-time text: "yyyy-MM-dd hh:mm:ss", or its "MM-dd hh:mm" part in the short form.
QString defaultStrDatetime(const QDateTime& dateTime, bool shortForm);

} // namespace ZCORVANEBASE
