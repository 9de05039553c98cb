#pragma once

#include "frame/zcorvanebase_global.h"

#include <QWidget>

namespace ZCORVANEBASE {

// A borderless tool window owned by the widget it is created for: it lies over its owner as a separate window
// and is destroyed with it. The base of the waiting overlay.
class ZCORVANEBASE_EXPORT SuspendLayerWt : public QWidget
{
    Q_OBJECT

public:
    explicit SuspendLayerWt(QWidget* parent = nullptr);
    ~SuspendLayerWt() override;

protected:
    QWidget* ownerWt;

private:
    void init();
};

} // namespace ZCORVANEBASE
