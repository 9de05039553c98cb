#include "frame/threadtermination_p.h"

#include <QtGlobal>

#if defined(Q_OS_UNIX)
#include <pthread.h>
#endif

namespace ZCORVANEBASE {
namespace ThreadTermination {

void makeImmediate()
{
#if defined(Q_OS_UNIX)
    // QThread::terminate() cancels the thread; asynchronous cancellation acts on the request at once instead of at
    // the next cancellation point.
    pthread_setcanceltype(PTHREAD_CANCEL_ASYNCHRONOUS, nullptr);
#elif defined(Q_OS_WIN)
    // QThread::terminate() is TerminateThread(), which stops the thread at once.
#endif
}

} // namespace ThreadTermination
} // namespace ZCORVANEBASE
