#include "gallerywindow.h"

#include "galleryworker.h"

#include "frame/corvanebaseinit.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QScrollArea>
#include <QStackedWidget>
#include <QVBoxLayout>

GalleryWindow::GalleryWindow(const GalleryOptions& options, const QString& firstPage, QWidget* parent)
    : QWidget(parent)
    , options(options)
    , pageList(new QListWidget(this))
    , stack(new QStackedWidget(this))
    , languageBox(new QComboBox(this))
{
    setObjectName(QStringLiteral("galleryWindow"));
    setWindowTitle(QStringLiteral("ZCorvaneBase gallery"));
    setWindowIcon(QIcon(QStringLiteral(":/images/images/osprey_client.ico")));
    pageList->setObjectName(QStringLiteral("galleryPageList"));
    pageList->setAccessibleName(QStringLiteral("Gallery pages"));
    pageList->setFixedWidth(170);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* side = new QVBoxLayout;
    auto* brand = new QLabel(QStringLiteral("ZCorvaneBase"), this);
    brand->setObjectName(QStringLiteral("galleryBrand"));
    side->addWidget(brand);
    languageBox->setObjectName(QStringLiteral("galleryLanguage"));
    languageBox->setAccessibleName(QStringLiteral("Language"));
    languageBox->setToolTip(QStringLiteral("Client language, switched live"));
    languageBox->addItem(QStringLiteral("简体中文"), QStringLiteral("zh_CN"));
    languageBox->addItem(QStringLiteral("繁體中文"), QStringLiteral("zh_HK"));
    languageBox->addItem(QStringLiteral("English"), QStringLiteral("en_US"));
    languageBox->setCurrentIndex(qMax(0, languageBox->findData(options.language)));
    connect(languageBox, QOverload<int>::of(&QComboBox::activated), this, &GalleryWindow::switchLanguage);
    side->addWidget(languageBox);
    side->addWidget(pageList, 1);
    layout->addLayout(side);
    layout->addWidget(stack, 1);
    const QVector<GalleryPage>& pages = galleryPages();
    created.fill(nullptr, pages.size());
    int first = 0;
    for (int i = 0; i < pages.size(); ++i) {
        pageList->addItem(pages[i].title);
        stack->addWidget(new QWidget(stack)); // placeholder until the page is first shown
        if (pages[i].name == firstPage)
            first = i;
    }
    connect(pageList, &QListWidget::currentRowChanged, this, &GalleryWindow::showPage);
    // Assistive tools select a page without making it current.
    connect(pageList, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> selected = pageList->selectedItems();
        if (!selected.isEmpty())
            pageList->setCurrentItem(selected.first());
    });
    pageList->setCurrentRow(first);
    resize(1280, 800);
}

void GalleryWindow::showPage(int index)
{
    if (index < 0 || index >= created.size())
        return;
    if (!created[index]) {
        QWidget* placeholder = stack->widget(index);
        created[index] = galleryPages()[index].create(options, stack);
        // A page wider or taller than the window scrolls: it never forces the window to grow (and stay grown), so the
        // window and its close button stay on a small screen.
        auto* scroll = new QScrollArea(stack);
        scroll->setObjectName(QStringLiteral("galleryPageScroll"));
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setWidgetResizable(true);
        scroll->setWidget(created[index]);
        stack->insertWidget(index, scroll);
        stack->removeWidget(placeholder);
        delete placeholder;
    }
    stack->setCurrentIndex(index);
}

void GalleryWindow::fitCurrentPage()
{
    const int index = stack->currentIndex();
    if (index < 0 || !created.value(index))
        return;
    const QSize page = created[index]->minimumSizeHint().expandedTo(created[index]->sizeHint());
    resize(size().expandedTo(QSize(pageList->width() + page.width(), page.height())));
}

void GalleryWindow::switchLanguage(int index)
{
    const QString suffix = languageBox->itemData(index).toString();
    if (suffix.isEmpty() || suffix == options.language)
        return;
    options.language = suffix; // pages created from now on start in it
    GalleryWorker* worker = galleryWorker();
    if (!worker)
        return;
    worker->setClientLanguage(suffix == QLatin1String("zh_CN") ? ZCORVANEDLL::ClientLanguageZhCN
            : suffix == QLatin1String("zh_HK")                 ? ZCORVANEDLL::ClientLanguageZhHK
                                                               : ZCORVANEDLL::ClientLanguageEnUS);
    ZCORVANEBASE::CorvaneBaseInit::_instance().switchLanguage();
}
