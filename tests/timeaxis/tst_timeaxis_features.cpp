// The box's opt-in features: range selection for download, a minimum width for short recordings, label clusters and
// the hover read-out. Each is off by default, and off it must leave pixels and signals exactly as they were.

#include "timeaxis/channelrecordingtimeaxiswt_p.h"
#include "timeaxis/labelclusters_p.h"
#include "timeaxis/recordinglabelwt_p.h"
#include "timeaxis/recordingstimeaxisbox.h"

#include "timeaxisoracle.h"
#include "zcbtest.h"

#include <QLabel>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QtTest>

using namespace ZCORVANEBASE;
using namespace TimeAxisOracle;

namespace {
const QString channel = QStringLiteral("dev7_3");
const QString key = QStringLiteral("search-1");
const QRgb background = QColor(QStringLiteral("#24344c")).rgb();
const QRgb green = QColor(QStringLiteral("#00cf8b")).rgb();
const QRgb red = QColor(QStringLiteral("#dc4d4d")).rgb();
const QRgb accent = QColor(QStringLiteral("#3d8ef7")).rgb();

QDateTime t(const QString& text)
{
    return at(text.left(2).toInt(), text.mid(3, 2).toInt(), text.mid(6, 2).toInt());
}

// "01:00-02:00 !03:00-03:00:30": recordings in the given order, "!" marks an alarm recording.
Recordings parse(const QString& text)
{
    Recordings recordings;
    for (const QString& span : text.split(' ', Qt::SkipEmptyParts))
        recordings << recording(t(span.section('-', 0, 0).remove('!')), t(span.section('-', 1)), span[0] == '!');
    return recordings;
}

// b(ackground), g(reen) or r(ed) as painted.
QRgb colour(QChar kind)
{
    return kind == 'b' ? background : kind == 'g' ? green : red;
}

QString hhmm(const QDateTime& datetime)
{
    return datetime.toString(datetime.time().second() ? QStringLiteral("hh:mm:ss") : QStringLiteral("hh:mm"));
}

// The plain way to paint with a minimum width: every recording's columns from the bar mapping, widened when it
// begins in view and is narrower, alarm winning in every column. 0 background, 1 recording, 2 alarm recording.
QVector<int> paintWidened(const Recordings& recordings, const QDateTime& begin, int degree, int width, int minimum)
{
    QVector<int> kinds(width, 0);
    const QDateTime viewEnd = begin.addSecs(qint64(degree) * 3600);
    auto x = [&](const QDateTime& datetime) {
        return int(double(begin.secsTo(datetime)) / double(degree * 3600) * width);
    };
    for (const RecordingTimeInfo& recording : recordings) {
        if (recording.beginDatetime >= viewEnd)
            break;
        if (recording.endDatetime <= begin)
            continue;
        int x1 = x(qMax(recording.beginDatetime, begin));
        int x2 = x(qMin(recording.endDatetime, viewEnd));
        if (recording.beginDatetime >= begin && x2 - x1 < minimum) {
            const int from = qMax(x1 - minimum / 2, x2 - minimum);
            x1 = qMax(0, from);
            x2 = qMin(width, from + minimum);
        }
        for (int column = x1; column < x2; ++column)
            kinds[column] = qMax(kinds[column], recording.isAlarm ? 2 : 1);
    }
    return kinds;
}

void setFeature(RecordingsTimeAxisBox& box, const QString& feature, bool on)
{
    if (feature == QLatin1String("range selection"))
        box.setRangeSelectionEnabled(on);
    else if (feature == QLatin1String("minimum interval width"))
        box.setMinimumIntervalWidth(on ? 5 : 0);
    else if (feature == QLatin1String("label clustering"))
        box.setLabelClusteringEnabled(on);
    else
        box.setHoverReadoutEnabled(on);
}

// A shown box whose bars are 1440 pixels wide: a pixel is a minute of the day. Its signals land in `events`.
class Axis
{
public:
    explicit Axis(int rows = 1)
        : box(rows, true)
    {
        box.setChannelCheckBoxWidth(100);
        box.setMarginRight(10);
        box.resize(10 + 100 + 6 + 1440 + 10, box.height());
        for (int row = 0; row < rows; ++row)
            bar(row)->setBeginTimeAndDegree(Degree24Hours, at(0, 0));
        QObject::connect(&box, &RecordingsTimeAxisBox::signalAppointPlaybackTime,
            [this](const QString& c, int i, int l, const QDateTime& d) { events << appointEvent(c, i, l, d); });
        QObject::connect(&box, &RecordingsTimeAxisBox::signalDatetimePercentInFile,
            [this](int index, float value) { events << percentEvent(index, value); });
        QObject::connect(
            &box, &RecordingsTimeAxisBox::signalRecordingLabelsEnabled, [this](const QStringList& labels, bool on) {
                events << QStringLiteral("labels(%1,%2)").arg(labels.join('/')).arg(on);
            });
        QObject::connect(&box, &RecordingsTimeAxisBox::signalDownloadRangeSelected,
            [this](int index, const QDateTime& begin, const QDateTime& end) {
                events << QStringLiteral("range(%1,%2,%3)").arg(index).arg(hhmm(begin), hhmm(end));
            });
        box.show();
        exposed = QTest::qWaitForWindowExposed(&box);
    }
    void load(const QString& recordings, int row = 0)
    {
        box.setRecordingSearchInfo(
            SearchStarted, key, RecordingSearchInfo { channel, 1, row, 0, at(0, 0), at(0, 0).addDays(1), QDateTime() });
        box.setChannelRecordingsTimeInfo(parse(recordings), row, key, true, false);
        box.setRecordingSearchInfo(SearchFinished, key, RecordingSearchInfo());
        events.clear();
    }
    void addMark(const QString& name, const QDateTime& datetime, int row = 0)
    {
        const LocalRecordingLabelInfo info { name, channel, 1, datetime };
        QVERIFY(QMetaObject::invokeMethod(
            bar(row), "slotAddRecordingLabelToLocalDB", Q_ARG(LocalRecordingLabelInfo, info), Q_ARG(int, 0)));
    }
    void shiftDrag(int from, int to, int row = 0)
    {
        QTest::mousePress(strip(row), Qt::LeftButton, Qt::ShiftModifier, QPoint(from, 10));
        QTest::mouseRelease(strip(row), Qt::LeftButton, Qt::ShiftModifier, QPoint(to, 10));
    }
    ChannelRecordingTimeAxisWt* bar(int row = 0) const
    {
        return box.findChild<ChannelRecordingTimeAxisWt*>(QStringLiteral("channelRecordingTimeAxisWt_%1").arg(row));
    }
    QWidget* strip(int row = 0) const { return bar(row)->strip(); }
    QImage image(int row = 0) const { return strip(row)->grab().toImage().convertToFormat(QImage::Format_ARGB32); }
    QStringList visibleMarks() const
    {
        QStringList names;
        for (RecordingLabelWt* mark : strip()->findChildren<RecordingLabelWt*>()) {
            if (!mark->isHidden())
                names << mark->getRecordingLabelInfo().name;
        }
        return names;
    }

