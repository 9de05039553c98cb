#include "gallerypage.h"

QVector<GalleryPage>& galleryPages()
{
    static QVector<GalleryPage> pages;
    return pages;
}

GalleryPageRegistrar::GalleryPageRegistrar(const QString& name, int order, const QString& title,
    std::function<QWidget*(const GalleryOptions&, QWidget*)> create)
{
    QVector<GalleryPage>& pages = galleryPages();
    auto at = std::find_if(pages.begin(), pages.end(), [order](const GalleryPage& page) { return page.order > order; });
    pages.insert(at, GalleryPage { name, order, title, std::move(create) });
}
