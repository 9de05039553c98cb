#include "frame/qtcompat_p.h"
#include "timeaxis/channelrecordingtimeaxiswt_p.h"

#include "timeaxis/bookmarkbands_p.h"
#include "timeaxis/hoverreadout_p.h"
#include "timeaxis/labelclusters_p.h"
#include "timeaxis/progresscursorwt_p.h"
#include "timeaxis/rangeselection_p.h"
#include "timeaxis/recordinglabelwt_p.h"
#include "timeaxis/thumbnailpreview_p.h"
#include "timeaxis/timeaxisaccessible_p.h"
#include "timeaxis/timeaxisstyle_p.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QMovie>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace ZCORVANEBASE {

namespace {
constexpr int waitingSize = 20; // the waiting animation fits 20 x 20
constexpr int waitingLeft = 5;

// The activity band's shades: entry kind * 128 + level is what painting the ramp's colour for the level over the
// strip's colour of that kind (0 background, 1 recording, 2 alarm recording) leaves; level 0 leaves the colour.
QVector<QRgb> activityShades()
{
    QImage shades(128, 3, QImage::Format_RGB32);
    QPainter painter(&shades);
    const QColor kinds[]
        = { TimeAxisStyle::barBackground(), TimeAxisStyle::recording(), TimeAxisStyle::alarmRecording() };
    for (int kind = 0; kind < 3; ++kind) {
        painter.fillRect(QRect(0, kind, 128, 1), kinds[kind]);
        for (int level = 1; level <= 100; ++level)
            painter.fillRect(QRect(level, kind, 1, 1), TimeAxisStyle::activity(level));
    }
    painter.end();
    const auto* pixels = reinterpret_cast<const QRgb*>(shades.constBits());
    return QVector<QRgb>(pixels, pixels + 3 * 128);
}
}

ChannelRecordingTimeAxisWt::ChannelRecordingTimeAxisWt(bool downloadEnabled, QWidget* parent)
    : QWidget(parent)
    , waitingLabel(nullptr)
    , recordingsWt(nullptr)
    , progressCursor(nullptr)
    , degree(Degree24Hours)
    , beginDatetime(QDate::currentDate(), QTime(0, 0))
    , m_waitingMovie(nullptr)
    , m_paintRowBegin(0)
    , m_paintRowDegree(0)
    , m_paintRowMinimumWidth(0)
    , m_rangeSelection(nullptr)
    , m_labelClusters(nullptr)
    , m_hoverReadout(nullptr)
    , m_minimumIntervalWidth(0)
    , m_activityRowStale(true)
    , m_activityRowDegree(0)
    , m_thumbnailPreview(nullptr)
    , m_bookmarkBands(nullptr)
{
    init(downloadEnabled);
    connectSignalsWithSlots();
}

ChannelRecordingTimeAxisWt::~ChannelRecordingTimeAxisWt() = default;

void ChannelRecordingTimeAxisWt::init(bool downloadEnabled)
{
    recordingsWt = new QWidget(this);
    recordingsWt->setObjectName(QStringLiteral("recordingsWt"));
    recordingsWt->installEventFilter(this);
    // The strip paints every pixel of what it is asked to repaint: nothing needs painting beneath it.
    recordingsWt->setAttribute(Qt::WA_OpaquePaintEvent);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(recordingsWt);

    waitingLabel = new QLabel(recordingsWt);
    waitingLabel->setObjectName(QStringLiteral("waitingLabel"));
    waitingLabel->setFixedSize(waitingSize, waitingSize);
    waitingLabel->lower();
    waitingLabel->hide();
    // The animation is seen only while waitingLabel is: it is made when the label is first shown, pauses while the
    // label is hidden and resumes when it is shown again (the bar watches the label's show and hide events). Bars
    // that never wait load no animation, and idle ones decode no frames and start no timer.
    waitingLabel->installEventFilter(this);
    retranslate();

    progressCursor = new ProgressCursorWt(downloadEnabled, recordingsWt);
    progressCursor->setObjectName(QStringLiteral("progressCursor"));
    progressCursor->hide();
}

