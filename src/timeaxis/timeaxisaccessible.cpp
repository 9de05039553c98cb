#include "timeaxis/timeaxisaccessible_p.h"

#include "timeaxis/channelrecordingtimeaxiswt_p.h"
#include "timeaxis/progresscursorwt_p.h"
#include "timeaxis/recordinglabelwt_p.h"
#include "timeaxis/timeaxiswt_p.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QElapsedTimer>

namespace ZCORVANEBASE {

namespace {

constexpr qint64 valueEventIntervalMSecs = 1000;
QAccessible::UpdateHandler eventObserver = nullptr;

// Without an assistive tool no event is made: making one makes (and caches) the interface of its object.
bool anyoneListening()
{
    return eventObserver || QAccessible::isActive();
}

void sendEvent(QAccessibleEvent* event)
{
    if (eventObserver)
        eventObserver(event);
    else
        QAccessible::updateAccessibility(event);
}

QString fromWidgetOr(const QWidget* widget, QAccessible::Text t, const QString& text)
{
    const QString own = t == QAccessible::Name ? widget->accessibleName()
        : t == QAccessible::Description        ? widget->accessibleDescription()
                                               : QString();
    return own.isEmpty() ? text : own;
}

} // namespace

// The ruler: a scroll bar over the day whose value is where the visible span begins.
class RulerAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit RulerAccessible(TimeAxisWt* ruler)
        : QAccessibleWidget(ruler, QAccessible::ScrollBar)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        const TimeAxisWt* ruler = this->ruler();
        const TimeAxisWt::Private* state = TimeAxisWt::Private::get(ruler);
        switch (t) {
        case QAccessible::Name:
            return fromWidgetOr(ruler, t, QCoreApplication::translate("ZCORVANEBASE::TimeAxisWt", "Time ruler"));
        case QAccessible::Description:
            return fromWidgetOr(ruler, t,
                ruler->isKeyboardNavigationEnabled()
                    ? QCoreApplication::translate("ZCORVANEBASE::TimeAxisWt",
                        "The visible part of the day. Left and Right pan, Page Up and Page Down pan by a label, "
                        "Home and End go to the start and the end of the day, plus and minus zoom.")
                    : QCoreApplication::translate("ZCORVANEBASE::TimeAxisWt",
                        "The visible part of the day. The wheel zooms, a drag pans, a click plays the checked "
                        "windows from there."));
        case QAccessible::Value: {
            // The midnight that ends the day reads "24:00", as on the form, not "00:00".
            const QDateTime& begin = state->beginDatetime;
            const QDateTime end = begin.addSecs(TimeAxisMapping::spanSecs(state->degree));
            const bool dayEnd = end.date() > begin.date() && end.time() == QTime(0, 0);
            return QCoreApplication::translate("ZCORVANEBASE::TimeAxisWt", "%1 to %2")
                .arg(begin.toString(QStringLiteral("hh:mm")),
                    dayEnd ? QStringLiteral("24:00") : end.toString(QStringLiteral("hh:mm")));
        }
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QVariant currentValue() const override
    {
        return rulerState()->minBeginDatetime.secsTo(rulerState()->beginDatetime);
    }
    QVariant maximumValue() const override
    {
        return TimeAxisMapping::daySecs - TimeAxisMapping::spanSecs(rulerState()->degree);
    }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override
    {
        return TimeAxisMapping::labelStepMinutes(rulerState()->degree) * 60 / 4;
    }
    void setCurrentValue(const QVariant& value) override
    {
        bool ok = false;
        const qint64 secs = value.toLongLong(&ok);
        TimeAxisWt::Private* state = rulerState();
        const QDateTime begin = ok ? state->clampedPanBegin(state->minBeginDatetime.addSecs(secs)) : QDateTime();
        if (begin.isValid() && begin != state->beginDatetime)
            state->applyPanBegin(begin);
    }

private:
    TimeAxisWt* ruler() const { return static_cast<TimeAxisWt*>(widget()); }
    TimeAxisWt::Private* rulerState() const { return TimeAxisWt::Private::get(ruler()); }
};

// A channel bar: a slider whose value is the play position, named with its row's title.
class BarAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit BarAccessible(ChannelRecordingTimeAxisWt* bar)
        : QAccessibleWidget(bar, QAccessible::Slider)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        const ChannelRecordingTimeAxisWt* bar = this->bar();
        switch (t) {
        case QAccessible::Name: {
            const QString& title = bar->title();
            return fromWidgetOr(bar, t,
                title.isEmpty() ? QCoreApplication::translate("ZCORVANEBASE::ChannelRecordingTimeAxisWt", "Recordings")
                                : title);
        }
        case QAccessible::Description:
            // Qt's bridge to assistive tools hands on only the number of a value: the readable moment travels here,
            // with the row's bookmarks.
            return fromWidgetOr(bar, t, valueText() + bookmarksText());
        case QAccessible::Value:
            return valueText();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QVariant currentValue() const override
    {
        const QDateTime& position = bar()->track().playbackDatetime();
        return position.isValid() ? QVariant(position.time().msecsSinceStartOfDay() / 1000) : QVariant();
    }
    QVariant maximumValue() const override { return int(TimeAxisMapping::daySecs - 1); }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }
    void setCurrentValue(const QVariant& value) override
    {
        bool ok = false;
        const int secs = value.toInt(&ok);
        ChannelRecordingTimeAxisWt* bar = this->bar();
        if (!ok || secs < 0 || secs >= TimeAxisMapping::daySecs)
            return;
        const QDateTime& position = bar->track().playbackDatetime();
        const QDate day = position.isValid() ? position.date() : bar->viewBegin().date();
        bar->appointPlaybackTime(QDateTime(day, QTime(0, 0).addSecs(secs)));
    }

private:
    ChannelRecordingTimeAxisWt* bar() const { return static_cast<ChannelRecordingTimeAxisWt*>(widget()); }

