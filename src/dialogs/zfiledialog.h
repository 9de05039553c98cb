#pragma once

#include <ZCorvaneBase/frame/zsingleton.h>

#include <QFileDialog>
#include <QObject>
#include <QUrl>

namespace ZCORVANEBASE {

ZCORVANEBASE_DECLARE_SINGLETON(ZFileDialog)

// The QFileDialog static functions, one for one (arguments and results pass through unchanged), with the
// application's own events processed every 5 ms while a dialog's modal loop runs. While a dialog is open anything in
// the application may run: callers must not hold state those events could invalidate.
class ZCORVANEBASE_EXPORT ZFileDialog : public QObject, public ZSingleton<ZFileDialog>
{
    Q_OBJECT
    friend class ZSingleton<ZFileDialog>;

public:
    static QString getExistingDirectory(QWidget* parent = nullptr, const QString& caption = QString(),
        const QString& dir = QString(), QFileDialog::Options options = QFileDialog::ShowDirsOnly);
    static QUrl getExistingDirectoryUrl(QWidget* parent = nullptr, const QString& caption = QString(),
        const QUrl& dir = QUrl(), QFileDialog::Options options = QFileDialog::ShowDirsOnly,
        const QStringList& supportedSchemes = QStringList());
    static QString getOpenFileName(QWidget* parent = nullptr, const QString& caption = QString(),
        const QString& dir = QString(), const QString& filter = QString(), QString* selectedFilter = nullptr,
        QFileDialog::Options options = QFileDialog::Options());
    static QStringList getOpenFileNames(QWidget* parent = nullptr, const QString& caption = QString(),
        const QString& dir = QString(), const QString& filter = QString(), QString* selectedFilter = nullptr,
        QFileDialog::Options options = QFileDialog::Options());
    static QUrl getOpenFileUrl(QWidget* parent = nullptr, const QString& caption = QString(), const QUrl& dir = QUrl(),
        const QString& filter = QString(), QString* selectedFilter = nullptr,
        QFileDialog::Options options = QFileDialog::Options(), const QStringList& supportedSchemes = QStringList());
    static QList<QUrl> getOpenFileUrls(QWidget* parent = nullptr, const QString& caption = QString(),
        const QUrl& dir = QUrl(), const QString& filter = QString(), QString* selectedFilter = nullptr,
        QFileDialog::Options options = QFileDialog::Options(), const QStringList& supportedSchemes = QStringList());
    static QString getSaveFileName(QWidget* parent = nullptr, const QString& caption = QString(),
        const QString& dir = QString(), const QString& filter = QString(), QString* selectedFilter = nullptr,
        QFileDialog::Options options = QFileDialog::Options());
    static QUrl getSaveFileUrl(QWidget* parent = nullptr, const QString& caption = QString(), const QUrl& dir = QUrl(),
        const QString& filter = QString(), QString* selectedFilter = nullptr,
        QFileDialog::Options options = QFileDialog::Options(), const QStringList& supportedSchemes = QStringList());

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    explicit ZFileDialog(QObject* parent = nullptr);
    ~ZFileDialog() override;
};

} // namespace ZCORVANEBASE
