#include "frame/zmenu.h"

namespace ZCORVANEBASE {

// Empty today: the place for the state of a later feature, so it leaves the class's layout as it is.
class ZMenu::Private
{
};

ZMenu::ZMenu(QWidget* parent)
    : QMenu(parent)
    , d(new Private)
{
    init();
}

ZMenu::ZMenu(const QString& title, QWidget* parent)
    : QMenu(title, parent)
    , d(new Private)
{
    init();
}

ZMenu::~ZMenu() = default;

void ZMenu::init()
{
    setWindowFlags(windowFlags() | Qt::NoDropShadowWindowHint);
}

} // namespace ZCORVANEBASE
