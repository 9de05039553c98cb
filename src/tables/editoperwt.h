#pragma once

#include "tables/tableoperwt.h"

namespace ZCORVANEBASE {
namespace Ui {
class EditOperWt;
}

// The stock operation cell: an edit button and a delete button, centred in the cell 12 pixels apart, that report
// the key of their row when clicked. The key is read at click time, so a later setKey changes what the next click
// reports. The button icons come from the application's style sheet, which selects the buttons by the properties
// "EditBtn" and "DeleteBtn" (the library ships matching images under ":/images/images/table_edit_*" and
// ":/images/images/table_delete_*" for it). Screen readers name the buttons with their tool tips ("Edit",
// "Delete"); both follow a runtime language switch.
class ZCORVANEBASE_EXPORT EditOperWt : public TableOperWt
{
    Q_OBJECT

public:
    explicit EditOperWt(const QString& key, QWidget* parent = nullptr);
    // For forms (uic creates widgets from their parent alone): the key is given later with setKey().
    explicit EditOperWt(QWidget* parent = nullptr);
    ~EditOperWt() override;

    void setEditBtVisible(bool visible);

signals:
    void signalEditBtClicked(const QString& key);
    void signalDeleteBtClicked(const QString& key);

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void slotEditBtClicked();
    void slotDeleteBtClicked();

private:
    void init();
    void retranslate();
    void connectSignalsWithSlots();

    Ui::EditOperWt* ui;
};

} // namespace ZCORVANEBASE
