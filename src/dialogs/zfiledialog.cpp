#include "dialogs/zfiledialog.h"

#include <QCoreApplication>
#include <QTimerEvent>

namespace ZCORVANEBASE {

template class ZSingleton<ZFileDialog>;

ZFileDialog::ZFileDialog(QObject* parent)
    : QObject(parent)
{
}

ZFileDialog::~ZFileDialog() = default;

namespace {
// A native file dialog runs a modal loop of its own, in which posted events, deferred deletions and queued signals
// from other threads would wait until it closes; the pump processes them at this interval meanwhile.
constexpr int pumpIntervalMs = 5;

// Runs `call` (which blocks while its dialog is open) with the event pump on. Nested calls each run their own pump.
template <typename Call> auto pumped(Call call) -> decltype(call())
{
    ZFileDialog& self = ZFileDialog::_instance();
    const int timerId = self.startTimer(pumpIntervalMs, Qt::CoarseTimer);
    auto result = call();
    if (timerId)
        self.killTimer(timerId);
    return result;
}
} // namespace

void ZFileDialog::timerEvent(QTimerEvent* event)
{
    QCoreApplication::processEvents();
    QObject::timerEvent(event);
}

QString ZFileDialog::getExistingDirectory(
    QWidget* parent, const QString& caption, const QString& dir, QFileDialog::Options options)
{
    return pumped([&] { return QFileDialog::getExistingDirectory(parent, caption, dir, options); });
}

QUrl ZFileDialog::getExistingDirectoryUrl(QWidget* parent, const QString& caption, const QUrl& dir,
    QFileDialog::Options options, const QStringList& supportedSchemes)
{
    return pumped(
        [&] { return QFileDialog::getExistingDirectoryUrl(parent, caption, dir, options, supportedSchemes); });
}

QString ZFileDialog::getOpenFileName(QWidget* parent, const QString& caption, const QString& dir, const QString& filter,
    QString* selectedFilter, QFileDialog::Options options)
{
    return pumped([&] { return QFileDialog::getOpenFileName(parent, caption, dir, filter, selectedFilter, options); });
}

QStringList ZFileDialog::getOpenFileNames(QWidget* parent, const QString& caption, const QString& dir,
    const QString& filter, QString* selectedFilter, QFileDialog::Options options)
{
    return pumped([&] { return QFileDialog::getOpenFileNames(parent, caption, dir, filter, selectedFilter, options); });
}

QUrl ZFileDialog::getOpenFileUrl(QWidget* parent, const QString& caption, const QUrl& dir, const QString& filter,
    QString* selectedFilter, QFileDialog::Options options, const QStringList& supportedSchemes)
{
    return pumped([&] {
        return QFileDialog::getOpenFileUrl(parent, caption, dir, filter, selectedFilter, options, supportedSchemes);
    });
}

QList<QUrl> ZFileDialog::getOpenFileUrls(QWidget* parent, const QString& caption, const QUrl& dir,
    const QString& filter, QString* selectedFilter, QFileDialog::Options options, const QStringList& supportedSchemes)
{
    return pumped([&] {
        return QFileDialog::getOpenFileUrls(parent, caption, dir, filter, selectedFilter, options, supportedSchemes);
    });
}

QString ZFileDialog::getSaveFileName(QWidget* parent, const QString& caption, const QString& dir, const QString& filter,
    QString* selectedFilter, QFileDialog::Options options)
{
    return pumped([&] { return QFileDialog::getSaveFileName(parent, caption, dir, filter, selectedFilter, options); });
}

QUrl ZFileDialog::getSaveFileUrl(QWidget* parent, const QString& caption, const QUrl& dir, const QString& filter,
    QString* selectedFilter, QFileDialog::Options options, const QStringList& supportedSchemes)
{
    return pumped([&] {
        return QFileDialog::getSaveFileUrl(parent, caption, dir, filter, selectedFilter, options, supportedSchemes);
    });
}

} // namespace ZCORVANEBASE
