#include "datetime/timespacelineet.h"

#include "frame/actionicon_p.h"
#include "frame/constants.h"

#include <QAction>
#include <QEvent>
#include <QIcon>

namespace ZCORVANEBASE {

namespace {
// The host's images: it registers them in its own resources.
const char* const calendarIconNormal = ":/images/images/ico_calendar_n.png";
const char* const calendarIconHover = ":/images/images/ico_calendar_h.png";
// Room for a described pair in any of the languages, in UTF-8 bytes.
constexpr int maxTextBytes = 120;
} // namespace

class TimeSpaceLineEt::Private
{
public:
    QString describe(const QDateTime& dateTime) const;

    QAction* calendarAction = nullptr;
    QDateTime startTime;
    QDateTime endTime;
    bool useYear = false;
    bool useTime = true;
};

// "yyyy-MM-dd hh:mm" or "MM-dd hh:mm"; without the time only the last five characters go, so the date keeps its
// trailing blank.
QString TimeSpaceLineEt::Private::describe(const QDateTime& dateTime) const
{
    const QString full = dateTime.toString(dateTimeFormat);
    QString part = useYear ? full.left(16) : full.mid(5, 11);
    if (!useTime)
        part.chop(5);
    return part;
}

TimeSpaceLineEt::TimeSpaceLineEt(QWidget* parent)
    : ZLineEdit(parent)
    , d(new Private)
{
    d->calendarAction = new QAction(this);
    init();
}

TimeSpaceLineEt::~TimeSpaceLineEt() = default;

void TimeSpaceLineEt::init()
{
    setMaxByteLength(maxTextBytes);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    d->calendarAction->setIcon(QIcon(QString::fromLatin1(calendarIconNormal)));
    addAction(d->calendarAction, QLineEdit::TrailingPosition);

    const QDateTime start(QDate::currentDate(), QTime(0, 0));
    setDateTimeSpace(start, start.addDays(1).addSecs(-1));
    retranslate();

    connect(d->calendarAction, &QAction::triggered, this, &TimeSpaceLineEt::signalClicked);
    installEventFilter(this);
}

void TimeSpaceLineEt::setDateTimeSpace(const QDateTime& start, const QDateTime& end)
{
    if (!start.isValid() || !end.isValid())
        return;
    d->startTime = start;
    d->endTime = end;
    setText(d->describe(d->startTime) + tr(" To ") + d->describe(d->endTime));
}

void TimeSpaceLineEt::retranslate()
{
    d->calendarAction->setText(tr("Choose time span"));
    d->calendarAction->setToolTip(d->calendarAction->text());
    setAccessibleName(tr("Time span"));
    setDateTimeSpace(d->startTime, d->endTime);
}

void TimeSpaceLineEt::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    ZLineEdit::changeEvent(event);
}

QPair<QDateTime, QDateTime> TimeSpaceLineEt::getDateTimeSpace() const
{
    return qMakePair(d->startTime, d->endTime);
}

QDateTime TimeSpaceLineEt::getStartTime() const
{
    return d->startTime;
}

QDateTime TimeSpaceLineEt::getEndTime() const
{
    return d->endTime;
}

void TimeSpaceLineEt::setUsingYearInTimeSpaceDescription(bool use)
{
    d->useYear = use;
    setDateTimeSpace(d->startTime, d->endTime);
}

void TimeSpaceLineEt::setUsingTimeInTimeSpaceDescription(bool use)
{
    d->useTime = use;
    setDateTimeSpace(d->startTime, d->endTime);
}

bool TimeSpaceLineEt::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == this
        && followPointerWithActionIcon(this, d->calendarAction, QString::fromLatin1(calendarIconNormal),
            QString::fromLatin1(calendarIconHover), event))
        emit signalClicked();
    return ZLineEdit::eventFilter(watched, event);
}

} // namespace ZCORVANEBASE
