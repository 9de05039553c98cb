#include "dialogs/disabledwaitingwt.h"

#include "dialogs/disabledwaitingwtmanager.h"
#include "frame/hostaccess_p.h"
#include "frame/scaledpixmap_p.h"

#include <QAbstractButton>
#include <QEvent>
#include <QLabel>
#include <QMovie>
#include <QPushButton>

namespace ZCORVANEBASE {

DisabledWaitingWt::DisabledWaitingWt(QWidget* parent, const QString& description, const QString& uuid, bool showCancel)
    : SuspendLayerWt(parent)
    , target(parent)
    , animationLabel(new QLabel(this))
    , descriptionLabel(new QLabel(this))
    , cancelBt(new QPushButton(this))
    , uuid(QUuid(uuid))
{
    animationLabel->setObjectName(QStringLiteral("animationLabel"));
    descriptionLabel->setObjectName(QStringLiteral("descriptionLabel"));
    cancelBt->setObjectName(QStringLiteral("cancelBt"));
    // Set before init() so the opacity can follow it.
    cancelBt->setVisible(showCancel);
    init();
    descriptionLabel->setText(description);
    if (this->uuid.isNull())
        this->uuid = QUuid::createUuid();
    DisabledWaitingWtManager::_instance().addDisabledWaitingWt(this);
}

DisabledWaitingWt::~DisabledWaitingWt()
{
    if (DisabledWaitingWtManager* manager = DisabledWaitingWtManager::living())
        manager->removeDisabledWaitingWt(this);
}

void DisabledWaitingWt::init()
{
    if (target) {
        target->installEventFilter(this);
        const QList<QAbstractButton*> buttons = target->findChildren<QAbstractButton*>();
        for (QAbstractButton* button : buttons) {
            blockedButtons.append(button);
            if (button != cancelBt)
                button->installEventFilter(this);
        }
        updateGeometry();
    }

    animationLabel->setFixedSize(129, 129);
    auto* movie = new QMovie(QStringLiteral(":/images/images/waiting_corvane.gif"), QByteArray(), animationLabel);
    movie->start();
    animationLabel->setMovie(movie);
    // Not visible yet: no frames until it is.
    setAnimationRunning(isVisible());

    descriptionLabel->setAlignment(Qt::AlignCenter);
    descriptionLabel->setStyleSheet(QStringLiteral(
        "QLabel{color:#ccd3dd;border:0px;font-size:13px;font-family:microsoft yahei;padding-right:6px;}"));

    cancelBt->setFixedSize(96, 28);
    retranslate();
    cancelBt->setProperty("common_bt_style1", true);

    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(19, 25, 41, 255));
    setPalette(pal);
    setWindowOpacity(cancelBt->isHidden() ? 0.65 : 0.85);

    connectSignalsWithSlots();
}

void DisabledWaitingWt::connectSignalsWithSlots()
{
    connect(cancelBt, SIGNAL(clicked()), this, SIGNAL(signalCancelBtClicked()));
    if (auto* worker = hostWorker("signalRootWtMoved"))
        connect(worker, SIGNAL(signalRootWtMoved(QWidget*)), this, SLOT(slotRootWtMoved(QWidget*)));
}

QUuid DisabledWaitingWt::getUuid() const
{
    return uuid;
}

QUuid DisabledWaitingWt::regenerateUUid()
{
    uuid = QUuid::createUuid();
    return uuid;
}

void DisabledWaitingWt::updateDescription(const QString& description)
{
    descriptionLabel->setText(description);
}

void DisabledWaitingWt::setErrorMsg(const QString& msg)
{
    // Deleting the movie stops the animation for good.
    if (QMovie* movie = animationLabel->movie())
        delete movie;
    animationLabel->setPixmap(scaledPixmap(QStringLiteral(":/images/images/waiting_error.png"), this));
    descriptionLabel->setText(msg);
}

void DisabledWaitingWt::updateGeometry()
{
    if (!target)
        return;
    setGeometry(QRect(target->mapToGlobal(QPoint(0, 0)), target->size()));
}

void DisabledWaitingWt::setAnimationRunning(bool running)
{
    // Only a movie that actually runs is paused, and only a paused one resumes: one that failed to load or
    // finished stays as it is.
    QMovie* movie = animationLabel->movie();
    if (!movie)
        return;
    if (running && movie->state() == QMovie::Paused)
        movie->setPaused(false);
    else if (!running && movie->state() == QMovie::Running)
        movie->setPaused(true);
}

bool DisabledWaitingWt::eventFilter(QObject* watched, QEvent* event)
{
    if (target && watched == target) {
        switch (event->type()) {
        case QEvent::Resize:
            updateGeometry();
            raise();
            break;
        case QEvent::Move:
            updateGeometry();
            break;
        case QEvent::Hide:
            hide();
            break;
        case QEvent::Show:
            updateGeometry();
            show();
            raise();
            break;
        default:
            break;
        }
    }
    if (event->type() == QEvent::MouseButtonPress) {
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (button && blockedButtons.contains(button)) {
            event->accept();
            return true;
        }
    }
    return SuspendLayerWt::eventFilter(watched, event);
}

void DisabledWaitingWt::resizeEvent(QResizeEvent* event)
{
    const int w = width();
    const int h = height();
    int y = static_cast<int>((h - animationLabel->height() - descriptionLabel->height()) * 0.5);
    if (cancelBt->isVisible())
        y = static_cast<int>(y - cancelBt->height() * 0.5);
    animationLabel->move(static_cast<int>((w - animationLabel->width()) * 0.5), y);
    descriptionLabel->setGeometry(0, animationLabel->geometry().bottom(), w, 30);
    cancelBt->move(static_cast<int>((w - cancelBt->width()) * 0.5), descriptionLabel->geometry().bottom());
    SuspendLayerWt::resizeEvent(event);
}

void DisabledWaitingWt::showEvent(QShowEvent* event)
{
    setAnimationRunning(true);
    SuspendLayerWt::showEvent(event);
}

void DisabledWaitingWt::hideEvent(QHideEvent* event)
{
    setAnimationRunning(false);
    SuspendLayerWt::hideEvent(event);
}

void DisabledWaitingWt::retranslate()
{
    cancelBt->setText(QObject::tr("ZCorvaneBase.Cancel"));
}

void DisabledWaitingWt::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    SuspendLayerWt::changeEvent(event);
}

void DisabledWaitingWt::slotRootWtMoved(QWidget* root)
{
    if (!root || !target)
        return;
    if (root == target) {
        updateGeometry();
        return;
    }
    auto* worker = hostWorker("isObjInParentList");
    if (worker && worker->isObjInParentList(target, root))
        updateGeometry();
}

} // namespace ZCORVANEBASE
