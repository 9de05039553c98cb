#pragma once

#include <ZCorvaneBase/frame/zcorvanebase_global.h>

#include <QCheckBox>

#include <memory>

namespace ZCORVANEBASE {

// A check box that elides its text at the right to its width less the indicator's room (25 pixels) and shows the
// whole text as its tool tip. setText() and text() hide QAbstractButton's: call them through a ZCheckBox pointer.
class ZCORVANEBASE_EXPORT ZCheckBox : public QCheckBox
{
    Q_OBJECT

public:
    explicit ZCheckBox(QWidget* parent = nullptr);
    ~ZCheckBox() override;

    void setText(const QString& text);
    QString text() const; // the whole text, not the elided one

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateText();

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace ZCORVANEBASE
