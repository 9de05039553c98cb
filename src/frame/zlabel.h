#pragma once

#include "frame/zcorvanebase_global.h"

#include <QLabel>

namespace ZCORVANEBASE {

// A label that elides its text at the right to the space it has and shows the whole text as its tool tip.
// With setMaxWidth() it grows up to that width to show the whole text before eliding.
// setText() and text() hide QLabel's: call them through a ZLabel pointer; text() returns the whole text.
class ZCORVANEBASE_EXPORT ZLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ZLabel(QWidget* parent = nullptr);
    ~ZLabel() override;

    void setText(const QString& text);
    QString text() const;
    void setMaxWidth(int width);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateText();

    QString fullText;
    int maxWidth;
};

} // namespace ZCORVANEBASE
