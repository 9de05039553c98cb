// The playback page: the gallery hosts the time axis the way a client does. A ruler and a box of playback rows,
// aligned from the ruler's label stretch; per row a simulated recording search (with its key, a random delay and now
// and then a late answer to an old search that the box must drop) and a simulated player that feeds progress at
// 25 Hz and restarts wherever the box tells it to. Zoom buttons, a label to drag onto a bar, download clicks and
// end-of-playback reports in the log. The box's opt-in features each have a toggle; for the activity band, the
// preview thumbnails and the bookmarks the page plays the server: generated activity, pictures drawn on request
// after a server's delay, and a few bookmarks per window.

#include "gallerypage.h"
#include "galleryworker.h"

#include "timeaxis/recordingstimeaxisbox.h"
#include "timeaxis/timeaxiswt.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDrag>
#include <QDragMoveEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

using namespace ZCORVANEBASE;

#ifdef ZCB_WITH_DATETIME
// pages/datetimepage_daypicker.cpp: a CalendarWt popup marking `marks` opens from `edit`.
void attachRecordingDayPicker(QDateEdit* edit, const QMap<QDate, int>& marks);
#endif

namespace {

const QString labelMimeType = QStringLiteral("application/x-zcorvane-recording-label");
constexpr int tickMSecs = 40; // the players report 25 times a second
constexpr int rulerIndent = 150; // room left of the ruler for the check-box column
constexpr int recordingLocation = 1;

RecordingTimeInfo recording(const QDateTime& begin, const QDateTime& end, bool isAlarm)
{
    RecordingTimeInfo info;
    info.beginDatetime = begin;
    info.endDatetime = end;
    info.isAlarm = isAlarm;
    info.recordingType = isAlarm ? 2 : 1;
    info.fileName = begin.toString(QStringLiteral("'rec_'yyyyMMdd_hhmmss'.mp4'"));
    return info;
}

// What a recorder would hold for one channel on one day. Four kinds of channel: around the clock with short
// breaks, motion clips only, daytime only, and one that stopped recording early in the morning (so a playback
// reaches its end within minutes at high speed). Alarm recordings overlap the others.
QVector<RecordingTimeInfo> generateRecordings(
    const QString& channelId, int kind, const QDate& day, const QDateTime& until)
{
    QRandomGenerator random(qHash(channelId) ^ quint32(day.toJulianDay()));
    const QDateTime dayBegin(day, QTime(0, 0));
    QVector<RecordingTimeInfo> recordings;
    auto add = [&](qint64 from, qint64 to, bool isAlarm) {
        const QDateTime begin = dayBegin.addSecs(from);
        QDateTime end = dayBegin.addSecs(to);
        if (begin >= until)
            return;
        if (end > until)
            end = until;
        recordings << recording(begin, end, isAlarm);
    };
    switch (kind) {
    case 0: // continuous, with breaks, and alarms inside
        for (qint64 t = random.bounded(120); t < 86400;) {
            const qint64 length = 1200 + random.bounded(4200);
            add(t, t + length, false);
            for (int alarms = random.bounded(3); alarms > 0; --alarms) {
                const qint64 at = t + random.bounded(int(length));
                add(at, at + 60 + random.bounded(300), true);
            }
            t += length + 10 + random.bounded(240);
        }
        break;
    case 1: // motion clips
        for (qint64 t = 300 + random.bounded(600); t < 86400;) {
            const qint64 length = 10 + random.bounded(240);
            add(t, t + length, random.bounded(8) == 0);
            t += length + 30 + random.bounded(1500);
        }
        break;
    case 2: // daytime only
        for (qint64 t = 7 * 3600 + random.bounded(900); t < 19 * 3600;) {
            const qint64 length = 900 + random.bounded(2700);
            add(t, t + length, false);
            if (random.bounded(3) == 0) {
                const qint64 at = t + random.bounded(int(length));
                add(at, at + 120 + random.bounded(400), true);
            }
            t += length + 20 + random.bounded(600);
        }
        break;
    default: // stopped early: clips in the first quarter of an hour
        for (qint64 t = 5; t < 900;) {
            const qint64 length = 20 + random.bounded(120);
            add(t, t + length, random.bounded(5) == 0);
            t += length + 20 + random.bounded(70);
        }
        break;
    }
    std::stable_sort(recordings.begin(), recordings.end(),
        [](const RecordingTimeInfo& a, const RecordingTimeInfo& b) { return a.beginDatetime < b.beginDatetime; });
    return recordings;
}

// Where a drag is over its target, in both Qt versions.
QPoint dropPoint(const QDropEvent* event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return event->position().toPoint();
#else
    return event->pos();
#endif
}

// What a server would measure for a channel: one activity sample a minute while it records, a low hum with bursts
// of motion that fade over a few minutes, and the alarm recordings near the top of the range.
QVector<ActivitySample> generateActivity(const QVector<RecordingTimeInfo>& recordings, const QDate& day)
{
    QRandomGenerator random(quint32(day.toJulianDay()) ^ quint32(recordings.size()));
    const QDateTime dayBegin(day, QTime(0, 0));
    QVector<int> levels(24 * 60, -1); // -1: nothing recorded that minute
    for (const RecordingTimeInfo& recording : recordings) {
        const qint64 first = qMax<qint64>(0, dayBegin.secsTo(recording.beginDatetime) / 60);
        const qint64 last = qMin<qint64>(levels.size() - 1, dayBegin.secsTo(recording.endDatetime) / 60);
        for (qint64 minute = first; minute <= last; ++minute)
            levels[int(minute)] = qMax(levels[int(minute)], recording.isAlarm ? 70 + random.bounded(31) : 0);
    }
    QVector<ActivitySample> samples;
    int motion = 0;
    for (int minute = 0; minute < levels.size(); ++minute) {
        if (levels[minute] < 0)
            continue;
        motion = random.bounded(25) == 0 ? 35 + random.bounded(55) : qMax(0, motion - random.bounded(15));
        samples.append({ dayBegin.addSecs(minute * 60), 60, qMax(levels[minute], qMax(motion, random.bounded(8))) });
    }
    return samples;
}

// A few bookmarks colleagues would have left on a window's recordings, on alarm recordings where there are some:
// one of them soon followed by a second, so the two share a band until the view is zoomed in.
QVector<Bookmark> generateBookmarks(const QVector<RecordingTimeInfo>& recordings, int index)
{
    static const char* const names[] = { "Delivery at the gate", "Visitor at reception", "Door left open", "Forklift",
        "Patrol round", "Car park barrier" };
    QVector<const RecordingTimeInfo*> candidates;
    for (const RecordingTimeInfo& recording : recordings) {
        if (recording.isAlarm)
            candidates << &recording;
    }
    if (candidates.size() < 2) {
        for (const RecordingTimeInfo& recording : recordings)
            candidates << &recording;
    }
    QVector<Bookmark> bookmarks;
    QRandomGenerator random(quint32(index) * 7919u + quint32(recordings.size()));
    auto add = [&](const QDateTime& begin, int secs) {
        bookmarks.append({ QStringLiteral("w%1-b%2").arg(index + 1).arg(bookmarks.size() + 1),
            QLatin1String(names[(index + bookmarks.size()) % int(sizeof names / sizeof *names)]), begin,
            begin.addSecs(secs) });
    };
    for (int i = 0; i < 2 && !candidates.isEmpty(); ++i) {
        const RecordingTimeInfo* recording = candidates.takeAt(random.bounded(candidates.size()));
        add(recording->beginDatetime.addSecs(random.bounded(30)), 60 + random.bounded(540));
        if (i == 0)
            add(bookmarks.last().end.addSecs(120 + random.bounded(240)), 60 + random.bounded(180));
    }
    return bookmarks;
}

// The label a user drags onto a bar.
class LabelSource : public QLabel
{
public:
    explicit LabelSource(QWidget* parent)
        : QLabel(parent)
    {
        setObjectName(QStringLiteral("labelSource"));
        setPixmap(QPixmap(QStringLiteral(":/images/images/added_label_n.png")));
        setToolTip(QStringLiteral("Drag onto a recording to mark it"));
        setCursor(Qt::OpenHandCursor);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() != Qt::LeftButton)
            return;
        auto* mime = new QMimeData;
        mime->setData(labelMimeType, QByteArray("label"));
        auto* drag = new QDrag(this);
        drag->setMimeData(mime);
        QPixmap hotspot(1, 1);
        hotspot.fill(Qt::transparent);
        drag->setPixmap(hotspot); // the box shows its own preview where a label may go
        drag->exec(Qt::CopyAction);
    }
};

