#pragma once
// The client's own tables/ folder: the library's headers must never reach this file.
#error "a library header included the client's tables/ztablewidget.h"
