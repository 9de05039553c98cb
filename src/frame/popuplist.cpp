#include "frame/popuplist_p.h"

#include <QAbstractItemView>
#include <QEvent>

namespace ZCORVANEBASE {

namespace {
class PopupRowsLayout : public QObject
{
public:
    explicit PopupRowsLayout(QAbstractItemView* list)
        : QObject(list)
        , list(list)
    {
        list->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Show:
            if (watched == list)
                list->doItemsLayout();
            break;
        default:
            break;
        }
        return false;
    }

private:
    QAbstractItemView* const list;
};
} // namespace

void keepPopupRowsLaidOut(QAbstractItemView* list)
{
    new PopupRowsLayout(list);
}

} // namespace ZCORVANEBASE
