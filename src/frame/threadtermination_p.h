#pragma once

// Terminating a thread: the one place where the library touches the platform's threads.

namespace ZCORVANEBASE {
namespace ThreadTermination {

// Called in a thread right after it starts, before its work: from then on QThread::terminate() stops it at once,
// wherever it is. Windows terminates a thread at once anyway; a POSIX thread otherwise stops only at its next
// cancellation point (a blocking system call), which a busy loop may never reach.
void makeImmediate();

} // namespace ThreadTermination
} // namespace ZCORVANEBASE
