#include "timeaxis/recordinglabelwt_p.h"

#include "frame/hostaccess_p.h"
#include "frame/scaledpixmap_p.h"

#include <QEvent>
#include <QPainter>

namespace ZCORVANEBASE {

RecordingLabelWt::RecordingLabelWt(QWidget* parent)
    : QWidget(parent)
{
    setFixedSize(11, 21);
}

RecordingLabelWt::~RecordingLabelWt() = default;

void RecordingLabelWt::setRecordingLabelInfo(const LocalRecordingLabelInfo& info)
{
    this->info = info;
    updateToolTip();
}

void RecordingLabelWt::rename(const QString& newName)
{
    info.name = newName;
    updateToolTip();
}

const LocalRecordingLabelInfo& RecordingLabelWt::getRecordingLabelInfo() const
{
    return info;
}

void RecordingLabelWt::updateToolTip()
{
    setToolTip(info.name + QLatin1Char(':') + hostStrDatetime(info.datetime, false));
}

void RecordingLabelWt::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), scaledPixmap(QStringLiteral(":/images/images/added_label_n.png"), this));
}

void RecordingLabelWt::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        updateToolTip();
    QWidget::changeEvent(event);
}

} // namespace ZCORVANEBASE
