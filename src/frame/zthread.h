#pragma once

#include <ZCorvaneBase/frame/zcorvanebase_global.h>

#include <QThread>

namespace ZCORVANEBASE {

// A QThread, exported for the host, whose destruction never blocks: deleting a ZThread that still runs terminates it
// at once, wherever it is. Owners that want an orderly stop call quit() and wait() before deleting it.
class ZCORVANEBASE_EXPORT ZThread : public QThread
{
    Q_OBJECT

public:
    explicit ZThread(QObject* parent = nullptr);
    ~ZThread() override;
};

} // namespace ZCORVANEBASE
