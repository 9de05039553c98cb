#pragma once

#include <ZCorvaneBase/frame/zcorvanebase_global.h>

#include <QWidget>

#include <memory>

namespace ZCORVANEBASE {

// Base of the library's composite widgets: a styled, auto-filled background, a per-instance identifier and a
// single-click signal that a double click cancels. Owned by its parent like any widget.
class ZCORVANEBASE_EXPORT ZWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ZWidget(QWidget* parent = nullptr);
    ~ZWidget() override;

    void setBackgroundColor(const QColor& color);
    const QString& getUuidFlag() const; // a braced UUID text, fresh for each widget
    const QString& regenerateUuidFlag();

signals:
    // A single click, 200 ms after its release; a double click reports nothing.
    void signalWtClicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private slots:
    void slotSingleClickTimeout();

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace ZCORVANEBASE
