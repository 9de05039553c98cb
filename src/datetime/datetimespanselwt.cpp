#include "datetime/datetimespanselwt.h"

#include "frame/zpushbutton.h"
#include "ui_datetimespanselwt.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QSignalBlocker>

namespace ZCORVANEBASE {

namespace {
// Posted to coalesce the change reports of one event-loop pass.
const QEvent::Type spanChangedEvent = QEvent::Type(10527);

// The preset row: its height below the calendars, and its buttons in order.
constexpr int presetBarHeight = 30;
struct Preset
{
    const char* objectName;
    const char* caption;
};
const Preset presets[] = {
    { "presetToday", QT_TRANSLATE_NOOP("ZCORVANEBASE::DatetimeSpanSelWt", "Today") },
    { "presetYesterday", QT_TRANSLATE_NOOP("ZCORVANEBASE::DatetimeSpanSelWt", "Yesterday") },
    { "presetLast24Hours", QT_TRANSLATE_NOOP("ZCORVANEBASE::DatetimeSpanSelWt", "Last 24 hours") },
    { "presetLast7Days", QT_TRANSLATE_NOOP("ZCORVANEBASE::DatetimeSpanSelWt", "Last 7 days") },
};
} // namespace

DatetimeSpanSelWt::DatetimeSpanSelWt(QWidget* parent, bool useTime)
    : ZWidget(parent)
    , ui(new Ui::DatetimeSpanSelWt)
    , maxSpanSecs(86399)
    , minSpanSecs(300)
    , changePending(false)
{
    ui->setupUi(this);
    ui->startCalendar->setUsingTime(useTime);
    ui->endCalendar->setUsingTime(useTime);
    init();
}

DatetimeSpanSelWt::~DatetimeSpanSelWt()
{
    delete ui;
}

void DatetimeSpanSelWt::init()
{
    retranslate();

    const QDateTime start(QDate::currentDate(), QTime(0, 0));
    const QDateTime end = start.addDays(1).addSecs(-1);
    ui->endCalendar->setRange(start.addSecs(minSpanSecs), end);
    ui->startCalendar->setInitDateTime(start);
    ui->endCalendar->setInitDateTime(end);

    setBackgroundColor(QColor(QStringLiteral("#1E293D")));
    setWindowFlags(Qt::Popup | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint);
    connectSignalsWithSlots();
}

void DatetimeSpanSelWt::connectSignalsWithSlots()
{
    connect(ui->startCalendar,
        SIGNAL(signalDateTimeChanged(QDateTime,qint64)), this, SLOT(slotStartDateTimeChanged(QDateTime,qint64)));
    connect(ui->endCalendar,
        SIGNAL(signalDateTimeChanged(QDateTime,qint64)), this, SLOT(slotEndDateTimeChanged(QDateTime,qint64)));
}

void DatetimeSpanSelWt::setInitDateTime(const QDateTime& start, const QDateTime& end)
{
    if (!start.isValid() || !end.isValid())
        return;
    QDateTime a = start;
    QDateTime b = end;
    if (a > b)
        std::swap(a, b);
    ui->startCalendar->setInitDateTime(a);
    // The start's editor brings a moment it cannot show (before 1752-09-14, after 9999) to its nearest end: the end's
    // window is built around the start it really shows.
    const qint64 moved = a.msecsTo(ui->startCalendar->getSelectDateTime());
    a = a.addMSecs(moved);
    b = b.addMSecs(moved);
    if (a.secsTo(b) < minSpanSecs)
        b = a.addSecs(minSpanSecs);
    if (a.secsTo(b) > maxSpanSecs)
        b = b.addSecs(maxSpanSecs - a.secsTo(b));
    {
        // The old end is about to be replaced: its clamp into the new range is no change worth reporting.
        const QSignalBlocker blocker(ui->endCalendar);
        ui->endCalendar->setRange(a.addSecs(minSpanSecs), a.addSecs(maxSpanSecs));
    }
    ui->endCalendar->setInitDateTime(b);
}

void DatetimeSpanSelWt::setInitDateTime(const QPair<QDateTime, QDateTime>& span)
{
    setInitDateTime(span.first, span.second);
}

void DatetimeSpanSelWt::setInitDateTime(const QPair<QDate, QDate>& days)
{
    if (!days.first.isValid() || !days.second.isValid())
        return;
    setInitDateTime(QDateTime(days.first, QTime(0, 0)), QDateTime(days.second, QTime(23, 59, 59)));
}

void DatetimeSpanSelWt::setMaxSpanSecs(qint64 secs)
{
    if (secs < 0)
        return;
    if (secs < minSpanSecs) {
        maxSpanSecs = minSpanSecs;
        minSpanSecs = secs;
    } else {
        maxSpanSecs = secs;
    }
}

void DatetimeSpanSelWt::setMinSpanSecs(qint64 secs)
{
    if (secs < 0)
        return;
    if (secs > maxSpanSecs)
        maxSpanSecs = secs;
    minSpanSecs = secs;
}

void DatetimeSpanSelWt::retranslate()
{
    ui->retranslateUi(this);
    ui->startCalendar->setTitle(tr("start"));
    ui->endCalendar->setTitle(tr("end"));
    if (m_presetBar) {
        for (const Preset& preset : presets) {
            if (auto* button = m_presetBar->findChild<QPushButton*>(QLatin1String(preset.objectName)))
                button->setText(tr(preset.caption));
        }
    }
}

void DatetimeSpanSelWt::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    ZWidget::changeEvent(event);
}

