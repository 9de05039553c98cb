#include "datetime/datetimespanselwt.h"

#include "datetime/calendarmonthwidget_p.h"
#include "frame/constants.h"
#include "frame/zpushbutton.h"
#include "ui_datetimespanselwt.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QSignalBlocker>

namespace ZCORVANEBASE {

namespace {
// Posted to coalesce the change reports of one event-loop pass; 10527 while that number is free.
QEvent::Type spanChangedEvent()
{
    static const auto type = QEvent::Type(QEvent::registerEventType(10527));
    return type;
}

// The popup's fixed size without the presets, its form's margin around the calendars, and the row the presets add
// below them.
constexpr int popupWidth = 439;
constexpr int popupHeight = 248;
constexpr int formMargin = 1;
constexpr int presetBarHeight = 30;
constexpr int presetButtonHeight = 24;
constexpr int presetSpacing = 6;
constexpr QMargins presetMargins(8, 2, 8, 4);

// The preset buttons in order.
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

class DatetimeSpanSelWt::Private
{
public:
    const std::unique_ptr<Ui::DatetimeSpanSelWt> ui = std::make_unique<Ui::DatetimeSpanSelWt>();
    qint64 maxSpanSecs = 86399; // 23 h 59 min 59 s
    qint64 minSpanSecs = 300;
    bool changePending = false;
    QWidget* presetBar = nullptr; // created the first time the presets are shown
};

DatetimeSpanSelWt::DatetimeSpanSelWt(QWidget* parent, bool useTime)
    : ZWidget(parent)
    , d(new Private)
{
    d->ui->setupUi(this);
    d->ui->startCalendar->setUsingTime(useTime);
    d->ui->endCalendar->setUsingTime(useTime);
    init();
}

DatetimeSpanSelWt::~DatetimeSpanSelWt() = default;

void DatetimeSpanSelWt::init()
{
    retranslate();

    const QDateTime start(QDate::currentDate(), QTime(0, 0));
    const QDateTime end = start.addDays(1).addSecs(-1);
    d->ui->endCalendar->setRange(start.addSecs(d->minSpanSecs), end);
    d->ui->startCalendar->setInitDateTime(start);
    d->ui->endCalendar->setInitDateTime(end);

    setBackgroundColor(QColor(QLatin1String(dayGridBackground)));
    setWindowFlags(Qt::Popup | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint);
    connectSignalsWithSlots();
}

void DatetimeSpanSelWt::connectSignalsWithSlots()
{
    connect(
        d->ui->startCalendar, &CalendarWt::signalDateTimeChanged, this, &DatetimeSpanSelWt::slotStartDateTimeChanged);
    connect(d->ui->endCalendar, &CalendarWt::signalDateTimeChanged, this, &DatetimeSpanSelWt::slotEndDateTimeChanged);
}

void DatetimeSpanSelWt::setInitDateTime(const QDateTime& start, const QDateTime& end)
{
    if (!start.isValid() || !end.isValid())
        return;
    QDateTime a = start;
    QDateTime b = end;
    if (a > b)
        std::swap(a, b);
    d->ui->startCalendar->setInitDateTime(a);
    // The start's editor brings a moment it cannot show (before 1752-09-14, after 9999) to its nearest end: the end's
    // window is built around the start it really shows.
    const qint64 moved = a.msecsTo(d->ui->startCalendar->getSelectDateTime());
    a = a.addMSecs(moved);
    b = b.addMSecs(moved);
    if (a.secsTo(b) < d->minSpanSecs)
        b = a.addSecs(d->minSpanSecs);
    if (a.secsTo(b) > d->maxSpanSecs)
        b = b.addSecs(d->maxSpanSecs - a.secsTo(b));
    {
        // The old end is about to be replaced: its clamp into the new range is no change worth reporting.
        const QSignalBlocker blocker(d->ui->endCalendar);
        d->ui->endCalendar->setRange(a.addSecs(d->minSpanSecs), a.addSecs(d->maxSpanSecs));
    }
    d->ui->endCalendar->setInitDateTime(b);
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
    if (secs < d->minSpanSecs) {
        d->maxSpanSecs = d->minSpanSecs;
        d->minSpanSecs = secs;
    } else {
        d->maxSpanSecs = secs;
    }
}

void DatetimeSpanSelWt::setMinSpanSecs(qint64 secs)
{
    if (secs < 0)
        return;
    if (secs > d->maxSpanSecs)
        d->maxSpanSecs = secs;
    d->minSpanSecs = secs;
}

void DatetimeSpanSelWt::retranslate()
{
    d->ui->retranslateUi(this);
    d->ui->startCalendar->setTitle(tr("start"));
    d->ui->endCalendar->setTitle(tr("end"));
    if (d->presetBar) {
        for (const Preset& preset : presets) {
            if (auto* button = d->presetBar->findChild<QPushButton*>(QLatin1String(preset.objectName)))
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
    d->presetBar = new QWidget(this);
    d->presetBar->setObjectName(QStringLiteral("presetBar"));
    // The popup's own style sheet takes every border away; the presets look like buttons all the same.
    const QString look = QStringLiteral(
        "QPushButton{color:#ccd3dd;background:%1;border:1px solid #2a3650;border-radius:2px;font-size:12px;"
        "font-family:microsoft yahei;padding:0px 6px;}QPushButton:hover{border-color:%2;color:%3;}"
        "QPushButton:pressed{background:%4;color:%3;}");
    d->presetBar->setStyleSheet(look.arg(colorPopup, colorAccentLight, colorText, QLatin1String(daySelectionColor)));
    auto* row = new QHBoxLayout(d->presetBar);
    row->setContentsMargins(presetMargins);
    row->setSpacing(presetSpacing);
    for (int i = 0; i < int(sizeof(presets) / sizeof(presets[0])); ++i) {
        auto* button = new ZPushButton(d->presetBar);
        button->setObjectName(QLatin1String(presets[i].objectName));
        button->setProperty("common_bt_style2", true);
        button->setFixedHeight(presetButtonHeight);
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
    if (visible && !d->presetBar)
        createPresets();
    // The calendars keep their place; the row lies in the room the bottom margin leaves.
    d->ui->horizontalLayout->setContentsMargins(
        formMargin, formMargin, formMargin, visible ? formMargin + presetBarHeight : formMargin);
    setFixedSize(popupWidth, visible ? popupHeight + presetBarHeight : popupHeight);
    d->presetBar->setGeometry(0, popupHeight, popupWidth, presetBarHeight);
    d->presetBar->setVisible(visible);
}

bool DatetimeSpanSelWt::presetsVisible() const
{
    return d->presetBar && !d->presetBar->isHidden();
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
    if (d->changePending && event->type() == spanChangedEvent()) {
        d->changePending = false;
        emit signalDatetimeSpanSelChanged(
            d->ui->startCalendar->getSelectDateTime(), d->ui->endCalendar->getSelectDateTime());
    }
    ZWidget::customEvent(event);
}

void DatetimeSpanSelWt::slotStartDateTimeChanged(const QDateTime& dateTime, qint64 msecs)
{
    const QDateTime lo = dateTime.addSecs(d->minSpanSecs);
    const QDateTime hi = dateTime.addSecs(d->maxSpanSecs);
    QDateTime end = d->ui->endCalendar->getSelectDateTime();
    // An end that leaves the allowed window moves as far as the start did; the range clamps what remains.
    if (end < lo || end > hi)
        end = end.addMSecs(msecs);
    d->ui->endCalendar->setRange(lo, hi);
    d->ui->endCalendar->setInitDateTime(end);
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
    if (d->changePending)
        return;
    d->changePending = true;
    QCoreApplication::postEvent(this, new QEvent(spanChangedEvent()));
}

} // namespace ZCORVANEBASE
