#include "tables/pageeditwt.h"

#include "frame/constants.h"
#include "ui_pageeditwt.h"

#include <QIntValidator>
#include <QKeyEvent>

#include <climits>
#include <cmath>

namespace ZCORVANEBASE {

namespace {
// The jump field takes page numbers up to this.
constexpr int maxJumpPage = 100000;
} // namespace

class PageEditWt::Private
{
public:
    const std::unique_ptr<Ui::PageEditWt> ui = std::make_unique<Ui::PageEditWt>();
    int totalCnt = 0; // as last given to updateTotalCnt
    int curPageIndex = 1; // 1-based
    int pageCount = 1; // at least 1
    int pageSize = 50; // sent with signalGotoPage; changed only by the page-size box
};

PageEditWt::PageEditWt(QWidget* parent)
    : ZWidget(parent)
    , d(new Private)
{
    d->ui->setupUi(this);
    init();
    initUI();
}

PageEditWt::~PageEditWt() = default;

void PageEditWt::init()
{
    // Filled before the connections, so the initial choice of 50 is not reported.
    d->ui->eachNumcomboBox->addItems({ QStringLiteral("25"), QStringLiteral("50"), QStringLiteral("100") });
    d->ui->eachNumcomboBox->setCurrentIndex(1);
    d->ui->pagelineEdit->setValidator(new QIntValidator(1, maxJumpPage, this));
    d->ui->pagelineEdit->installEventFilter(this);
    connectSignalsWithSlots();
}

void PageEditWt::connectSignalsWithSlots()
{
    connect(d->ui->gotobtn, &QPushButton::clicked, this, &PageEditWt::slotGotoBtClicked);
    connect(d->ui->eachNumcomboBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
        &PageEditWt::slotPageComboxIndexChanged);
    connect(d->ui->headbtn, &QPushButton::clicked, this, &PageEditWt::slotHeadBtClicked);
    connect(d->ui->prebtn, &QPushButton::clicked, this, &PageEditWt::slotPreBtClicked);
    connect(d->ui->nextbtn, &QPushButton::clicked, this, &PageEditWt::slotNextBtClicked);
    connect(d->ui->bottombtn, &QPushButton::clicked, this, &PageEditWt::slotLastBtClicked);
    connect(d->ui->pagelineEdit, &QLineEdit::textChanged, this, &PageEditWt::slotPageIndexTextChanged);
}

void PageEditWt::initUI()
{
    setBackgroundColor(QColor(colorPanelAlt));
    d->ui->gotobtn->setProperty("common_bt_style1", true);
    d->ui->pagelineEdit->setStyleSheet(QStringLiteral("QLineEdit{padding-left:0px;}"));
    d->ui->headbtn->setProperty("page_first_bt", true);
    d->ui->prebtn->setProperty("page_pre_bt", true);
    d->ui->nextbtn->setProperty("page_next_bt", true);
    d->ui->bottombtn->setProperty("page_last_bt", true);
    retranslate();
}

void PageEditWt::retranslate()
{
    d->ui->retranslateUi(this);
    // What the form set up is the state at construction; show the current one again.
    showPageNumbers();
    d->ui->labelnum->setText(QString::number(d->totalCnt));
    const QList<QPair<QPushButton*, QString>> buttons { { d->ui->headbtn, tr("First page") },
        { d->ui->prebtn, tr("Previous page") }, { d->ui->nextbtn, tr("Next page") },
        { d->ui->bottombtn, tr("Last page") } };
    for (const auto& button : buttons) {
        button.first->setAccessibleName(button.second);
        button.first->setToolTip(button.second);
    }
    d->ui->pagelineEdit->setAccessibleName(tr("Page to jump to"));
    d->ui->eachNumcomboBox->setAccessibleName(tr("Records per page"));
}

void PageEditWt::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    ZWidget::changeEvent(event);
}

void PageEditWt::updateTotalCnt(int total)
{
    d->totalCnt = total;
    // Single precision, as the page count has always been computed.
    const int size = getPageSize();
    if (size > 0) {
        const float pages = std::ceil(static_cast<float>(total) / static_cast<float>(size));
        d->pageCount = pages >= static_cast<float>(INT_MAX) ? INT_MAX : static_cast<int>(pages);
    } else {
        d->pageCount = 1;
    }
    if (d->pageCount < 1) {
        d->curPageIndex = 1;
        d->pageCount = 1;
        d->ui->pagelineEdit->clear();
    }
    if (d->curPageIndex > d->pageCount)
        d->curPageIndex = d->pageCount;
    if (d->curPageIndex < 1)
        d->curPageIndex = 1;
    showPageNumbers();
    d->ui->labelnum->setText(QString::number(total));
    if (d->ui->pagelineEdit->text().toInt() > d->pageCount)
        d->ui->pagelineEdit->setText(QString::number(d->curPageIndex));
}

int PageEditWt::getTotalCnt()
{
    return d->totalCnt;
}

int PageEditWt::getCurPageIndex()
{
    return d->curPageIndex;
}

int PageEditWt::getPageSize()
{
    return d->ui->eachNumcomboBox->currentText().toInt();
}

QComboBox* PageEditWt::getPageSizeComboBox()
{
    return d->ui->eachNumcomboBox;
}

void PageEditWt::showPageNumbers()
{
    d->ui->numrecordlabel->setText(QStringLiteral("%1/%2").arg(d->curPageIndex).arg(d->pageCount));
}

void PageEditWt::pageIndexChanged(int page)
{
    if (page < 1 || page > d->pageCount || page == d->curPageIndex)
        return;
    d->curPageIndex = page;
    showPageNumbers();
    emit signalGotoPage(page, d->pageSize);
}

bool PageEditWt::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == d->ui->pagelineEdit && event->type() == QEvent::KeyRelease) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Enter || key == Qt::Key_Return)
            slotGotoBtClicked();
    }
    return ZWidget::eventFilter(watched, event);
}

void PageEditWt::slotGotoBtClicked()
{
    pageIndexChanged(d->ui->pagelineEdit->text().toInt());
}

void PageEditWt::slotPageComboxIndexChanged(int index)
{
    const int size = index < 0 ? 0 : d->ui->eachNumcomboBox->itemText(index).toInt();
    if (size <= 0)
        return;
    d->pageSize = size;
    d->curPageIndex = 1;
    emit signalPageSizeChanged(d->pageSize);
}

void PageEditWt::slotHeadBtClicked()
{
    pageIndexChanged(1);
}

void PageEditWt::slotPreBtClicked()
{
    if (d->curPageIndex > 1)
        pageIndexChanged(d->curPageIndex - 1);
}

void PageEditWt::slotNextBtClicked()
{
    if (d->curPageIndex < d->pageCount)
        pageIndexChanged(d->curPageIndex + 1);
}

void PageEditWt::slotLastBtClicked()
{
    pageIndexChanged(d->pageCount);
}

void PageEditWt::slotPageIndexTextChanged(const QString& text)
{
    // Setting the text fires textChanged again, so this repeats on the shorter text until it fits.
    if (text == QLatin1String("0")) {
        d->ui->pagelineEdit->clear();
        return;
    }
    if (text.toInt() > d->pageCount || text.endsWith(QLatin1Char('+')))
        d->ui->pagelineEdit->setText(text.left(text.size() - 1));
}

} // namespace ZCORVANEBASE