    RecordingsTimeAxisBox box;
    QStringList events;
    bool exposed;
};
}

class tst_TimeAxisFeatures : public QObject
{
    Q_OBJECT

private slots:
    void init() { ZcbTest::installFakeWorker(); }

    void defaultsUnchanged_data()
    {
        QTest::addColumn<QString>("feature");
        for (const char* feature :
            { "range selection", "minimum interval width", "label clustering", "hover read-out" })
            QTest::newRow(feature) << QString::fromLatin1(feature);
    }

    // A box that had the feature on and off again sees a session exactly as a box that never heard of it: the same
    // signals and the same pixels, after a hover, a Shift+drag (which then seeks on release), a click and Escape.
    void defaultsUnchanged()
    {
        QFETCH(QString, feature);
        auto session = [&feature](bool toggled) {
            Axis axis;
            if (toggled) {
                setFeature(axis.box, feature, true);
                setFeature(axis.box, feature, false);
            }
            axis.load(QStringLiteral("01:00-02:00 01:00:10-01:00:20 !03:00-03:00:30 !05:00-09:00 06:00-06:10"));
            axis.addMark(QStringLiteral("A"), at(1, 0));
            axis.addMark(QStringLiteral("B"), at(1, 5));
            QTest::mouseMove(axis.strip(), QPoint(90, 10));
            axis.shiftDrag(70, 100);
            QTest::mouseClick(axis.strip(), Qt::LeftButton, Qt::NoModifier, QPoint(330, 10));
            QTest::keyClick(axis.bar(), Qt::Key_Escape);
            return qMakePair(axis.events, axis.box.grab().toImage());
        };
        const auto plain = session(false);
        const auto toggled = session(true);
        QVERIFY(plain.first.contains(appointEvent(channel, 0, 1, at(1, 40))));
        QVERIFY(plain.first.contains(appointEvent(channel, 0, 1, at(5, 30))));
        QCOMPARE(toggled.first, plain.first);
        QVERIFY(toggled.second == plain.second);
    }

