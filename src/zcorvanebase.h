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

// Recording playback time axis
#include "timeaxis/recordingstimeaxisbox.h"
#include "timeaxis/timeaxismodel.h"
#include "timeaxis/timeaxiswt.h"

// Dialogs and overlays
#include "dialogs/automatichidewt.h"
#include "dialogs/commondialog.h"
#include "dialogs/disabledwaitingwt.h"
#include "dialogs/disabledwaitingwtmanager.h"
#include "dialogs/moveabledialog.h"
#include "dialogs/suspendlayerwt.h"
#include "dialogs/zfiledialog.h"
#include "dialogs/zmessagebox.h"

// Date and time selection
#include "datetime/calendarwt.h"
#include "datetime/datetimespanselwt.h"
#include "datetime/timespacelineet.h"

// Address and password entry
#include "entry/ipeditwt.h"
#include "entry/passwordlineedit.h"
#include "entry/passwordstrengthbar.h"
#include "entry/pwdstrength.h"
#include "entry/seldirlineet.h"

// Tables, paging and trees
#include "tables/editoperwt.h"
#include "tables/nofocusstyleditemdelegate.h"
#include "tables/pageeditwt.h"
#include "tables/tableoperwt.h"
#include "tables/tablewidget.h"
#include "tables/treeconfig.h"
#include "tables/treeitem.h"
#include "tables/ztablewidget.h"
