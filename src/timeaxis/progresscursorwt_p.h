#pragma once

#include "frame/zcorvanebase_global.h"

#include <QDateTime>
#include <QWidget>

class QLabel;
class QPushButton;

namespace ZCORVANEBASE {

// The play cursor a channel bar places at the playback moment: a 61 x 20 flag showing the moment as "hh:mm:ss" and,
// when downloads are enabled, a small button asking the host to download from that moment on. Flipped, the flag
// stands to the left of its moment so it stays inside the bar at the right edge. Presses on the upper row (the text
// and the button) stay with the cursor; lower presses travel on to the bar, so the stem can still be clicked through.
// The flag images are drawn from their "@2x" variants on high-DPI screens; the button's texts follow a language switch.
class ZCORVANEBASE_PRIVATE_EXPORT ProgressCursorWt : public QWidget
{
    Q_OBJECT

public:
    explicit ProgressCursorWt(bool downloadEnabled, QWidget* parent = nullptr);
    ~ProgressCursorWt() override;

    void setDatetime(const QDateTime& datetime);
    const QDateTime& getDatetime() const { return datetime; }
    void setFlipped(bool flipped);
    bool flipped() const { return isFlipped; }
    int offsetX();

signals:
    void signalDownloadByTimeRangeBtClicked(const QDateTime& datetime);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private slots:
    void slotDownloadBtClicked();

private:
    void init(bool downloadEnabled);
    void connectSignalsWithSlots();
    void retranslate();

    QLabel* timeLabel;
    QPushButton* downloadBt;
    QDateTime datetime;
    bool isFlipped;
};

} // namespace ZCORVANEBASE
