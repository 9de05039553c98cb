#include "frame/hostaccess_p.h"

#include "frame/constants.h"
#include "frame/corvanebaseinit.h"

#include <QSet>

namespace ZCORVANEBASE {

ZCORVANEDLL::CorvaneDllBaseWorker* hostWorker(const char* operation)
{
    ZCORVANEDLL::CorvaneDllBaseWorker* worker = CorvaneBaseInit::_instance().worker;
    if (worker)
        return worker;
    static QSet<QByteArray> warned;
    const QByteArray name(operation ? operation : "?");
    if (!warned.contains(name)) {
        warned.insert(name);
        qWarning("ZCorvaneBase: no host worker installed in CorvaneBaseInit::_instance().worker; %s falls back to a "
                 "neutral answer",
            name.constData());
    }
    return nullptr;
}

int hostClientType()
{
    auto* worker = hostWorker("getClientType");
    return worker ? worker->getClientType() : 0;
}

ZCORVANEDLL::ClientLanguage hostClientLanguage()
{
    auto* worker = hostWorker("getClientLanguage");
    return worker ? worker->getClientLanguage() : ZCORVANEDLL::ClientLanguageEnUS;
}

QString hostDateFormat()
{
    auto* worker = hostWorker("getDateFormat");
    return worker ? worker->getDateFormat() : dateFormat;
}

QString hostStrDatetime(const QDateTime& dateTime, bool shortForm)
{
    if (auto* worker = hostWorker("strDatetime"))
        return worker->strDatetime(dateTime, shortForm);
    return defaultStrDatetime(dateTime, shortForm);
}

QString defaultStrDatetime(const QDateTime& dateTime, bool shortForm)
{
    // The short form drops the year and the seconds: "MM-dd hh:mm" starts at index 5 and is 11 characters long.
    const QString text = dateTime.toString(dateTimeFormat);
    return shortForm ? text.mid(5, 11) : text;
}

} // namespace ZCORVANEBASE
