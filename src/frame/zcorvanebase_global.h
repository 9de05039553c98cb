#pragma once

#include <QtCore/qglobal.h>

// Every exported class carries ZCORVANEBASE_EXPORT. The library is built with hidden visibility, so a class
// without it fails to link on Linux exactly as it would on Windows.
#if defined(ZCORVANEBASE_LIBRARY)
#define ZCORVANEBASE_EXPORT Q_DECL_EXPORT
#else
#define ZCORVANEBASE_EXPORT Q_DECL_IMPORT
#endif

// Internal classes (declared in *_p.h headers, which are never installed) are exported only from a build made for the
// library's own tests, benchmarks and fuzz targets (ZCB_BUILD_INTERNAL); a release build exports the public API alone.
#if defined(ZCORVANEBASE_BUILD_INTERNAL)
#define ZCORVANEBASE_PRIVATE_EXPORT ZCORVANEBASE_EXPORT
#else
#define ZCORVANEBASE_PRIVATE_EXPORT
#endif

// The one difference between the Qt 5 and the Qt 6 build that public headers show: the argument of
// QWidget::enterEvent(), which Qt 6 made a QEnterEvent.
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
QT_BEGIN_NAMESPACE
class QEnterEvent;
QT_END_NAMESPACE
namespace ZCORVANEBASE {
using EnterEvent = QEnterEvent;
}
#else
QT_BEGIN_NAMESPACE
class QEvent;
QT_END_NAMESPACE
namespace ZCORVANEBASE {
using EnterEvent = QEvent;
}
#endif
