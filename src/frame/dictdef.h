#pragma once

#include <ZCorvaneBase/frame/zsingleton.h>

#include <QObject>
#include <QString>

namespace ZCORVANEBASE {

ZCORVANEBASE_DECLARE_SINGLETON(DictDef)

// The translated texts of the message and error kinds the client shows in titles and message boxes. They are
// translated once, after the library's catalogue is installed (CorvaneBaseInit::moduleInit() calls retranslate()),
// and then read as plain members. Before that every member is empty.
class ZCORVANEBASE_EXPORT DictDef : public QObject, public ZSingleton<DictDef>
{
    Q_OBJECT
    friend class ZSingleton<DictDef>;

public:
    // Refills every member from the installed catalogues; call it again after installing another catalogue.
    void retranslate();

    QString msgInfo;
    QString msgWarning;
    QString msgError;
    QString errSaveFileFailed;
    QString errQueryNone;
    QString errQueryError;
    QString errDbError;
    QString errImproper;
    QString errPtzCtrl;
    QString errCorvane;
    QString errDiskFull;

private:
    explicit DictDef(QObject* parent = nullptr);
    ~DictDef() override;
};

} // namespace ZCORVANEBASE
