#include "dialogs/automatichidewt.h"

namespace ZCORVANEBASE {

AutomaticHideWt::AutomaticHideWt(QWidget* parent)
    : ZWidget(parent)
{
}

AutomaticHideWt::~AutomaticHideWt() = default;

} // namespace ZCORVANEBASE
