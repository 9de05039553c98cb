#pragma once

#include <ZCorvaneBase/frame/zwidget.h>

#include <QDateTime>
#include <QPair>

#include <memory>

namespace ZCORVANEBASE {

// A borderless popup for choosing a start and an end date-time side by side on two calendars, keeping the span
// between a minimum and a maximum number of seconds (300 and 86399 by default). The user's changes are reported
// once per event-loop pass with the final pair. The host creates it (usually parentless, shown under a field) and
// owns it.
class ZCORVANEBASE_EXPORT DatetimeSpanSelWt : public ZWidget
{
    Q_OBJECT

public:
    explicit DatetimeSpanSelWt(QWidget* parent = nullptr, bool useTime = true);
    ~DatetimeSpanSelWt() override;

    // The host's own setting, within the span rules; it reports nothing.
    void setInitDateTime(const QDateTime& start, const QDateTime& end);
    void setInitDateTime(const QPair<QDateTime, QDateTime>& span);
    void setInitDateTime(const QPair<QDate, QDate>& days); // the first date 00:00:00 to the second 23:59:59
    // A maximum below the minimum makes the old minimum the maximum and the value the minimum.
    void setMaxSpanSecs(qint64 secs);
    void setMinSpanSecs(qint64 secs); // a minimum above the maximum makes it both
    // A row of preset buttons under the calendars (Today, Yesterday, Last 24 hours, Last 7 days); hidden at first.
    void setPresetsVisible(bool visible);
    bool presetsVisible() const;

signals:
    void signalDatetimeSpanSelChanged(const QDateTime& start, const QDateTime& end);

protected:
    void customEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private slots:
    void slotStartDateTimeChanged(const QDateTime& dateTime, qint64 msecs);
    void slotEndDateTimeChanged(const QDateTime& dateTime, qint64 msecs);

private:
    void init();
    void connectSignalsWithSlots();
    void datetimeSpaceChanged();
    void retranslate();
    void createPresets();
    void applyPreset(int preset);

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace ZCORVANEBASE
