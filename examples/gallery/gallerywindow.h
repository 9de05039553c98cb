#pragma once

#include "gallerypage.h"

#include <QWidget>

QT_BEGIN_NAMESPACE
class QComboBox;
class QListWidget;
class QStackedWidget;
QT_END_NAMESPACE

// The gallery's main window: a list of pages on the left, the current page on the right. Pages are created when
// first shown. The language menu under the brand switches the client language live, as a client's settings do:
// the worker reports the new language and CorvaneBaseInit::switchLanguage() retranslates every widget alive.
class GalleryWindow : public QWidget
{
    Q_OBJECT

public:
    GalleryWindow(const GalleryOptions& options, const QString& firstPage, QWidget* parent = nullptr);

    QComboBox* languageMenu() const { return languageBox; }
    // Grows the window so the current page shows whole, without scrolling (for a screenshot).
    void fitCurrentPage();

private:
    void showPage(int index);
    void switchLanguage(int index);

    GalleryOptions options;
    QListWidget* pageList;
    QStackedWidget* stack;
    QComboBox* languageBox;
    QVector<QWidget*> created;
};
