#pragma once

#include "frame/zcorvanebase_global.h"
#include "timeaxis/timeaxismodel.h"

#include <QWidget>

namespace ZCORVANEBASE {

// The mark of one user label on a channel bar: an 11 x 21 image whose tool tip gives the label's name and moment
// (formatted by the host worker, or "yyyy-MM-dd hh:mm:ss" when the host installed none). The image is drawn from its
// "@2x" variant on high-DPI screens; the tool tip is made again on a language switch (the host formats the moment).
class ZCORVANEBASE_PRIVATE_EXPORT RecordingLabelWt : public QWidget
{
    Q_OBJECT

public:
    explicit RecordingLabelWt(QWidget* parent = nullptr);
    ~RecordingLabelWt() override;

    void setRecordingLabelInfo(const LocalRecordingLabelInfo& info);
    void rename(const QString& newName);
    const LocalRecordingLabelInfo& getRecordingLabelInfo() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void updateToolTip();

    LocalRecordingLabelInfo info;
};

} // namespace ZCORVANEBASE