    // The play position and what is recorded there.
    QString valueText() const
    {
        const RecordingTrack& track = bar()->track();
        const QDateTime& position = track.playbackDatetime();
        if (!position.isValid())
            return QCoreApplication::translate("ZCORVANEBASE::ChannelRecordingTimeAxisWt", "Not playing");
        const RecordingTrack::RecordingKind kind = track.recordedAt(position).kind;
        const QString time = position.toString(QStringLiteral("hh:mm:ss"));
        if (kind == RecordingTrack::NoRecording)
            return QCoreApplication::translate("ZCORVANEBASE::ChannelRecordingTimeAxisWt", "%1, no recording")
                .arg(time);
        if (kind == RecordingTrack::AlarmRecording)
            return QCoreApplication::translate("ZCORVANEBASE::ChannelRecordingTimeAxisWt", "%1, alarm recording")
                .arg(time);
        return QCoreApplication::translate("ZCORVANEBASE::ChannelRecordingTimeAxisWt", "%1, recording").arg(time);
    }

    // "; bookmarks: Door 02:10:00 to 02:20:00, Gate ..." by begin, or nothing.
    QString bookmarksText() const
    {
        const QVector<Bookmark>& bookmarks = bar()->track().bookmarks();
        if (bookmarks.isEmpty())
            return QString();
        QStringList names;
        for (const Bookmark& bookmark : bookmarks)
            names << QCoreApplication::translate("ZCORVANEBASE::ChannelRecordingTimeAxisWt", "%1 %2 to %3")
                         .arg(bookmark.name, bookmark.begin.toString(QStringLiteral("hh:mm:ss")),
                             bookmark.end.toString(QStringLiteral("hh:mm:ss")));
        return QCoreApplication::translate("ZCORVANEBASE::ChannelRecordingTimeAxisWt", "; bookmarks: %1")
            .arg(names.join(QCoreApplication::translate("ZCORVANEBASE::ChannelRecordingTimeAxisWt", ", ")));
    }
};

