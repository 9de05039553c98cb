#pragma once
// The client's own frame/ folder: the library's headers must never reach this file.
#error "a library header included the client's frame/zlabel.h"
