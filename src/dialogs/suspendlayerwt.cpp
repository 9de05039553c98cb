#include "dialogs/suspendlayerwt.h"

namespace ZCORVANEBASE {

SuspendLayerWt::SuspendLayerWt(QWidget* parent)
    : QWidget(parent)
    , ownerWt(parent)
{
    init();
}

SuspendLayerWt::~SuspendLayerWt() = default;

void SuspendLayerWt::init()
{
    setWindowFlags(Qt::FramelessWindowHint | Qt::Tool);
}

} // namespace ZCORVANEBASE
