#pragma once

#include "frame/zcorvanebase_global.h"

#include <QTreeWidgetItem>

namespace ZCORVANEBASE {

// A node of the host's device trees. Beside its displayed name it carries, as column-0 data, an id and its parent's
// id (roles Qt::UserRole + 1 and + 2), a status (+ 3), the name (+ 4) and another key (+ 5). A new item has no
// user check box. Sorted, items group by type (lower types first in ascending order) and, within a type, order
// their displayed names in Chinese collation (pinyin order), not by code point.
//
// Choices of ours:
// - The library only stores and returns the status and the other key; their meaning is the host's.
// - A copy (constructor or assignment) takes its source's data, texts and flags; the copy constructor also keeps
//   the source's type (a plain QTreeWidgetItem copy would fall back to Type), so a copy sorts like its source.
//   Assignment cannot change the type an item was built with.
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

    explicit TreeItem(int type);
    TreeItem(const TreeItem& other);
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
