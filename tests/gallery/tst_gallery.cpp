// Every gallery page, opened the way the gallery opens it: each interactive element has an accessible name, and
// the language menu retranslates the library's widgets live and back again.

#include "gallerypage.h"
#include "gallerywindow.h"
#include "galleryworker.h"

#include "frame/corvanebaseinit.h"
#include "frame/dictdef.h"
#if defined(ZCB_WITH_DATETIME)
#include "datetime/calendarwt.h"
#endif

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QTest>

using namespace ZCORVANEBASE;

class tst_Gallery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyInteractiveElementIsNamed_data();
    void everyInteractiveElementIsNamed();
    void languageMenuRetranslatesLive_data();
    void languageMenuRetranslatesLive();
#if defined(ZCB_WITH_TIMEAXIS) && defined(ZCB_WITH_DATETIME)
    void playbackDayPickerMarksRecordedDays();
#endif
    void windowKeepsItsSizeOnEveryPage();
    void helpNeedsNoDisplay();
#if defined(ZCB_WITH_DATETIME)
    void spanEditAlikeLiveAndInScreenshots();
#endif

private:
    static void addPageRows();
};

namespace {

bool isInteractive(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::Slider:
    case QAccessible::SpinBox:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::ButtonDropGrid:
    case QAccessible::Dial:
    case QAccessible::PageTab:
    case QAccessible::Link:
        return true;
    default:
        return false;
    }
}

QString describe(QAccessibleInterface* iface)
{
    QObject* object = iface->object();
    QStringList path;
    for (QObject* o = object; o; o = o->parent())
        path.prepend(o->objectName().isEmpty() ? QString::fromLatin1(o->metaObject()->className()) : o->objectName());
    return QStringLiteral("role 0x%1 %2").arg(int(iface->role()), 0, 16).arg(path.join(QLatin1Char('/')));
}

// Interactive, visible elements without a name, below `iface`. The editor inside a combo or spin box is named by
// its owner.
void collectUnnamed(QAccessibleInterface* iface, QStringList& unnamed, int depth = 0)
{
    if (!iface || depth > 64 || iface->state().invisible)
        return;
    if (isInteractive(iface->role()) && iface->text(QAccessible::Name).trimmed().isEmpty())
        unnamed << describe(iface);
    const QAccessible::Role role = iface->role();
    if (role == QAccessible::ComboBox || role == QAccessible::SpinBox)
        return;
    for (int i = 0; i < iface->childCount(); ++i)
        collectUnnamed(iface->child(i), unnamed, depth + 1);
}

// The texts the library's widgets show (their own and their children's), in a fixed order.
QStringList libraryTexts(QWidget* root)
{
    QStringList texts;
    const QList<QWidget*> widgets = root->findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        bool inLibrary = false;
        for (QWidget* w = widget; w && !inLibrary; w = w->parentWidget())
            inLibrary = QByteArray(w->metaObject()->className()).startsWith("ZCORVANEBASE::");
        if (!inLibrary)
            continue;
        if (auto* label = qobject_cast<QLabel*>(widget))
            texts << label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            texts << button->text();
        if (auto* edit = qobject_cast<QLineEdit*>(widget))
            texts << edit->placeholderText();
        texts << widget->toolTip() << widget->accessibleName();
    }
    return texts;
}

void settle(int ms)
{
    QTest::qWait(ms);
}

void chooseLanguage(GalleryWindow& window, const QString& suffix)
{
    QComboBox* menu = window.languageMenu();
    const int index = menu->findData(suffix);
    QVERIFY(index >= 0);
    menu->setCurrentIndex(index);
    emit menu->activated(index);
}

} // namespace

void tst_Gallery::initTestCase()
{
    QAccessible::setActive(true);
    CorvaneBaseInit::_instance().worker = new GalleryWorker(ZCORVANEDLL::ClientLanguageEnUS, 1);
    CorvaneBaseInit::_instance().moduleInit();
    QVERIFY(!galleryPages().isEmpty());
}

void tst_Gallery::addPageRows()
{
    QTest::addColumn<QString>("page");
    for (const GalleryPage& page : galleryPages())
        QTest::newRow(qPrintable(page.name)) << page.name;
}

void tst_Gallery::everyInteractiveElementIsNamed_data()
{
    addPageRows();
}

void tst_Gallery::everyInteractiveElementIsNamed()
{
    QFETCH(QString, page);
    GalleryOptions options;
    options.screenshot = true; // populated at once
    GalleryWindow window(options, page);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    settle(300);
    QStringList unnamed;
    collectUnnamed(QAccessible::queryAccessibleInterface(&window), unnamed);
    QVERIFY2(unnamed.isEmpty(), qPrintable(QStringLiteral("\n") + unnamed.join(QLatin1Char('\n'))));
}

