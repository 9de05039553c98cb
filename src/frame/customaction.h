#pragma once

#include <ZCorvaneBase/frame/zcorvanebase_global.h>

#include <QWidgetAction>

#include <memory>

namespace ZCORVANEBASE {

// A menu entry drawn as a widget: a 16 x 16 icon, a text and an optional flag image at its right end, 24 pixels
// high and at least 134 wide, dark with a blue hover. The entry widget is the action's default widget
// (QWidgetAction::defaultWidget()); clicks arrive as its delayed signalWtClicked(), which the action itself leaves
// unconnected.
//
// The first image path is the icon shown normally and while hovered, the second the one shown after the pointer
// has left the entry (for example a dimmed variant); the third is kept for the host and not shown.
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
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace ZCORVANEBASE