class TimeAxisPage : public QWidget
{
public:
    TimeAxisPage(const GalleryOptions& options, QWidget* parent)
        : QWidget(parent)
        , options(options)
        , random(20240305)
    {
        setObjectName(QStringLiteral("timeAxisPage"));
        build();
        connectAll();
        nameControlsForScreenReaders();
        day = dayEdit->date();
        ruler->setMinBeginDatetime(QDateTime(day, QTime(0, 0)));
        box->setChannelRecordingTimeAxisChecked(true);
        selectAll->setCheckState(Qt::Checked);
        searchAll();
        if (options.screenshot)
            stageScreenshot();
        playerTimer.start(tickMSecs);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == box) {
            switch (event->type()) {
            case QEvent::Resize:
                QTimer::singleShot(0, this, [this] { align(); });
                break;
            case QEvent::DragEnter:
            case QEvent::DragMove: {
                auto* drag = static_cast<QDragMoveEvent*>(event);
                if (!drag->mimeData()->hasFormat(labelMimeType))
                    break;
                if (box->canAddRecordingLabelAtPos(dropPoint(drag), labelPixmap)) {
                    drag->acceptProposedAction();
                } else {
                    box->hideAddingRecordingLabel();
                    // Keep the drag alive over the box so the preview can come back.
                    if (event->type() == QEvent::DragEnter)
                        drag->acceptProposedAction();
                    else
                        drag->ignore();
                }
                return true;
            }
            case QEvent::DragLeave:
                box->hideAddingRecordingLabel();
                return true;
            case QEvent::Drop: {
                auto* drop = static_cast<QDropEvent*>(event);
                const bool allowed = box->canAddRecordingLabelAtPos(dropPoint(drop), labelPixmap);
                box->hideAddingRecordingLabel();
                if (allowed) {
                    addLabel(box->getRecordingLabelInfoAtPos(dropPoint(drop)));
                    drop->acceptProposedAction();
                }
                return true;
            }
            default:
                break;
            }
        }
        return QWidget::eventFilter(watched, event);
    }

    void resizeEvent(QResizeEvent* event) override
    {
        QWidget::resizeEvent(event);
        QTimer::singleShot(0, this, [this] { align(); });
    }