// The play cursor: a text naming the play position with the moment as its value and description; its download button
// is a push button named by the cursor.
class CursorAccessible : public QAccessibleWidget
{
public:
    explicit CursorAccessible(ProgressCursorWt* cursor)
        : QAccessibleWidget(cursor, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        const auto* cursor = static_cast<const ProgressCursorWt*>(widget());
        switch (t) {
        case QAccessible::Name:
            return fromWidgetOr(
                cursor, t, QCoreApplication::translate("ZCORVANEBASE::ProgressCursorWt", "Play position"));
        case QAccessible::Value:
        case QAccessible::Description:
            return cursor->getDatetime().time().toString(QStringLiteral("hh:mm:ss"));
        default:
            return QAccessibleWidget::text(t);
        }
    }
};

// A label mark: a picture named by its label; the description is its tool tip (name and moment).
class LabelMarkAccessible : public QAccessibleWidget
{
public:
    explicit LabelMarkAccessible(RecordingLabelWt* label)
        : QAccessibleWidget(label, QAccessible::Graphic)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        const auto* label = static_cast<const RecordingLabelWt*>(widget());
        if (t == QAccessible::Name)
            return fromWidgetOr(label, t,
                QCoreApplication::translate("ZCORVANEBASE::RecordingLabelWt", "Label mark %1")
                    .arg(label->getRecordingLabelInfo().name));
        return QAccessibleWidget::text(t);
    }
};

namespace {

QAccessibleInterface* timeAxisAccessibleFactory(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String("ZCORVANEBASE::TimeAxisWt"))
        return new RulerAccessible(static_cast<TimeAxisWt*>(object));
    if (className == QLatin1String("ZCORVANEBASE::ChannelRecordingTimeAxisWt"))
        return new BarAccessible(static_cast<ChannelRecordingTimeAxisWt*>(object));
    if (className == QLatin1String("ZCORVANEBASE::ProgressCursorWt"))
        return new CursorAccessible(static_cast<ProgressCursorWt*>(object));
    if (className == QLatin1String("ZCORVANEBASE::RecordingLabelWt"))
        return new LabelMarkAccessible(static_cast<RecordingLabelWt*>(object));
    return nullptr;
}

// Once, when the library is loaded: before any widget exists, so no interface of a time-axis widget is ever made
// (and cached) without the factory. Installing needs no application object.
void installTimeAxisAccessibleFactory()
{
    QAccessible::installFactory(timeAxisAccessibleFactory);
}
Q_CONSTRUCTOR_FUNCTION(installTimeAxisAccessibleFactory)

} // namespace

void TimeAxisAccessible::notifyValueChanged(QObject* object, QElapsedTimer& clock)
{
    if (!anyoneListening())
        return;
    if (clock.isValid() && clock.elapsed() < valueEventIntervalMSecs)
        return;
    clock.start();
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    QAccessibleValueInterface* value = iface ? iface->valueInterface() : nullptr;
    QAccessibleValueChangeEvent valueEvent(object, value ? value->currentValue() : QVariant());
    sendEvent(&valueEvent);
    // The readable value (a bar's moment and kind) is the description.
    QAccessibleEvent descriptionEvent(object, QAccessible::DescriptionChanged);
    sendEvent(&descriptionEvent);
}

void TimeAxisAccessible::notifyFocus(QWidget* widget)
{
    if (!anyoneListening())
        return;
    QAccessibleEvent event(widget, QAccessible::Focus);
    sendEvent(&event);
}

void TimeAxisAccessible::notifyNameChanged(QWidget* widget)
{
    if (!anyoneListening())
        return;
    QAccessibleEvent event(widget, QAccessible::NameChanged);
    sendEvent(&event);
}

void TimeAxisAccessible::notifyDescriptionChanged(QWidget* widget)
{
    if (!anyoneListening())
        return;
    QAccessibleEvent event(widget, QAccessible::DescriptionChanged);
    sendEvent(&event);
}

QAccessible::UpdateHandler TimeAxisAccessible::setEventObserver(QAccessible::UpdateHandler observer)
{
    const QAccessible::UpdateHandler previous = eventObserver;
    eventObserver = observer;
    return previous;
}

} // namespace ZCORVANEBASE