void DatetimeSpanSelWt::createPresets()
{
    m_presetBar = new QWidget(this);
    m_presetBar->setObjectName(QStringLiteral("presetBar"));
    // The popup's own style sheet takes every border away; the presets look like buttons all the same.
    m_presetBar->setStyleSheet(QStringLiteral(
        "QPushButton{color:#ccd3dd;background:#172335;border:1px solid #2a3650;border-radius:2px;font-size:12px;"
        "font-family:microsoft yahei;padding:0px 6px;}QPushButton:hover{border-color:#2c7dce;color:#ffffff;}"
        "QPushButton:pressed{background:#0f8bfd;color:#ffffff;}"));
    auto* row = new QHBoxLayout(m_presetBar);
    row->setContentsMargins(8, 2, 8, 4);
    row->setSpacing(6);
    for (int i = 0; i < int(sizeof(presets) / sizeof(presets[0])); ++i) {
        auto* button = new ZPushButton(m_presetBar);
        button->setObjectName(QLatin1String(presets[i].objectName));
        button->setProperty("common_bt_style2", true);
        button->setFixedHeight(24);
        button->setFocusPolicy(Qt::TabFocus);
        connect(button, &QPushButton::clicked, this, [this, i] { applyPreset(i); });
        row->addWidget(button);
    }
    retranslate();
}

void DatetimeSpanSelWt::setPresetsVisible(bool visible)
{
    if (visible == presetsVisible())
        return;
    if (visible && !m_presetBar)
        createPresets();
    // The calendars keep their place; the row lies in the room the bottom margin leaves.
    ui->horizontalLayout->setContentsMargins(1, 1, 1, visible ? 1 + presetBarHeight : 1);
    setFixedSize(439, visible ? 248 + presetBarHeight : 248);
    m_presetBar->setGeometry(0, 248, 439, presetBarHeight);
    m_presetBar->setVisible(visible);
}

bool DatetimeSpanSelWt::presetsVisible() const
{
    return m_presetBar && !m_presetBar->isHidden();
}

void DatetimeSpanSelWt::applyPreset(int preset)
{
    const QDate today = QDate::currentDate();
    const QTime dayEnd(23, 59, 59);
    switch (preset) {
    case 0:
        setInitDateTime(QDateTime(today, QTime(0, 0)), QDateTime(today, dayEnd));
        break;
    case 1:
        setInitDateTime(QDateTime(today.addDays(-1), QTime(0, 0)), QDateTime(today.addDays(-1), dayEnd));
        break;
    case 2: {
        QDateTime now = QDateTime::currentDateTime();
        now.setTime(QTime(now.time().hour(), now.time().minute(), now.time().second()));
        setInitDateTime(now.addSecs(-24 * 3600), now);
        break;
    }
    default:
        setInitDateTime(QDateTime(today.addDays(-6), QTime(0, 0)), QDateTime(today, dayEnd));
        break;
    }
    datetimeSpaceChanged();
}

void DatetimeSpanSelWt::customEvent(QEvent* event)
{
    if (changePending && event->type() == spanChangedEvent) {
        changePending = false;
        emit signalDatetimeSpanSelChanged(ui->startCalendar->getSelectDateTime(), ui->endCalendar->getSelectDateTime());
    }
    ZWidget::customEvent(event);
}

void DatetimeSpanSelWt::slotStartDateTimeChanged(const QDateTime& dateTime, qint64 msecs)
{
    const QDateTime lo = dateTime.addSecs(minSpanSecs);
    const QDateTime hi = dateTime.addSecs(maxSpanSecs);
    QDateTime end = ui->endCalendar->getSelectDateTime();
    // An end that leaves the allowed window moves as far as the start did; the range clamps what remains.
    if (end < lo || end > hi)
        end = end.addMSecs(msecs);
    ui->endCalendar->setRange(lo, hi);
    ui->endCalendar->setInitDateTime(end);
    datetimeSpaceChanged();
}

void DatetimeSpanSelWt::slotEndDateTimeChanged(const QDateTime& dateTime, qint64 msecs)
{
    Q_UNUSED(dateTime)
    Q_UNUSED(msecs)
    datetimeSpaceChanged();
}

void DatetimeSpanSelWt::datetimeSpaceChanged()
{
    if (changePending)
        return;
    changePending = true;
    QCoreApplication::postEvent(this, new QEvent(spanChangedEvent));
}

} // namespace ZCORVANEBASE
