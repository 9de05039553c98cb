#include "tables/tableoperwt.h"

namespace ZCORVANEBASE {

class TableOperWt::Private
{
public:
    // A cell that was never given a key has an empty one, so that "no record yet" can be told without knowing a
    // placeholder value.
    QString key;
    WidgetStyle curStyle = WidgetStyleNormal;
};

TableOperWt::TableOperWt(QWidget* parent)
    : ZWidget(parent)
    , d(new Private)
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
    d->key = key;
}

const QString& TableOperWt::getKey() const
{
    return d->key;
}

void TableOperWt::setWtStyle(WidgetStyle style)
{
    d->curStyle = style;
}

WidgetStyle TableOperWt::getCurStyle()
{
    return d->curStyle;
}

} // namespace ZCORVANEBASE
