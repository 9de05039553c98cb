#include "tables/treeconfig.h"

namespace ZCORVANEBASE {

namespace {
bool devIpVisible = false; // shared by every TreeConfig of the process
} // namespace

TreeConfig::TreeConfig(QObject* parent)
    : QObject(parent)
{
}

TreeConfig::~TreeConfig() = default;

bool TreeConfig::isItemCheckable()
{
    return false;
}

bool TreeConfig::displaySaasDevs()
{
    return false;
}

void TreeConfig::setDevIpVisible(bool visible)
{
    devIpVisible = visible;
}

bool TreeConfig::isDevIpVisible()
{
    return devIpVisible;
}

} // namespace ZCORVANEBASE
