#pragma once

#include <ZCorvaneBase/frame/zcorvanebase_global.h>

#include <QTreeWidgetItem>

namespace ZCORVANEBASE {

// A node of the host's device trees, owned by its tree like any item: beside its displayed name it carries an id, its
// parent's id, a status, the name and another key as column-0 data, and it sorts by type, then by name in Chinese
// collation. It has no data of its own beyond the item's.
class ZCORVANEBASE_EXPORT TreeItem : public QTreeWidgetItem
{
public:
    enum DataRole
    {
        IdRole = Qt::UserRole + 1,
        ParentIdRole = Qt::UserRole + 2,
        StatusRole = Qt::UserRole + 3,
        NameRole = Qt::UserRole + 4,
        OtherKeyRole = Qt::UserRole + 5,
    };

    explicit TreeItem(int type); // without a user check box
    TreeItem(const TreeItem& other); // keeps the source's type, data, texts and flags
    TreeItem& operator=(const TreeItem& other);
    ~TreeItem() override;

    void setId(const QString& id, const QString& parentId);
    void setName(const QString& name);
    // Sets column 0's text and tool tip; the stored name (getName) stays.
    void setText(const QString& text);
    using QTreeWidgetItem::setText;
    void setStatus(int status);
    void setOtherKey(const QString& key);

    QString getId();
    QString getParentId();
    QString getName();
    QString getOtherKey();
    int getStatus() const;

    bool operator<(const QTreeWidgetItem& other) const override;

private:
    void init();
};

} // namespace ZCORVANEBASE
