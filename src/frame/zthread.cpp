#include "frame/zthread.h"

namespace ZCORVANEBASE {

ZThread::ZThread(QObject* parent)
    : QThread(parent)
{
}

ZThread::~ZThread()
{
    if (isRunning()) {
        terminate();
        // QThread's destructor aborts on a thread it still sees running; terminate() returns before the thread
        // is gone, so wait for the termination itself (not for the thread's work, which is already cut short).
        wait();
    }
}

} // namespace ZCORVANEBASE
