// Every gallery page, opened the way the gallery opens it: each interactive element has an accessible name, and
// the language menu retranslates the library's widgets live and back again. Also the gallery's own promises: wide
// pages scroll, --help needs no display, the playback day picker marks recorded days, and the span edit shows the
// same span live as in screenshots.

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

namespace {

// Interactive, visible elements without a name, below `iface`. The editor inside a combo or spin box is named by
// its owner.
void collectUnnamed(QAccessibleInterface* iface, QStringList& unnamed, int depth = 0)
{
    static const QSet<QAccessible::Role> interactive { QAccessible::PushButton, QAccessible::CheckBox,
        QAccessible::RadioButton, QAccessible::ComboBox, QAccessible::EditableText, QAccessible::Slider,
        QAccessible::SpinBox, QAccessible::ButtonMenu, QAccessible::ButtonDropDown, QAccessible::ButtonDropGrid,
        QAccessible::Dial, QAccessible::PageTab, QAccessible::Link };
    if (!iface || depth > 64 || iface->state().invisible)
        return;
    const QAccessible::Role role = iface->role();
    if (interactive.contains(role) && iface->text(QAccessible::Name).trimmed().isEmpty()) {
        QStringList path; // the object names up to the window, or the class names where there is none
        for (QObject* o = iface->object(); o; o = o->parent())
            path.prepend(
                o->objectName().isEmpty() ? QString::fromLatin1(o->metaObject()->className()) : o->objectName());
        unnamed << QStringLiteral("role 0x%1 %2").arg(int(role), 0, 16).arg(path.join(QLatin1Char('/')));
    }
    for (int i = 0; role != QAccessible::ComboBox && role != QAccessible::SpinBox && i < iface->childCount(); ++i)
        collectUnnamed(iface->child(i), unnamed, depth + 1);
}

// The texts the library's widgets show (their own and their children's), in a fixed order.
QStringList libraryTexts(QWidget* root)
{
    QStringList texts;
    for (QWidget* widget : root->findChildren<QWidget*>()) {
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

void chooseLanguage(GalleryWindow& window, const QString& suffix)
{
    QComboBox* menu = window.languageMenu();
    menu->setCurrentIndex(menu->findData(suffix));
    QVERIFY(menu->currentIndex() >= 0);
    emit menu->activated(menu->currentIndex());
}

} // namespace

class tst_Gallery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QAccessible::setActive(true);
        CorvaneBaseInit::_instance().worker = new GalleryWorker(ZCORVANEDLL::ClientLanguageEnUS, 1);
        CorvaneBaseInit::_instance().moduleInit();
        QVERIFY(!galleryPages().isEmpty());
    }

    void everyPage_data()
    {
        QTest::addColumn<QString>("page");
        for (const GalleryPage& page : galleryPages())
            QTest::newRow(qPrintable(page.name)) << page.name;
    }
    // Every interactive element has a name; the language menu changes the texts of the library's widgets (the
    // controls page shows only the gallery's own) and the round trip restores every one.
    void everyPage()
    {
        QFETCH(QString, page);
        GalleryOptions options;
        options.screenshot = true; // populated at once
        GalleryWindow window(options, page);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(300);
        QStringList unnamed;
        collectUnnamed(QAccessible::queryAccessibleInterface(&window), unnamed);
        QVERIFY2(unnamed.isEmpty(), qPrintable(QStringLiteral("\n") + unnamed.join(QLatin1Char('\n'))));
        const QStringList english = libraryTexts(&window);
        chooseLanguage(window, QStringLiteral("zh_CN"));
        QCOMPARE(galleryWorker()->getClientLanguage(), ZCORVANEDLL::ClientLanguageZhCN);
        QCOMPARE(DictDef::_instance().msgError, QStringLiteral("错误"));
        const QStringList chinese = libraryTexts(&window);
        QCOMPARE(chinese.size(), english.size());
        QVERIFY2(chinese != english || page == QLatin1String("controls"), "no text of the library's widgets changed");
        chooseLanguage(window, QStringLiteral("en_US"));
        QCOMPARE(libraryTexts(&window), english);
    }

#if defined(ZCB_WITH_TIMEAXIS) && defined(ZCB_WITH_DATETIME)
    void playbackDayPickerMarksRecordedDays()
    {
        GalleryOptions options;
        options.screenshot = true;
        GalleryWindow window(options, QStringLiteral("timeaxis"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* dayEdit = window.findChild<QDateEdit*>(QStringLiteral("dayEdit"));
        auto* picker = dayEdit->findChild<CalendarWt*>(QStringLiteral("dayPickerCalendar"));
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
    void windowKeepsItsSizeOnEveryPage()
    {
        GalleryWindow window(GalleryOptions {}, QString());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QSize size = window.size();
        auto* pages = window.findChild<QListWidget*>(QStringLiteral("galleryPageList"));
        for (int i = 0; i < pages->count(); ++i) {
            pages->setCurrentRow(i);
            QTest::qWait(50);
            QCOMPARE(window.size(), size);
        }
    }

    // `zcorvane-gallery --help` answers without a display (it once aborted looking for one).
    void helpNeedsNoDisplay()
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
    void spanEditAlikeLiveAndInScreenshots()
    {
        QStringList texts;
        for (bool screenshot : { false, true }) {
            GalleryOptions options;
            options.screenshot = screenshot;
            GalleryWindow window(options, QStringLiteral("datetime"));
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QTest::qWait(100);
            texts << window.findChild<QLineEdit*>(QStringLiteral("gallerySpanEdit"))->text();
        }
        QVERIFY(!texts.first().isEmpty());
        QCOMPARE(texts.first(), texts.last());
    }
#endif
};

QTEST_MAIN(tst_Gallery)
#include "tst_gallery.moc"
