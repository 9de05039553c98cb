#pragma once

#include <ZCorvaneBase/tables/tableoperwt.h>

#include <memory>

namespace ZCORVANEBASE {

// The stock operation cell: an edit button and a delete button, centred 12 pixels apart, that report their row's key
// (read at click time) when clicked. The application's style sheet gives the buttons their icons ("EditBtn",
// "DeleteBtn"). Owned by its table once set as a cell widget.
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

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace ZCORVANEBASE
