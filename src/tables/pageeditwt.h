#pragma once

#include "frame/zwidget.h"

QT_BEGIN_NAMESPACE
class QComboBox;
QT_END_NAMESPACE

namespace ZCORVANEBASE {
namespace Ui {
class PageEditWt;
}

// The paging strip under a table whose rows the host loads page by page: records per page (25, 50 or 100), the
// total, the current page over the page count, first/previous/next/last buttons and a jump-to-page field.
//
// It keeps the page arithmetic and tells the host which page to load (signalGotoPage); the host loads the rows and
// reports the total back with updateTotalCnt, which recomputes the pages and emits nothing. The jump field removes
// what the user types past the page count, one character at a time, so a pasted 100000 with 5 pages leaves 1.
//
// Choices of ours:
// - The page buttons and the go button carry no icons of their own: the application's style sheet selects them by
//   the properties "page_first_bt", "page_pre_bt", "page_next_bt", "page_last_bt" and "common_bt_style1" (the
//   library ships matching images under ":/images/images/page_*" for it).
// - A page-size box whose current text is not a positive number (for instance while a caller refills it) changes
//   nothing: the page size stays, no signal is emitted, and updateTotalCnt keeps everything on one page.
// - The four page buttons, the jump field and the page-size box are named for screen readers ("First page", ...,
//   "Page to jump to", "Records per page"); the buttons carry the same texts as tool tips. All texts follow a
//   runtime language switch, the numbers shown stay.
class ZCORVANEBASE_EXPORT PageEditWt : public ZWidget
{
    Q_OBJECT

public:
    explicit PageEditWt(QWidget* parent = nullptr);
    ~PageEditWt() override;

    void updateTotalCnt(int total);
    int getTotalCnt();
    int getCurPageIndex();
    int getPageSize();
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

    Ui::PageEditWt* ui;
    int totalCnt;
    int curPageIndex;
    int pageCount;
    int pageSize;
};

} // namespace ZCORVANEBASE
