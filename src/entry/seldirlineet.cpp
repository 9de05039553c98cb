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

SelDirLineEt::SelDirLineEt(QWidget* parent)
    : ZLineEdit(parent)
    , m_folderAction(new QAction(this))
{
    init();
}

void SelDirLineEt::init()
{
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_folderAction->setIcon(QIcon(folderNormalIcon));
    addAction(m_folderAction, QLineEdit::TrailingPosition);
    retranslate();
    connectSignalsWithSlots();
    installEventFilter(this);
}

void SelDirLineEt::retranslate()
{
    const QString text = tr("Choose a folder");
    m_folderAction->setText(text);
    m_folderAction->setToolTip(text);
}

void SelDirLineEt::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    ZLineEdit::changeEvent(event);
}

void SelDirLineEt::connectSignalsWithSlots()
{
    connect(m_folderAction, SIGNAL(triggered()), this, SIGNAL(signalClicked()));
}

void SelDirLineEt::setText(const QString& text)
{
    QLineEdit::setText(text);
    setToolTip(text);
}

bool SelDirLineEt::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == this && followPointerWithActionIcon(this, m_folderAction, folderNormalIcon, folderHoverIcon, event))
        emit signalClicked();
    // The field still handles every event itself.
    return ZLineEdit::eventFilter(watched, event);
}

} // namespace ZCORVANEBASE