void ChannelRecordingTimeAxisWt::connectSignalsWithSlots()
{
    connect(progressCursor, &ProgressCursorWt::signalDownloadByTimeRangeBtClicked, this,
        &ChannelRecordingTimeAxisWt::slotDownloadByTimeRangeBtClicked);

    // The track's signals for the host go out under the bar's names.
    connect(&m_track, &RecordingTrack::playbackAppointed, this, &ChannelRecordingTimeAxisWt::signalAppointPlaybackTime);
    connect(&m_track, &RecordingTrack::percentInFile, this, &ChannelRecordingTimeAxisWt::signalDatetimePercentInFile);
    connect(&m_track, &RecordingTrack::playbackFinished, this,
        &ChannelRecordingTimeAxisWt::signalPlaybackToRecordingsTimeAxisEnd);
    connect(&m_track, &RecordingTrack::labelMarksDropped, this, &ChannelRecordingTimeAxisWt::dropLabelMarkWidgets);

    connect(&m_track, &RecordingTrack::cursorMoved, this, &ChannelRecordingTimeAxisWt::placeCursor);
    connect(&m_track, &RecordingTrack::recordingsChanged, this, &ChannelRecordingTimeAxisWt::recordingsChanged);
    connect(&m_track, &RecordingTrack::labelMarkAdded, this, &ChannelRecordingTimeAxisWt::addLabelMarkWidget);
    connect(&m_track, &RecordingTrack::labelMarkRemoved, this, &ChannelRecordingTimeAxisWt::removeLabelMarkWidget);
    connect(&m_track, &RecordingTrack::labelMarkRenamed, this, &ChannelRecordingTimeAxisWt::renameLabelMarkWidget);
    connect(&m_track, &RecordingTrack::positionChanged, this,
        [this] { TimeAxisAccessible::notifyValueChanged(this, m_accessibleValueClock); });
    connect(&m_track, &RecordingTrack::activityChanged, this, &ChannelRecordingTimeAxisWt::activityChanged);
    connect(&m_track, &RecordingTrack::bookmarksChanged, this, &ChannelRecordingTimeAxisWt::bookmarksChanged);
}

// ---- Playback ----

void ChannelRecordingTimeAxisWt::startSearch(const QString& searchKey, const RecordingSearchInfo& info)
{
    m_track.startSearch(searchKey, info); // resets the track first
    setWaitingVisible(true);
}

void ChannelRecordingTimeAxisWt::setPlaybackIndex(int index)
{
    m_track.setPlaybackIndex(index);
}

void ChannelRecordingTimeAxisWt::setRecordingsTimeInfo(
    const QVector<RecordingTimeInfo>& recordings, bool playbackByTimeEnable, bool autoAppoint)
{
    m_track.setRecordings(recordings, playbackByTimeEnable, autoAppoint);
}

void ChannelRecordingTimeAxisWt::updatePlaybackTime(const QDateTime& datetime)
{
    m_track.reportProgress(datetime);
}

bool ChannelRecordingTimeAxisWt::appointPlaybackTime(const QDateTime& datetime)
{
    return m_track.seek(datetime);
}

bool ChannelRecordingTimeAxisWt::appointPlaybackTime(float percent)
{
    return m_track.seekInFile(percent);
}

void ChannelRecordingTimeAxisWt::resetRecordingInfo()
{
    waitingLabel->hide();
    m_track.reset();
}

void ChannelRecordingTimeAxisWt::getDatetimePercentInFile()
{
    m_track.reportPercentInFile();
}

QPair<QDateTime, QDateTime> ChannelRecordingTimeAxisWt::amendDateTimeRange(const QDateTime& begin, unsigned int secs)
{
    return m_track.amendDateTimeRange(begin, secs);
}

bool ChannelRecordingTimeAxisWt::hasNoneRecordings()
{
    return m_track.recordings().isEmpty();
}

bool ChannelRecordingTimeAxisWt::hasPlaybackTime()
{
    return m_track.isPlaying();
}

const RecordingSearchInfo& ChannelRecordingTimeAxisWt::getRecordingSearchInfo()
{
    return m_track.searchInfo();
}

// New recordings or none: the strip's row is made again, and a span selected on the old ones goes.
void ChannelRecordingTimeAxisWt::recordingsChanged()
{
    m_paintRow = QImage();
    m_paintRuns.clear();
    m_activityRowStale = true;
    if (m_rangeSelection)
        m_rangeSelection->clear();
    if (m_thumbnailPreview)
        m_thumbnailPreview->recordingsChanged();
    recordingsWt->update();
}

// ---- The view ----

