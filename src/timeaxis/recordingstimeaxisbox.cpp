#include "timeaxis/recordingstimeaxisbox_p.h"

#include "frame/hostaccess_p.h"
#include "frame/zcheckbox.h"
#include "timeaxis/channelrecordingtimeaxiswt_p.h"
#include "timeaxis/timeaxiskeyboard_p.h"
#include "timeaxis/timeaxisstyle_p.h"
#include "timeaxis/timeaxiswt_p.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QSet>
#include <QVBoxLayout>

#include <algorithm>

namespace ZCORVANEBASE {

namespace {

// Sets a row's title: the check box's text and accessible name, and the bar's title, which screen readers name it with.
void setRowTitle(const RecordingsTimeAxisBox::Private::Row& row, const QString& title)
{
    row.first->setText(title);
    row.first->setAccessibleName(title);
    row.first->setAccessibleDescription(
        RecordingsTimeAxisBox::tr("Plays this window from the moment picked on the time ruler"));
    row.second->setTitle(title);
}

QString defaultTitle(int playbackIndex)
{
    return RecordingsTimeAxisBox::tr("Video Wnd No.:%1").arg(playbackIndex + 1, 0, 10, QLatin1Char(' '));
}

// The device part of a channel id, as the host splits it; empty without a host worker.
QString deviceIdOf(const QString& channelId)
{
    if (channelId.isEmpty())
        return QString();
    auto* worker = hostWorker("formatChannelId");
    return worker ? worker->formatChannelId(channelId).first : QString();
}

} // namespace

RecordingsTimeAxisBox::Private::Private(int channelCount)
    : channelCount(channelCount < 1 ? TimeAxisStyle::defaultRowCount : channelCount)
{
}

ChannelRecordingTimeAxisWt* RecordingsTimeAxisBox::Private::barAt(int playbackIndex) const
{
    const auto it = rows.constFind(playbackIndex);
    return it == rows.constEnd() ? nullptr : it->second;
}

ChannelRecordingTimeAxisWt* RecordingsTimeAxisBox::Private::timeAxisWtAt(const QPoint& pos) const
{
    for (const Row& row : rows) {
        if (row.second->geometry().contains(pos))
            return row.second;
    }
    return nullptr;
}

int RecordingsTimeAxisBox::Private::getPlaybackIndex(QWidget* channelRecordingTimeAxisWt) const
{
    for (auto it = rows.constBegin(); it != rows.constEnd(); ++it) {
        if (it->second == channelRecordingTimeAxisWt)
            return it.key();
    }
    return -1;
}

RecordingsTimeAxisBox::RecordingsTimeAxisBox(int channelCount, bool downloadEnabled, QWidget* parent)
    : ZWidget(parent)
    , d(new Private(channelCount))
{
    init(downloadEnabled);
    connectSignalsWithSlots();
}

RecordingsTimeAxisBox::RecordingsTimeAxisBox(QWidget* parent)
    : RecordingsTimeAxisBox(TimeAxisStyle::defaultRowCount, false, parent)
{
}

RecordingsTimeAxisBox::~RecordingsTimeAxisBox()
{
    // The keyboard navigator and the alignment watch the rows and the ruler: they go while those are still there.
    delete d->keyboardNavigator;
    delete d->alignment;
}

void RecordingsTimeAxisBox::init(bool downloadEnabled)
{
    setBackgroundColor(TimeAxisStyle::boxBackground());
    using namespace TimeAxisStyle;
    setFixedHeight((rowHeight + rowSpacing) * d->channelCount - rowSpacing + 2 * boxMargin);
    setAccessibleName(tr("Playback windows"));

    d->addingLabel = new QLabel(this);
    d->addingLabel->setObjectName(QStringLiteral("addingLabel"));
    d->addingLabel->hide();

    d->layout = new QVBoxLayout(this);
    d->layout->setSpacing(rowSpacing);
    d->layout->setContentsMargins(boxMargin, boxMargin, boxMargin, boxMargin);
    createRecordingsTimeAxis(downloadEnabled);
}

void RecordingsTimeAxisBox::createRecordingsTimeAxis(bool downloadEnabled)
{
    using Bar = ChannelRecordingTimeAxisWt;
    for (int index = 0; index < d->channelCount; ++index) {
        auto* checkBox = new ZCheckBox(this);
        checkBox->setObjectName(QStringLiteral("checkBox_%1").arg(index));
        checkBox->setFixedHeight(TimeAxisStyle::rowHeight);
        connect(
            checkBox, &ZCheckBox::clicked, this, &RecordingsTimeAxisBox::slotChannelRecordingTimeAxisCheckBxClicked);

        auto* bar = new Bar(downloadEnabled, this);
        bar->setObjectName(QStringLiteral("channelRecordingTimeAxisWt_%1").arg(index));
        bar->setFixedHeight(TimeAxisStyle::rowHeight);
        bar->setPlaybackIndex(index);
        connect(bar, &Bar::signalAppointPlaybackTime, this, &RecordingsTimeAxisBox::signalAppointPlaybackTime);
        connect(bar, &Bar::signalRecordingLabelsEnabled, this, &RecordingsTimeAxisBox::signalRecordingLabelsEnabled);
        connect(bar, &Bar::signalDatetimePercentInFile, this, &RecordingsTimeAxisBox::signalDatetimePercentInFile);
        connect(bar, &Bar::signalPlaybackToRecordingsTimeAxisEnd, this,
            &RecordingsTimeAxisBox::signalPlaybackToRecordingsTimeAxisEnd);
        connect(bar, &Bar::signalDownloadByTimeRangeBtClicked, this,
            &RecordingsTimeAxisBox::slotDownloadByTimeRangeBtClicked);
        connect(bar, &Bar::signalDownloadRangeSelected, this,
            [this](QWidget* bar, const QDateTime& begin, const QDateTime& end) {
                const int index = d->getPlaybackIndex(bar);
                if (index != -1)
                    emit signalDownloadRangeSelected(index, begin, end);
            });
        connect(bar, &Bar::signalThumbnailRequested, this, [this](QWidget* bar, const QDateTime& moment) {
            const int index = d->getPlaybackIndex(bar);
            if (index != -1)
                emit signalThumbnailRequested(index, moment);
        });
        connect(bar, &Bar::signalBookmarkClicked, this, [this](QWidget* bar, const QString& id) {
            const int index = d->getPlaybackIndex(bar);
            if (index != -1)
                emit signalBookmarkClicked(index, id);
        });

        auto* rowLayout = new QHBoxLayout;
        rowLayout->setContentsMargins(0, 0, 0, 0);
        rowLayout->setSpacing(TimeAxisStyle::checkBoxToBar);
        rowLayout->addWidget(checkBox);
        rowLayout->addWidget(bar);
        d->layout->addLayout(rowLayout);
        d->rows.insert(index, qMakePair(checkBox, bar));
        setRowTitle(d->rows.value(index), defaultTitle(index));
    }
}

// The library connects none of the host-data slots: the host connects them to its own notifications.
void RecordingsTimeAxisBox::connectSignalsWithSlots() { }

void RecordingsTimeAxisBox::setTimeAxisWt(TimeAxisWt* timeAxisWt)
{
    if (!timeAxisWt || timeAxisWt == d->timeAxisWt)
        return;
    if (d->timeAxisWt) {
        disconnect(d->timeAxisWt, nullptr, this, nullptr);
        disconnect(this, nullptr, d->timeAxisWt, nullptr);
    }
    d->timeAxisWt = timeAxisWt;
    connect(timeAxisWt, &TimeAxisWt::signalBeginTimeAndDegreeChanged, this,
        &RecordingsTimeAxisBox::slotBeginTimeAndDegreeChanged);
    TimeAxisWt::Private::get(timeAxisWt)->connectZoomRequests(this);
    connect(timeAxisWt, &TimeAxisWt::signalBatchAppointPlaybackTime, this,
        &RecordingsTimeAxisBox::slotBatchAppointPlaybackTime);
    if (d->alignment)
        d->alignment->follow(timeAxisWt);
}

void RecordingsTimeAxisBox::setChannelCheckBoxWidth(int width)
{
    if (width < 0)
        return;
    for (const auto& row : qAsConst(d->rows))
        row.first->setFixedWidth(width);
}

void RecordingsTimeAxisBox::setMarginRight(int margin)
{
    if (margin < 0)
        return;
    using namespace TimeAxisStyle;
    d->layout->setContentsMargins(boxMargin, boxMargin, margin, boxMargin);
}

void RecordingsTimeAxisBox::setAlignedWithTimeAxis(bool aligned)
{
    if (aligned == isAlignedWithTimeAxis())
        return;
    if (aligned) {
        d->alignment = new RulerAlignment(this, d.get());
        d->alignment->follow(d->timeAxisWt);
    } else {
        delete d->alignment;
        d->alignment = nullptr;
    }
}

bool RecordingsTimeAxisBox::isAlignedWithTimeAxis() const
{
    return d->alignment != nullptr;
}

RulerAlignment::RulerAlignment(RecordingsTimeAxisBox* box, RecordingsTimeAxisBox::Private* state)
    : QObject(box)
    , box(box)
    , state(state)
{
}

RulerAlignment::~RulerAlignment()
{
    unwatchAll();
}

void RulerAlignment::watch(QWidget* widget)
{
    if (!widget || watched.contains(widget))
        return;
    widget->installEventFilter(this);
    watched.append(widget);
}

void RulerAlignment::unwatchAll()
{
    for (const QPointer<QWidget>& widget : qAsConst(watched)) {
        if (widget)
            widget->removeEventFilter(this);
    }
    watched.clear();
}

void RulerAlignment::follow(TimeAxisWt* ruler)
{
    unwatchAll();
    watch(box);
    watch(box->window());
    if (ruler) {
        watch(ruler);
        watch(TimeAxisWt::Private::get(ruler)->strip());
        watch(ruler->window());
    }
    align();
}

// Moves and resizes of the box, the ruler, its strip or their windows, and a box or ruler shown or put into another
// window, call for a new alignment once the events of the moment are through (a resize of a window moves and resizes
// several of them at once).
bool RulerAlignment::eventFilter(QObject* watchedObject, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::ParentChange:
        if (!pending) {
            pending = true;
            QMetaObject::invokeMethod(
                this,
                [this] {
                    pending = false;
                    follow(state->timeAxisWt);
                },
                Qt::QueuedConnection);
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watchedObject, event);
}

// The bars start at the box's left margin plus the check-box column plus the row spacing, and end at the right
// margin: both are chosen so that they start and end at the ruler's first and last label centres on the screen.
void RulerAlignment::align()
{
    TimeAxisWt* ruler = state->timeAxisWt;
    if (!ruler)
        return;
    const TimeAxisWt::Private* rulerState = TimeAxisWt::Private::get(ruler);
    if (rulerState->maxTimePosX <= rulerState->minTimePosX)
        return; // the ruler has not been laid out yet: its next resize brings it here again
    const QWidget* strip = rulerState->strip();
    const int first = strip->mapToGlobal(QPoint(rulerState->minTimePosX, 0)).x();
    const int last = strip->mapToGlobal(QPoint(rulerState->maxTimePosX, 0)).x();
    const int boxLeft = box->mapToGlobal(QPoint(0, 0)).x();
    using namespace TimeAxisStyle;
    const int checkBoxWidth = qMax(0, first - boxLeft - boxMargin - checkBoxToBar);
    const int marginRight = qMax(0, box->width() - boxMargin - checkBoxWidth - checkBoxToBar - (last - first));
    box->setChannelCheckBoxWidth(checkBoxWidth);
    box->setMarginRight(marginRight);
}

void RecordingsTimeAxisBox::setChannelRecordingTimeAxisChecked(bool checked)
{
    for (const auto& row : qAsConst(d->rows))
        row.first->setChecked(checked);
}

void RecordingsTimeAxisBox::setRecordingSearchInfo(
    RecordingSearchState state, const QString& searchKey, const RecordingSearchInfo& info)
{
    const auto it = d->rows.constFind(info.playbackIndex);
    if (it == d->rows.constEnd())
        return;
    ChannelRecordingTimeAxisWt* bar = it->second;
    if (state == SearchStarted) {
        bar->startSearch(searchKey, info);
        auto* worker = hostWorker("getChannelName");
        // Without a host worker, or without a name from it, a row searching a channel shows the channel id: a row
        // never loses its title.
        QString title = worker ? worker->getChannelName(info.channelId) : info.channelId;
        if (title.isEmpty() && !info.channelId.isEmpty()) {
            static QSet<QString> warned; // once per channel
            if (!warned.contains(info.channelId))
                qWarning("ZCorvaneBase: the host worker's getChannelName() gave no name for channel \"%s\"; the row "
                         "shows the channel id",
                    qPrintable(info.channelId));
            warned.insert(info.channelId);
            title = info.channelId;
        }
        setRowTitle(*it, title);
    } else if (state == SearchFinished) {
        if (bar->track().searchKey() == searchKey)
            bar->setWaitingVisible(false);
    }
}

void RecordingsTimeAxisBox::setChannelRecordingsTimeInfo(const QVector<RecordingTimeInfo>& recordings,
    int playbackIndex, const QString& searchKey, bool playbackByTimeEnable, bool autoAppoint)
{
    ChannelRecordingTimeAxisWt* bar = d->barAt(playbackIndex);
    if (!bar || bar->track().searchKey() != searchKey)
        return;
    bar->setRecordingsTimeInfo(recordings, playbackByTimeEnable, autoAppoint);
}

void RecordingsTimeAxisBox::recoverChannelRecordingTimeAxisInfo(int playbackIndex)
{
    const auto it = d->rows.constFind(playbackIndex);
    if (it == d->rows.constEnd())
        return;
    setRowTitle(*it, defaultTitle(playbackIndex));
    it->second->resetRecordingInfo();
}

void RecordingsTimeAxisBox::recorverAllChannelRecordingTimeAxisInfo()
{
    for (auto it = d->rows.constBegin(); it != d->rows.constEnd(); ++it)
        recoverChannelRecordingTimeAxisInfo(it.key());
}

void RecordingsTimeAxisBox::timeAxisZoomCtrl(ZoomMode mode)
{
    if (!d->timeAxisWt)
        return;
    if (mode == ZoomIn)
        emit signalZoomInTimeAxis(d->timeAxisWt->getFixedDatetime());
    else if (mode == ZoomOut)
        emit signalZoomOutTimeAxis(d->timeAxisWt->getFixedDatetime());
}

bool RecordingsTimeAxisBox::timeAxisZoomCtrl(const QPoint& pos, ZoomMode mode)
{
    ChannelRecordingTimeAxisWt* bar = d->timeAxisWtAt(pos);
    if (!bar)
        return false;
    const QDateTime datetime = bar->getDatetimeAtPos(bar->mapFrom(this, pos));
    if (mode == ZoomIn)
        emit signalZoomInTimeAxis(datetime);
    else if (mode == ZoomOut)
        emit signalZoomOutTimeAxis(datetime);
    return true;
}

// An empty channel id names no row (it would otherwise name every row without a search).
void RecordingsTimeAxisBox::appointPlaybackTime(
    const QString& channelId, int recordingLocation, const QDateTime& datetime)
{
    if (channelId.isEmpty())
        return;
    for (const auto& row : qAsConst(d->rows)) {
        const RecordingSearchInfo& info = row.second->getRecordingSearchInfo();
        if (info.channelId == channelId && info.recordingLocation == recordingLocation) {
            row.second->appointPlaybackTime(datetime);
            return;
        }
    }
}

void RecordingsTimeAxisBox::appointPlaybackTime(int playbackIndex, float percent)
{
    if (ChannelRecordingTimeAxisWt* bar = d->barAt(playbackIndex))
        bar->appointPlaybackTime(percent);
}

void RecordingsTimeAxisBox::updatePlaybackTime(const QDateTime& datetime, int playbackIndex)
{
    if (ChannelRecordingTimeAxisWt* bar = d->barAt(playbackIndex))
        bar->updatePlaybackTime(datetime);
}

void RecordingsTimeAxisBox::getDatetimePercentInFile(int playbackIndex)
{
    if (ChannelRecordingTimeAxisWt* bar = d->barAt(playbackIndex))
        bar->getDatetimePercentInFile();
}

QPair<QDateTime, QDateTime> RecordingsTimeAxisBox::amendDateTimeRange(
    int playbackIndex, const QDateTime& datetime, unsigned int secs)
{
    ChannelRecordingTimeAxisWt* bar = d->barAt(playbackIndex);
    return bar ? bar->amendDateTimeRange(datetime, secs) : QPair<QDateTime, QDateTime>();
}

// The two rows change places: map entries, playback indexes and places in the layout. A row without a channel takes
// the default title of its new number; a channel keeps its title. Both rows must exist and differ.
void RecordingsTimeAxisBox::swapRecordingTimeAxis(int from, int to)
{
    if (from == to || !d->rows.contains(from) || !d->rows.contains(to))
        return;
    auto& rows = d->rows;
    const auto fromRow = rows.value(from);
    rows[from] = rows.value(to);
    rows[to] = fromRow;
    rows[from].second->setPlaybackIndex(from);
    rows[to].second->setPlaybackIndex(to);

    const int lower = qMin(from, to);
    const int higher = qMax(from, to);
    QLayoutItem* higherItem = d->layout->takeAt(higher);
    QLayoutItem* lowerItem = d->layout->takeAt(lower);
    if (higherItem && lowerItem && higherItem->layout() && lowerItem->layout()) {
        QLayout* higherLayout = higherItem->layout();
        QLayout* lowerLayout = lowerItem->layout();
        d->layout->insertLayout(lower, higherLayout);
        d->layout->insertLayout(higher, lowerLayout);
    }

    for (int index : { from, to }) {
        const auto& row = rows[index];
        if (row.second->getRecordingSearchInfo().channelId.isEmpty())
            setRowTitle(row, defaultTitle(index));
    }
}

// A refusal does not hide a preview already shown.
bool RecordingsTimeAxisBox::canAddRecordingLabelAtPos(const QPoint& pos, const QPixmap& pixmap)
{
    const QPoint point = pos + QPoint(-1, -3);
    ChannelRecordingTimeAxisWt* bar = d->timeAxisWtAt(point);
    if (!bar || !bar->canAddRecordingLabelAtPos(bar->mapFrom(this, point)))
        return false;
    QLabel* addingLabel = d->addingLabel;
    addingLabel->resize(pixmap.size());
    addingLabel->move(pos.x(), pos.y() - addingLabel->height());
    addingLabel->setPixmap(pixmap);
    addingLabel->raise();
    addingLabel->show();
    return true;
}

void RecordingsTimeAxisBox::hideAddingRecordingLabel()
{
    d->addingLabel->hide();
}

LocalRecordingLabelInfo RecordingsTimeAxisBox::getRecordingLabelInfoAtPos(const QPoint& pos)
{
    LocalRecordingLabelInfo info;
    ChannelRecordingTimeAxisWt* bar = d->timeAxisWtAt(pos + QPoint(-1, -3));
    if (!bar)
        return info;
    info.channelId = bar->getRecordingSearchInfo().channelId;
    info.recordingLocation = bar->getRecordingSearchInfo().recordingLocation;
    info.datetime = bar->getDatetimeAtPos(bar->mapFrom(this, pos));
    return info;
}

bool RecordingsTimeAxisBox::isCursorInTimeAxis(const QPoint& pos)
{
    if (d->rows.isEmpty())
        return false;
    const QRect first = d->rows.first().second->geometry();
    const QRect last = d->rows.last().second->geometry();
    return QRect(QPoint(first.left(), 0), QPoint(last.right(), last.bottom() + TimeAxisStyle::boxMargin)).contains(pos);
}

bool RecordingsTimeAxisBox::hasNoneRecordings()
{
    for (const auto& row : qAsConst(d->rows)) {
        if (!row.second->hasNoneRecordings())
            return false;
    }
    return true;
}

QList<RecordingSearchInfo> RecordingsTimeAxisBox::getAllRecordingSearchInfos()
{
    QList<RecordingSearchInfo> infos;
    for (auto it = d->rows.constBegin(); it != d->rows.constEnd(); ++it) {
        const RecordingSearchInfo info = getRecordingSearchInfo(it.key());
        if (!info.channelId.isEmpty())
            infos << info;
    }
    return infos;
}

RecordingSearchInfo RecordingsTimeAxisBox::getRecordingSearchInfo(int playbackIndex)
{
    RecordingSearchInfo result;
    ChannelRecordingTimeAxisWt* bar = d->barAt(playbackIndex);
    if (!bar || bar->getRecordingSearchInfo().channelId.isEmpty())
        return result;
    const RecordingSearchInfo& info = bar->getRecordingSearchInfo();
    result.channelId = info.channelId;
    result.recordingLocation = info.recordingLocation;
    result.playbackIndex = info.playbackIndex;
    result.searchType = info.searchType;
    return result;
}

QStringList RecordingsTimeAxisBox::getAllEnabledRecordingLabels()
{
    QStringList labels;
    for (const auto& row : qAsConst(d->rows))
        labels << row.second->track().labelMarkNames();
    return labels;
}

QPair<QList<int>, QList<int>> RecordingsTimeAxisBox::getCheckedChannelRecordingTimeAxis()
{
    QPair<QList<int>, QList<int>> checked;
    for (auto it = d->rows.constBegin(); it != d->rows.constEnd(); ++it) {
        if (!it->first->isChecked())
            continue;
        if (it->second->hasPlaybackTime())
            checked.first << it.key();
        else
            checked.second << it.key();
    }
    return checked;
}

QList<int> RecordingsTimeAxisBox::getCheckedAndExistReocordingsChannelRecordingTimeAxis()
{
    QList<int> checked;
    for (auto it = d->rows.constBegin(); it != d->rows.constEnd(); ++it) {
        if (it->first->isChecked() && !it->second->hasNoneRecordings())
            checked << it.key();
    }
    return checked;
}

void RecordingsTimeAxisBox::slotBeginTimeAndDegreeChanged(TimeAxisDegree degree, const QDateTime& datetime)
{
    for (const auto& row : qAsConst(d->rows))
        row.second->setBeginTimeAndDegree(degree, datetime);
}

void RecordingsTimeAxisBox::slotChannelRecordingTimeAxisCheckBxClicked(bool)
{
    const int checkedCount = int(std::count_if(
        d->rows.cbegin(), d->rows.cend(), [](const Private::Row& row) { return row.first->isChecked(); }));
    Qt::CheckState state = Qt::PartiallyChecked;
    if (checkedCount == 0)
        state = Qt::Unchecked;
    else if (checkedCount == d->rows.size())
        state = Qt::Checked;
    emit signalAllChannelRecordingTimeAxisCheckState(state);
}

void RecordingsTimeAxisBox::slotBatchAppointPlaybackTime(const QDateTime& datetime)
{
    for (const auto& row : qAsConst(d->rows)) {
        if (row.first->isChecked())
            row.second->appointPlaybackTime(datetime);
    }
}

void RecordingsTimeAxisBox::slotDownloadByTimeRangeBtClicked(
    QWidget* channelRecordingTimeAxisWt, const QDateTime& datetime)
{
    const int index = d->getPlaybackIndex(channelRecordingTimeAxisWt);
    if (index != -1)
        emit signalDownloadByTimeRangeBtClicked(index, datetime);
}

// ---- Title upkeep: the host connects its device and channel notifications to these ----

void RecordingsTimeAxisBox::slotDeleteChannelsFromGroupInLocalDB(const QStringList& channelIds, bool success)
{
    if (!success)
        return;
    for (auto it = d->rows.constBegin(); it != d->rows.constEnd(); ++it) {
        const QString& channelId = it->second->getRecordingSearchInfo().channelId;
        if (!channelId.isEmpty() && channelIds.contains(channelId))
            recoverChannelRecordingTimeAxisInfo(it.key());
    }
}

void RecordingsTimeAxisBox::slotDeleteSceneChannelsSuccess(const QString&, const QStringList& channelIdList)
{
    slotDeleteChannelsFromGroupInLocalDB(channelIdList, true);
}

void RecordingsTimeAxisBox::slotUpdateGroupChannelsInLocalDB(const QMap<QString, QString>& channelNames, bool success)
{
    if (!success)
        return;
    for (const auto& row : qAsConst(d->rows)) {
        const QString& channelId = row.second->getRecordingSearchInfo().channelId;
        const auto name = channelNames.constFind(channelId);
        if (!channelId.isEmpty() && name != channelNames.constEnd())
            setRowTitle(row, name.value());
    }
}

// Cloud channel names reach the rows through slotUpdateDevChannels; this notice carries nothing more.
void RecordingsTimeAxisBox::slotModifyCloudDevChannelNameSuccess(const QString&, int, const QString&) { }

// Without a host worker the device of a channel is unknown: the device slots then change nothing.
void RecordingsTimeAxisBox::slotDeleteLocalDevs(const QStringList& devIds, bool success)
{
    if (!success)
        return;
    for (auto it = d->rows.constBegin(); it != d->rows.constEnd(); ++it) {
        const QString devId = deviceIdOf(it->second->getRecordingSearchInfo().channelId);
        if (!devId.isEmpty() && devIds.contains(devId))
            recoverChannelRecordingTimeAxisInfo(it.key());
    }
}

void RecordingsTimeAxisBox::slotDeleteCloudDevsSuccess(const QStringList& devSnList)
{
    slotDeleteLocalDevs(devSnList, true);
}

void RecordingsTimeAxisBox::slotUpdateLocalDevs(const QList<vms_sdk::DevInfo>& devsInfo, bool success)
{
    if (!success)
        return;
    for (const vms_sdk::DevInfo& dev : devsInfo) {
        if (dev.devType >= 2 || dev.onlineStatus != 1)
            continue;
        for (const auto& row : qAsConst(d->rows)) {
            const QString devId = deviceIdOf(row.second->getRecordingSearchInfo().channelId);
            if (!devId.isEmpty() && devId == dev.devId)
                setRowTitle(row, dev.devName);
        }
    }
}

// The pass ends at the first row whose channel the host reports as a group channel.
void RecordingsTimeAxisBox::slotUpdateDevChannels(const QString&, const QList<vms_sdk::DevChannelInfo>& channelsInfo)
{
    auto* worker = hostWorker("formatChannelId");
    if (!worker)
        return;
    QMap<QString, QString> channelNames;
    for (const vms_sdk::DevChannelInfo& channel : channelsInfo)
        channelNames.insert(worker->formatChannelId(qMakePair(channel.devId, channel.channelNo)), channel.channelName);
    for (const auto& row : qAsConst(d->rows)) {
        const QString& channelId = row.second->getRecordingSearchInfo().channelId;
        if (!channelId.isEmpty() && worker->isGroupChannel(channelId))
            break;
        const auto name = channelNames.constFind(channelId);
        if (!channelId.isEmpty() && name != channelNames.constEnd())
            setRowTitle(row, name.value());
    }
}

// ---- Language change ----

void RecordingsTimeAxisBox::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        // Rows without a channel show the default title of the new language; a channel keeps the host's name.
        setAccessibleName(tr("Playback windows"));
        for (auto it = d->rows.constBegin(); it != d->rows.constEnd(); ++it) {
            const bool hasChannel = !it->second->getRecordingSearchInfo().channelId.isEmpty();
            setRowTitle(*it, hasChannel ? it->first->text() : defaultTitle(it.key()));
        }
    }
    ZWidget::changeEvent(event);
}