    void minimumIntervalWidth_data()
    {
        // Minimum width ; recordings ; colour and column: b(ackground), g(reen), r(ed).
        QTest::addColumn<QString>("row");
        QTest::newRow("a clip inside one column, 3 wide") << "3 ; 01:00:10-01:00:20 ; b58 g59 g60 g61 b62";
        QTest::newRow("4 wide: two columns left of its begin") << "4 ; 01:00:10-01:00:20 ; b57 g58 g61 b62";
        QTest::newRow("an empty clip too") << "3 ; !01:00:30-01:00:30 ; b58 r59 r61 b62";
        QTest::newRow("narrower: keeps its own columns") << "5 ; 01:00-01:04 ; b58 g59 g63 b64";
        QTest::newRow("clipped at the left edge") << "5 ; 00:00:05-00:00:10 ; g0 g2 b3";
        QTest::newRow("clipped at the right edge") << "3 ; 23:59:30-23:59:40 ; b1437 g1438 g1439";
        QTest::newRow("alarm wins in a column") << "3 ; !01:00:00-01:00:20 01:00:30-01:00:40 ; r59 r60 r61 b62";
        QTest::newRow("a clip beside a long one")
            << "3 ; 01:00-02:00 !02:00:10-02:00:20 03:00-04:00 ; g118 r119 r121 b122";
        QTest::newRow("begun before the view: its own columns") << "3 ; 23:59:50-00:00:20 ; b0 b1";
    }

    void minimumIntervalWidth()
    {
        QFETCH(QString, row);
        const QStringList part = row.split(" ; ");
        Axis axis;
        QVERIFY(axis.exposed && axis.bar()->width() == 1440);
        axis.load(part[1]);
        axis.box.setMinimumIntervalWidth(part[0].toInt());
        axis.box.setMinimumIntervalWidth(-1); // ignored
        QCOMPARE(axis.box.minimumIntervalWidth(), part[0].toInt());
        const QImage image = axis.image();
        for (const QString& pixel : part[2].split(' ')) {
            const int x = pixel.mid(1).toInt();
            QVERIFY2(image.pixel(x, 0) == colour(pixel[0]) && image.pixel(x, image.height() - 1) == colour(pixel[0]),
                qPrintable(pixel));
        }
    }

