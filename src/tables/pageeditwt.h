#pragma once

#include <ZCorvaneBase/frame/zwidget.h>

#include <memory>

QT_BEGIN_NAMESPACE
class QComboBox;
QT_END_NAMESPACE

namespace ZCORVANEBASE {

// The paging strip under a table whose rows the host loads page by page: records per page (25, 50 or 100), the total,
// the current page over the page count, first/previous/next/last buttons and a jump-to-page field. It keeps the page
// arithmetic and tells the host which page to load; the host reports the total back. Owned by its parent like any
// widget.
class ZCORVANEBASE_EXPORT PageEditWt : public ZWidget
{
    Q_OBJECT

public:
    explicit PageEditWt(QWidget* parent = nullptr);
    ~PageEditWt() override;

    void updateTotalCnt(int total); // recomputes the pages; emits nothing
    int getTotalCnt();
    int getCurPageIndex();
    int getPageSize(); // the page-size box's current text
    QComboBox* getPageSizeComboBox();

signals:
    void signalGotoPage(int pageNum, int pageSize);
    void signalPageSizeChanged(int pageSize);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private slots:
    void slotGotoBtClicked();
    void slotPageComboxIndexChanged(int index);
    void slotHeadBtClicked();
    void slotPreBtClicked();
    void slotNextBtClicked();
    void slotLastBtClicked();
    void slotPageIndexTextChanged(const QString& text);

private:
    void init();
    void initUI();
    void retranslate();
    void connectSignalsWithSlots();
    void pageIndexChanged(int page);
    void showPageNumbers();

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace ZCORVANEBASE
