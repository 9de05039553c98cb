#include "timeaxis/channelrecordingtimeaxiswt_p.h"

#include "timeaxis/hoverreadout_p.h"
#include "timeaxis/labelclusters_p.h"
#include "timeaxis/progresscursorwt_p.h"
#include "timeaxis/rangeselection_p.h"
#include "timeaxis/recordinglabelwt_p.h"
#include "timeaxis/timeaxisaccessible_p.h"

#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QMovie>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace ZCORVANEBASE {

namespace {
constexpr qint64 gapToleranceMSecs = 2000; // a report this close before a recording counts as inside it
constexpr qint64 staleReportSecs = 5; // reports this close to the pre-seek position come from before the seek
constexpr qint64 labelDistanceSecs = 300; // the least distance between two label marks
constexpr qint64 shortestStartSecs = 3; // a shorter recording is never where automatic playback starts
}

ChannelRecordingTimeAxisWt::ChannelRecordingTimeAxisWt(bool downloadEnabled, QWidget* parent)
    : QWidget(parent)
    , waitingLabel(nullptr)
    , recordingsWt(nullptr)
    , progressCursor(nullptr)
    , playbackByTimeEnable(true)
    , degree(Degree24Hours)
    , beginDatetime(QDate::currentDate(), QTime(0, 0))
    , isAppointing(false)
    , m_waitingMovie(nullptr)
    , m_paintRowBegin(0)
    , m_paintRowDegree(0)
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
    waitingLabel->setFixedSize(20, 20);
    waitingLabel->lower();
    waitingLabel->hide();
    // The animation is seen only while waitingLabel is: it is made when the label is first shown, pauses while the
    // label is hidden and resumes when it is shown again (the bar watches the label's show and hide events). Bars
    // that never wait load no animation, and idle ones decode no frames and start no timer.
    waitingLabel->installEventFilter(this);

    progressCursor = new ProgressCursorWt(downloadEnabled, recordingsWt);
    progressCursor->setObjectName(QStringLiteral("progressCursor"));
    progressCursor->hide();
}

void ChannelRecordingTimeAxisWt::connectSignalsWithSlots()
{
    connect(progressCursor,
        SIGNAL(signalDownloadByTimeRangeBtClicked(QDateTime)), this, SLOT(slotDownloadByTimeRangeBtClicked(QDateTime)));
}

void ChannelRecordingTimeAxisWt::setBeginTimeAndDegree(TimeAxisDegree degree, const QDateTime& begin)
{
    if (!TimeAxisMapping::isValidDegree(degree) || !begin.isValid())
        return;
    this->degree = degree;
    beginDatetime = begin;
    placeCursor(playbackDatetime);
    placeAllRecordingLabels();
    recordingsWt->update();
}

void ChannelRecordingTimeAxisWt::setPlaybackIndex(int index)
{
    searchInfo.playbackIndex = index;
}

void ChannelRecordingTimeAxisWt::setRecordingsTimeInfo(
    const QVector<RecordingTimeInfo>& recordings, bool playbackByTimeEnable, bool autoAppoint)
{
    if (!m_index.build(recordings))
        return;
    m_paintRow = QImage();
    if (m_rangeSelection)
        m_rangeSelection->clear();
    progressCursor->hide();
    this->recordings = recordings;
    this->playbackByTimeEnable = playbackByTimeEnable;

    if (!recordings.isEmpty()) {
        const QDateTime& lastEnd = recordings.last().endDatetime;
        const QDateTime& searchEnd = searchInfo.endDatetime;
        searchInfo.validEndDatetime = searchEnd.isValid() && searchEnd < lastEnd ? searchEnd : lastEnd;
    }

    if (autoAppoint && !recordings.isEmpty()) {
        const QDateTime& searchBegin = searchInfo.beginDatetime;
        const int first = searchBegin.isValid() ? m_index.firstEndingAfter(searchBegin.toMSecsSinceEpoch()) : 0;
        for (int i = first; i < recordings.size(); ++i) {
            const RecordingTimeInfo& recording = recordings.at(i);
            if (searchBegin.isValid() && recording.endDatetime <= searchBegin)
                continue;
            if (searchBegin.isValid() && recording.beginDatetime < searchBegin && searchBegin < recording.endDatetime) {
                appointPlaybackTime(searchBegin);
                break;
            }
            if (recording.beginDatetime.secsTo(recording.endDatetime) >= shortestStartSecs) {
                appointPlaybackTime(recording.beginDatetime);
                break;
            }
        }
    }
    recordingsWt->update();
}

