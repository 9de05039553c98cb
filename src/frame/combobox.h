#pragma once

#include <ZCorvaneBase/frame/zcorvanebase_global.h>

#include <QComboBox>
#include <QList>
#include <QVariant>

#include <memory>

QT_BEGIN_NAMESPACE
class QListWidget;
QT_END_NAMESPACE

namespace ZCORVANEBASE {

// A combo box with the library's dark popup: a framed QListWidget (a child of the combo box, reachable through
// getListWt()) that carries the style-sheet flag "common_comboBox_listWt_style1" for the application style sheet.
class ZCORVANEBASE_EXPORT ComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit ComboBox(QWidget* parent = nullptr);
    ~ComboBox() override;

    QListWidget* getListWt();
    void setItemsData(const QList<QVariant>& data); // data[i] as item i's Qt::UserRole data, for the items both have

private:
    void init();

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace ZCORVANEBASE
