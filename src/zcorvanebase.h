#pragma once

// ZCorvaneBase: every exported class, enumeration, record and free function of the library.
// #include <ZCorvaneBase/zcorvanebase.h>

// Start-up, host interface and shared services
#include "frame/constants.h"
#include "frame/corvanebaseinit.h"
#include "frame/dictdef.h"
#include "frame/hostworker.h"
#include "frame/widgetstyle.h"
#include "frame/zcorvanebase_global.h"
#include "frame/zsingleton.h"
#include "frame/zthread.h"

// Base widget and controls
#include "frame/combobox.h"
#include "frame/customaction.h"
#include "frame/slider.h"
#include "frame/zcheckbox.h"
#include "frame/zcombobox.h"
#include "frame/zlabel.h"
#include "frame/zlineedit.h"
#include "frame/zmenu.h"
#include "frame/zpushbutton.h"
#include "frame/zwidget.h"

// Tables, paging and trees
#include "tables/nofocusstyleditemdelegate.h"
