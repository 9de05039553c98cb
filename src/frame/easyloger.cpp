#include "frame/easyloger_p.h"

#include "frame/constants.h"

#include <QDir>
#include <QFile>
#include <QMutexLocker>

namespace ZCORVANEBASE {

EasyLoger::EasyLoger(QObject* parent)
    : EasyLoger(logDir, parent)
{
}

EasyLoger::EasyLoger(const QString& directory, QObject* parent)
    : QObject(parent)
    , directory(directory)
{
}

EasyLoger::~EasyLoger() = default;

void EasyLoger::setMinimumLevel(Level level)
{
    QMutexLocker locker(&mutex);
    minimumLevel = level;
}

QString EasyLoger::fileFor(const QDate& day) const
{
    return directory + QLatin1Char('/') + day.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(".log");
}

bool EasyLoger::write(Level level, const QString& message, const QDateTime& when)
{
    static const char* const names[] = { "DEBUG", "INFO", "WARNING", "ERROR" };
    if (level < Debug || level > Error || !when.isValid())
        return false;
    QMutexLocker locker(&mutex);
    if (level < minimumLevel)
        return false;
    if (!QDir().mkpath(directory))
        return false;
    QFile file(fileFor(when.date()));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        return false;
    // Continuation lines of a multi-line message keep the prefix, so every line of the file can be grepped.
    QString body = message;
    body.replace(QLatin1Char('\n'), QLatin1Char('\n') + logPrefix);
    const QString line = logPrefix + when.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz")) + QStringLiteral(" [")
        + QLatin1String(names[level]) + QStringLiteral("] ") + body + QLatin1Char('\n');
    const QByteArray bytes = line.toUtf8();
    return file.write(bytes) == bytes.size();
}

} // namespace ZCORVANEBASE
