#include "frame/dictdef.h"

namespace ZCORVANEBASE {

template class ZSingleton<DictDef>;

DictDef::DictDef(QObject* parent)
    : QObject(parent)
{
}

DictDef::~DictDef() = default;

void DictDef::retranslate()
{
    DictDef& dict = _instance();
    dict.msgInfo = tr("info");
    dict.msgWarning = tr("warning");
    dict.msgError = tr("error");
    dict.errSaveFileFailed = tr("save file failed");
    dict.errQueryNone = tr("query none");
    dict.errQueryError = tr("query error");
    dict.errDbError = tr("DB error");
    dict.errImproper = tr("improper error");
    dict.errPtzCtrl = tr("ptz ctrl error");
    dict.errCorvane = tr("corvane error");
    dict.errDiskFull = tr("disk full");
}

} // namespace ZCORVANEBASE