void tst_Gallery::languageMenuRetranslatesLive_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<bool>("showsLibraryTexts"); // the controls page shows only the gallery's own texts
    for (const GalleryPage& page : galleryPages())
        QTest::newRow(qPrintable(page.name)) << page.name << (page.name != QLatin1String("controls"));
}

void tst_Gallery::languageMenuRetranslatesLive()
{
    QFETCH(QString, page);
    QFETCH(bool, showsLibraryTexts);
    GalleryOptions options;
    options.screenshot = true;
    GalleryWindow window(options, page);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    settle(300);
    const QStringList english = libraryTexts(&window);

    chooseLanguage(window, QStringLiteral("zh_CN"));
    QCOMPARE(galleryWorker()->getClientLanguage(), ZCORVANEDLL::ClientLanguageZhCN);
    QCOMPARE(DictDef::_instance().msgError, QStringLiteral("错误"));
    const QStringList chinese = libraryTexts(&window);
    QCOMPARE(chinese.size(), english.size());
    if (showsLibraryTexts)
        QVERIFY2(chinese != english, "no text of the library's widgets changed");

    chooseLanguage(window, QStringLiteral("en_US"));
    QCOMPARE(libraryTexts(&window), english); // the round trip restores every text
}

#if defined(ZCB_WITH_TIMEAXIS) && defined(ZCB_WITH_DATETIME)
void tst_Gallery::playbackDayPickerMarksRecordedDays()
{
    GalleryOptions options;
    options.screenshot = true;
    GalleryWindow window(options, QStringLiteral("timeaxis"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* dayEdit = window.findChild<QDateEdit*>(QStringLiteral("dayEdit"));
    QVERIFY(dayEdit);
    auto* picker = dayEdit->findChild<CalendarWt*>(QStringLiteral("dayPickerCalendar"));
    QVERIFY(picker);
    QVERIFY(!picker->isVisible());
    QTest::mouseClick(dayEdit, Qt::LeftButton);
    QTRY_VERIFY(picker->isVisible());
    QVERIFY(picker->isTodayMarked());
    QVERIFY(picker->dayMarks().value(QDate::currentDate().addDays(-1)) != 0); // the gallery records every day
    const QDate before = dayEdit->date().addDays(-3);
    emit picker->signalDayClicked(before); // what a click on a day cell sends
    QCOMPARE(dayEdit->date(), before);
    QVERIFY(!picker->isVisible());
}
#endif

// Wide pages scroll: visiting each leaves the window as wide as it was (a page once forced it to 1,907 pixels, and
// it stayed so, its close button off a smaller screen).
void tst_Gallery::windowKeepsItsSizeOnEveryPage()
{
    GalleryOptions options;
    GalleryWindow window(options, QString());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QSize size = window.size();
    auto* pages = window.findChild<QListWidget*>(QStringLiteral("galleryPageList"));
    QVERIFY(pages);
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentRow(i);
        settle(50);
        QCOMPARE(window.size(), size);
    }
}

// `zcorvane-gallery --help` answers without a display (it once aborted looking for one).
void tst_Gallery::helpNeedsNoDisplay()
{
    QProcess gallery;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM" })
        environment.remove(QLatin1String(name));
    gallery.setProcessEnvironment(environment);
    gallery.start(QStringLiteral(ZCB_GALLERY_PATH), { QStringLiteral("--help") });
    QVERIFY(gallery.waitForFinished(30000));
    QCOMPARE(gallery.exitStatus(), QProcess::NormalExit);
    QCOMPARE(gallery.exitCode(), 0);
    QVERIFY(gallery.readAllStandardOutput().contains("--screenshot"));
}

#if defined(ZCB_WITH_DATETIME)
// The span edit shows the same span live as in a screenshot.
void tst_Gallery::spanEditAlikeLiveAndInScreenshots()
{
    QStringList texts;
    for (bool screenshot : { false, true }) {
        GalleryOptions options;
        options.screenshot = screenshot;
        GalleryWindow window(options, QStringLiteral("datetime"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        settle(100);
        auto* edit = window.findChild<QLineEdit*>(QStringLiteral("gallerySpanEdit"));
        QVERIFY(edit);
        texts << edit->text();
    }
    QVERIFY(!texts.first().isEmpty());
    QCOMPARE(texts.first(), texts.last());
}
#endif

QTEST_MAIN(tst_Gallery)
#include "tst_gallery.moc"