void ChannelRecordingTimeAxisWt::updatePlaybackTime(const QDateTime& datetime)
{
    if (!datetime.isValid()) {
        progressCursor->hide();
        return;
    }
    if (previousPlaybackDatetime.isValid() && isAppointing
        && qAbs(previousPlaybackDatetime.secsTo(datetime)) < staleReportSecs)
        return;
    isAppointing = false;
    playbackDatetime = datetime;
    placeCursor(datetime);
    checkPlaybackProgress();
    emitDatetimePercentInFile(playbackDatetime);
    TimeAxisAccessible::notifyValueChanged(this, m_accessibleValueClock);
}

bool ChannelRecordingTimeAxisWt::appointPlaybackTime(const QDateTime& datetime)
{
    if (!datetime.isValid())
        return false;
    const int index = m_index.firstContaining(datetime.toMSecsSinceEpoch());
    if (index < 0)
        return false;
    previousPlaybackDatetime = playbackDatetime.isValid() ? playbackDatetime : QDateTime();
    playbackDatetime = datetime;
    isAppointing = true;
    fileDatetimeRange = qMakePair(recordings.at(index).beginDatetime, recordings.at(index).endDatetime);
    placeCursor(datetime);
    emit signalAppointPlaybackTime(
        searchInfo.channelId, searchInfo.playbackIndex, searchInfo.recordingLocation, datetime);
    emitDatetimePercentInFile(playbackDatetime);
    TimeAxisAccessible::notifyValueChanged(this, m_accessibleValueClock);
    return true;
}

bool ChannelRecordingTimeAxisWt::appointPlaybackTime(float percent)
{
    if (!fileDatetimeRange.first.isValid() || !fileDatetimeRange.second.isValid() || !qIsFinite(percent))
        return false;
    const auto rangeSecs = static_cast<float>(fileDatetimeRange.first.secsTo(fileDatetimeRange.second));
    const float secs = percent * rangeSecs;
    if (qAbs(secs) > 1e15f) // far outside any recording, and beyond what converts to seconds safely
        return false;
    return appointPlaybackTime(fileDatetimeRange.first.addSecs(static_cast<qint64>(secs)));
}

