#pragma once

#include <ZCorvaneBase/frame/zcorvanebase_global.h>

#include <QMenu>

#include <memory>

namespace ZCORVANEBASE {

// A menu without a drop shadow; its other window flags stay as QMenu sets them.
class ZCORVANEBASE_EXPORT ZMenu : public QMenu
{
    Q_OBJECT

public:
    explicit ZMenu(QWidget* parent = nullptr);
    ZMenu(const QString& title, QWidget* parent = nullptr);
    ~ZMenu() override;

private:
    void init();

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace ZCORVANEBASE
