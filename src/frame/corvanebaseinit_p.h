#pragma once

#include "frame/corvanebaseinit.h"

namespace ZCORVANEBASE {

// The Language reported for a system locale of QLocale language `language` and country `country`.
ZCORVANEBASE_PRIVATE_EXPORT Language languageOfLocale(int language, int country);

} // namespace ZCORVANEBASE