void ChannelRecordingTimeAxisWt::resetRecordingInfo()
{
    const bool wasPlaying = playbackDatetime.isValid();
    recordings.clear();
    m_index.clear();
    m_paintRow = QImage();
    searchInfo.channelId.clear();
    searchInfo.recordingLocation = 0;
    playbackDatetime = QDateTime();
    fileDatetimeRange = qMakePair(QDateTime(), QDateTime());
    progressCursor->hide();
    waitingLabel->hide();
    QStringList names;
    for (RecordingLabelWt* label : qAsConst(recordingLabels)) {
        names << label->getRecordingLabelInfo().name;
        label->hide();
        label->deleteLater();
    }
    recordingLabels.clear();
    if (m_rangeSelection)
        m_rangeSelection->clear();
    updateLabelClusters();
    emit signalRecordingLabelsEnabled(names, false);
    recordingsWt->update();
    emit signalDatetimePercentInFile(searchInfo.playbackIndex, 0.0f);
    if (wasPlaying)
        TimeAxisAccessible::notifyValueChanged(this, m_accessibleValueClock);
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

QDateTime ChannelRecordingTimeAxisWt::getDatetimeAtPos(const QPoint& pos)
{
    return TimeAxisMapping::barDatetimeAtPosX(beginDatetime, degree, pos.x(), width());
}

bool ChannelRecordingTimeAxisWt::canAddRecordingLabelAtPos(const QPoint& pos)
{
    const QDateTime datetime = getDatetimeAtPos(pos);
    if (!datetime.isValid() || m_index.firstContaining(datetime.toMSecsSinceEpoch()) < 0)
        return false;
    for (RecordingLabelWt* label : qAsConst(recordingLabels)) {
        const QDateTime& labelDatetime = label->getRecordingLabelInfo().datetime;
        if (labelDatetime.isValid() && qAbs(labelDatetime.secsTo(datetime)) < labelDistanceSecs)
            return false;
    }
    return true;
}

bool ChannelRecordingTimeAxisWt::hasNoneRecordings()
{
    return recordings.isEmpty();
}

bool ChannelRecordingTimeAxisWt::hasPlaybackTime()
{
    return playbackDatetime.isValid();
}

const RecordingSearchInfo& ChannelRecordingTimeAxisWt::getRecordingSearchInfo()
{
    return searchInfo;
}

void ChannelRecordingTimeAxisWt::getDatetimePercentInFile()
{
    emitDatetimePercentInFile(playbackDatetime);
}

QPair<QDateTime, QDateTime> ChannelRecordingTimeAxisWt::amendDateTimeRange(const QDateTime& begin, unsigned int secs)
{
    const QPair<QDateTime, QDateTime> none;
    if (!begin.isValid())
        return none;
    const QDateTime end0 = begin.addSecs(secs);
    if (end0 <= begin || recordings.isEmpty() || end0 < recordings.first().beginDatetime
        || begin > recordings.last().endDatetime)
        return none;

    // The start: the first recording that begins at or after `begin` (its begin), or contains it (`begin` itself).
    // Recordings before the first one ending at or after `begin` can do neither.
    const qint64 beginMSecs = begin.toMSecsSinceEpoch();
    int startIndex = -1;
    QDateTime start;
    for (int i = m_index.firstEndingAfter(beginMSecs - 1); i < recordings.size(); ++i) {
        const RecordingTimeInfo& recording = recordings.at(i);
        if (recording.beginDatetime >= begin) {
            start = recording.beginDatetime;
            startIndex = i;
            break;
        }
        if (recording.endDatetime >= begin) {
            start = begin;
            startIndex = i;
            break;
        }
    }
    if (startIndex < 0 || start >= end0)
        return qMakePair(start, QDateTime());

    if (recordings.last().endDatetime <= end0)
        return qMakePair(start, recordings.last().endDatetime);
    for (int i = startIndex; i < recordings.size(); ++i) {
        const RecordingTimeInfo& recording = recordings.at(i);
        if (recording.beginDatetime >= end0)
            return qMakePair(start, recordings.at(i - 1).endDatetime);
        if (recording.endDatetime >= end0)
            return qMakePair(start, end0);
    }
    return qMakePair(start, QDateTime());
}

QStringList ChannelRecordingTimeAxisWt::recordingLabelNames() const
{
    QStringList names;
    for (RecordingLabelWt* label : recordingLabels)
        names << label->getRecordingLabelInfo().name;
    return names;
}

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
    if (!updatePaintRow()) {
        painter.fillRect(dirty, QColor(QStringLiteral("#24344c")));
        paintFeatures(painter, dirty);
        return;
    }
    // Every row of the strip is the same: one row of pixels, made from the recordings' pixel runs when the span,
    // the width or the recordings change, and copied into the dirty rows and columns only (a cursor step repaints
    // a few dozen columns, not the strip).
    const QRect rows = dirty & recordingsWt->rect();
    const QRect columns(rows.left(), 0, rows.width(), 1);
    for (int y = rows.top(); y <= rows.bottom(); ++y)
        painter.drawImage(QPoint(rows.left(), y), m_paintRow, columns);
    paintFeatures(painter, dirty);
}

