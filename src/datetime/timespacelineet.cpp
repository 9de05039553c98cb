#include "datetime/timespacelineet.h"

#include "frame/actionicon_p.h"
#include "frame/constants.h"

#include <QAction>
#include <QEvent>
#include <QIcon>

namespace ZCORVANEBASE {

namespace {
const char* const calendarIconNormal = ":/images/images/ico_calendar_n.png";
const char* const calendarIconHover = ":/images/images/ico_calendar_h.png";
}

TimeSpaceLineEt::TimeSpaceLineEt(QWidget* parent)
    : ZLineEdit(parent)
    , calendarAction(new QAction(this))
    , useYear(false)
    , useTime(true)
{
    init();
}

TimeSpaceLineEt::~TimeSpaceLineEt() = default;

void TimeSpaceLineEt::init()
{
    setMaxByteLength(120);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    calendarAction->setIcon(QIcon(QString::fromLatin1(calendarIconNormal)));
    addAction(calendarAction, QLineEdit::TrailingPosition);

    const QDateTime start(QDate::currentDate(), QTime(0, 0));
    setDateTimeSpace(start, start.addDays(1).addSecs(-1));
    retranslate();

    connect(calendarAction, SIGNAL(triggered()), this, SIGNAL(signalClicked()));
    installEventFilter(this);
}

void TimeSpaceLineEt::setDateTimeSpace(const QDateTime& start, const QDateTime& end)
{
    if (!start.isValid() || !end.isValid())
        return;
    startTime = start;
    endTime = end;
    setText(describe(startTime) + tr(" To ") + describe(endTime));
}

void TimeSpaceLineEt::retranslate()
{
    calendarAction->setText(tr("Choose time span"));
    calendarAction->setToolTip(calendarAction->text());
    setAccessibleName(tr("Time span"));
    setDateTimeSpace(startTime, endTime);
}

void TimeSpaceLineEt::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    ZLineEdit::changeEvent(event);
}

QPair<QDateTime, QDateTime> TimeSpaceLineEt::getDateTimeSpace() const
{
    return qMakePair(startTime, endTime);
}

QDateTime TimeSpaceLineEt::getStartTime() const
{
    return startTime;
}

QDateTime TimeSpaceLineEt::getEndTime() const
{
    return endTime;
}

void TimeSpaceLineEt::setUsingYearInTimeSpaceDescription(bool use)
{
    useYear = use;
    setDateTimeSpace(startTime, endTime);
}

void TimeSpaceLineEt::setUsingTimeInTimeSpaceDescription(bool use)
{
    useTime = use;
    setDateTimeSpace(startTime, endTime);
}

// "yyyy-MM-dd hh:mm" or "MM-dd hh:mm"; without the time only the last five characters go, so the date keeps its
// trailing blank.
QString TimeSpaceLineEt::describe(const QDateTime& dateTime) const
{
    const QString full = dateTime.toString(dateTimeFormat);
    QString part = useYear ? full.left(16) : full.mid(5, 11);
    if (!useTime)
        part.chop(5);
    return part;
}

bool TimeSpaceLineEt::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == this
        && followPointerWithActionIcon(this, calendarAction, QString::fromLatin1(calendarIconNormal),
            QString::fromLatin1(calendarIconHover), event))
        emit signalClicked();
    return ZLineEdit::eventFilter(watched, event);
}

} // namespace ZCORVANEBASE
