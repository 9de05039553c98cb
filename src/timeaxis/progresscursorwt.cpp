#include "frame/qtcompat_p.h"
#include "timeaxis/progresscursorwt_p.h"

#include "frame/scaledpixmap_p.h"

#include <QBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace ZCORVANEBASE {

namespace {
constexpr int upperRowHeight = 16; // the row of the time text and the download button
}

ProgressCursorWt::ProgressCursorWt(bool downloadEnabled, QWidget* parent)
    : QWidget(parent)
    , timeLabel(nullptr)
    , downloadBt(nullptr)
    , isFlipped(false)
{
    init(downloadEnabled);
    connectSignalsWithSlots();
}

ProgressCursorWt::~ProgressCursorWt() = default;

void ProgressCursorWt::init(bool downloadEnabled)
{
    setFixedSize(61, 20);

    timeLabel = new QLabel(this);
    timeLabel->setObjectName(QStringLiteral("timeLabel"));
    timeLabel->setFixedSize(44, 16);
    timeLabel->setAlignment(Qt::AlignCenter);
    timeLabel->setStyleSheet(QStringLiteral(
        "QLabel{font-size:10px;font-family: microsoft yahei;color:#ffffff;background-color:transparent;}"));

    downloadBt = new QPushButton(this);
    downloadBt->setObjectName(QStringLiteral("downloadBt"));
    downloadBt->setFixedSize(14, 14);
    retranslate();
    downloadBt->setStyleSheet(QStringLiteral(
        "QPushButton{background-color:transparent;border-image: url(:/images/images/ico_progress_cursor_download_n.png);}QPushButton:hover{border-image: url(:/images/images/ico_progress_cursor_download_h.png);}QPushButton:pressed{border-image: url(:/images/images/ico_progress_cursor_download_h.png);}QPushButton:disabled{border-image: url(:/images/images/ico_progress_cursor_download_d.png);}"));
    downloadBt->setHidden(!downloadEnabled);

    auto* rowLayout = new QHBoxLayout;
    rowLayout->setContentsMargins(1, 0, 0, 3);
    rowLayout->setSpacing(0);
    rowLayout->addWidget(timeLabel);
    rowLayout->addWidget(downloadBt);
    rowLayout->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(rowLayout);
    layout->addStretch();
}

void ProgressCursorWt::connectSignalsWithSlots()
{
    connect(downloadBt, &QPushButton::clicked, this, &ProgressCursorWt::slotDownloadBtClicked);
}

void ProgressCursorWt::setDatetime(const QDateTime& datetime)
{
    this->datetime = datetime;
    timeLabel->setText(datetime.time().toString(QStringLiteral("hh:mm:ss")));
}

void ProgressCursorWt::setFlipped(bool flipped)
{
    isFlipped = flipped;
    update();
}

int ProgressCursorWt::offsetX()
{
    return isFlipped ? -width() : 0;
}

void ProgressCursorWt::mousePressEvent(QMouseEvent* event)
{
    if (QtCompat::eventPos(event).y() < upperRowHeight) {
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void ProgressCursorWt::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawPixmap(rect(),
        scaledPixmap(isFlipped ? QStringLiteral(":/images/images/progress_cursor_bk_r.png")
                               : QStringLiteral(":/images/images/progress_cursor_bk.png"),
            this));
    QWidget::paintEvent(event);
}

void ProgressCursorWt::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

// The download button shows only an image: its tool tip and accessible texts say what it does. The time label has a
// name of its own, so a new moment sends no name change to assistive tools (they would hear every progress report).
void ProgressCursorWt::retranslate()
{
    timeLabel->setAccessibleName(tr("Play position"));
    downloadBt->setToolTip(tr("Download"));
    downloadBt->setAccessibleName(tr("Download"));
    downloadBt->setAccessibleDescription(tr("Downloads the recording from the play position on"));
}

void ProgressCursorWt::slotDownloadBtClicked()
{
    emit signalDownloadByTimeRangeBtClicked(datetime);
}

} // namespace ZCORVANEBASE
