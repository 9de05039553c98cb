#pragma once

namespace ZCORVANEBASE {

// The looks that some composite widgets switch between. Normal and hover apply only while the widget has no
// keyboard focus; active applies regardless of focus.
enum WidgetStyle
{
    WidgetStyleNormal = 0, // "_n" images
    WidgetStyleHover = 1, // "_h" images
    WidgetStyleActive = 2, // "_h" images, kept while focused
};

} // namespace ZCORVANEBASE
