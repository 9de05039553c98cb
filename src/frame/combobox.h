#pragma once

#include "frame/zcorvanebase_global.h"

#include <QComboBox>
#include <QList>
#include <QVariant>

QT_BEGIN_NAMESPACE
class QListWidget;
QT_END_NAMESPACE

namespace ZCORVANEBASE {

// A combo box with the library's dark popup: a framed QListWidget (reachable through getListWt()) that carries
// the style-sheet flag "common_comboBox_listWt_style1" for the host's application style sheet.
class ZCORVANEBASE_EXPORT ComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit ComboBox(QWidget* parent = nullptr);
    ~ComboBox() override;

    QListWidget* getListWt();
    // Sets data[i] as the Qt::UserRole data of item i, for the items both sides have.
    void setItemsData(const QList<QVariant>& data);

private:
    void init();

    QListWidget* listWt;
};

} // namespace ZCORVANEBASE
