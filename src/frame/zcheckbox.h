#pragma once

#include "frame/zcorvanebase_global.h"

#include <QCheckBox>

namespace ZCORVANEBASE {

// A check box that elides its text at the right to its width less 25 pixels (the indicator's room) and shows the
// whole text as its tool tip. setText() and text() hide QAbstractButton's; text() returns the whole text.
class ZCORVANEBASE_EXPORT ZCheckBox : public QCheckBox
{
    Q_OBJECT

public:
    explicit ZCheckBox(QWidget* parent = nullptr);
    ~ZCheckBox() override;

    void setText(const QString& text);
    QString text() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateText();

    QString fullText;
};

} // namespace ZCORVANEBASE
