#include "timeaxis/recordingstimeaxisbox.h"

#include "frame/hostaccess_p.h"
#include "frame/zcheckbox.h"
#include "timeaxis/channelrecordingtimeaxiswt_p.h"

#include "timeaxis/timeaxisaccessible_p.h"
#include "timeaxis/timeaxiskeyboard_p.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSet>
#include <QVBoxLayout>

namespace ZCORVANEBASE {

namespace {
constexpr int defaultChannelCount = 64;
constexpr int rowHeight = 21;
}

RecordingsTimeAxisBox::RecordingsTimeAxisBox(int channelCount, bool downloadEnabled, QWidget* parent)
    : ZWidget(parent)
    , addingLabel(nullptr)
    , timeAxisWt(nullptr)
    , channelCount(channelCount < 1 ? defaultChannelCount : channelCount)
    , m_layout(nullptr)
    , m_keyboardNavigator(nullptr)
{
    init(downloadEnabled);
    connectSignalsWithSlots();
}

RecordingsTimeAxisBox::RecordingsTimeAxisBox(QWidget* parent)
    : RecordingsTimeAxisBox(defaultChannelCount, false, parent)
{
}

RecordingsTimeAxisBox::~RecordingsTimeAxisBox()
{
    // The keyboard navigator watches the rows: it goes while they are still there.
    delete m_keyboardNavigator;
}

void RecordingsTimeAxisBox::init(bool downloadEnabled)
{
    setBackgroundColor(QColor(QStringLiteral("#0e1622")));
    setFixedHeight(22 * channelCount + 19);
    setAccessibleName(tr("Playback windows"));

    addingLabel = new QLabel(this);
    addingLabel->setObjectName(QStringLiteral("addingLabel"));
    addingLabel->hide();

    m_layout = new QVBoxLayout(this);
    m_layout->setSpacing(1);
    m_layout->setContentsMargins(10, 10, 10, 10);
    createRecordingsTimeAxis(downloadEnabled);
}

void RecordingsTimeAxisBox::createRecordingsTimeAxis(bool downloadEnabled)
{
    for (int index = 0; index < channelCount; ++index) {
        auto* checkBox = new ZCheckBox(this);
        checkBox->setObjectName(QStringLiteral("checkBox_%1").arg(index));
        checkBox->setFixedHeight(rowHeight);
        connect(checkBox, SIGNAL(clicked(bool)), this, SLOT(slotChannelRecordingTimeAxisCheckBxClicked(bool)));

        auto* bar = new ChannelRecordingTimeAxisWt(downloadEnabled, this);
        bar->setObjectName(QStringLiteral("channelRecordingTimeAxisWt_%1").arg(index));
        bar->setFixedHeight(rowHeight);
        bar->setPlaybackIndex(index);
        connect(bar,
            SIGNAL(signalAppointPlaybackTime(QString,int,int,QDateTime)), this,
                SIGNAL(signalAppointPlaybackTime(QString,int,int,QDateTime)));
        connect(bar,
            SIGNAL(signalRecordingLabelsEnabled(QStringList,bool)), this,
                SIGNAL(signalRecordingLabelsEnabled(QStringList,bool)));
        connect(
            bar, SIGNAL(signalDatetimePercentInFile(int,float)), this, SIGNAL(signalDatetimePercentInFile(int,float)));
        connect(bar,
            SIGNAL(signalPlaybackToRecordingsTimeAxisEnd(int)), this,
                SIGNAL(signalPlaybackToRecordingsTimeAxisEnd(int)));
        connect(bar,
            SIGNAL(signalDownloadByTimeRangeBtClicked(QWidget*,QDateTime)), this,
                SLOT(slotDownloadByTimeRangeBtClicked(QWidget*,QDateTime)));
        connect(bar,
            SIGNAL(signalDownloadRangeSelected(QWidget*,QDateTime,QDateTime)), this,
                SLOT(slotDownloadRangeSelected(QWidget*,QDateTime,QDateTime)));

        auto* rowLayout = new QHBoxLayout;
        rowLayout->setContentsMargins(0, 0, 0, 0);
        rowLayout->setSpacing(6);
        rowLayout->addWidget(checkBox);
        rowLayout->addWidget(bar);
        m_layout->addLayout(rowLayout);
        rows.insert(index, qMakePair(checkBox, bar));
        setRowTitle(rows.value(index), defaultTitle(index));
    }
}

// The library connects none of the host-data slots: the host connects them to its own notifications.
void RecordingsTimeAxisBox::connectSignalsWithSlots() { }

QString RecordingsTimeAxisBox::defaultTitle(int playbackIndex) const
{
    return tr("Video Wnd No.:%1").arg(playbackIndex + 1, 0, 10, QLatin1Char(' '));
}

ChannelRecordingTimeAxisWt* RecordingsTimeAxisBox::barAt(int playbackIndex) const
{
    const auto it = rows.constFind(playbackIndex);
    return it == rows.constEnd() ? nullptr : it->second;
}

QString RecordingsTimeAxisBox::deviceIdOf(const QString& channelId) const
{
    if (channelId.isEmpty())
        return QString();
    auto* worker = hostWorker("formatChannelId");
    return worker ? worker->formatChannelId(channelId).first : QString();
}

void RecordingsTimeAxisBox::setTimeAxisWt(TimeAxisWt* timeAxisWt)
{
    if (!timeAxisWt || timeAxisWt == this->timeAxisWt)
        return;
    if (this->timeAxisWt) {
        disconnect(this->timeAxisWt, nullptr, this, nullptr);
        disconnect(this, nullptr, this->timeAxisWt, nullptr);
    }
    this->timeAxisWt = timeAxisWt;
    connect(timeAxisWt,
        SIGNAL(signalBeginTimeAndDegreeChanged(TimeAxisDegree,QDateTime)), this,
            SLOT(slotBeginTimeAndDegreeChanged(TimeAxisDegree,QDateTime)));
    connect(this, SIGNAL(signalZoomInTimeAxis(QDateTime)), timeAxisWt, SLOT(slotZoomInTimeAxis(QDateTime)));
    connect(this, SIGNAL(signalZoomOutTimeAxis(QDateTime)), timeAxisWt, SLOT(slotZoomOutTimeAxis(QDateTime)));
    connect(timeAxisWt,
        SIGNAL(signalBatchAppointPlaybackTime(QDateTime)), this, SLOT(slotBatchAppointPlaybackTime(QDateTime)));
}

void RecordingsTimeAxisBox::setChannelCheckBoxWidth(int width)
{
    if (width < 0)
        return;
    for (const auto& row : qAsConst(rows))
        row.first->setFixedWidth(width);
}

void RecordingsTimeAxisBox::setMarginRight(int margin)
{
    if (margin < 0)
        return;
    m_layout->setContentsMargins(10, 10, margin, 10);
}

void RecordingsTimeAxisBox::setChannelRecordingTimeAxisChecked(bool checked)
{
    for (const auto& row : qAsConst(rows))
        row.first->setChecked(checked);
}

void RecordingsTimeAxisBox::setRecordingSearchInfo(
    RecordingSearchState state, const QString& searchKey, const RecordingSearchInfo& info)
{
    const auto it = rows.constFind(info.playbackIndex);
    if (it == rows.constEnd())
        return;
    ChannelRecordingTimeAxisWt* bar = it->second;
    if (state == SearchStarted) {
        bar->resetRecordingInfo();
        bar->setWaitingVisible(true);
        bar->searchKey = searchKey;
        bar->searchInfo.recordingLocation = info.recordingLocation;
        bar->searchInfo.channelId = info.channelId;
        bar->searchInfo.searchType = info.searchType;
        bar->searchInfo.beginDatetime = info.beginDatetime;
        bar->searchInfo.endDatetime = info.endDatetime;
        auto* worker = hostWorker("getChannelName");
        QString title = worker ? worker->getChannelName(info.channelId) : info.channelId;
        if (title.isEmpty() && !info.channelId.isEmpty()) { // a row must never lose its title: show the id
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
        if (bar->searchKey == searchKey)
            bar->setWaitingVisible(false);
    }
}

void RecordingsTimeAxisBox::setChannelRecordingsTimeInfo(const QVector<RecordingTimeInfo>& recordings,
    int playbackIndex, const QString& searchKey, bool playbackByTimeEnable, bool autoAppoint)
{
    ChannelRecordingTimeAxisWt* bar = barAt(playbackIndex);
    if (!bar || bar->searchKey != searchKey)
        return;
    bar->setRecordingsTimeInfo(recordings, playbackByTimeEnable, autoAppoint);
}

void RecordingsTimeAxisBox::recoverChannelRecordingTimeAxisInfo(int playbackIndex)
{
    const auto it = rows.constFind(playbackIndex);
    if (it == rows.constEnd())
        return;
    setRowTitle(*it, defaultTitle(playbackIndex));
    it->second->resetRecordingInfo();
}

void RecordingsTimeAxisBox::recorverAllChannelRecordingTimeAxisInfo()
{
    for (auto it = rows.constBegin(); it != rows.constEnd(); ++it)
        recoverChannelRecordingTimeAxisInfo(it.key());
}

void RecordingsTimeAxisBox::timeAxisZoomCtrl(ZoomMode mode)
{
    if (!timeAxisWt)
        return;
    if (mode == ZoomIn)
        emit signalZoomInTimeAxis(timeAxisWt->getFixedDatetime());
    else if (mode == ZoomOut)
        emit signalZoomOutTimeAxis(timeAxisWt->getFixedDatetime());
}

bool RecordingsTimeAxisBox::timeAxisZoomCtrl(const QPoint& pos, ZoomMode mode)
{
    ChannelRecordingTimeAxisWt* bar = timeAxisWtAt(pos);
    if (!bar)
        return false;
    const QDateTime datetime = bar->getDatetimeAtPos(bar->mapFrom(this, pos));
    if (mode == ZoomIn)
        emit signalZoomInTimeAxis(datetime);
    else if (mode == ZoomOut)
        emit signalZoomOutTimeAxis(datetime);
    return true;
}

void RecordingsTimeAxisBox::appointPlaybackTime(
    const QString& channelId, int recordingLocation, const QDateTime& datetime)
{
    if (channelId.isEmpty())
        return;
    for (const auto& row : qAsConst(rows)) {
        const RecordingSearchInfo& info = row.second->getRecordingSearchInfo();
        if (info.channelId == channelId && info.recordingLocation == recordingLocation) {
            row.second->appointPlaybackTime(datetime);
            return;
        }
    }
}

void RecordingsTimeAxisBox::appointPlaybackTime(int playbackIndex, float percent)
{
    if (ChannelRecordingTimeAxisWt* bar = barAt(playbackIndex))
        bar->appointPlaybackTime(percent);
}

void RecordingsTimeAxisBox::updatePlaybackTime(const QDateTime& datetime, int playbackIndex)
{
    if (ChannelRecordingTimeAxisWt* bar = barAt(playbackIndex))
        bar->updatePlaybackTime(datetime);
}

void RecordingsTimeAxisBox::getDatetimePercentInFile(int playbackIndex)
{
    if (ChannelRecordingTimeAxisWt* bar = barAt(playbackIndex))
        bar->getDatetimePercentInFile();
}

QPair<QDateTime, QDateTime> RecordingsTimeAxisBox::amendDateTimeRange(
    int playbackIndex, const QDateTime& datetime, unsigned int secs)
{
    ChannelRecordingTimeAxisWt* bar = barAt(playbackIndex);
    return bar ? bar->amendDateTimeRange(datetime, secs) : QPair<QDateTime, QDateTime>();
}

void RecordingsTimeAxisBox::swapRecordingTimeAxis(int from, int to)
{
    if (from == to || !rows.contains(from) || !rows.contains(to))
        return;
    const auto fromRow = rows.value(from);
    rows[from] = rows.value(to);
    rows[to] = fromRow;
    rows[from].second->setPlaybackIndex(from);
    rows[to].second->setPlaybackIndex(to);

    const int lower = qMin(from, to);
    const int higher = qMax(from, to);
    QLayoutItem* higherItem = m_layout->takeAt(higher);
    QLayoutItem* lowerItem = m_layout->takeAt(lower);
    if (higherItem && lowerItem && higherItem->layout() && lowerItem->layout()) {
        QLayout* higherLayout = higherItem->layout();
        QLayout* lowerLayout = lowerItem->layout();
        m_layout->insertLayout(lower, higherLayout);
        m_layout->insertLayout(higher, lowerLayout);
    }

    for (int index : { from, to }) {
        const auto& row = rows[index];
        if (row.second->getRecordingSearchInfo().channelId.isEmpty())
            setRowTitle(row, defaultTitle(index));
    }
}

bool RecordingsTimeAxisBox::canAddRecordingLabelAtPos(const QPoint& pos, const QPixmap& pixmap)
{
    const QPoint point = pos + QPoint(-1, -3);
    ChannelRecordingTimeAxisWt* bar = timeAxisWtAt(point);
    if (!bar || !bar->canAddRecordingLabelAtPos(bar->mapFrom(this, point)))
        return false;
    addingLabel->resize(pixmap.size());
    addingLabel->move(pos.x(), pos.y() - addingLabel->height());
    addingLabel->setPixmap(pixmap);
    addingLabel->raise();
    addingLabel->show();
    return true;
}

void RecordingsTimeAxisBox::hideAddingRecordingLabel()
{
    addingLabel->hide();
}

LocalRecordingLabelInfo RecordingsTimeAxisBox::getRecordingLabelInfoAtPos(const QPoint& pos)
{
    LocalRecordingLabelInfo info;
    ChannelRecordingTimeAxisWt* bar = timeAxisWtAt(pos + QPoint(-1, -3));
    if (!bar)
        return info;
    info.channelId = bar->getRecordingSearchInfo().channelId;
    info.recordingLocation = bar->getRecordingSearchInfo().recordingLocation;
    info.datetime = bar->getDatetimeAtPos(bar->mapFrom(this, pos));
    return info;
}

bool RecordingsTimeAxisBox::isCursorInTimeAxis(const QPoint& pos)
{
    if (rows.isEmpty())
        return false;
    const QRect first = rows.first().second->geometry();
    const QRect last = rows.last().second->geometry();
    return QRect(QPoint(first.left(), 0), QPoint(last.right(), last.bottom() + 10)).contains(pos);
}

bool RecordingsTimeAxisBox::hasNoneRecordings()
{
    for (const auto& row : qAsConst(rows)) {
        if (!row.second->hasNoneRecordings())
            return false;
    }
    return true;
}

QList<RecordingSearchInfo> RecordingsTimeAxisBox::getAllRecordingSearchInfos()
{
    QList<RecordingSearchInfo> infos;
    for (auto it = rows.constBegin(); it != rows.constEnd(); ++it) {
        const RecordingSearchInfo info = getRecordingSearchInfo(it.key());
        if (!info.channelId.isEmpty())
            infos << info;
    }
    return infos;
}

RecordingSearchInfo RecordingsTimeAxisBox::getRecordingSearchInfo(int playbackIndex)
{
    RecordingSearchInfo result;
    ChannelRecordingTimeAxisWt* bar = barAt(playbackIndex);
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
    for (const auto& row : qAsConst(rows))
        labels << row.second->recordingLabelNames();
    return labels;
}

QPair<QList<int>, QList<int>> RecordingsTimeAxisBox::getCheckedChannelRecordingTimeAxis()
{
    QPair<QList<int>, QList<int>> checked;
    for (auto it = rows.constBegin(); it != rows.constEnd(); ++it) {
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
    for (auto it = rows.constBegin(); it != rows.constEnd(); ++it) {
        if (it->first->isChecked() && !it->second->hasNoneRecordings())
            checked << it.key();
    }
    return checked;
}

ChannelRecordingTimeAxisWt* RecordingsTimeAxisBox::timeAxisWtAt(const QPoint& pos)
{
    for (const auto& row : qAsConst(rows)) {
        if (row.second->geometry().contains(pos))
            return row.second;
    }
    return nullptr;
}

int RecordingsTimeAxisBox::getPlaybackIndex(QWidget* channelRecordingTimeAxisWt)
{
    for (auto it = rows.constBegin(); it != rows.constEnd(); ++it) {
        if (it->second == channelRecordingTimeAxisWt)
            return it.key();
    }
    return -1;
}

void RecordingsTimeAxisBox::slotBeginTimeAndDegreeChanged(TimeAxisDegree degree, const QDateTime& datetime)
{
    for (const auto& row : qAsConst(rows))
        row.second->setBeginTimeAndDegree(degree, datetime);
}

void RecordingsTimeAxisBox::slotChannelRecordingTimeAxisCheckBxClicked(bool)
{
    int checkedCount = 0;
    for (const auto& row : qAsConst(rows)) {
        if (row.first->isChecked())
            ++checkedCount;
    }
    Qt::CheckState state = Qt::PartiallyChecked;
    if (checkedCount == 0)
        state = Qt::Unchecked;
    else if (checkedCount == rows.size())
        state = Qt::Checked;
    emit signalAllChannelRecordingTimeAxisCheckState(state);
}

void RecordingsTimeAxisBox::slotBatchAppointPlaybackTime(const QDateTime& datetime)
{
    for (const auto& row : qAsConst(rows)) {
        if (row.first->isChecked())
            row.second->appointPlaybackTime(datetime);
    }
}

void RecordingsTimeAxisBox::slotDownloadByTimeRangeBtClicked(
    QWidget* channelRecordingTimeAxisWt, const QDateTime& datetime)
{
    const int index = getPlaybackIndex(channelRecordingTimeAxisWt);
    if (index != -1)
        emit signalDownloadByTimeRangeBtClicked(index, datetime);
}

void RecordingsTimeAxisBox::slotDeleteChannelsFromGroupInLocalDB(const QStringList& channelIds, bool success)
{
    if (!success)
        return;
    for (auto it = rows.constBegin(); it != rows.constEnd(); ++it) {
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
    for (const auto& row : qAsConst(rows)) {
        const QString& channelId = row.second->getRecordingSearchInfo().channelId;
        const auto name = channelNames.constFind(channelId);
        if (!channelId.isEmpty() && name != channelNames.constEnd())
            setRowTitle(row, name.value());
    }
}

// Cloud channel names reach the rows through slotUpdateDevChannels; this notice carries nothing more.
void RecordingsTimeAxisBox::slotModifyCloudDevChannelNameSuccess(const QString&, int, const QString&) { }

void RecordingsTimeAxisBox::slotDeleteLocalDevs(const QStringList& devIds, bool success)
{
    if (!success)
        return;
    for (auto it = rows.constBegin(); it != rows.constEnd(); ++it) {
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
        for (const auto& row : qAsConst(rows)) {
            const QString devId = deviceIdOf(row.second->getRecordingSearchInfo().channelId);
            if (!devId.isEmpty() && devId == dev.devId)
                setRowTitle(row, dev.devName);
        }
    }
}

void RecordingsTimeAxisBox::slotUpdateDevChannels(const QString&, const QList<vms_sdk::DevChannelInfo>& channelsInfo)
{
    auto* worker = hostWorker("formatChannelId");
    if (!worker)
        return;
    QMap<QString, QString> channelNames;
    for (const vms_sdk::DevChannelInfo& channel : channelsInfo)
        channelNames.insert(worker->formatChannelId(qMakePair(channel.devId, channel.channelNo)), channel.channelName);
    for (const auto& row : qAsConst(rows)) {
        const QString& channelId = row.second->getRecordingSearchInfo().channelId;
        if (!channelId.isEmpty() && worker->isGroupChannel(channelId))
            break;
        const auto name = channelNames.constFind(channelId);
        if (!channelId.isEmpty() && name != channelNames.constEnd())
            setRowTitle(row, name.value());
    }
}

// ---- Keyboard operation, screen readers and language change ----

void RecordingsTimeAxisBox::setKeyboardNavigationEnabled(bool enabled)
{
    if (enabled == isKeyboardNavigationEnabled())
        return;
    if (enabled) {
        m_keyboardNavigator = new RecordingsBoxKeyboardNavigator(this);
    } else {
        delete m_keyboardNavigator;
        m_keyboardNavigator = nullptr;
    }
}

bool RecordingsTimeAxisBox::isKeyboardNavigationEnabled() const
{
    return m_keyboardNavigator != nullptr;
}

void RecordingsTimeAxisBox::setRowTitle(const QPair<ZCheckBox*, ChannelRecordingTimeAxisWt*>& row, const QString& title)
{
    row.first->setText(title);
    row.first->setAccessibleName(title);
    row.first->setAccessibleDescription(tr("Plays this window from the moment picked on the time ruler"));
    TimeAxisAccessible::notifyNameChanged(row.second); // the bar is named with the title too
}

void RecordingsTimeAxisBox::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    ZWidget::changeEvent(event);
}

// Rows without a channel show the default title of the new language; a channel keeps the name the host gave it.
void RecordingsTimeAxisBox::retranslate()
{
    setAccessibleName(tr("Playback windows"));
    for (auto it = rows.constBegin(); it != rows.constEnd(); ++it) {
        const bool hasChannel = !it->second->getRecordingSearchInfo().channelId.isEmpty();
        setRowTitle(*it, hasChannel ? it->first->text() : defaultTitle(it.key()));
    }
}

// ---- Range selection, minimum interval width, label clusters, hover read-out ------------------------------------

void RecordingsTimeAxisBox::setRangeSelectionEnabled(bool enabled)
{
    m_rangeSelectionEnabled = enabled;
    for (const auto& row : qAsConst(rows))
        row.second->setRangeSelectionEnabled(enabled);
}

void RecordingsTimeAxisBox::setMinimumIntervalWidth(int pixels)
{
    if (pixels < 0)
        return;
    m_minimumIntervalWidth = pixels;
    for (const auto& row : qAsConst(rows))
        row.second->setMinimumIntervalWidth(pixels);
}

void RecordingsTimeAxisBox::setLabelClusteringEnabled(bool enabled)
{
    m_labelClusteringEnabled = enabled;
    for (const auto& row : qAsConst(rows))
        row.second->setLabelClusteringEnabled(enabled);
}

void RecordingsTimeAxisBox::setHoverReadoutEnabled(bool enabled)
{
    m_hoverReadoutEnabled = enabled;
    for (const auto& row : qAsConst(rows))
        row.second->setHoverReadoutEnabled(enabled);
}

void RecordingsTimeAxisBox::slotDownloadRangeSelected(
    QWidget* channelRecordingTimeAxisWt, const QDateTime& begin, const QDateTime& end)
{
    const int index = getPlaybackIndex(channelRecordingTimeAxisWt);
    if (index != -1)
        emit signalDownloadRangeSelected(index, begin, end);
}

} // namespace ZCORVANEBASE
