#include "tables/tableoperwt.h"

namespace ZCORVANEBASE {

TableOperWt::TableOperWt(QWidget* parent)
    : ZWidget(parent)
    , curStyle(WidgetStyleNormal)
{
    init();
}

TableOperWt::~TableOperWt() = default;

void TableOperWt::init()
{
    setMouseTracking(true);
    setWtStyle(WidgetStyleNormal); // still the base implementation while constructing
    setStyleSheet(QStringLiteral("QWidgt{background-color: transparent;}"));
    setAutoFillBackground(false);
}

void TableOperWt::setKey(const QString& key)
{
    this->key = key;
}

const QString& TableOperWt::getKey() const
{
    return key;
}

void TableOperWt::setWtStyle(WidgetStyle style)
{
    curStyle = style;
}

WidgetStyle TableOperWt::getCurStyle()
{
    return curStyle;
}

} // namespace ZCORVANEBASE
