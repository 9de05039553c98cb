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
