#include "frame/zthread.h"

#include "frame/threadtermination_p.h"

namespace ZCORVANEBASE {

ZThread::ZThread(QObject* parent)
    : QThread(parent)
{
    // started() is emitted in the new thread before run(): from there on, terminate() takes effect at once on every
    // platform, also in work that never makes a system call.
    connect(this, &QThread::started, this, &ThreadTermination::makeImmediate, Qt::DirectConnection);
}

ZThread::~ZThread()
{
    if (isRunning()) {
        terminate();
        // QThread's destructor aborts on a thread it still sees running, and terminate() returns before the thread is
        // gone: wait for the termination, which is immediate, not for the thread's work.
        wait();
    }
}

} // namespace ZCORVANEBASE