void ChannelRecordingTimeAxisWt::setBeginTimeAndDegree(TimeAxisDegree degree, const QDateTime& begin)
{
    if (!TimeAxisMapping::isValidDegree(degree) || !begin.isValid())
        return;
    this->degree = degree;
    beginDatetime = begin;
    placeCursor(m_track.playbackDatetime());
    placeAllRecordingLabels();
    recordingsWt->update();
    if (m_thumbnailPreview)
        m_thumbnailPreview->viewChanged();
}

QDateTime ChannelRecordingTimeAxisWt::getDatetimeAtPos(const QPoint& pos)
{
    return TimeAxisMapping::barDatetimeAtPosX(beginDatetime, degree, pos.x(), width());
}

qint64 ChannelRecordingTimeAxisWt::posXOf(const QDateTime& datetime) const
{
    return TimeAxisMapping::barPosX(beginDatetime, degree, datetime, width());
}

qint64 ChannelRecordingTimeAxisWt::posXOfEpochMSecs(qint64 msecs)
{
    return TimeAxisMapping::barPosX((msecs - viewBeginEpochMSecs()) / 1000, degree, width());
}

qint64 ChannelRecordingTimeAxisWt::viewBeginEpochMSecs()
{
    return updatePaintRow() ? m_paintRowBegin : beginDatetime.toMSecsSinceEpoch();
}

bool ChannelRecordingTimeAxisWt::canAddRecordingLabelAtPos(const QPoint& pos)
{
    return m_track.canAddLabelMarkAt(getDatetimeAtPos(pos));
}

void ChannelRecordingTimeAxisWt::setWaitingVisible(bool visible)
{
    if (visible) {
        waitingLabel->show();
        waitingLabel->raise();
    } else {
        waitingLabel->hide();
        waitingLabel->lower();
    }
}

RecordingTrack::RecordingKind ChannelRecordingTimeAxisWt::paintedKindAt(int x)
{
    if (x < 0 || x > recordingsWt->width() || !updatePaintRow())
        return RecordingTrack::NoRecording;
    x = qMin(x, recordingsWt->width() - 1); // the right edge shows the last column
    const auto run = std::upper_bound(m_paintRuns.cbegin(), m_paintRuns.cend(), x,
        [](int column, const RecordingPaintRun& run) { return column < run.x2; });
    if (run == m_paintRuns.cend() || run->x1 > x)
        return RecordingTrack::NoRecording;
    return run->isAlarm ? RecordingTrack::AlarmRecording : RecordingTrack::NormalRecording;
}

void ChannelRecordingTimeAxisWt::setTitle(const QString& title)
{
    m_title = title;
    TimeAxisAccessible::notifyNameChanged(this);
}

// ---- Painting ----

bool ChannelRecordingTimeAxisWt::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == recordingsWt && event->type() == QEvent::Paint) {
        paintRecordings(static_cast<QPaintEvent*>(event)->rect());
        return true;
    }
    if (watched == waitingLabel && (event->type() == QEvent::Show || event->type() == QEvent::Hide))
        setWaitingAnimationRunning(event->type() == QEvent::Show);
    return QWidget::eventFilter(watched, event);
}

void ChannelRecordingTimeAxisWt::paintRecordings(const QRect& dirty)
{
    QPainter painter(recordingsWt);
    painter.setPen(Qt::NoPen);
    const bool recorded = updatePaintRow();
    const bool band = updateActivityRow(recorded);
    if (!recorded)
        painter.fillRect(dirty, TimeAxisStyle::barBackground());
    if (recorded || band) {
        // Every row of the strip is the same (but the top ones under an activity band, which are alike again): one
        // row of pixels, made from the recordings' pixel runs when the span, the width or the recordings change, and
        // copied into the dirty rows and columns only (a cursor step repaints a few dozen columns, not the strip).
        const QRect rows = dirty & recordingsWt->rect();
        const QRect columns(rows.left(), 0, rows.width(), 1);
        const int bandRows = band ? TimeAxisStyle::activityBandHeight : 0;
        for (int y = rows.top(); y <= rows.bottom(); ++y) {
            if (y < bandRows)
                painter.drawImage(QPoint(rows.left(), y), m_activityRow, columns);
            else if (recorded)
                painter.drawImage(QPoint(rows.left(), y), m_paintRow, columns);
        }
    }
    if (m_bookmarkBands)
        m_bookmarkBands->paint(painter, recordingsWt->height(), dirty);
    if (m_rangeSelection)
        m_rangeSelection->paint(painter, recordingsWt->width(), recordingsWt->height(), dirty);
}

