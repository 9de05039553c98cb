#pragma once

#include <ZCorvaneBase/frame/zlineedit.h>

#include <QDateTime>
#include <QPair>

#include <memory>

namespace ZCORVANEBASE {

// A line edit that shows a stored start/end pair as one line ("03-05 00:00 To 03-05 23:59") with a calendar icon at
// its right end; a click on the text or the icon emits signalClicked(), and the host writes the chosen pair back.
// The text is only a display: typing never changes the pair. Owned by its parent like any widget.
class ZCORVANEBASE_EXPORT TimeSpaceLineEt : public ZLineEdit
{
    Q_OBJECT

public:
    explicit TimeSpaceLineEt(QWidget* parent = nullptr);
    ~TimeSpaceLineEt() override;

    void setDateTimeSpace(const QDateTime& start, const QDateTime& end); // stored as given, in any order
    QPair<QDateTime, QDateTime> getDateTimeSpace() const;
    QDateTime getStartTime() const;
    QDateTime getEndTime() const;
    // Without the year a part reads "MM-dd hh:mm"; without the time the date keeps a trailing blank.
    void setUsingYearInTimeSpaceDescription(bool use);
    void setUsingTimeInTimeSpaceDescription(bool use);

signals:
    void signalClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void init();
    void retranslate();

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace ZCORVANEBASE
