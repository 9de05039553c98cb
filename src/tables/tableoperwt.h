#pragma once

#include <ZCorvaneBase/frame/widgetstyle.h>
#include <ZCorvaneBase/frame/zwidget.h>

#include <memory>

namespace ZCORVANEBASE {

// Base of the per-row operation cells (edit, delete, ...) that sit in a table as cell widgets, owned by the table once
// set: it remembers the key of its row's record and the style state its owner last set on it.
class ZCORVANEBASE_EXPORT TableOperWt : public ZWidget
{
    Q_OBJECT

public:
    explicit TableOperWt(QWidget* parent = nullptr);
    ~TableOperWt() override;

    void setKey(const QString& key);
    const QString& getKey() const; // empty until a key is given

    virtual void setWtStyle(WidgetStyle style); // stores the state; subclasses restyle themselves
    WidgetStyle getCurStyle();

private:
    void init();

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace ZCORVANEBASE
