#include "entry/seldirlineet.h"

#include "frame/actionicon_p.h"

#include <QAction>
#include <QEvent>
#include <QIcon>

namespace ZCORVANEBASE {

namespace {
const QString folderNormalIcon = QStringLiteral(":/images/images/folder_n.png");
const QString folderHoverIcon = QStringLiteral(":/images/images/folder_h.png");
} // namespace

class SelDirLineEt::Private
{
public:
    QAction* folderAction = nullptr;
};

SelDirLineEt::SelDirLineEt(QWidget* parent)
    : ZLineEdit(parent)
    , d(new Private)
{
    d->folderAction = new QAction(this);
    init();
}

SelDirLineEt::~SelDirLineEt() = default;

void SelDirLineEt::init()
{
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    d->folderAction->setIcon(QIcon(folderNormalIcon));
    addAction(d->folderAction, QLineEdit::TrailingPosition);
    retranslate();
    connectSignalsWithSlots();
    installEventFilter(this);
}

void SelDirLineEt::retranslate()
{
    const QString text = tr("Choose a folder");
    d->folderAction->setText(text);
    d->folderAction->setToolTip(text);
}

void SelDirLineEt::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    ZLineEdit::changeEvent(event);
}

void SelDirLineEt::connectSignalsWithSlots()
{
    connect(d->folderAction, &QAction::triggered, this, &SelDirLineEt::signalClicked);
}

void SelDirLineEt::setText(const QString& text)
{
    QLineEdit::setText(text);
    setToolTip(text);
}

bool SelDirLineEt::eventFilter(QObject* watched, QEvent* event)
{
    // The highlight stays while the pointer leaves a focused field, so the field still looks active while the user
    // types in it; it goes with the focus.
    if (watched == this && followPointerWithActionIcon(this, d->folderAction, folderNormalIcon, folderHoverIcon, event))
        emit signalClicked();
    // The field still handles every event itself.
    return ZLineEdit::eventFilter(watched, event);
}

} // namespace ZCORVANEBASE
