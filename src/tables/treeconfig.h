#pragma once

#include <ZCorvaneBase/frame/zcorvanebase_global.h>

#include <QObject>

namespace ZCORVANEBASE {

// What a device tree's owner asks before it builds the tree: whether items get check boxes and whether SaaS
// devices are displayed (both no; subclasses answer otherwise), and whether device IP addresses are shown. It has no
// data of its own: the IP switch is one flag for the whole process, shared by every TreeConfig (false at start; GUI
// thread only, no lock). Owned by whoever creates it, or by its QObject parent.
class ZCORVANEBASE_EXPORT TreeConfig : public QObject
{
    Q_OBJECT

public:
    explicit TreeConfig(QObject* parent = nullptr);
    ~TreeConfig() override;

    virtual bool isItemCheckable();
    virtual bool displaySaasDevs();

    void setDevIpVisible(bool visible);
    bool isDevIpVisible();
};

} // namespace ZCORVANEBASE
