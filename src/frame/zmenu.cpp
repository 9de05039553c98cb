#include "frame/zmenu.h"

namespace ZCORVANEBASE {

ZMenu::ZMenu(QWidget* parent)
    : QMenu(parent)
{
    init();
}

ZMenu::ZMenu(const QString& title, QWidget* parent)
    : QMenu(title, parent)
{
    init();
}

ZMenu::~ZMenu() = default;

void ZMenu::init()
{
    setWindowFlags(windowFlags() | Qt::NoDropShadowWindowHint);
}

} // namespace ZCORVANEBASE
