#include "dialogs/automatichidewt.h"

namespace ZCORVANEBASE {

// Empty today: the place for the state of a later feature, so panels derived from this class keep their layout.
class AutomaticHideWt::Private
{
};

AutomaticHideWt::AutomaticHideWt(QWidget* parent)
    : ZWidget(parent)
    , d(new Private)
{
}

AutomaticHideWt::~AutomaticHideWt() = default;

} // namespace ZCORVANEBASE
