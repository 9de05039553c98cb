#pragma once

#include "gallerypage.h"

#include <QWidget>

QT_BEGIN_NAMESPACE
class QListWidget;
class QStackedWidget;
QT_END_NAMESPACE

// The gallery's main window: a list of pages on the left, the current page on the right. Pages are created when
// first shown.
class GalleryWindow : public QWidget
{
    Q_OBJECT

public:
    GalleryWindow(const GalleryOptions& options, const QString& firstPage, QWidget* parent = nullptr);

private:
    void showPage(int index);

    GalleryOptions options;
    QListWidget* pageList;
    QStackedWidget* stack;
    QVector<QWidget*> created;
};
