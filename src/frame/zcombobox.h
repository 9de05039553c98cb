#pragma once

#include "frame/zcorvanebase_global.h"

#include <QComboBox>

QT_BEGIN_NAMESPACE
class QListWidget;
QT_END_NAMESPACE

namespace ZCORVANEBASE {

// A combo box whose model and popup view are one QListWidget the owner reaches directly (getListWt()), drawn
// without the focus frame.
class ZCORVANEBASE_EXPORT ZComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit ZComboBox(QWidget* parent = nullptr);
    ~ZComboBox() override;

    QListWidget* getListWt();

private:
    void init();

    QListWidget* listWt;
};

} // namespace ZCORVANEBASE
