// Keyboard operation, screen readers, language switch and high-DPI painting of the time axis.

#include "timeaxis/channelrecordingtimeaxiswt_p.h"
#include "timeaxis/recordinglabelwt_p.h"
#include "timeaxis/recordingstimeaxisbox.h"
#include "timeaxis/timeaxisaccessible_p.h"
#include "timeaxis/timeaxiswt.h"

#include "frame/zcheckbox.h"
#include "timeaxisoracle.h"
#include "zcbtest.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QtTest>

using namespace ZCORVANEBASE;
using namespace TimeAxisOracle;
using BarWt = ChannelRecordingTimeAxisWt;
using Calls = QList<QVariantList>;

namespace {

// A ruler 1480 pixels wide over the test day (label centres at 19 and 1459, a minute a pixel at 24 hours) that
// collects its span changes as "degree@hh:mm:ss".
class Ruler : public TimeAxisWt
{
public:
    Ruler()
    {
        setMinBeginDatetime(at(0, 0));
        resize(1480, 33);
        connect(
            this, &TimeAxisWt::signalBeginTimeAndDegreeChanged, [this](TimeAxisDegree degree, const QDateTime& begin) {
                events << QString::number(degree) + '@' + begin.toString("hh:mm:ss");
            });
    }
    QStringList events;
};

// A box whose bars are 1440 pixels wide (a minute a pixel) from x 116; rows are 22 pixels apart from y 10. Row i
// searches "dev<i>_1", named "Camera <i>" by the fake host.
class Box : public RecordingsTimeAxisBox
{
public:
    explicit Box(int count, bool downloadEnabled = false)
        : RecordingsTimeAxisBox(count, downloadEnabled)
    {
        for (auto* bar : findChildren<BarWt*>())
            bar->setBeginTimeAndDegree(Degree24Hours, at(0, 0));
        setChannelCheckBoxWidth(100);
        setMarginRight(10);
        resize(10 + 100 + 6 + 1440 + 10, height());
    }
    void fill(int row, const QVector<RecordingTimeInfo>& recordings)
    {
        const QString channelId = QStringLiteral("dev%1_1").arg(row);
        setRecordingSearchInfo(SearchStarted, "key",
            RecordingSearchInfo { channelId, 1, row, 0, at(0, 0), at(0, 0).addDays(1), QDateTime() });
        setChannelRecordingsTimeInfo(recordings, row, "key", true, false);
    }
    void mark(int row, const QString& name, const QDateTime& datetime)
    {
        const LocalRecordingLabelInfo info { name, QStringLiteral("dev%1_1").arg(row), 1, datetime };
        QMetaObject::invokeMethod(
            bar(row), "slotAddRecordingLabelToLocalDB", Q_ARG(LocalRecordingLabelInfo, info), Q_ARG(int, 0));
    }
    ZCheckBox* checkBox(int row) { return findChild<ZCheckBox*>(QStringLiteral("checkBox_%1").arg(row)); }
    BarWt* bar(int row) { return findChild<BarWt*>(QStringLiteral("channelRecordingTimeAxisWt_%1").arg(row)); }
};

// Row 1 of the key tests: recordings (alarms marked) 02:00-02:30, 02:40!-03:00, 03:10-03:20, 04:00!-04:30, label
// marks at 02:10 and 03:15, and bookmarks from 02:20, 04:10 and 05:00 (outside every recording).
void fillKeyRow(Box& box)
{
    box.fill(1,
        { recording(at(2, 0), at(2, 30)), recording(at(2, 40), at(3, 0), true), recording(at(3, 10), at(3, 20)),
            recording(at(4, 0), at(4, 30), true) });
    box.mark(1, "Door", at(2, 10));
    box.mark(1, "Gate", at(3, 15));
    box.setBookmarks(1,
        { { "3", "Van", at(5, 0), at(5, 10) }, { "1", "Dock", at(2, 20), at(2, 25) },
            { "2", "Fence", at(4, 10), at(4, 20) } });
}
// How a bar's description names them.
const QString bookmarks
    = "; bookmarks: Dock 02:20:00 to 02:25:00, Fence 04:10:00 to 04:20:00, Van 05:00:00 to 05:10:00";

// "Right", "^Left" (Ctrl), "!Left" (Alt), "~B" (Shift), "#+" (keypad), and single characters.
void typeKeys(QWidget* widget, const QString& keys)
{
    static const QHash<QString, Qt::Key> names { { "Left", Qt::Key_Left }, { "Right", Qt::Key_Right },
        { "Up", Qt::Key_Up }, { "Down", Qt::Key_Down }, { "PgUp", Qt::Key_PageUp }, { "PgDn", Qt::Key_PageDown },
        { "Home", Qt::Key_Home }, { "End", Qt::Key_End }, { "Space", Qt::Key_Space }, { "+", Qt::Key_Plus },
        { "=", Qt::Key_Equal }, { "-", Qt::Key_Minus }, { "N", Qt::Key_N }, { "P", Qt::Key_P }, { "B", Qt::Key_B } };
    static const QHash<QChar, Qt::KeyboardModifier> prefixes { { '^', Qt::ControlModifier }, { '!', Qt::AltModifier },
        { '~', Qt::ShiftModifier }, { '#', Qt::KeypadModifier } };
    for (QString key : keys.split(' ', Qt::SkipEmptyParts)) {
        Qt::KeyboardModifiers modifiers;
        while (key.size() > 1 && prefixes.contains(key.at(0))) {
            modifiers |= prefixes.value(key.at(0));
            key.remove(0, 1);
        }
        QVERIFY2(names.contains(key), qPrintable(key));
        QTest::keyClick(widget, names.value(key), modifiers);
    }
}

// The widget rendered at a device pixel ratio of 2 onto black.
QImage render2x(QWidget& widget)
{
    QImage image(widget.size() * 2, QImage::Format_ARGB32);
    image.fill(Qt::black);
    image.setDevicePixelRatio(2);
    widget.render(&image);
    return image;
}

bool showFocused(QWidget* window)
{
    window->show();
    QApplication::setActiveWindow(window);
    if (!QTest::qWaitForWindowActive(window))
        return false;
    window->setFocus();
    return window->hasFocus();
}

QStringList accessibilityEvents;
void recordAccessibilityEvent(QAccessibleEvent* event)
{
    const QString name = event->object() ? event->object()->objectName() : QString();
    if (event->type() == QAccessible::ValueChanged)
        accessibilityEvents << "value " + name + ' '
                + static_cast<QAccessibleValueChangeEvent*>(event)->value().toString();
    else if (event->type() == QAccessible::Focus)
        accessibilityEvents << "focus " + name;
    else if (event->type() == QAccessible::DescriptionChanged)
        accessibilityEvents << "description " + name + ' '
                + QAccessible::queryAccessibleInterface(event->object())->text(QAccessible::Description);
}

} // namespace

