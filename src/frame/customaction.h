#pragma once

#include "frame/zcorvanebase_global.h"

#include <QWidgetAction>

namespace ZCORVANEBASE {

class CustomActionWt;

// A menu entry drawn as a widget: a 16 x 16 icon, a text and an optional flag image at its right end, 24 pixels
// high and at least 134 wide, dark with a blue hover.
//
// The three image paths: the first is the icon shown normally and while hovered, the second the icon shown after
// the pointer has left the entry (for example a dimmed variant); the third is kept for the host and not shown.
// The icons are loaded for the pixel ratio of the screen (the "@2x" file next to the image on a high-DPI screen),
// and a flag image is drawn at its logical size, so a flag made for a high-DPI screen keeps its place. The entry
// widget is named with the entry's text for screen readers.
// Clicks arrive as the entry widget's delayed signalWtClicked() (QWidgetAction::defaultWidget()); the action
// itself connects nothing to it.
class ZCORVANEBASE_EXPORT CustomAction : public QWidgetAction
{
    Q_OBJECT

public:
    CustomAction(QWidget* parent, const QString& text, const QString& iconPath1, const QString& iconPath2 = QString(),
        const QString& iconPath3 = QString());
    ~CustomAction() override;

    void updateText(const QString& text);
    void addFlagImage(const QPixmap& image);

private:
    CustomActionWt* actionWt;
};

} // namespace ZCORVANEBASE