bool ChannelRecordingTimeAxisWt::updatePaintRow()
{
    const int width = recordingsWt->width();
    if (m_track.index().isEmpty() || !beginDatetime.isValid() || width <= 0)
        return false;
    // Converting a local date-time costs a call to the C library; comparing two local ones costs nothing. The
    // features ask for the row (and the view's begin) several times a paint.
    const bool sameBegin = !m_paintRow.isNull() && m_paintRowBeginDatetime == beginDatetime;
    const qint64 viewBegin = sameBegin ? m_paintRowBegin : beginDatetime.toMSecsSinceEpoch();
    m_paintRowBeginDatetime = beginDatetime;
    if (m_paintRow.width() != width || m_paintRowBegin != viewBegin || m_paintRowDegree != degree
        || m_paintRowMinimumWidth != m_minimumIntervalWidth) {
        m_paintRow = QImage(width, 1, QImage::Format_RGB32);
        m_paintRow.fill(TimeAxisStyle::barBackground());
        auto* pixels = reinterpret_cast<QRgb*>(m_paintRow.scanLine(0));
        const QRgb normal = TimeAxisStyle::recording().rgb();
        const QRgb alarm = TimeAxisStyle::alarmRecording().rgb();
        m_paintRuns = m_minimumIntervalWidth > 0
            ? m_track.index().paintRunsWidened(viewBegin, degree, width, m_minimumIntervalWidth)
            : m_track.index().paintRuns(viewBegin, degree, width);
        for (const RecordingPaintRun& run : qAsConst(m_paintRuns))
            std::fill(pixels + run.x1, pixels + run.x2, run.isAlarm ? alarm : normal);
        m_paintRowBegin = viewBegin;
        m_paintRowDegree = degree;
        m_paintRowMinimumWidth = m_minimumIntervalWidth;
        m_activityRowStale = true;
    }
    return true;
}

bool ChannelRecordingTimeAxisWt::updateActivityRow(bool recorded)
{
    const int width = recordingsWt->width();
    if (m_track.activity().isEmpty() || !beginDatetime.isValid() || width <= 0)
        return false;
    if (!m_activityRowStale && m_activityRow.width() == width && m_activityRowDegree == degree
        && m_activityRowBeginDatetime == beginDatetime)
        return true;
    if (m_activityRow.width() != width)
        m_activityRow = QImage(width, 1, QImage::Format_RGB32);
    m_activityLevels.resize(width);
    m_track.activity().columnLevels(viewBeginEpochMSecs(), degree, width, m_activityLevels.data());
    // Each column's level and the kind of colour the strip shows there (told apart without a branch: the kinds
    // change from column to column) pick its shade.
    static const QVector<QRgb> shades = activityShades();
    static const QRgb normal = TimeAxisStyle::recording().rgb();
    static const QRgb alarm = TimeAxisStyle::alarmRecording().rgb();
    const QRgb* shade = shades.constData();
    const quint8* levels = m_activityLevels.constData();
    auto* pixels = reinterpret_cast<QRgb*>(m_activityRow.scanLine(0));
    if (recorded) {
        const auto* strip = reinterpret_cast<const QRgb*>(m_paintRow.constScanLine(0));
        for (int x = 0; x < width; ++x) {
            const unsigned kind = unsigned(strip[x] == normal) | unsigned(strip[x] == alarm) << 1;
            pixels[x] = shade[kind << 7 | levels[x]];
        }
    } else {
        for (int x = 0; x < width; ++x)
            pixels[x] = shade[levels[x]];
    }
    m_activityRowStale = false;
    m_activityRowBeginDatetime = beginDatetime;
    m_activityRowDegree = degree;
    return true;
}

void ChannelRecordingTimeAxisWt::activityChanged()
{
    m_activityRowStale = true;
    if (m_track.activity().isEmpty()) {
        m_activityRow = QImage();
        m_activityLevels.clear();
    }
    recordingsWt->update();
}

// The bands exist while there are bookmarks; screen readers hear of them in the bar's description.
void ChannelRecordingTimeAxisWt::bookmarksChanged()
{
    if (m_track.bookmarks().isEmpty()) {
        delete m_bookmarkBands;
        m_bookmarkBands = nullptr;
        recordingsWt->update();
    } else if (!m_bookmarkBands) {
        m_bookmarkBands = new BookmarkBands(this);
        connect(m_bookmarkBands, &BookmarkBands::clicked, this,
            [this](const QString& id) { emit signalBookmarkClicked(this, id); });
    } else {
        m_bookmarkBands->bookmarksChanged();
    }
    TimeAxisAccessible::notifyDescriptionChanged(this);
}

