#pragma once

// The common frame of a gallery page: a grid with the page margins, titled groups in the host's panel look, and a
// log panel the page writes what the library reports into.

#include <QGridLayout>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QWidget>

class GalleryPageWidget : public QWidget
{
public:
    GalleryPageWidget(const QString& objectName, QWidget* parent)
        : QWidget(parent)
        , grid(new QGridLayout(this))
        , log(new QPlainTextEdit(this))
    {
        setObjectName(objectName);
        grid->setContentsMargins(24, 24, 24, 24);
        grid->setSpacing(18);
        log->setObjectName(QStringLiteral("galleryLog"));
        log->setReadOnly(true);
        log->setAccessibleName(QStringLiteral("Log of what the library reports"));
    }

protected:
    void note(const QString& text) { log->appendPlainText(text); }

    QGroupBox* group(const QString& title)
    {
        auto* box = new QGroupBox(title, this);
        box->setProperty("widget_top", true);
        return box;
    }

    QGridLayout* grid;
    QPlainTextEdit* log;
};
