#pragma once

// ZCorvaneBase: every exported class, enumeration, record and free function of the library.
// #include <ZCorvaneBase/zcorvanebase.h>

// Start-up, host interface and shared services
#include <ZCorvaneBase/frame/constants.h>
#include <ZCorvaneBase/frame/corvanebaseinit.h>
#include <ZCorvaneBase/frame/dictdef.h>
#include <ZCorvaneBase/frame/hostworker.h>
#include <ZCorvaneBase/frame/widgetstyle.h>
#include <ZCorvaneBase/frame/zcorvanebase_global.h>
#include <ZCorvaneBase/frame/zsingleton.h>
#include <ZCorvaneBase/frame/zthread.h>

// Base widget and controls
#include <ZCorvaneBase/frame/combobox.h>
#include <ZCorvaneBase/frame/customaction.h>
#include <ZCorvaneBase/frame/slider.h>
#include <ZCorvaneBase/frame/zcheckbox.h>
#include <ZCorvaneBase/frame/zcombobox.h>
#include <ZCorvaneBase/frame/zlabel.h>
#include <ZCorvaneBase/frame/zlineedit.h>
#include <ZCorvaneBase/frame/zmenu.h>
#include <ZCorvaneBase/frame/zpushbutton.h>
#include <ZCorvaneBase/frame/zwidget.h>

// Recording playback time axis
#include <ZCorvaneBase/timeaxis/recordingstimeaxisbox.h>
#include <ZCorvaneBase/timeaxis/timeaxismodel.h>
#include <ZCorvaneBase/timeaxis/timeaxiswt.h>

// Dialogs and overlays
#include <ZCorvaneBase/dialogs/automatichidewt.h>
#include <ZCorvaneBase/dialogs/commondialog.h>
#include <ZCorvaneBase/dialogs/disabledwaitingwt.h>
#include <ZCorvaneBase/dialogs/disabledwaitingwtmanager.h>
#include <ZCorvaneBase/dialogs/moveabledialog.h>
#include <ZCorvaneBase/dialogs/suspendlayerwt.h>
#include <ZCorvaneBase/dialogs/zfiledialog.h>
#include <ZCorvaneBase/dialogs/zmessagebox.h>

// Date and time selection
#include <ZCorvaneBase/datetime/calendarwt.h>
#include <ZCorvaneBase/datetime/datetimespanselwt.h>
#include <ZCorvaneBase/datetime/timespacelineet.h>

// Address and password entry
#include <ZCorvaneBase/entry/ipeditwt.h>
#include <ZCorvaneBase/entry/passwordlineedit.h>
#include <ZCorvaneBase/entry/passwordstrengthbar.h>
#include <ZCorvaneBase/entry/pwdstrength.h>
#include <ZCorvaneBase/entry/seldirlineet.h>

// Tables, paging and trees
#include <ZCorvaneBase/tables/editoperwt.h>
#include <ZCorvaneBase/tables/nofocusstyleditemdelegate.h>
#include <ZCorvaneBase/tables/pageeditwt.h>
#include <ZCorvaneBase/tables/tableoperwt.h>
#include <ZCorvaneBase/tables/tablewidget.h>
#include <ZCorvaneBase/tables/treeconfig.h>
#include <ZCorvaneBase/tables/treeitem.h>
#include <ZCorvaneBase/tables/ztablewidget.h>