void ChannelRecordingTimeAxisWt::setWaitingAnimationRunning(bool running)
{
    if (running && !m_waitingMovie) {
        m_waitingMovie = new QMovie(QStringLiteral(":/video/images/video/time_axis_waiting.gif"), QByteArray(), this);
        waitingLabel->setMovie(m_waitingMovie);
        m_waitingMovie->start();
        return;
    }
    // Only a movie that runs is paused, and only a paused one resumes: one that failed to load stays as it is.
    if (!m_waitingMovie)
        return;
    if (running && m_waitingMovie->state() == QMovie::Paused)
        m_waitingMovie->setPaused(false);
    else if (!running && m_waitingMovie->state() == QMovie::Running)
        m_waitingMovie->setPaused(true);
}

void ChannelRecordingTimeAxisWt::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void ChannelRecordingTimeAxisWt::retranslate()
{
    waitingLabel->setAccessibleName(tr("Searching for recordings"));
}

void ChannelRecordingTimeAxisWt::mouseReleaseEvent(QMouseEvent* event)
{
    appointPlaybackTime(getDatetimeAtPos(QtCompat::eventPos(event)));
    QWidget::mouseReleaseEvent(event);
}

void ChannelRecordingTimeAxisWt::resizeEvent(QResizeEvent* event)
{
    waitingLabel->move(waitingLeft, static_cast<int>((recordingsWt->height() - waitingLabel->height()) * 0.5));
    placeCursor(m_track.playbackDatetime());
    placeAllRecordingLabels();
    QWidget::resizeEvent(event);
    if (m_thumbnailPreview)
        m_thumbnailPreview->viewChanged();
}

void ChannelRecordingTimeAxisWt::placeCursor(const QDateTime& datetime)
{
    if (!datetime.isValid() || !beginDatetime.isValid()) {
        progressCursor->hide();
        return;
    }
    const qint64 x = posXOf(datetime);
    if (x < 0 || x > width()) {
        progressCursor->hide();
        return;
    }
    progressCursor->show();
    const bool flipped = x + progressCursor->width() > width();
    progressCursor->setFlipped(flipped);
    progressCursor->move(static_cast<int>(flipped ? x - progressCursor->width() : x), 0);
    progressCursor->setDatetime(datetime);
}

// ---- Label marks ----

void ChannelRecordingTimeAxisWt::placeRecordingLabel(RecordingLabelWt* label, const QDateTime& datetime)
{
    const qint64 x = datetime.isValid() && beginDatetime.isValid() ? posXOf(datetime) : -1;
    if (x < 0 || x > width()) {
        label->hide();
        return;
    }
    if (!m_labelClusters || !m_labelClusters->isGathered(label)) // a gathered mark stays hidden, but placed
        label->show();
    const int half = static_cast<int>(label->width() * 0.5);
    qint64 labelX = x - half;
    if (x - half < 0)
        labelX = 0;
    else if (x + half > width())
        labelX = width() - label->width();
    label->move(static_cast<int>(labelX), 0);
}

void ChannelRecordingTimeAxisWt::placeAllRecordingLabels()
{
    if (m_labelClusters)
        m_labelClusters->beforePlacement();
    for (RecordingLabelWt* label : qAsConst(recordingLabels))
        placeRecordingLabel(label, label->getRecordingLabelInfo().datetime);
    if (m_labelClusters)
        m_labelClusters->update();
}

// Placement shows every mark whose moment is in view; the clusters then hide the marks they gather.
void ChannelRecordingTimeAxisWt::updateLabelClusters()
{
    if (m_labelClusters)
        placeAllRecordingLabels();
}

void ChannelRecordingTimeAxisWt::addLabelMarkWidget(int index)
{
    const LocalRecordingLabelInfo& info = m_track.labelMarks().at(index);
    auto* label = new RecordingLabelWt(recordingsWt);
    label->setRecordingLabelInfo(info);
    label->lower();
    label->show();
    recordingLabels.insert(index, label);
    placeRecordingLabel(label, info.datetime);
    updateLabelClusters();
}

void ChannelRecordingTimeAxisWt::removeLabelMarkWidget(int index)
{
    RecordingLabelWt* label = recordingLabels.takeAt(index);
    label->hide();
    label->deleteLater();
    updateLabelClusters();
}

