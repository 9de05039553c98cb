// The library's calendar as the day picker of another page's QDateEdit: a click on the edit (or F4, Alt+Down) opens
// a CalendarWt popup under it that marks the days with recordings and rings today; a day click sets the edit's date
// and closes it. Pages built with the date-time subsystem (ZCB_WITH_DATETIME) call attachRecordingDayPicker().

#include "datetime/calendarwt.h"

#include <QDateEdit>
#include <QEvent>
#include <QKeyEvent>

using namespace ZCORVANEBASE;

namespace {

class RecordingDayPicker : public QObject
{
    Q_OBJECT

public:
    explicit RecordingDayPicker(QObject* parent)
        : QObject(parent)
    {
    }

    void attach(QDateEdit* dateEdit, const QMap<QDate, int>& dayMarks)
    {
        auto* calendar = new CalendarWt(dateEdit);
        calendar->setObjectName(QStringLiteral("dayPickerCalendar"));
        calendar->setWindowFlags(Qt::Popup | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint);
        calendar->setFixedSize(250, 320);
        calendar->setUsingTime(false);
        calendar->setTitle(QStringLiteral("Days with recordings"));
        calendar->setDayMarks(dayMarks);
        calendar->setTodayMarked(true);
        connect(calendar, &CalendarWt::signalDayClicked, dateEdit, [dateEdit, calendar](const QDate& date) {
            dateEdit->setDate(date);
            calendar->hide();
        });
        dateEdit->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* dateEdit = qobject_cast<QDateEdit*>(watched);
        auto* calendar = dateEdit ? dateEdit->findChild<CalendarWt*>(QStringLiteral("dayPickerCalendar")) : nullptr;
        if (!calendar || !dateEdit->isEnabled())
            return QObject::eventFilter(watched, event);
        bool open = event->type() == QEvent::MouseButtonPress;
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            open = key->key() == Qt::Key_F4 || (key->key() == Qt::Key_Down && (key->modifiers() & Qt::AltModifier));
        }
        if (!open)
            return QObject::eventFilter(watched, event);
        // Instead of the edit's own calendar: the range is the edit's, the value its date.
        calendar->setRange(
            QDateTime(dateEdit->minimumDate(), QTime(0, 0)), QDateTime(dateEdit->maximumDate(), QTime(23, 59, 59)));
        calendar->setInitDateTime(QDateTime(dateEdit->date(), QTime(0, 0)));
        calendar->move(dateEdit->mapToGlobal(QPoint(0, dateEdit->height() + 2)));
        calendar->show();
        return true;
    }
};

} // namespace

void attachRecordingDayPicker(QDateEdit* edit, const QMap<QDate, int>& marks)
{
    if (!edit)
        return;
    // One picker per edit, owned by it: it filters the edit's events and goes with it.
    (new RecordingDayPicker(edit))->attach(edit, marks);
}

#include "datetimepage_daypicker.moc"
