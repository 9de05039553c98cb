#include "tables/pageeditwt.h"

#include "ui_pageeditwt.h"

#include <QIntValidator>
#include <QKeyEvent>

#include <climits>
#include <cmath>

namespace ZCORVANEBASE {

PageEditWt::PageEditWt(QWidget* parent)
    : ZWidget(parent)
    , ui(new Ui::PageEditWt)
    , totalCnt(0)
    , curPageIndex(1)
    , pageCount(1)
    , pageSize(50)
{
    ui->setupUi(this);
    init();
    initUI();
}

PageEditWt::~PageEditWt()
{
    delete ui;
}

void PageEditWt::init()
{
    // Filled before the connections, so the initial choice of 50 is not reported.
    ui->eachNumcomboBox->addItems({ QStringLiteral("25"), QStringLiteral("50"), QStringLiteral("100") });
    ui->eachNumcomboBox->setCurrentIndex(1);
    ui->pagelineEdit->setValidator(new QIntValidator(1, 100000, this));
    ui->pagelineEdit->installEventFilter(this);
    connectSignalsWithSlots();
}

void PageEditWt::connectSignalsWithSlots()
{
    connect(ui->gotobtn, SIGNAL(clicked()), this, SLOT(slotGotoBtClicked()));
    connect(ui->eachNumcomboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(slotPageComboxIndexChanged(int)));
    connect(ui->headbtn, SIGNAL(clicked()), this, SLOT(slotHeadBtClicked()));
    connect(ui->prebtn, SIGNAL(clicked()), this, SLOT(slotPreBtClicked()));
    connect(ui->nextbtn, SIGNAL(clicked()), this, SLOT(slotNextBtClicked()));
    connect(ui->bottombtn, SIGNAL(clicked()), this, SLOT(slotLastBtClicked()));
    connect(ui->pagelineEdit, SIGNAL(textChanged(QString)), this, SLOT(slotPageIndexTextChanged(QString)));
}

void PageEditWt::initUI()
{
    setBackgroundColor(QColor(QStringLiteral("#141f30")));
    ui->gotobtn->setProperty("common_bt_style1", true);
    ui->pagelineEdit->setStyleSheet(QStringLiteral("QLineEdit{padding-left:0px;}"));
    ui->headbtn->setProperty("page_first_bt", true);
    ui->prebtn->setProperty("page_pre_bt", true);
    ui->nextbtn->setProperty("page_next_bt", true);
    ui->bottombtn->setProperty("page_last_bt", true);
    retranslate();
}

void PageEditWt::retranslate()
{
    ui->retranslateUi(this);
    // What the form set up is the state at construction; show the current one again.
    showPageNumbers();
    ui->labelnum->setText(QString::number(totalCnt));
    const QList<QPair<QPushButton*, QString>> buttons { { ui->headbtn, tr("First page") },
        { ui->prebtn, tr("Previous page") }, { ui->nextbtn, tr("Next page") }, { ui->bottombtn, tr("Last page") } };
    for (const auto& button : buttons) {
        button.first->setAccessibleName(button.second);
        button.first->setToolTip(button.second);
    }
    ui->pagelineEdit->setAccessibleName(tr("Page to jump to"));
    ui->eachNumcomboBox->setAccessibleName(tr("Records per page"));
}

void PageEditWt::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    ZWidget::changeEvent(event);
}

void PageEditWt::updateTotalCnt(int total)
{
    totalCnt = total;
    // Single precision, as the page count has always been computed.
    const int size = getPageSize();
    if (size > 0) {
        const float pages = std::ceil(static_cast<float>(total) / static_cast<float>(size));
        pageCount = pages >= static_cast<float>(INT_MAX) ? INT_MAX : static_cast<int>(pages);
    } else {
        pageCount = 1;
    }
    if (pageCount < 1) {
        curPageIndex = 1;
        pageCount = 1;
        ui->pagelineEdit->clear();
    }
    if (curPageIndex > pageCount)
        curPageIndex = pageCount;
    if (curPageIndex < 1)
        curPageIndex = 1;
    showPageNumbers();
    ui->labelnum->setText(QString::number(total));
    if (ui->pagelineEdit->text().toInt() > pageCount)
        ui->pagelineEdit->setText(QString::number(curPageIndex));
}

int PageEditWt::getTotalCnt()
{
    return totalCnt;
}

int PageEditWt::getCurPageIndex()
{
    return curPageIndex;
}

int PageEditWt::getPageSize()
{
    return ui->eachNumcomboBox->currentText().toInt();
}

QComboBox* PageEditWt::getPageSizeComboBox()
{
    return ui->eachNumcomboBox;
}

void PageEditWt::showPageNumbers()
{
    ui->numrecordlabel->setText(QStringLiteral("%1/%2").arg(curPageIndex).arg(pageCount));
}

void PageEditWt::pageIndexChanged(int page)
{
    if (page < 1 || page > pageCount || page == curPageIndex)
        return;
    curPageIndex = page;
    showPageNumbers();
    emit signalGotoPage(page, pageSize);
}

bool PageEditWt::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->pagelineEdit && event->type() == QEvent::KeyRelease) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Enter || key == Qt::Key_Return)
            slotGotoBtClicked();
    }
    return ZWidget::eventFilter(watched, event);
}

void PageEditWt::slotGotoBtClicked()
{
    pageIndexChanged(ui->pagelineEdit->text().toInt());
}

void PageEditWt::slotPageComboxIndexChanged(int index)
{
    const int size = index < 0 ? 0 : ui->eachNumcomboBox->itemText(index).toInt();
    if (size <= 0)
        return;
    pageSize = size;
    curPageIndex = 1;
    emit signalPageSizeChanged(pageSize);
}

void PageEditWt::slotHeadBtClicked()
{
    pageIndexChanged(1);
}

void PageEditWt::slotPreBtClicked()
{
    if (curPageIndex > 1)
        pageIndexChanged(curPageIndex - 1);
}

void PageEditWt::slotNextBtClicked()
{
    if (curPageIndex < pageCount)
        pageIndexChanged(curPageIndex + 1);
}

void PageEditWt::slotLastBtClicked()
{
    pageIndexChanged(pageCount);
}

void PageEditWt::slotPageIndexTextChanged(const QString& text)
{
    // Setting the text fires textChanged again, so this repeats on the shorter text until it fits.
    if (text == QLatin1String("0")) {
        ui->pagelineEdit->clear();
        return;
    }
    if (text.toInt() > pageCount || text.endsWith(QLatin1Char('+')))
        ui->pagelineEdit->setText(text.left(text.size() - 1));
}

} // namespace ZCORVANEBASE
