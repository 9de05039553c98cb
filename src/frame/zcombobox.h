#pragma once

#include <ZCorvaneBase/frame/zcorvanebase_global.h>

#include <QComboBox>

#include <memory>

QT_BEGIN_NAMESPACE
class QListWidget;
QT_END_NAMESPACE

namespace ZCORVANEBASE {

// A combo box whose model and popup view are one QListWidget (a child of the combo box) that the owner reaches
// directly, drawn without the focus frame.
class ZCORVANEBASE_EXPORT ZComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit ZComboBox(QWidget* parent = nullptr);
    ~ZComboBox() override;

    QListWidget* getListWt();

private:
    void init();

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace ZCORVANEBASE