    void minimumIntervalWidthMatchesPlainAlgorithm_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("minimum");
        QTest::newRow("1440 pixels, 3 wide") << 1440 << 3;
        QTest::newRow("777 pixels, 2 wide") << 777 << 2;
        QTest::newRow("1427 pixels, 8 wide") << 1427 << 8;
    }

    // 2,000 clips, empty to a few minutes long, and longer recordings over them, on views of every degree.
    void minimumIntervalWidthMatchesPlainAlgorithm()
    {
        QFETCH(int, width);
        QFETCH(int, minimum);
        QRandomGenerator random(quint32(width * minimum));
        Recordings recordings;
        for (qint64 begin = -300000; recordings.size() < 2000; begin += random.bounded(90000)) {
            const qint64 length = random.bounded(8) == 0 ? random.bounded(7200) : random.bounded(200);
            const QDateTime from = at(0, 0).addMSecs(begin);
            recordings << recording(from, from.addSecs(length), random.bounded(4) == 0);
        }
        ChannelRecordingTimeAxisWt bar(false);
        bar.resize(width, 21);
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        bar.setRecordingsTimeInfo(recordings, true, false);
        bar.setMinimumIntervalWidth(minimum);
        for (int view = 0; view < 15; ++view) {
            const int degree = QList<int> { 24, 12, 6, 3, 1 }.at(view % 5);
            const QDateTime begin = view < 5 ? at(0, 0) : at(0, 0).addSecs(random.bounded(-3600, 40000));
            bar.setBeginTimeAndDegree(TimeAxisDegree(degree), begin);
            const QImage image = bar.strip()->grab().toImage().convertToFormat(QImage::Format_ARGB32);
            const QVector<int> kinds = paintWidened(recordings, begin, degree, width, minimum);
            for (int x = 0; x < width; ++x) {
                QVERIFY2(image.pixel(x, 10) == colour(QStringLiteral("bgr").at(kinds.at(x))),
                    qPrintable(QStringLiteral("degree %1 begin %2 x %3").arg(degree).arg(begin.toString()).arg(x)));
            }
        }
    }

    void rangeSelection_data()
    {
        // Shift+press at x, release at x ; the span emitted (empty: none) over 01:00-02:00 and 03:00-04:00.
        QTest::addColumn<QString>("row");
        QTest::newRow("inside one recording") << "70 100 ; 01:10 01:40";
        QTest::newRow("dragged leftwards") << "100 70 ; 01:10 01:40";
        QTest::newRow("from a gap: from the next begin") << "150 200 ; 03:00 03:20";
        QTest::newRow("into a gap: to the end of the recording") << "100 150 ; 01:40 02:00";
        QTest::newRow("over two recordings") << "90 200 ; 01:30 03:20";
        QTest::newRow("over nothing recorded") << "130 170 ; ";
        QTest::newRow("a Shift+click") << "90 90 ; ";
    }

    // A Shift+drag never seeks; it emits the recorded part of the span and leaves a band with a handle at each end.
    void rangeSelection()
    {
        QFETCH(QString, row);
        const QStringList part = row.split(" ; ");
        const QStringList drag = part[0].split(' ');
        const QStringList span = part[1].split(' ', Qt::SkipEmptyParts);
        Axis axis;
        axis.box.setRangeSelectionEnabled(true);
        axis.load(QStringLiteral("01:00-02:00 03:00-04:00"));
        const QImage before = axis.image();
        axis.shiftDrag(drag[0].toInt(), drag[1].toInt());
        if (span.isEmpty()) {
            QCOMPARE(axis.events, QStringList());
            QVERIFY(axis.image() == before);
            return;
        }
        QCOMPARE(axis.events, QStringList { QStringLiteral("range(0,%1,%2)").arg(span[0], span[1]) });
        const int x1 = at(0, 0).secsTo(t(span[0])) / 60;
        const int x2 = at(0, 0).secsTo(t(span[1])) / 60;
        const QImage image = axis.image();
        QCOMPARE(image.pixel(x1, 0), accent);
        QCOMPARE(image.pixel(x2, 0), accent);
        QCOMPARE(image.pixel(x1 - 2, 0), before.pixel(x1 - 2, 0));
        QCOMPARE(image.pixel(x2 + 2, 0), before.pixel(x2 + 2, 0));
        const QRgb band = image.pixel((x1 + x2) / 2, 0);
        QVERIFY(band != before.pixel((x1 + x2) / 2, 0) && qBlue(band) > qBlue(before.pixel((x1 + x2) / 2, 0)));
    }

    // The handles drag with or without Shift; other presses still seek and keep the band; Escape clears every row.
    void rangeHandlesAndEscape()
    {
        Axis axis(2);
        axis.box.setRangeSelectionEnabled(true);
        axis.load(QStringLiteral("01:00-02:00 03:00-04:00"), 0);
        axis.load(QStringLiteral("01:00-02:00 03:00-04:00"), 1);
        const QImage before = axis.image(1);
        QTest::mousePress(axis.strip(1), Qt::LeftButton, Qt::ShiftModifier, QPoint(70, 10));
        QMouseEvent move(QEvent::MouseMove, QPointF(100, 10), QPointF(axis.strip(1)->mapToGlobal(QPoint(100, 10))),
            Qt::NoButton, Qt::LeftButton, Qt::ShiftModifier);
        QCoreApplication::sendEvent(axis.strip(1), &move);
        QCOMPARE(axis.image(1).pixel(70, 0), accent); // shown while dragging, emitted on release
        QCOMPARE(axis.events, QStringList());
        QTest::mouseRelease(axis.strip(1), Qt::LeftButton, Qt::ShiftModifier, QPoint(100, 10));
        axis.shiftDrag(200, 230, 0);
        QTest::mousePress(axis.strip(1), Qt::LeftButton, Qt::NoModifier, QPoint(101, 10)); // the end's handle
        QTest::mouseRelease(axis.strip(1), Qt::LeftButton, Qt::NoModifier, QPoint(110, 10));
        QTest::mousePress(axis.strip(1), Qt::LeftButton, Qt::ShiftModifier, QPoint(68, 10)); // the begin's handle
        QTest::mouseRelease(axis.strip(1), Qt::LeftButton, Qt::ShiftModifier, QPoint(40, 10));
        QCOMPARE(axis.events,
            QStringList({ QStringLiteral("range(1,01:10,01:40)"), QStringLiteral("range(0,03:20,03:49:59)"),
                QStringLiteral("range(1,01:10,01:50)"), QStringLiteral("range(1,01:00,01:50)") }));
        axis.events.clear();
        QTest::mouseClick(axis.strip(1), Qt::LeftButton, Qt::NoModifier, QPoint(80, 10));
        QCOMPARE(axis.events.value(0), appointEvent(channel, 1, 1, at(1, 20)));
        QCOMPARE(axis.image(1).pixel(60, 0), accent);

        QTest::keyClick(&axis.box, Qt::Key_Escape);
        QCOMPARE(axis.image(1).pixel(60, 0), before.pixel(60, 0));
        QCOMPARE(axis.image(0).pixel(200, 0), green);
        axis.events.clear();
        QTest::mouseClick(axis.strip(1), Qt::LeftButton, Qt::NoModifier, QPoint(110, 10)); // no handle any more
        QCOMPARE(axis.events.value(0), appointEvent(channel, 1, 1, at(1, 50)));
    }

    void labelClusters_data()
    {
        // Marks (name@moment) ; view after they were added (hours from) ; badges ; marks shown.
        QTest::addColumn<QString>("row");
        QTest::newRow("within 11 pixels of the first") << "A@01:00 B@01:05 C@01:11 ; 24 00:00 ; 3 ; A";
        QTest::newRow("12 pixels apart") << "A@01:00 B@01:12 ; 24 00:00 ; ; A B";
        QTest::newRow("a cluster starts again") << "A@01:00 B@01:11 C@01:20 D@01:25 ; 24 00:00 ; 2 2 ; A C";
        QTest::newRow("the leftmost stands for them") << "B@01:05 A@01:00 ; 24 00:00 ; 2 ; A";
        QTest::newRow("zooming in parts them") << "A@01:00 B@01:05 C@01:11 ; 1 01:00 ; ; A B C";
        QTest::newRow("out of view") << "A@01:00 B@01:05 C@03:00 D@03:01 ; 1 02:30 ; ; C D";
    }

    void labelClusters()
    {
        QFETCH(QString, row);
        QStringList part = row.split(';');
        for (QString& each : part)
            each = each.trimmed();
        Axis axis;
        axis.box.setLabelClusteringEnabled(true);
        axis.load(QStringLiteral("00:30-04:00"));
        for (const QString& mark : part[0].split(' '))
            axis.addMark(mark.section('@', 0, 0), t(mark.section('@', 1)));
        axis.bar()->setBeginTimeAndDegree(
            TimeAxisDegree(part[1].section(' ', 0, 0).toInt()), t(part[1].section(' ', 1)));
        QStringList counts;
        for (LabelClusterBadge* badge : axis.bar()->labelClusters()->badges())
            counts << QString::number(badge->count());
        QCOMPARE(counts, part[2].split(' ', Qt::SkipEmptyParts));
        QStringList shown = axis.visibleMarks();
        shown.sort();
        QCOMPARE(shown, part[3].split(' '));
    }

    // The badge lists the marks' names and moments, follows renames and removals, and goes with the feature.
    void labelClusterBadge()
    {
        Axis axis;
        axis.box.setLabelClusteringEnabled(true);
        axis.load(QStringLiteral("00:30-04:00"));
        axis.addMark(QStringLiteral("Gate"), at(1, 5));
        axis.addMark(QStringLiteral("Door"), at(1, 0));
        axis.addMark(QStringLiteral("Yard"), at(1, 8, 30));
        LabelClusterBadge* badge = axis.bar()->labelClusters()->badges().value(0);
        QVERIFY(badge);
        QCOMPARE(badge->toolTip(),
            QStringLiteral("Door:2024-03-05 01:00:00\nGate:2024-03-05 01:05:00\nYard:2024-03-05 01:08:30"));
        const QRect door = axis.strip()->findChildren<RecordingLabelWt*>().at(1)->geometry();
        QCOMPARE(badge->geometry().left(), door.right() - 2);
        const QImage image = axis.image().copy(badge->geometry());
        int orange = 0;
        for (int i = 0; i < image.width() * image.height(); ++i)
            orange += image.pixel(i % image.width(), i / image.width()) == QColor(QStringLiteral("#f08c1a")).rgb();
        QVERIFY(orange > image.width() * image.height() / 3);

        QVERIFY(QMetaObject::invokeMethod(axis.bar(), "slotUpdateRecordingLabelNameInLocalDB",
            Q_ARG(QString, QStringLiteral("Yard")), Q_ARG(QString, QStringLiteral("Shed"))));
        QVERIFY(badge->toolTip().endsWith(QLatin1String("Shed:2024-03-05 01:08:30")));
        QVERIFY(QMetaObject::invokeMethod(
            axis.bar(), "slotDeleteRecordingLabelFromLocalDB", Q_ARG(QString, QStringLiteral("Door"))));
        QCOMPARE(badge->count(), 2);
        QCOMPARE(axis.visibleMarks(), QStringList { QStringLiteral("Gate") });

        axis.box.setLabelClusteringEnabled(false);
        QVERIFY(!axis.bar()->labelClusters());
        QVERIFY(axis.strip()->findChildren<LabelClusterBadge*>().isEmpty());
        QCOMPARE(axis.visibleMarks().size(), 2);
    }

    void hoverReadout_data()
    {
        // Pointer x ; the read-out ; it stands right (r) or left (l) of the pointer ; its kind after a switch to
        // simplified Chinese under the pointer.
        QTest::addColumn<QString>("row");
        QTest::newRow("a recording") << "90 ; 01:30:00  recording ; r ; 录像";
        QTest::newRow("an alarm recording") << "200 ; 03:20:00  alarm recording ; r ; 报警录像";
        QTest::newRow("a gap") << "150 ; 02:30:00  no recording ; r ; 无录像";
        QTest::newRow("a clip widened to 3 pixels") << "301 ; 05:01:00  alarm recording ; r ; 报警录像";
        QTest::newRow("at the right edge it turns left") << "1430 ; 23:50:00  no recording ; l ; 无录像";
    }

    void hoverReadout()
    {
        QFETCH(QString, row);
        const QStringList part = row.split(" ; ");
        const int x = part[0].toInt();
        Axis axis;
        axis.box.setHoverReadoutEnabled(true);
        axis.box.setMinimumIntervalWidth(3);
        axis.load(QStringLiteral("01:00-02:00 !03:00-04:00 !05:00:10-05:00:20"));
        QVERIFY(!axis.strip()->findChild<QLabel*>(QStringLiteral("hoverReadout"))); // made on the first hover
        // On a real window system the pointer moves and its events come later: each check waits for them.
        QTest::mouseMove(&axis.box, QPoint(20, 20)); // from the check box column (the pointer may be at x already)
        QTest::mouseMove(axis.strip(), QPoint(x, 10));
        QLabel* readout = nullptr;
        QTRY_VERIFY(
            (readout = axis.strip()->findChild<QLabel*>(QStringLiteral("hoverReadout"))) && readout->isVisible());
        QTRY_COMPARE(readout->text(), part[1]);
        if (part[2] == QLatin1String("r"))
            QCOMPARE(readout->x(), x + 12);
        else
            QCOMPARE(readout->geometry().right(), x - 12 - 1);
        {
            auto restore = qScopeGuard([] { ZcbTest::switchLanguage(ZCORVANEDLL::ClientLanguageEnUS); });
            ZcbTest::switchLanguage(ZCORVANEDLL::ClientLanguageZhCN);
            QCOMPARE(readout->text(), part[1].left(10) + part[3]);
        }
        QCOMPARE(readout->text(), part[1]);

        QTest::mouseMove(axis.strip(), QPoint(x + 1, 10)); // follows the pointer
        QTRY_COMPARE(readout->text().left(8), axis.bar()->getDatetimeAtPos(QPoint(x + 1, 0)).toString("hh:mm:ss"));
        axis.bar()->setBeginTimeAndDegree(Degree1Hour, at(1, 0)); // under a pointer that stands still
        QTRY_COMPARE(readout->text().left(8), at(1, 0).addSecs((x + 1) * 5 / 2).toString("hh:mm:ss"));
        QTest::mouseMove(&axis.box, QPoint(20, 20)); // the check box column
        QTRY_VERIFY(readout->isHidden());
    }
};

QTEST_MAIN(tst_TimeAxisFeatures)
#include "tst_timeaxis_features.moc"
