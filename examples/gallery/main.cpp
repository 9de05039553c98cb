// The gallery: the library's demonstration host. It does what a client does at start-up (application, worker,
// moduleInit(), style sheet, host images) and shows one page per subsystem.

#include "gallerypage.h"
#include "gallerywindow.h"
#include "galleryworker.h"

#include "frame/corvanebaseinit.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QPalette>
#include <QStyleFactory>
#include <QTextStream>
#include <QTimer>

namespace {

// The gallery's own module initialiser: loads the application style sheet, one file per subsystem, in order.
class GalleryInit : public ZCORVANEBASE::ModuleInitialization
{
public:
    GalleryInit()
        : ModuleInitialization(nullptr)
    {
    }
    void moduleInit() override
    {
        if (initialized)
            return;
        loadStyleSheet(QStringLiteral(":/gallery/style/gallery.qss"));
        for (const char* sub : { "timeaxis", "dialogs", "datetime", "entry", "tables" })
            loadStyleSheet(QStringLiteral(":/gallery/style/%1.qss").arg(QLatin1String(sub)));
        initialized = true;
    }
};

QPalette darkPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Window, QColor("#0e1624"));
    palette.setColor(QPalette::WindowText, QColor("#ccd3dd"));
    palette.setColor(QPalette::Base, QColor("#0e1623"));
    palette.setColor(QPalette::AlternateBase, QColor("#131d2d"));
    palette.setColor(QPalette::Text, QColor("#ffffff"));
    palette.setColor(QPalette::Button, QColor("#213147"));
    palette.setColor(QPalette::ButtonText, QColor("#ccd3dd"));
    palette.setColor(QPalette::Highlight, QColor("#266baf"));
    palette.setColor(QPalette::HighlightedText, QColor("#ffffff"));
    palette.setColor(QPalette::ToolTipBase, QColor("#213147"));
    palette.setColor(QPalette::ToolTipText, QColor("#ffffff"));
    palette.setColor(QPalette::PlaceholderText, QColor("#6d7a8f"));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor("#6d7a8f"));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor("#6d7a8f"));
    return palette;
}

ZCORVANEDLL::ClientLanguage parseLanguage(const QString& text, bool* ok)
{
    *ok = true;
    if (text == QLatin1String("zh_CN"))
        return ZCORVANEDLL::ClientLanguageZhCN;
    if (text == QLatin1String("zh_HK"))
        return ZCORVANEDLL::ClientLanguageZhHK;
    if (text == QLatin1String("en_US"))
        return ZCORVANEDLL::ClientLanguageEnUS;
    *ok = false;
    return ZCORVANEDLL::ClientLanguageEnUS;
}

QString systemLanguage()
{
    const QLocale locale = QLocale::system();
    if (locale.language() != QLocale::Chinese)
        return QStringLiteral("en_US");
    return locale.country() == QLocale::China ? QStringLiteral("zh_CN") : QStringLiteral("zh_HK");
}

// The gallery's options.
struct CommandLine
{
    CommandLine()
    {
        parser.setApplicationDescription(QStringLiteral("ZCorvaneBase gallery: every widget of the library at work."));
        parser.addHelpOption();
        parser.addOptions({ lang, screenshot, page, rows, clientType });
    }
    QCommandLineParser parser;
    const QCommandLineOption lang { QStringLiteral("lang"), QStringLiteral("Client language: zh_CN, zh_HK or en_US."),
        QStringLiteral("language"), systemLanguage() };
    const QCommandLineOption screenshot { QStringLiteral("screenshot"),
        QStringLiteral("Render the pages to PNG files in <dir> and exit."), QStringLiteral("dir") };
    const QCommandLineOption page { QStringLiteral("page"), QStringLiteral("Open (or render) only this page."),
        QStringLiteral("name") };
    const QCommandLineOption rows { QStringLiteral("rows"), QStringLiteral("Rows of the playback page (default 16)."),
        QStringLiteral("n"), QStringLiteral("16") };
    const QCommandLineOption clientType { QStringLiteral("client-type"),
        QStringLiteral("Client type the worker reports (default 1)."), QStringLiteral("type"), QStringLiteral("1") };
};

// Renders every page (or the one asked for) into <dir>/<page>_<lang>.png.
int renderScreenshots(const GalleryOptions& options, const QString& dir, const QString& onlyPage)
{
    QDir().mkpath(dir);
    QTextStream out(stdout);
    int rendered = 0;
    for (const GalleryPage& page : galleryPages()) {
        if (!onlyPage.isEmpty() && page.name != onlyPage)
            continue;
        GalleryWindow window(options, page.name);
        window.show();
        window.fitCurrentPage();
        // Let layouts settle and simulated results arrive before the picture is taken.
        QEventLoop loop;
        QTimer::singleShot(600, &loop, &QEventLoop::quit);
        loop.exec();
        const QString file = QDir(dir).absoluteFilePath(QStringLiteral("%1_%2.png").arg(page.name, options.language));
        if (!window.grab().save(file)) {
            out << "could not write " << file << "\n";
            return 1;
        }
        out << file << "\n";
        ++rendered;
    }
    if (rendered == 0) {
        out << "no page named " << onlyPage << "\n";
        return 1;
    }
    out << "rendered " << rendered << " gallery page(s) into " << QDir(dir).absolutePath() << "\n";
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    // Help needs no display: it is answered before the application connects to one.
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "-h" || arg == "--help" || arg == "--help-all" || arg == "-?") {
            QCoreApplication app(argc, argv);
            CommandLine().parser.process(app); // prints the help and exits
            return 0;
        }
    }
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0) // Qt 6 always scales and uses high-DPI pixmaps
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
#endif
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zcorvane-gallery"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(darkPalette());

    CommandLine commandLine;
    QCommandLineParser& parser = commandLine.parser;
    const QCommandLineOption& langOption = commandLine.lang;
    const QCommandLineOption& screenshotOption = commandLine.screenshot;
    const QCommandLineOption& pageOption = commandLine.page;
    const QCommandLineOption& rowsOption = commandLine.rows;
    const QCommandLineOption& clientTypeOption = commandLine.clientType;
    parser.process(app);

    GalleryOptions options;
    bool ok = false;
    const ZCORVANEDLL::ClientLanguage language = parseLanguage(parser.value(langOption), &ok);
    if (!ok) {
        QTextStream(stderr) << "unknown language " << parser.value(langOption) << " (zh_CN, zh_HK or en_US)\n";
        return 2;
    }
    options.language = parser.value(langOption);
    options.rows = qBound(1, parser.value(rowsOption).toInt(), 64);
    options.screenshot = parser.isSet(screenshotOption);
    const QString onlyPage = parser.value(pageOption);

    // The host's side of start-up, in the order the library expects.
    ZCORVANEBASE::CorvaneBaseInit::_instance().worker
        = new GalleryWorker(language, parser.value(clientTypeOption).toInt());
    ZCORVANEBASE::CorvaneBaseInit::_instance().moduleInit();
    GalleryInit galleryInit;
    galleryInit.moduleInit();

    if (options.screenshot)
        return renderScreenshots(options, parser.value(screenshotOption), onlyPage);

    GalleryWindow window(options, onlyPage);
    window.show();
    return app.exec();
}
