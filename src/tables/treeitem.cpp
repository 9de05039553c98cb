#include "tables/treeitem.h"

#include "frame/constants.h"

namespace ZCORVANEBASE {

TreeItem::TreeItem(int type)
    : QTreeWidgetItem(type)
{
    init();
}

// A copy takes the data, texts and flags of its source (check box included) as QTreeWidgetItem's copy does, and
// also its type, which QTreeWidgetItem's copy constructor would reset to Type: a copied device must still sort as
// a device.
TreeItem::TreeItem(const TreeItem& other)
    : QTreeWidgetItem(other.type())
{
    QTreeWidgetItem::operator=(other);
}

TreeItem& TreeItem::operator=(const TreeItem& other)
{
    QTreeWidgetItem::operator=(other);
    return *this;
}

TreeItem::~TreeItem() = default;

void TreeItem::init()
{
    setFlags(flags() & ~Qt::ItemIsUserCheckable);
}

void TreeItem::setId(const QString& id, const QString& parentId)
{
    setData(0, IdRole, id);
    setData(0, ParentIdRole, parentId);
}

void TreeItem::setName(const QString& name)
{
    setData(0, NameRole, name);
    setText(name);
}

void TreeItem::setText(const QString& text)
{
    QTreeWidgetItem::setText(0, text);
    setToolTip(0, text);
}

void TreeItem::setStatus(int status)
{
    setData(0, StatusRole, status);
}

void TreeItem::setOtherKey(const QString& key)
{
    setData(0, OtherKeyRole, key);
}

QString TreeItem::getId()
{
    return data(0, IdRole).toString();
}

QString TreeItem::getParentId()
{
    return data(0, ParentIdRole).toString();
}

QString TreeItem::getName()
{
    return data(0, NameRole).toString();
}

QString TreeItem::getOtherKey()
{
    return data(0, OtherKeyRole).toString();
}

int TreeItem::getStatus() const
{
    return data(0, StatusRole).toInt();
}

bool TreeItem::operator<(const QTreeWidgetItem& other) const
{
    if (type() == other.type())
        return chineseCollator.compare(text(0), other.text(0)) < 0;
    return type() < other.type();
}

} // namespace ZCORVANEBASE
