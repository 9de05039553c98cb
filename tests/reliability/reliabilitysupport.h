#pragma once

// Shared by the reliability tests: the library's warnings, captured per test, and the check that an operation which
// needs a missing host warns once at most.

#include "zcbtest.h"

#include <QStringList>
#include <QtGlobal>

namespace ReliabilitySupport {

inline QStringList warnings; // the library's warnings since the last clear
inline QtMessageHandler previousHandler = nullptr;

inline void recordWarning(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("ZCorvaneBase")))
        warnings << message;
    else if (previousHandler)
        previousHandler(type, context, message);
}

// Call from initTestCase(): other messages still reach the previous handler.
inline void captureWarnings()
{
    previousHandler = qInstallMessageHandler(recordWarning);
}

// Call from init(): a new fake host and no warnings yet.
inline FakeWorker* freshHost()
{
    FakeWorker* worker = ZcbTest::installFakeWorker();
    warnings.clear();
    return worker;
}

inline bool noWarningRepeated()
{
    QStringList unique = warnings;
    unique.removeDuplicates();
    return unique == warnings;
}

} // namespace ReliabilitySupport
