#pragma once

#include <ZCorvaneBase/frame/zcorvanebase_global.h>
#include <ZCorvaneBase/frame/zlineedit.h>

#include <memory>

namespace ZCORVANEBASE {

// The field that shows a chosen folder, the path repeated as its tool tip, with a folder icon at its right end that
// lights up under the pointer. Any click, on the icon or the text, emits signalClicked(), so that the caller offers a
// folder chooser and writes the result back with setText(). Owned by its parent like any widget.
class ZCORVANEBASE_EXPORT SelDirLineEt : public ZLineEdit
{
    Q_OBJECT

public:
    explicit SelDirLineEt(QWidget* parent = nullptr);
    ~SelDirLineEt() override;

    void setText(const QString& text); // the text and the tool tip; typing changes only the text

signals:
    void signalClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void init();
    void retranslate();
    void connectSignalsWithSlots();

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace ZCORVANEBASE