class tst_TimeAxisOperation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<Qt::CheckState>(); }

    void init()
    {
        FakeWorker* worker = ZcbTest::installFakeWorker();
        for (int i = 0; i < 4; ++i)
            worker->channelNames.insert(QStringLiteral("dev%1_1").arg(i), QStringLiteral("Camera %1").arg(i));
    }

    void rulerKeys_data()
    {
        // The span the keys start from: hours, zoomed about this hour of the day ; keys ; what the ruler announced.
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QString>("row");
        QTest::newRow("off: keys do nothing") << false << "1 12 ; Right PgDn Home + ; ";
        QTest::newRow("whole day: no pan") << true << "24 0 ; Right PgDn End Home ; ";
        // At one hour (begin 11:30) a minor tick is 75 s.
        QTest::newRow("minor ticks") << true << "1 12 ; Right Left Left ; 1@11:31:15 1@11:30:00 1@11:28:45";
        QTest::newRow("label steps") << true << "3 12 ; PgDn PgUp PgUp ; 3@10:45:00 3@10:30:00 3@10:15:00";
        QTest::newRow("ends of the day") << true << "6 12 ; End End Home ; 6@18:00:00 6@00:00:00";
        QTest::newRow("clamped at the start") << true << "12 1 ; PgUp PgUp Left ; 12@00:00:00";
        QTest::newRow("clamped at the end") << true << "3 23 ; End PgDn Right ; 3@21:00:00";
        // Zoom about the middle of the view by the wheel's rule: noon each time here.
        QTest::newRow("zoom keys") << true << "24 0 ; + = - #- ; 12@06:00:00 6@09:00:00 12@06:00:00 24@00:00:00";
        QTest::newRow("zoom at the ends") << true << "1 12 ; + ; ";
        QTest::newRow("modified keys are not the ruler's") << true << "3 12 ; ^Right !PgDn ^+ ; ";
    }

    void rulerKeys()
    {
        QFETCH(bool, enabled);
        QFETCH(QString, row);
        const QStringList parts = row.split(" ; ");
        const QStringList start = parts.at(0).split(' ');
        Ruler ruler;
        ruler.updateTimeAxisDegreeAtFixedDatetime(TimeAxisDegree(start.at(0).toInt()), at(start.at(1).toInt(), 0));
        ruler.events.clear();
        ruler.setKeyboardNavigationEnabled(enabled);
        QCOMPARE(ruler.focusPolicy(), enabled ? Qt::StrongFocus : Qt::NoFocus);
        ruler.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ruler));
        if (enabled)
            QVERIFY(showFocused(&ruler));
        const QImage before = ruler.grab().toImage();
        typeKeys(&ruler, parts.at(1));
        QCOMPARE(ruler.events.join(' '), parts.at(2).trimmed());
        if (!enabled)
            QCOMPARE(ruler.grab().toImage(), before);
    }

    // The focused ruler frames its tick strip; turning the keys off gives back the focus policy and the pixels.
    void rulerFocusFrame()
    {
        Ruler ruler;
        ruler.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ruler));
        const QImage plain = ruler.grab().toImage();
        ruler.setKeyboardNavigationEnabled(true);
        QVERIFY(showFocused(&ruler));
        QImage framed = ruler.grab().toImage();
        // The strip starts 3 pixels down: its edge is framed, a tick of the base line stays.
        for (const QPoint& p : { QPoint(0, 3), QPoint(1479, 3), QPoint(700, 32), QPoint(0, 28) })
            QCOMPARE(framed.pixelColor(p), QColor("#4da3ff"));
        QCOMPARE(framed.pixelColor(19, 30), QColor("#323e58"));
        ruler.setKeyboardNavigationEnabled(false);
        QCOMPARE(ruler.focusPolicy(), Qt::NoFocus);
        QTRY_COMPARE(ruler.grab().toImage(), plain);
    }

    void boxKeys_data()
    {
        // On ; the row with the recordings of fillKeyRow() made to play at (-: not playing) ; keys typed on the box
        // (focus row 0 at first) ; what the box asked the host to play, in order.
        QTest::addColumn<QString>("row");
        QTest::newRow("off: keys do nothing") << "0 ; - ; Down ^Right N B Space ; ";
        QTest::newRow("next recordings, from the view's begin")
            << "1 ; - ; Down ^Right ^Right ^Right ^Right ^Right ; 02:00:00 02:40:00 03:10:00 04:00:00";
        QTest::newRow("previous: this recording's begin, then the one before")
            << "1 ; 02:50 ; Down ^Left ^Left ^Left ; 02:40:00 02:00:00";
        QTest::newRow("previous from the view's end") << "1 ; - ; Down ^Left ; 04:00:00";
        QTest::newRow("alarm recordings") << "1 ; 02:10 ; Down !Right !Right !Right !Left ; 02:40:00 04:00:00 02:40:00";
        QTest::newRow("label marks") << "1 ; 02:00 ; Down N N N P P ; 02:10:00 03:15:00 02:10:00";
        // The bookmark at 05:00 lies outside every recording: nothing to play there.
        QTest::newRow("bookmarks") << "1 ; 02:00 ; Down B B B ~B ~B ^B ; 02:20:00 04:10:00 02:20:00";
        QTest::newRow("the focus row, not another") << "1 ; - ; ^Right Down Down ^Right Up ^Right ; 02:00:00";
    }

    void boxKeys()
    {
        QFETCH(QString, row);
        const QStringList part = row.split(" ; ");
        const bool enabled = part[0] == QLatin1String("1");
        Box box(3);
        fillKeyRow(box);
        if (part[1] != QLatin1String("-"))
            box.appointPlaybackTime("dev1_1", 1, QDateTime(at(0, 0).date(), QTime::fromString(part[1], "hh:mm")));
        box.setKeyboardNavigationEnabled(enabled);
        QCOMPARE(box.checkBox(0)->focusPolicy(), enabled ? Qt::NoFocus : Qt::StrongFocus);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        if (enabled)
            QVERIFY(showFocused(&box));
        QSignalSpy appointSpy(&box, SIGNAL(signalAppointPlaybackTime(QString,int,int,QDateTime)));
        QSignalSpy checkSpy(&box, SIGNAL(signalAllChannelRecordingTimeAxisCheckState(Qt::CheckState)));
        const QImage before = box.grab().toImage();
        typeKeys(&box, part[2]);
        QStringList times;
        for (const QVariantList& call : Calls(appointSpy)) {
            QCOMPARE(call.mid(0, 3), (QVariantList { "dev1_1", 1, 1 }));
            times << call.at(3).toDateTime().toString("hh:mm:ss");
        }
        QCOMPARE(times.join(' '), part[3].trimmed());
        if (!enabled) {
            QCOMPARE(checkSpy.count(), 0);
            QCOMPARE(box.grab().toImage(), before);
        }
    }

    // A keyboard seek outside the visible span pans the box's ruler to show it in the middle, kept inside the day.
    void keyboardSeekBringsMomentIntoView()
    {
        Ruler ruler;
        Box box(3);
        box.setTimeAxisWt(&ruler);
        ruler.updateTimeAxisDegreeAtFixedDatetime(Degree1Hour, at(12, 0)); // 11:30 to 12:30
        fillKeyRow(box);
        box.setKeyboardNavigationEnabled(true);
        QVERIFY(showFocused(&box));
        ruler.events.clear();
        typeKeys(&box, "Down ^Left ^Left ^Right N");
        // 04:00 (the last recording to begin before 12:30), 03:10 (the one before), 04:00 again: each outside the
        // hour shown, so the ruler puts it in the middle; N finds no label mark after 04:00.
        QCOMPARE(ruler.events, (QStringList { "1@03:30:00", "1@02:40:00", "1@03:30:00" }));
        QCOMPARE(box.bar(1)->getPlaybackDatetime(), at(4, 0));
    }

    // Up/Down move the framed focus row (a click too), Space clicks its check box; off again, the policies return.
    void boxFocusRowAndSpace()
    {
        Box box(3);
        box.setKeyboardNavigationEnabled(true);
        QVERIFY(showFocused(&box));
        auto* frame = box.findChild<QWidget*>("keyboardFocusFrame");
        QVERIFY(frame && frame->isVisible());
        QSignalSpy checkSpy(&box, SIGNAL(signalAllChannelRecordingTimeAxisCheckState(Qt::CheckState)));
        typeKeys(&box, "Up Space Down Down Down Space");
        QCOMPARE(checkSpy.count(), 2);
        for (const QVariantList& call : qAsConst(checkSpy))
            QCOMPARE(call.at(0).value<Qt::CheckState>(), Qt::PartiallyChecked);
        QVERIFY(box.checkBox(0)->isChecked() && !box.checkBox(1)->isChecked() && box.checkBox(2)->isChecked());
        QCOMPARE(frame->geometry(), QRect(9, 10 + 2 * 22 - 1, 100 + 6 + 1440 + 2, 23));
        QCOMPARE(box.grab().toImage().pixelColor(9, 10 + 2 * 22 - 1), QColor("#4da3ff"));
        QTest::mouseClick(box.bar(1), Qt::LeftButton, {}, QPoint(5, 5)); // a click moves the focus row
        QCOMPARE(frame->y(), 10 + 22 - 1);
        QVERIFY(box.hasFocus());
        box.setFocus(); // keys go on from the clicked row
        typeKeys(&box, "Space");
        QVERIFY(box.checkBox(1)->isChecked());
        box.clearFocus();
        QVERIFY(frame->isHidden());
        box.setKeyboardNavigationEnabled(false);
        QVERIFY(!box.findChild<QWidget*>("keyboardFocusFrame"));
        QCOMPARE(box.checkBox(1)->focusPolicy(), Qt::StrongFocus);
        QCOMPARE(box.focusPolicy(), Qt::NoFocus);
    }

    void accessibleInterfaces()
    {
        Ruler ruler;
        Box box(3, true);
        ruler.updateTimeAxisDegreeAtFixedDatetime(Degree6Hours, at(12, 0));
        fillKeyRow(box);
        box.fill(2, { recording(at(1, 0), at(2, 0)) });
        box.appointPlaybackTime("dev1_1", 1, at(2, 45, 30));
        box.checkBox(2)->setFixedWidth(40); // the check box elides; screen readers get the whole title

        QAccessibleInterface* rulerIface = QAccessible::queryAccessibleInterface(&ruler);
        QCOMPARE(rulerIface->role(), QAccessible::ScrollBar);
        QCOMPARE(rulerIface->text(QAccessible::Value), "09:00 to 15:00");
        QVERIFY(!rulerIface->text(QAccessible::Description).isEmpty());
        QCOMPARE(rulerIface->valueInterface()->currentValue().toInt(), 9 * 3600);

        // A language switch sets again every text set in code and keeps the host's titles and the ruler's times.
        auto* download = box.bar(1)->findChild<QPushButton*>("downloadBt");
        auto texts = [&] {
            return QStringList { box.checkBox(0)->text(), box.checkBox(0)->accessibleName(), box.checkBox(1)->text(),
                download->toolTip(), download->accessibleName(), ruler.findChild<QLabel*>("timeLabel13")->text(),
                rulerIface->text(QAccessible::Name),
                QAccessible::queryAccessibleInterface(box.bar(1))->text(QAccessible::Description) };
        };
        const QStringList english { "Video 1", "Video 1", "Camera 1", "Download", "Download", "15:00", "Time ruler",
            "02:45:30, alarm recording" + bookmarks };
        QCOMPARE(texts(), english);
        {
            auto restore = qScopeGuard([] { ZcbTest::switchLanguage(ZCORVANEDLL::ClientLanguageEnUS); });
            ZcbTest::switchLanguage(ZCORVANEDLL::ClientLanguageZhCN);
            QCOMPARE(texts(),
                (QStringList { "视频窗口1", "视频窗口1", "Camera 1", "下载", "下载", "15:00", "时间刻度尺",
                    "02:45:30，报警录像；书签：Dock 02:20:00 至 02:25:00、Fence 04:10:00 至 04:20:00、Van 05:00:00 至 "
                    "05:10:00" }));
        }
        QCOMPARE(texts(), english);
        rulerIface->valueInterface()->setCurrentValue(22 * 3600); // kept inside the day
        QCOMPARE(rulerIface->text(QAccessible::Value), "18:00 to 24:00");

        QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(box.bar(1));
        QCOMPARE(bar->role(), QAccessible::Slider);
        QCOMPARE(bar->text(QAccessible::Name), "Camera 1");
        bar->valueInterface()->setCurrentValue(3 * 3600 + 15 * 60); // seeks
        QCOMPARE(bar->text(QAccessible::Value), "03:15:00, recording");
        QCOMPARE(bar->text(QAccessible::Description), "03:15:00, recording" + bookmarks); // for tools reading numbers
        QCOMPARE(QAccessible::queryAccessibleInterface(box.bar(0))->text(QAccessible::Value), "Not playing");
        QCOMPARE(QAccessible::queryAccessibleInterface(box.bar(0))->text(QAccessible::Name), "Video 1");

        QAccessibleInterface* checkBox = QAccessible::queryAccessibleInterface(box.checkBox(2));
        QCOMPARE(checkBox->text(QAccessible::Name), "Camera 2");
        QVERIFY(!checkBox->text(QAccessible::Description).isEmpty());
        auto* cursor = box.bar(1)->findChild<QWidget*>("progressCursor");
        QCOMPARE(QAccessible::queryAccessibleInterface(cursor)->role(), QAccessible::StaticText);
        QCOMPARE(QAccessible::queryAccessibleInterface(cursor)->text(QAccessible::Name), "Play position");
        QCOMPARE(QAccessible::queryAccessibleInterface(cursor)->text(QAccessible::Value), "03:15:00");
        RecordingLabelWt* mark = nullptr;
        for (auto* label : box.bar(1)->findChildren<RecordingLabelWt*>())
            mark = label->getRecordingLabelInfo().name == "Gate" ? label : mark;
        QCOMPARE(QAccessible::queryAccessibleInterface(mark)->text(QAccessible::Name), "Label mark Gate");
    }

    // Position changes reach screen readers at most once a second per row; the box tells which row has the focus.
    void accessibilityEventsThrottled()
    {
        Box box(3);
        fillKeyRow(box);
        box.fill(2, { recording(at(1, 0), at(2, 0)) });
        box.setKeyboardNavigationEnabled(true);
        QVERIFY(showFocused(&box));
        accessibilityEvents.clear();
        TimeAxisAccessible::setEventObserver(recordAccessibilityEvent);
        box.updatePlaybackTime(at(2, 5), 1);
        for (int s = 1; s <= 5; ++s)
            box.updatePlaybackTime(at(2, 5, s), 1);
        box.appointPlaybackTime("dev1_1", 1, at(3, 12));
        box.updatePlaybackTime(at(1, 30), 2);
        typeKeys(&box, "Down");
        TimeAxisAccessible::setEventObserver(nullptr);
        QCOMPARE(accessibilityEvents,
            (QStringList { "value channelRecordingTimeAxisWt_1 7500",
                "description channelRecordingTimeAxisWt_1 02:05:00, recording" + bookmarks,
                "value channelRecordingTimeAxisWt_2 5400",
                "description channelRecordingTimeAxisWt_2 01:30:00, recording",
                "focus channelRecordingTimeAxisWt_1" }));
    }

    // Rendered at a device pixel ratio of 2, everything lands at twice its logical position.
    void highDpiRendering()
    {
        Ruler ruler;
        ruler.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ruler));
        const QImage rulerImage = render2x(ruler);
        const QColor tick("#323e58");
        // A one-pixel line at logical x covers device pixels 2x - 1 and 2x: the base line at logical y 32 and the
        // major tick at x 19 from y 23.
        for (const QPoint& p : { QPoint(0, 63), QPoint(2959, 64), QPoint(37, 45), QPoint(38, 62) })
            QCOMPARE(rulerImage.pixelColor(p), tick);
        for (const QPoint& p : { QPoint(0, 62), QPoint(0, 65), QPoint(36, 50), QPoint(39, 50), QPoint(37, 44) })
            QVERIFY(rulerImage.pixelColor(p) != tick);

        Box box(1, true);
        box.fill(0, { recording(at(1, 0), at(2, 0)) });
        box.appointPlaybackTime("dev0_1", 1, at(1, 30)); // the cursor's stem at x 116 + 90, flag to the right
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        const QImage boxImage = render2x(box);
        const int stemX = 2 * (116 + 90);
        const int lowY = 2 * (10 + 18); // below the flag
        QCOMPARE(boxImage.pixelColor(stemX, lowY), QColor("#ffffff"));
        QCOMPARE(boxImage.pixelColor(stemX + 3, lowY + 1), QColor("#ffffff")); // the stem is 2 logical pixels wide
        QCOMPARE(boxImage.pixelColor(stemX + 4, lowY), QColor("#00cf8b"));
        QCOMPARE(boxImage.pixelColor(stemX - 1, lowY), QColor("#00cf8b"));
        QCOMPARE(boxImage.pixelColor(2 * (116 + 59), lowY), QColor("#24344c")); // before 01:00
        QVERIFY(boxImage.pixelColor(stemX + 40, 2 * (10 + 2)) != QColor("#00cf8b")); // the flag covers the bar
    }
};

QTEST_MAIN(tst_TimeAxisOperation)
#include "tst_timeaxis_operation.moc"
