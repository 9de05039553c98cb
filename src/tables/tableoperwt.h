#pragma once

#include "frame/widgetstyle.h"
#include "frame/zwidget.h"

namespace ZCORVANEBASE {

// Base of per-row operation cells (edit, delete, ...) that sit in a table as cell widgets: it remembers the key of
// the record its row shows and the style state its owner last set on it (for instance from the table's hover and
// selection signals). Subclasses override setWtStyle to restyle themselves; the base only stores the state.
//
// Choice of ours: a cell that was never given a key has an empty key (getKey().isEmpty() is true), so that "no
// record yet" can be told without knowing a placeholder value.
class ZCORVANEBASE_EXPORT TableOperWt : public ZWidget
{
    Q_OBJECT

public:
    explicit TableOperWt(QWidget* parent = nullptr);
    ~TableOperWt() override;

    void setKey(const QString& key);
    const QString& getKey() const;

    virtual void setWtStyle(WidgetStyle style);
    WidgetStyle getCurStyle();

private:
    void init();

    QString key;
    WidgetStyle curStyle;
};

} // namespace ZCORVANEBASE