void ChannelRecordingTimeAxisWt::renameLabelMarkWidget(int index)
{
    recordingLabels.at(index)->rename(m_track.labelMarks().at(index).name);
    updateLabelClusters();
}

void ChannelRecordingTimeAxisWt::dropLabelMarkWidgets(const QStringList& names)
{
    for (RecordingLabelWt* label : qAsConst(recordingLabels)) {
        label->hide();
        label->deleteLater();
    }
    recordingLabels.clear();
    updateLabelClusters();
    emit signalRecordingLabelsEnabled(names, false);
}

void ChannelRecordingTimeAxisWt::slotAddRecordingLabelToLocalDB(const LocalRecordingLabelInfo& info, int result)
{
    m_track.addLabelMark(info, result);
}

void ChannelRecordingTimeAxisWt::slotDeleteRecordingLabelFromLocalDB(const QString& name)
{
    m_track.removeLabelMark(name);
}

void ChannelRecordingTimeAxisWt::slotUpdateRecordingLabelNameInLocalDB(const QString& oldName, const QString& newName)
{
    m_track.renameLabelMark(oldName, newName);
}

void ChannelRecordingTimeAxisWt::slotDownloadByTimeRangeBtClicked(const QDateTime& datetime)
{
    emit signalDownloadByTimeRangeBtClicked(this, datetime);
}

// ---- Opt-in features ----

void ChannelRecordingTimeAxisWt::setRangeSelectionEnabled(bool enabled)
{
    if (enabled == (m_rangeSelection != nullptr))
        return;
    if (enabled) {
        m_rangeSelection = new RangeSelection(this);
        connect(
            m_rangeSelection, &RangeSelection::selected, this, [this](const QDateTime& begin, const QDateTime& end) {
                emit signalDownloadRangeSelected(this, begin, end);
            });
    } else {
        delete m_rangeSelection;
        m_rangeSelection = nullptr;
        recordingsWt->update();
    }
}

void ChannelRecordingTimeAxisWt::setMinimumIntervalWidth(int pixels)
{
    if (pixels < 0 || pixels == m_minimumIntervalWidth)
        return;
    m_minimumIntervalWidth = pixels;
    recordingsWt->update();
}

void ChannelRecordingTimeAxisWt::setLabelClusteringEnabled(bool enabled)
{
    if (enabled == (m_labelClusters != nullptr))
        return;
    if (enabled) {
        m_labelClusters = new LabelClusters(this);
        updateLabelClusters();
    } else {
        delete m_labelClusters;
        m_labelClusters = nullptr;
        placeAllRecordingLabels();
    }
}

void ChannelRecordingTimeAxisWt::setHoverReadoutEnabled(bool enabled)
{
    if (enabled == (m_hoverReadout != nullptr))
        return;
    if (enabled) {
        m_hoverReadout = new HoverReadout(this);
    } else {
        delete m_hoverReadout;
        m_hoverReadout = nullptr;
    }
    updatePointerTracking();
}

void ChannelRecordingTimeAxisWt::updatePointerTracking()
{
    // Moves over the play cursor reach the strip only when the cursor tracks them too (it ignores them).
    const bool tracking = m_hoverReadout || m_thumbnailPreview;
    recordingsWt->setMouseTracking(tracking);
    progressCursor->setMouseTracking(tracking);
}

void ChannelRecordingTimeAxisWt::setActivity(const QVector<ActivitySample>& samples)
{
    m_track.setActivity(samples);
}

void ChannelRecordingTimeAxisWt::setBookmarks(const QVector<Bookmark>& bookmarks)
{
    m_track.setBookmarks(bookmarks);
}

void ChannelRecordingTimeAxisWt::setThumbnailPreviewEnabled(bool enabled)
{
    if (enabled == (m_thumbnailPreview != nullptr))
        return;
    if (enabled) {
        m_thumbnailPreview = new ThumbnailPreview(this);
        connect(m_thumbnailPreview, &ThumbnailPreview::requested, this,
            [this](const QDateTime& moment) { emit signalThumbnailRequested(this, moment); });
    } else {
        delete m_thumbnailPreview;
        m_thumbnailPreview = nullptr;
    }
    updatePointerTracking();
}

void ChannelRecordingTimeAxisWt::setThumbnail(const QDateTime& moment, const QImage& image)
{
    if (m_thumbnailPreview)
        m_thumbnailPreview->setThumbnail(moment, image);
}

} // namespace ZCORVANEBASE