bool ChannelRecordingTimeAxisWt::updatePaintRow()
{
    const int width = recordingsWt->width();
    if (m_index.isEmpty() || !beginDatetime.isValid() || width <= 0)
        return false;
    // Converting a local date-time costs a call to the C library; comparing two local ones costs nothing. The
    // features ask for the row (and the view's begin) several times a paint.
    const bool sameBegin = !m_paintRow.isNull() && m_paintRowBeginDatetime == beginDatetime;
    const qint64 viewBegin = sameBegin ? m_paintRowBegin : beginDatetime.toMSecsSinceEpoch();
    m_paintRowBeginDatetime = beginDatetime;
    if (m_paintRow.width() != width || m_paintRowBegin != viewBegin || m_paintRowDegree != degree
        || m_paintRowMinimumWidth != m_minimumIntervalWidth) {
        m_paintRow = QImage(width, 1, QImage::Format_RGB32);
        m_paintRow.fill(QColor(QStringLiteral("#24344c")));
        auto* pixels = reinterpret_cast<QRgb*>(m_paintRow.scanLine(0));
        const QRgb normal = QColor(QStringLiteral("#00cf8b")).rgb();
        const QRgb alarm = QColor(QStringLiteral("#dc4d4d")).rgb();
        const QVector<RecordingPaintRun> runs = m_minimumIntervalWidth > 0
            ? m_index.paintRunsWidened(viewBegin, degree, width, m_minimumIntervalWidth)
            : m_index.paintRuns(viewBegin, degree, width);
        for (const RecordingPaintRun& run : runs)
            std::fill(pixels + run.x1, pixels + run.x2, run.isAlarm ? alarm : normal);
        m_paintRowBegin = viewBegin;
        m_paintRowDegree = degree;
        m_paintRowMinimumWidth = m_minimumIntervalWidth;
    }
    return true;
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

void ChannelRecordingTimeAxisWt::mousePressEvent(QMouseEvent* event)
{
    QWidget::mousePressEvent(event);
}

void ChannelRecordingTimeAxisWt::mouseReleaseEvent(QMouseEvent* event)
{
    appointPlaybackTime(getDatetimeAtPos(event->pos()));
    QWidget::mouseReleaseEvent(event);
}

void ChannelRecordingTimeAxisWt::resizeEvent(QResizeEvent* event)
{
    waitingLabel->move(5, static_cast<int>((recordingsWt->height() - waitingLabel->height()) * 0.5));
    placeCursor(playbackDatetime);
    placeAllRecordingLabels();
    QWidget::resizeEvent(event);
}

qint64 ChannelRecordingTimeAxisWt::posXOf(const QDateTime& datetime) const
{
    return TimeAxisMapping::barPosX(beginDatetime, degree, datetime, width());
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

bool ChannelRecordingTimeAxisWt::isInFileDatetimeRange(const QDateTime& datetime) const
{
    return fileDatetimeRange.first.isValid() && fileDatetimeRange.second.isValid()
        && fileDatetimeRange.first <= datetime && datetime <= fileDatetimeRange.second;
}

void ChannelRecordingTimeAxisWt::checkPlaybackProgress()
{
    if (searchInfo.channelId.isEmpty() || recordings.isEmpty())
        return;
    if (searchInfo.validEndDatetime.isValid() && playbackDatetime >= searchInfo.validEndDatetime) {
        finishPlayback();
        return;
    }
    if (playbackDatetime < recordings.first().beginDatetime || playbackDatetime > recordings.last().endDatetime)
        return;
    if (isInFileDatetimeRange(playbackDatetime))
        return;
    // A report just before a recording (or inside one) that goes on for 2 more seconds is not in a gap: recording
    // i has begin - 2 s <= t and end >= t + 2 s exactly when it contains t + 2 s.
    const qint64 playbackMSecs = playbackDatetime.toMSecsSinceEpoch();
    if (m_index.firstContaining(playbackMSecs + gapToleranceMSecs) >= 0)
        return;
    const int next = m_index.firstBeginningAfter(playbackMSecs);
    if (next < 0)
        finishPlayback();
    else
        appointPlaybackTime(recordings.at(next).beginDatetime);
}

void ChannelRecordingTimeAxisWt::finishPlayback()
{
    emit signalPlaybackToRecordingsTimeAxisEnd(searchInfo.playbackIndex);
    progressCursor->hide();
    playbackDatetime = QDateTime();
    fileDatetimeRange = qMakePair(QDateTime(), QDateTime());
}

void ChannelRecordingTimeAxisWt::emitDatetimePercentInFile(const QDateTime& datetime)
{
    if (searchInfo.channelId.isEmpty() || recordings.isEmpty() || !datetime.isValid())
        return;
    if (!isInFileDatetimeRange(datetime)) {
        const int index = m_index.firstContaining(datetime.toMSecsSinceEpoch());
        if (index < 0) {
            emit signalDatetimePercentInFile(searchInfo.playbackIndex, 0.0f);
            return;
        }
        fileDatetimeRange = qMakePair(recordings.at(index).beginDatetime, recordings.at(index).endDatetime);
    }
    const qint64 rangeSecs = fileDatetimeRange.first.secsTo(fileDatetimeRange.second);
    const float percent = rangeSecs == 0
        ? 0.0f
        : static_cast<float>(fileDatetimeRange.first.secsTo(datetime)) / static_cast<float>(rangeSecs);
    emit signalDatetimePercentInFile(searchInfo.playbackIndex, percent);
}

void ChannelRecordingTimeAxisWt::slotAddRecordingLabelToLocalDB(const LocalRecordingLabelInfo& info, int result)
{
    if (result != 0 || info.channelId != searchInfo.channelId || info.recordingLocation != searchInfo.recordingLocation)
        return;
    auto* label = new RecordingLabelWt(recordingsWt);
    label->setRecordingLabelInfo(info);
    label->lower();
    label->show();
    recordingLabels.append(label);
    placeRecordingLabel(label, info.datetime);
    updateLabelClusters();
}

void ChannelRecordingTimeAxisWt::slotDeleteRecordingLabelFromLocalDB(const QString& name)
{
    for (int i = 0; i < recordingLabels.size(); ++i) {
        RecordingLabelWt* label = recordingLabels.at(i);
        if (label->getRecordingLabelInfo().name == name) {
            label->hide();
            label->deleteLater();
            recordingLabels.removeAt(i);
            updateLabelClusters();
            return;
        }
    }
}

void ChannelRecordingTimeAxisWt::slotUpdateRecordingLabelNameInLocalDB(const QString& oldName, const QString& newName)
{
    for (RecordingLabelWt* label : qAsConst(recordingLabels)) {
        if (label->getRecordingLabelInfo().name == oldName) {
            label->rename(newName);
            updateLabelClusters();
            return;
        }
    }
}

void ChannelRecordingTimeAxisWt::slotDownloadByTimeRangeBtClicked(const QDateTime& datetime)
{
    emit signalDownloadByTimeRangeBtClicked(this, datetime);
}

// ---- Opt-in features ------------------------------------------------------------------------------------------

void ChannelRecordingTimeAxisWt::setRangeSelectionEnabled(bool enabled)
{
    if (enabled == (m_rangeSelection != nullptr))
        return;
    if (enabled) {
        m_rangeSelection = new RangeSelection(this);
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
}

int ChannelRecordingTimeAxisWt::recordingKindAtX(int x)
{
    if (x < 0 || x > recordingsWt->width() || !updatePaintRow())
        return 0;
    const QRgb pixel = m_paintRow.pixel(qMin(x, m_paintRow.width() - 1), 0);
    if (pixel == QColor(QStringLiteral("#dc4d4d")).rgb())
        return 2;
    return pixel == QColor(QStringLiteral("#00cf8b")).rgb() ? 1 : 0;
}

void ChannelRecordingTimeAxisWt::paintFeatures(QPainter& painter, const QRect& dirty)
{
    if (m_rangeSelection)
        m_rangeSelection->paint(painter, recordingsWt->width(), recordingsWt->height(), dirty);
}

// Placement shows every mark whose moment is in view; the clusters then hide the marks they gather.
void ChannelRecordingTimeAxisWt::updateLabelClusters()
{
    if (m_labelClusters)
        placeAllRecordingLabels();
}

} // namespace ZCORVANEBASE
