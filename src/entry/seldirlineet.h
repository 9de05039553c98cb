#pragma once

#include "frame/zcorvanebase_global.h"
#include "frame/zlineedit.h"

class QAction;

namespace ZCORVANEBASE {

// The field that shows a chosen folder. The path is repeated as the tool tip (setText), a folder icon sits at the
// right end and lights up while the pointer is over the field, and any click, on the icon or on the text, is
// reported through signalClicked() so that the caller can offer a folder chooser and write the result back with
// setText(). The field itself does not check the text.
//
// The folder action is named "Choose a folder" (its text and the icon's tool tip, for screen readers too); the
// name follows a runtime language switch.
//
// The highlighted icon stays while the pointer leaves a focused field and returns to normal when the focus goes, so
// the field still looks active while the user types in it.
class ZCORVANEBASE_EXPORT SelDirLineEt : public ZLineEdit
{
    Q_OBJECT

public:
    explicit SelDirLineEt(QWidget* parent = nullptr);

    // Sets the text and the tool tip. Typing changes only the text.
    void setText(const QString& text);

signals:
    void signalClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void init();
    void retranslate();
    void connectSignalsWithSlots();

    QAction* m_folderAction;
};

} // namespace ZCORVANEBASE
