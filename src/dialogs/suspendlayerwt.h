#pragma once

#include <ZCorvaneBase/frame/zcorvanebase_global.h>

#include <QWidget>

#include <memory>

namespace ZCORVANEBASE {

// A borderless tool window owned by the widget it is created for: it lies over its owner as a separate window and is
// destroyed with it. The base of the waiting overlay.
class ZCORVANEBASE_EXPORT SuspendLayerWt : public QWidget
{
    Q_OBJECT

public:
    explicit SuspendLayerWt(QWidget* parent = nullptr);
    ~SuspendLayerWt() override;

protected:
    QWidget* ownerWt; // the widget passed as parent

private:
    void init();

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace ZCORVANEBASE