// ---- Opt-in features ----

void RecordingsTimeAxisBox::setRangeSelectionEnabled(bool enabled)
{
    d->rangeSelectionEnabled = enabled;
    for (const auto& row : qAsConst(d->rows))
        row.second->setRangeSelectionEnabled(enabled);
}

bool RecordingsTimeAxisBox::isRangeSelectionEnabled() const
{
    return d->rangeSelectionEnabled;
}

// Negative widths are ignored.
void RecordingsTimeAxisBox::setMinimumIntervalWidth(int pixels)
{
    if (pixels < 0)
        return;
    d->minimumIntervalWidth = pixels;
    for (const auto& row : qAsConst(d->rows))
        row.second->setMinimumIntervalWidth(pixels);
}

int RecordingsTimeAxisBox::minimumIntervalWidth() const
{
    return d->minimumIntervalWidth;
}

void RecordingsTimeAxisBox::setLabelClusteringEnabled(bool enabled)
{
    d->labelClusteringEnabled = enabled;
    for (const auto& row : qAsConst(d->rows))
        row.second->setLabelClusteringEnabled(enabled);
}

bool RecordingsTimeAxisBox::isLabelClusteringEnabled() const
{
    return d->labelClusteringEnabled;
}

void RecordingsTimeAxisBox::setHoverReadoutEnabled(bool enabled)
{
    d->hoverReadoutEnabled = enabled;
    for (const auto& row : qAsConst(d->rows))
        row.second->setHoverReadoutEnabled(enabled);
}