private:
    struct Row
    {
        QString channelId;
        QString key;
        int searches = 0;
        QVector<RecordingTimeInfo> recordings; // of the last answer, for the generated activity and bookmarks
    };
    struct Player
    {
        QDateTime position;
        bool playing = false;
        QDateTime stalePosition; // what the player still reports for a few ticks after a seek
        int staleTicks = 0;
    };

    void build()
    {
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(16, 16, 16, 16);
        layout->setSpacing(8);

        auto* tools = new QHBoxLayout;
        tools->setSpacing(8);
        dayEdit = new QDateEdit(QDate::currentDate(), this);
        dayEdit->setObjectName(QStringLiteral("dayEdit"));
        dayEdit->setCalendarPopup(true);
        dayEdit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        dayEdit->setMaximumDate(QDate::currentDate());
#ifdef ZCB_WITH_DATETIME
        // The library's calendar as the day picker, marking the days of the last two months on which the first
        // channel recorded (alarm days in red).
        const QString channel = galleryWorker() ? galleryWorker()->getAllChannelIds().value(0) : QString();
        QMap<QDate, int> marks;
        for (QDate d = QDate::currentDate().addDays(-62); d <= QDate::currentDate(); d = d.addDays(1)) {
            int mark = 0;
            for (const RecordingTimeInfo& info : generateRecordings(channel, 0, d, QDateTime::currentDateTime()))
                mark |= info.isAlarm ? 2 : 1;
            marks.insert(d, mark);
        }
        attachRecordingDayPicker(dayEdit, marks);
#endif
        if (options.screenshot)
            dayEdit->setDate(QDate::currentDate().addDays(-1));
        searchButton = new QPushButton(QStringLiteral("Search again"), this);
        zoomInButton = new QPushButton(QStringLiteral("Zoom in"), this);
        zoomOutButton = new QPushButton(QStringLiteral("Zoom out"), this);
        speedBox = new QComboBox(this);
        speedBox->setObjectName(QStringLiteral("speedBox"));
        for (const char* speed : { "1X", "2X", "4X", "8X", "16X" })
            speedBox->addItem(QLatin1String(speed));
        speedBox->setCurrentIndex(options.screenshot ? 0 : 4);
        auto* source = new LabelSource(this);
        labelPixmap = QPixmap(QStringLiteral(":/images/images/added_label_n.png"));
        tools->addWidget(new QLabel(QStringLiteral("Day"), this));
        tools->addWidget(dayEdit);
        tools->addWidget(searchButton);
        tools->addSpacing(16);
        tools->addWidget(zoomInButton);
        tools->addWidget(zoomOutButton);
        tools->addSpacing(16);
        tools->addWidget(new QLabel(QStringLiteral("Speed"), this));
        tools->addWidget(speedBox);
        tools->addSpacing(16);
        tools->addWidget(source);
        tools->addWidget(new QLabel(QStringLiteral("drag a label onto a recording"), this));
        tools->addSpacing(16);
        tools->addWidget(buildKeyboardToggle());
        tools->addStretch();
        layout->addLayout(tools);
        buildFeatureToggles(layout);

        // The ruler sits right of the check-box column and ends where the box's visible width ends.
        auto* rulerRow = new QHBoxLayout;
        rulerRow->setSpacing(0);
        selectAll = new QCheckBox(QStringLiteral("All windows"), this);
        selectAll->setObjectName(QStringLiteral("selectAll"));
        selectAll->setFixedWidth(rulerIndent);
        ruler = new TimeAxisWt(this);
        ruler->setObjectName(QStringLiteral("timeAxisWt"));
        rulerRow->addWidget(selectAll);
        rulerRow->addWidget(ruler, 1);
        scrollBarRoom = new QWidget(this);
        rulerRow->addWidget(scrollBarRoom);
        layout->addLayout(rulerRow);

        box = new RecordingsTimeAxisBox(options.rows, true, this);
        box->setObjectName(QStringLiteral("recordingsTimeAxisBox"));
        box->setTimeAxisWt(ruler);
        box->setAcceptDrops(true);
        box->installEventFilter(this);
        scroll = new QScrollArea(this);
        scroll->setObjectName(QStringLiteral("recordingsScroll"));
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setWidgetResizable(true);
        scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        scroll->setWidget(box);
        scrollBarRoom->setFixedWidth(scroll->verticalScrollBar()->sizeHint().width());
        layout->addWidget(scroll, 1);

        log = new QPlainTextEdit(this);
        log->setObjectName(QStringLiteral("galleryLog"));
        log->setReadOnly(true);
        log->setMaximumBlockCount(500);
        log->setFixedHeight(130);
        layout->addWidget(log);

        const QStringList channelIds = galleryWorker() ? galleryWorker()->getAllChannelIds() : QStringList();
        rows.resize(options.rows);
        players.resize(options.rows);
        for (int i = 0; i < options.rows && !channelIds.isEmpty(); ++i)
            rows[i].channelId = channelIds.at(i % channelIds.size());
    }

    void connectAll()
    {
        connect(ruler, &TimeAxisWt::signalMinTimePosX, this, [this](int x) {
            minTimePosX = x;
            align();
        });
        connect(ruler, &TimeAxisWt::signalMaxTimePosX, this, [this](int x) {
            maxTimePosX = x;
            align();
        });
        connect(dayEdit, &QDateEdit::dateChanged, this, [this](const QDate& date) {
            day = date;
            ruler->setMinBeginDatetime(QDateTime(date, QTime(0, 0)));
            note(QStringLiteral("Day %1 selected: searching every window again").arg(date.toString(Qt::ISODate)));
            searchAll();
        });
        connect(searchButton, &QPushButton::clicked, this, [this] { searchAll(); });
        connect(zoomInButton, &QPushButton::clicked, this, [this] { box->timeAxisZoomCtrl(ZoomIn); });
        connect(zoomOutButton, &QPushButton::clicked, this, [this] { box->timeAxisZoomCtrl(ZoomOut); });
        connect(selectAll, &QCheckBox::clicked, this, [this] {
            const bool all = selectAll->checkState() != Qt::Unchecked;
            selectAll->setTristate(false);
            selectAll->setCheckState(all ? Qt::Checked : Qt::Unchecked);
            box->setChannelRecordingTimeAxisChecked(all);
        });
        connect(box, &RecordingsTimeAxisBox::signalAllChannelRecordingTimeAxisCheckState, this,
            [this](Qt::CheckState state) { selectAll->setCheckState(state); });
        connect(box, &RecordingsTimeAxisBox::signalAppointPlaybackTime, this,
            [this](const QString& channelId, int index, int, const QDateTime& datetime) {
                if (index < 0 || index >= players.size())
                    return;
                Player& player = players[index];
                if (player.playing) {
                    player.stalePosition = player.position;
                    player.staleTicks = 3;
                }
                player.position = datetime;
                player.playing = true;
                note(
                    QStringLiteral("%1 (%2): player starts at %3")
                        .arg(windowName(index), channelName(channelId), datetime.toString(QStringLiteral("hh:mm:ss"))));
            });
        connect(box, &RecordingsTimeAxisBox::signalPlaybackToRecordingsTimeAxisEnd, this, [this](int index) {
            if (index < 0 || index >= players.size() || !players[index].playing)
                return;
            players[index].playing = false;
            note(QStringLiteral("%1: playback ran past the last recording and stopped").arg(windowName(index)));
        });
        connect(box, &RecordingsTimeAxisBox::signalDownloadByTimeRangeBtClicked, this,
            [this](int index, const QDateTime& datetime) {
                const QPair<QDateTime, QDateTime> range = box->amendDateTimeRange(index, datetime, 1800);
                note(QStringLiteral("%1: download from %2; recorded part of the next 30 minutes: %3 - %4")
                         .arg(windowName(index), datetime.toString(QStringLiteral("hh:mm:ss")),
                             range.first.toString(QStringLiteral("hh:mm:ss")),
                             range.second.isValid() ? range.second.toString(QStringLiteral("hh:mm:ss"))
                                                    : QStringLiteral("(none)")));
            });
        connect(
            box, &RecordingsTimeAxisBox::signalRecordingLabelsEnabled, this, [this](const QStringList& labels, bool) {
                if (!labels.isEmpty())
                    note(QStringLiteral("Labels cleared with their row: %1").arg(labels.join(QStringLiteral(", "))));
            });
        connect(&playerTimer, &QTimer::timeout, this, [this] { tick(); });
        connectFeatureToggles();
    }

    // The bars span exactly the ruler's label stretch: the check-box column reaches to the first label's centre and
    // the right margin starts at the last one's.
    void align()
    {
        if (minTimePosX < 0 || maxTimePosX <= minTimePosX)
            return;
        const int offset = ruler->mapTo(this, QPoint(0, 0)).x() - box->mapTo(this, QPoint(0, 0)).x();
        const int rowSpacing = 6;
        const int leftMargin = 10;
        box->setChannelCheckBoxWidth(qMax(0, offset + minTimePosX - leftMargin - rowSpacing));
        box->setMarginRight(qMax(0, box->width() - (offset + maxTimePosX)));
    }

    QString windowName(int index) const
    {
        return QStringLiteral("Window %1").arg(index + 1);
    }

    QString channelName(const QString& channelId) const
    {
        const QString name = galleryWorker() ? galleryWorker()->getChannelName(channelId) : QString();
        return name.isEmpty() ? channelId : name;
    }

    int channelKind(const QString& channelId) const
    {
        const QStringList ids = galleryWorker() ? galleryWorker()->getAllChannelIds() : QStringList();
        return qMax(0, ids.indexOf(channelId)) % 4;
    }

    QDateTime searchEnd() const
    {
        const QDateTime end(day.addDays(1), QTime(0, 0));
        return qMin(end, QDateTime::currentDateTime());
    }

    void searchAll()
    {
        for (Player& player : players)
            player = Player();
        for (int i = 0; i < rows.size(); ++i)
            startSearch(i, options.screenshot && i != rows.size() - 1);
    }

    void startSearch(int index, bool immediately)
    {
        Row& row = rows[index];
        if (row.channelId.isEmpty())
            return;
        const QString staleKey = row.key;
        row.key = QStringLiteral("w%1-s%2").arg(index + 1).arg(++row.searches);
        RecordingSearchInfo info;
        info.channelId = row.channelId;
        info.recordingLocation = recordingLocation;
        info.playbackIndex = index;
        info.searchType = 0;
        info.beginDatetime = QDateTime(day, QTime(0, 0));
        info.endDatetime = searchEnd();
        box->setRecordingSearchInfo(SearchStarted, row.key, info);

        const QString key = row.key;
        if (immediately) {
            deliver(index, key, info);
            return;
        }
        const int delay = 300 + random.bounded(1800);
        QTimer::singleShot(delay, this, [this, index, key, info] { deliver(index, key, info); });
        // Now and then the answer to the previous search comes late, after the new one: the box must drop it.
        if (!staleKey.isEmpty() && random.bounded(4) == 0) {
            QTimer::singleShot(delay + 500, this, [this, index, staleKey, info] {
                QVector<RecordingTimeInfo> stale { recording(
                    info.beginDatetime.addSecs(3600), info.beginDatetime.addSecs(20 * 3600), true) };
                box->setChannelRecordingsTimeInfo(stale, index, staleKey, true, true);
                note(QStringLiteral("%1: a late answer to the old search %2 arrived; the box dropped it")
                         .arg(windowName(index), staleKey));
            });
        }
    }

    void deliver(int index, const QString& key, const RecordingSearchInfo& info)
    {
        const QVector<RecordingTimeInfo> recordings
            = generateRecordings(info.channelId, channelKind(info.channelId), day, info.endDatetime);
        box->setChannelRecordingsTimeInfo(recordings, index, key, true, true);
        box->setRecordingSearchInfo(SearchFinished, key, info);
        // The search cleared the row's activity and bookmarks: the server sends those of the new answer.
        rows[index].recordings = recordings;
        sendActivity(index);
        sendBookmarks(index);
        if (!options.screenshot)
            note(QStringLiteral("%1 (%2): %3 recordings found")
                     .arg(windowName(index), channelName(info.channelId))
                     .arg(recordings.size()));
    }

    void tick()
    {
        static const int speeds[] = { 1, 2, 4, 8, 16 };
        const int speed = speeds[qBound(0, speedBox->currentIndex(), 4)];
        for (int i = 0; i < players.size(); ++i) {
            Player& player = players[i];
            if (!player.playing)
                continue;
            player.position = player.position.addMSecs(qint64(tickMSecs) * speed);
            if (player.staleTicks > 0) {
                --player.staleTicks;
                player.stalePosition = player.stalePosition.addMSecs(qint64(tickMSecs) * speed);
                box->updatePlaybackTime(player.stalePosition, i);
            } else {
                box->updatePlaybackTime(player.position, i);
            }
        }
    }

    void addLabel(LocalRecordingLabelInfo info)
    {
        if (info.channelId.isEmpty() || !info.datetime.isValid())
            return;
        info.name = QStringLiteral("Label %1").arg(++labelCount);
        // The host's label store answers every bar; each bar keeps only the marks of its own channel.
        for (QWidget* child : box->findChildren<QWidget*>()) {
            if (child->metaObject()->indexOfSlot("slotAddRecordingLabelToLocalDB(LocalRecordingLabelInfo,int)") >= 0)
                QMetaObject::invokeMethod(
                    child, "slotAddRecordingLabelToLocalDB", Q_ARG(LocalRecordingLabelInfo, info), Q_ARG(int, 0));
        }
        note(QStringLiteral("%1 set on %2 at %3")
                 .arg(info.name, channelName(info.channelId), info.datetime.toString(QStringLiteral("hh:mm:ss"))));
    }

    // A picture of the page at work: rows playing at different moments, one mark, one row still searching.
    void stageScreenshot()
    {
        for (int i = 0; i + 1 < rows.size(); ++i) {
            const QDateTime moment = QDateTime(day, QTime(0, 0)).addSecs(3600 + (i * 5437) % 70000);
            box->appointPlaybackTime(rows[i].channelId, recordingLocation, moment);
        }
        if (!rows.isEmpty()) {
            LocalRecordingLabelInfo info;
            info.channelId = rows[0].channelId;
            info.recordingLocation = recordingLocation;
            info.datetime = QDateTime(day, QTime(9, 30));
            addLabel(info);
        }
        note(QStringLiteral(
            "Searching, seeking and playing at the selected speed; drag the ruler to pan, wheel to zoom"));
    }

    // ---- The box's opt-in painting and mouse features, each behind its own toggle (all off: the box as always).
    void buildFeatureToggles(QVBoxLayout* layout)
    {
        auto* features = new QHBoxLayout;
        features->setSpacing(16);
        rangeSelectionToggle = new QCheckBox(QStringLiteral("Select a range to download (Shift+drag)"), this);
        rangeSelectionToggle->setObjectName(QStringLiteral("rangeSelectionToggle"));
        minimumWidthToggle = new QCheckBox(QStringLiteral("Short clips at least 3 pixels wide"), this);
        minimumWidthToggle->setObjectName(QStringLiteral("minimumWidthToggle"));
        labelClusteringToggle = new QCheckBox(QStringLiteral("Cluster crowded labels"), this);
        labelClusteringToggle->setObjectName(QStringLiteral("labelClusteringToggle"));
        hoverReadoutToggle = new QCheckBox(QStringLiteral("Moment under the pointer"), this);
        hoverReadoutToggle->setObjectName(QStringLiteral("hoverReadoutToggle"));
        features->addWidget(rangeSelectionToggle);
        features->addWidget(minimumWidthToggle);
        features->addWidget(labelClusteringToggle);
        features->addWidget(hoverReadoutToggle);
        features->addStretch();
        layout->addLayout(features);

        auto* served = new QHBoxLayout;
        served->setSpacing(16);
        activityToggle = new QCheckBox(QStringLiteral("Activity band"), this);
        activityToggle->setObjectName(QStringLiteral("activityToggle"));
        activityToggle->setToolTip(
            QStringLiteral("One activity sample a minute from the server, shaded along the top"));
        thumbnailToggle = new QCheckBox(QStringLiteral("Preview thumbnails"), this);
        thumbnailToggle->setObjectName(QStringLiteral("thumbnailToggle"));
        thumbnailToggle->setToolTip(QStringLiteral("Hover a recording: the server draws a picture in 20 to 200 ms"));
        bookmarksToggle = new QCheckBox(QStringLiteral("Bookmarks"), this);
        bookmarksToggle->setObjectName(QStringLiteral("bookmarksToggle"));
        bookmarksToggle->setToolTip(QStringLiteral("A few bookmarks per window along the bottom; B / Shift+B with the "
                                                   "keyboard navigation"));
        served->addWidget(activityToggle);
        served->addWidget(thumbnailToggle);
        served->addWidget(bookmarksToggle);
        served->addStretch();
        layout->addLayout(served);
    }

    // The server's side of the activity band, the previews and the bookmarks.
    void sendActivity(int index)
    {
        if (activityToggle->isChecked() && !rows[index].recordings.isEmpty())
            box->setChannelActivity(index, generateActivity(rows[index].recordings, day));
        else
            box->setChannelActivity(index, {});
    }

    void sendBookmarks(int index)
    {
        if (bookmarksToggle->isChecked())
            box->setBookmarks(index, generateBookmarks(rows[index].recordings, index));
        else
            box->setBookmarks(index, {});
    }

    // A picture of what window `index` saw at `moment`: the sky of the hour, a car crossing a yard, and the window,
    // channel and moment burnt in, as a recorder's thumbnail would carry them.
    QImage drawThumbnail(int index, const QDateTime& moment) const
    {
        QImage image(320, 180, QImage::Format_RGB32);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        const double dayFraction = moment.time().msecsSinceStartOfDay() / 86400000.0;
        const double light = qBound(0.0, 1.0 - qAbs(dayFraction - 0.5) * 2.6, 1.0);
        painter.fillRect(
            QRect(0, 0, 320, 110), QColor::fromRgbF(0.05 + 0.35 * light, 0.08 + 0.5 * light, 0.16 + 0.66 * light));
        painter.fillRect(QRect(0, 110, 320, 70), QColor::fromRgbF(0.12 + 0.2 * light, 0.14 + 0.25 * light, 0.12));
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor::fromHsv((index * 47) % 360, 160, 220));
        const int carX = int(moment.time().msecsSinceStartOfDay() / 1000 % 120) * 3 - 40;
        painter.drawRoundedRect(QRectF(carX, 120, 60, 24), 6, 6);
        painter.setBrush(QColor(20, 20, 20));
        painter.drawEllipse(QPointF(carX + 14, 146), 6, 6);
        painter.drawEllipse(QPointF(carX + 46, 146), 6, 6);
        QFont font(QStringLiteral("microsoft yahei"));
        font.setPixelSize(18);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(QRect(10, 6, 300, 24), Qt::AlignLeft | Qt::AlignVCenter,
            windowName(index) + QStringLiteral("  ") + channelName(rows.value(index).channelId));
        painter.drawText(QRect(10, 150, 300, 24), Qt::AlignRight | Qt::AlignVCenter,
            moment.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
        return image;
    }

    void connectFeatureToggles()
    {
        connect(rangeSelectionToggle, &QCheckBox::toggled, box, &RecordingsTimeAxisBox::setRangeSelectionEnabled);
        connect(minimumWidthToggle, &QCheckBox::toggled, this,
            [this](bool on) { box->setMinimumIntervalWidth(on ? 3 : 0); });
        connect(labelClusteringToggle, &QCheckBox::toggled, box, &RecordingsTimeAxisBox::setLabelClusteringEnabled);
        connect(hoverReadoutToggle, &QCheckBox::toggled, box, &RecordingsTimeAxisBox::setHoverReadoutEnabled);
        connect(box, &RecordingsTimeAxisBox::signalDownloadRangeSelected, this,
            [this](int index, const QDateTime& begin, const QDateTime& end) {
                note(QStringLiteral("%1: download range selected, %2 - %3 (%4 s recorded span)")
                         .arg(windowName(index), begin.toString(QStringLiteral("hh:mm:ss")),
                             end.toString(QStringLiteral("hh:mm:ss")))
                         .arg(begin.secsTo(end)));
            });

        connect(activityToggle, &QCheckBox::toggled, this, [this](bool on) {
            for (int i = 0; i < rows.size(); ++i)
                sendActivity(i);
            note(on ? QStringLiteral("Activity band on: one sample a minute per window")
                    : QStringLiteral("Activity band off"));
        });
        connect(thumbnailToggle, &QCheckBox::toggled, box, &RecordingsTimeAxisBox::setThumbnailPreviewEnabled);
        connect(bookmarksToggle, &QCheckBox::toggled, this, [this](bool on) {
            for (int i = 0; i < rows.size(); ++i)
                sendBookmarks(i);
            note(on ? QStringLiteral("Bookmarks on: three per window") : QStringLiteral("Bookmarks off"));
        });
        connect(
            box, &RecordingsTimeAxisBox::signalThumbnailRequested, this, [this](int index, const QDateTime& moment) {
                // The server answers after 20 to 200 ms, as a real one would.
                const int delay = 20 + random.bounded(181);
                note(QStringLiteral("%1: preview of %2 requested (answered in %3 ms)")
                         .arg(windowName(index), moment.toString(QStringLiteral("hh:mm:ss")))
                         .arg(delay));
                QTimer::singleShot(delay, this,
                    [this, index, moment] { box->setThumbnail(index, moment, drawThumbnail(index, moment)); });
            });
        connect(box, &RecordingsTimeAxisBox::signalBookmarkClicked, this, [this](int index, const QString& id) {
            note(QStringLiteral("%1: bookmark %2 clicked").arg(windowName(index), id));
        });
    }

    // ---- Keyboard operation of the ruler and the box, and names for screen readers of the page's own controls.
    QCheckBox* buildKeyboardToggle()
    {
        auto* keyboardToggle = new QCheckBox(QStringLiteral("Keyboard navigation"), this);
        keyboardToggle->setObjectName(QStringLiteral("keyboardToggle"));
        keyboardToggle->setToolTip(QStringLiteral(
            "Ruler: Left/Right, Page Up/Down, Home/End pan, +/- zoom. Box: Up/Down pick a row, Space checks it, "
            "Ctrl+Left/Right and Alt+Left/Right go to recordings and alarms, N/P to labels, B/Shift+B to bookmarks"));
        connect(keyboardToggle, &QCheckBox::toggled, this, [this, keyboardToggle](bool on) {
            ruler->setKeyboardNavigationEnabled(on);
            box->setKeyboardNavigationEnabled(on);
            note(
                on ? QStringLiteral("Keyboard navigation on: Tab to the ruler or the box. ") + keyboardToggle->toolTip()
                   : QStringLiteral("Keyboard navigation off"));
        });
        return keyboardToggle;
    }

    void nameControlsForScreenReaders()
    {
        dayEdit->setAccessibleName(QStringLiteral("Day"));
        speedBox->setAccessibleName(QStringLiteral("Playback speed"));
        log->setAccessibleName(QStringLiteral("Log"));
        if (auto* source = findChild<QLabel*>(QStringLiteral("labelSource")))
            source->setAccessibleName(QStringLiteral("Label to drag onto a recording"));
    }

    void note(const QString& text)
    {
        log->appendPlainText(QTime::currentTime().toString(QStringLiteral("hh:mm:ss  ")) + text);
    }

    GalleryOptions options;
    QRandomGenerator random;
    QDate day;
    QDateEdit* dayEdit = nullptr;
    QPushButton* searchButton = nullptr;
    QPushButton* zoomInButton = nullptr;
    QPushButton* zoomOutButton = nullptr;
    QComboBox* speedBox = nullptr;
    QCheckBox* selectAll = nullptr;
    TimeAxisWt* ruler = nullptr;
    QWidget* scrollBarRoom = nullptr;
    RecordingsTimeAxisBox* box = nullptr;
    QScrollArea* scroll = nullptr;
    QPlainTextEdit* log = nullptr;
    QPixmap labelPixmap;
    QVector<Row> rows;
    QVector<Player> players;
    QTimer playerTimer;
    int minTimePosX = -1;
    int maxTimePosX = -1;
    int labelCount = 0;
    QCheckBox* rangeSelectionToggle = nullptr;
    QCheckBox* minimumWidthToggle = nullptr;
    QCheckBox* labelClusteringToggle = nullptr;
    QCheckBox* hoverReadoutToggle = nullptr;
    QCheckBox* activityToggle = nullptr;
    QCheckBox* thumbnailToggle = nullptr;
    QCheckBox* bookmarksToggle = nullptr;
};

} // namespace

static GalleryPageRegistrar timeaxisPage(QStringLiteral("timeaxis"), 20, QStringLiteral("Playback"),
    [](const GalleryOptions& options, QWidget* parent) -> QWidget* { return new TimeAxisPage(options, parent); });
