#pragma once

#include "frame/zcorvanebase_global.h"

#include <QDateTime>
#include <QMutex>
#include <QObject>

namespace ZCORVANEBASE {

// The client suite's small file logger. The library itself never logs; the class is internal and serves the
// suite's own tools.
//
// Each line is logPrefix, a time stamp with milliseconds, the level in brackets and the message, appended to one
// file per day, "<directory>/<yyyy-MM-dd>.log" (directory logDir unless given). Lines below the minimum level are
// dropped. write() may be called from any thread; a line is written whole or not at all.
class ZCORVANEBASE_PRIVATE_EXPORT EasyLoger : public QObject
{
    Q_OBJECT

public:
    enum Level
    {
        Debug = 0,
        Info = 1,
        Warning = 2,
        Error = 3
    };

    explicit EasyLoger(QObject* parent = nullptr);
    EasyLoger(const QString& directory, QObject* parent);
    ~EasyLoger() override;

    void setMinimumLevel(Level level);
    // Appends one line; returns false when the line was dropped or the file could not be written.
    bool write(Level level, const QString& message, const QDateTime& when = QDateTime::currentDateTime());
    QString fileFor(const QDate& day) const;

private:
    QString directory;
    QMutex mutex;
    Level minimumLevel = Debug;
};

} // namespace ZCORVANEBASE
