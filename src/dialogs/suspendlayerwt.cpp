#include "dialogs/suspendlayerwt.h"

namespace ZCORVANEBASE {

// Empty today: the place for the state of a later feature, so it leaves the class's layout as it is.
class SuspendLayerWt::Private
{
};

SuspendLayerWt::SuspendLayerWt(QWidget* parent)
    : QWidget(parent)
    , ownerWt(parent)
    , d(new Private)
{
    init();
}

SuspendLayerWt::~SuspendLayerWt() = default;

void SuspendLayerWt::init()
{
    setWindowFlags(Qt::FramelessWindowHint | Qt::Tool);
}

} // namespace ZCORVANEBASE
