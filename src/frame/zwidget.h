#pragma once

#include "frame/zcorvanebase_global.h"

#include <QWidget>

QT_BEGIN_NAMESPACE
class QTimer;
QT_END_NAMESPACE

namespace ZCORVANEBASE {

// Base of the library's composite widgets: a styled, auto-filled background, a per-instance identifier and a
// single-click signal that a double click cancels.
//
// A click is reported 200 ms after its release so that a double click (press, release, double-click, release) can
// cancel it; a double click reports nothing.
class ZCORVANEBASE_EXPORT ZWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ZWidget(QWidget* parent = nullptr);
    ~ZWidget() override;

    void setBackgroundColor(const QColor& color);
    const QString& getUuidFlag() const;
    const QString& regenerateUuidFlag();

signals:
    void signalWtClicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private slots:
    void slotSingleClickTimeout();

private:
    QString uuidFlag;
    QTimer* singleClickTimer;
    int clickState; // 0 idle, 1 single click pending, 2 double click seen
};

} // namespace ZCORVANEBASE
