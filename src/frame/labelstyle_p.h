#pragma once

// The label look that the menu entries and the waiting overlay's description share.

#include <QString>

namespace ZCORVANEBASE {

// Light grey 13-pixel text without a border.
inline QString plainLabelStyle()
{
    return QStringLiteral(
        "QLabel{color:#ccd3dd;border:0px;font-size:13px;font-family:microsoft yahei;padding-right:6px;}");
}

} // namespace ZCORVANEBASE