bool RecordingsTimeAxisBox::isHoverReadoutEnabled() const
{
    return d->hoverReadoutEnabled;
}

void RecordingsTimeAxisBox::setKeyboardNavigationEnabled(bool enabled)
{
    if (enabled == isKeyboardNavigationEnabled())
        return;
    if (enabled) {
        d->keyboardNavigator = new RecordingsBoxKeyboardNavigator(this);
    } else {
        delete d->keyboardNavigator;
        d->keyboardNavigator = nullptr;
    }
}

bool RecordingsTimeAxisBox::isKeyboardNavigationEnabled() const
{
    return d->keyboardNavigator != nullptr;
}

void RecordingsTimeAxisBox::setChannelActivity(int playbackIndex, const QVector<ActivitySample>& samples)
{
    if (ChannelRecordingTimeAxisWt* bar = d->barAt(playbackIndex))
        bar->setActivity(samples);
}

void RecordingsTimeAxisBox::setThumbnailPreviewEnabled(bool enabled)
{
    d->thumbnailPreviewEnabled = enabled;
    for (const auto& row : qAsConst(d->rows))
        row.second->setThumbnailPreviewEnabled(enabled);
}

bool RecordingsTimeAxisBox::isThumbnailPreviewEnabled() const
{
    return d->thumbnailPreviewEnabled;
}

void RecordingsTimeAxisBox::setThumbnail(int playbackIndex, const QDateTime& moment, const QImage& image)
{
    if (ChannelRecordingTimeAxisWt* bar = d->barAt(playbackIndex))
        bar->setThumbnail(moment, image);
}

void RecordingsTimeAxisBox::setBookmarks(int playbackIndex, const QVector<Bookmark>& bookmarks)
{
    if (ChannelRecordingTimeAxisWt* bar = d->barAt(playbackIndex))
        bar->setBookmarks(bookmarks);
}

} // namespace ZCORVANEBASE
