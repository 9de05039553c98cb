#pragma once

#include <ZCorvaneBase/frame/zwidget.h>

namespace ZCORVANEBASE {

// A panel type of its own for the host's modules to derive their automatically hiding panels from. It behaves
// exactly like a ZWidget; only its class name differs, so qobject_cast, inherits() and style-sheet type selectors
// can tell it apart. Any hiding logic belongs to the module that uses it.
class ZCORVANEBASE_EXPORT AutomaticHideWt : public ZWidget
{
    Q_OBJECT

public:
    explicit AutomaticHideWt(QWidget* parent = nullptr);
    ~AutomaticHideWt() override;

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace ZCORVANEBASE
