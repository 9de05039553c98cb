#pragma once

#include <ZCorvaneBase/frame/zcorvanebase_global.h>

#include <QLabel>

#include <memory>

namespace ZCORVANEBASE {

// A label that elides its text at the right to the space it has and shows the whole text as its tool tip; with
// setMaxWidth() it first grows up to that width to show the whole text. setText() and text() hide QLabel's:
// call them through a ZLabel pointer.
class ZCORVANEBASE_EXPORT ZLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ZLabel(QWidget* parent = nullptr);
    ~ZLabel() override;

    void setText(const QString& text);
    QString text() const; // the whole text, not the elided one
    void setMaxWidth(int width);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateText();

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace ZCORVANEBASE
