#pragma once

// The gallery's page registry: each page file registers a factory with a static GalleryPageRegistrar, so a page
// exists exactly when its subsystem is built.

#include <QString>
#include <QVector>
#include <functional>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

struct GalleryOptions
{
    int rows = 16; // --rows N: playback rows of the time-axis page
    QString language = QStringLiteral("en_US"); // --lang
    bool screenshot = false; // rendering PNGs: pages show a populated state at once, without waiting
};

struct GalleryPage
{
    QString name; // --page NAME and the PNG's file name
    int order = 0;
    QString title;
    std::function<QWidget*(const GalleryOptions&, QWidget*)> create;
};

QVector<GalleryPage>& galleryPages();

struct GalleryPageRegistrar
{
    GalleryPageRegistrar(const QString& name, int order, const QString& title,
        std::function<QWidget*(const GalleryOptions&, QWidget*)> create);
};
