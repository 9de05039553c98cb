#pragma once

#include "frame/zcorvanebase_global.h"

#include <QThread>

namespace ZCORVANEBASE {

// A QThread whose destruction never blocks: deleting a running ZThread terminates it at once. The library starts
// no thread itself; owners that want an orderly stop call quit() and wait() before deleting it.
class ZCORVANEBASE_EXPORT ZThread : public QThread
{
    Q_OBJECT

public:
    explicit ZThread(QObject* parent = nullptr);
    ~ZThread() override;
};

} // namespace ZCORVANEBASE
