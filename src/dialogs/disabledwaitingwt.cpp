#include "dialogs/disabledwaitingwt.h"

#include "dialogs/disabledwaitingwtmanager.h"
#include "frame/hostaccess_p.h"
#include "frame/labelstyle_p.h"
#include "frame/scaledpixmap_p.h"

#include <QAbstractButton>
#include <QEvent>
#include <QLabel>
#include <QList>
#include <QMovie>
#include <QPointer>
#include <QPushButton>

namespace ZCORVANEBASE {

namespace {
constexpr int animationSize = 129;
constexpr QSize cancelSize(96, 28);
constexpr int descriptionHeight = 30;
constexpr qreal opacityWithCancel = 0.85;
constexpr qreal opacityWithoutCancel = 0.65;
const QColor background(19, 25, 41, 255);
} // namespace

class DisabledWaitingWt::Private
{
public:
    QWidget* target = nullptr;
    QLabel* animationLabel = nullptr;
    QLabel* descriptionLabel = nullptr;
    QPushButton* cancelBt = nullptr;
    QUuid uuid;
    QList<QAbstractButton*> blockedButtons; // found under the target at construction; later ones are not blocked
    QList<QPointer<QWidget>> ancestors; // the target's parents up to its window, whose moves move the target
};

// An empty or unparsable identifier text gives a fresh identifier.
DisabledWaitingWt::DisabledWaitingWt(QWidget* parent, const QString& description, const QString& uuid, bool showCancel)
    : SuspendLayerWt(parent)
    , d(new Private)
{
    d->target = parent;
    d->animationLabel = new QLabel(this);
    d->descriptionLabel = new QLabel(this);
    d->cancelBt = new QPushButton(this);
    d->uuid = QUuid(uuid);
    d->animationLabel->setObjectName(QStringLiteral("animationLabel"));
    d->descriptionLabel->setObjectName(QStringLiteral("descriptionLabel"));
    d->cancelBt->setObjectName(QStringLiteral("cancelBt"));
    // Set before init() so the opacity can follow it.
    d->cancelBt->setVisible(showCancel);
    init();
    d->descriptionLabel->setText(description);
    if (d->uuid.isNull())
        d->uuid = QUuid::createUuid();
    DisabledWaitingWtManager::_instance().addDisabledWaitingWt(this);
}

DisabledWaitingWt::~DisabledWaitingWt()
{
    if (DisabledWaitingWtManager* manager = DisabledWaitingWtManager::living())
        manager->removeDisabledWaitingWt(this);
}

void DisabledWaitingWt::init()
{
    if (d->target) {
        d->target->installEventFilter(this);
        watchAncestors();
        const QList<QAbstractButton*> buttons = d->target->findChildren<QAbstractButton*>();
        for (QAbstractButton* button : buttons) {
            d->blockedButtons.append(button);
            if (button != d->cancelBt)
                button->installEventFilter(this);
        }
        updateGeometry();
    }

    d->animationLabel->setFixedSize(animationSize, animationSize);
    auto* movie = new QMovie(QStringLiteral(":/images/images/waiting_corvane.gif"), QByteArray(), d->animationLabel);
    movie->start();
    d->animationLabel->setMovie(movie);
    // Not visible yet: no frames until it is.
    setAnimationRunning(isVisible());

    d->descriptionLabel->setAlignment(Qt::AlignCenter);
    d->descriptionLabel->setStyleSheet(plainLabelStyle());

    d->cancelBt->setFixedSize(cancelSize);
    retranslate();
    d->cancelBt->setProperty("common_bt_style1", true);

    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, background);
    setPalette(pal);
    setWindowOpacity(d->cancelBt->isHidden() ? opacityWithoutCancel : opacityWithCancel);

    connectSignalsWithSlots();
}

void DisabledWaitingWt::connectSignalsWithSlots()
{
    connect(d->cancelBt, &QPushButton::clicked, this, &DisabledWaitingWt::signalCancelBtClicked);
    // Every CommonDialog reports its moves through the worker: following them keeps the overlay over its target when
    // the dialog holding the target is dragged.
    if (auto* worker = hostWorker("signalRootWtMoved"))
        connect(
            worker, &ZCORVANEDLL::CorvaneDllBaseWorker::signalRootWtMoved, this, &DisabledWaitingWt::slotRootWtMoved);
}

QUuid DisabledWaitingWt::getUuid() const
{
    return d->uuid;
}

QUuid DisabledWaitingWt::regenerateUUid()
{
    d->uuid = QUuid::createUuid();
    return d->uuid;
}

void DisabledWaitingWt::updateDescription(const QString& description)
{
    d->descriptionLabel->setText(description);
}

QString DisabledWaitingWt::description() const
{
    return d->descriptionLabel->text();
}

QWidget* DisabledWaitingWt::targetWt() const
{
    return d->target;
}

void DisabledWaitingWt::setErrorMsg(const QString& msg)
{
    // Deleting the movie stops the animation for good.
    if (QMovie* movie = d->animationLabel->movie())
        delete movie;
    d->animationLabel->setPixmap(scaledPixmap(QStringLiteral(":/images/images/waiting_error.png"), this));
    d->descriptionLabel->setText(msg);
}

// The target moves on the screen when any of its parents moves, its window above all: the window manager or the
// user drags the window, and no host report is needed to follow it.
void DisabledWaitingWt::watchAncestors()
{
    for (const QPointer<QWidget>& ancestor : qAsConst(d->ancestors)) {
        if (ancestor)
            ancestor->removeEventFilter(this);
    }
    d->ancestors.clear();
    for (QWidget* ancestor = d->target->parentWidget(); ancestor; ancestor = ancestor->parentWidget()) {
        ancestor->installEventFilter(this);
        d->ancestors.append(ancestor);
        if (ancestor->isWindow())
            break;
    }
}

void DisabledWaitingWt::updateGeometry()
{
    if (!d->target)
        return;
    setGeometry(QRect(d->target->mapToGlobal(QPoint(0, 0)), d->target->size()));
}

// The waiting animation only runs while the overlay is visible: hidden, it decodes no frames and starts no timer.
void DisabledWaitingWt::setAnimationRunning(bool running)
{
    // Only a movie that actually runs is paused, and only a paused one resumes: one that failed to load or
    // finished stays as it is.
    QMovie* movie = d->animationLabel->movie();
    if (!movie)
        return;
    if (running && movie->state() == QMovie::Paused)
        movie->setPaused(false);
    else if (!running && movie->state() == QMovie::Running)
        movie->setPaused(true);
}

bool DisabledWaitingWt::eventFilter(QObject* watched, QEvent* event)
{
    if (d->target && watched == d->target) {
        switch (event->type()) {
        case QEvent::Resize:
            updateGeometry();
            raise();
            break;
        case QEvent::Move: // moves of the target inside its window
            updateGeometry();
            break;
        case QEvent::ParentChange:
            watchAncestors();
            updateGeometry();
            break;
        case QEvent::Hide:
            hide();
            break;
        case QEvent::Show:
            // A window manager that iconified the target's window with the overlay left the overlay minimised: shown
            // so, it would be mapped iconified and take the window back down with it.
            setWindowState(windowState() & ~Qt::WindowMinimized);
            updateGeometry();
            show();
            raise();
            break;
        default:
            break;
        }
    }
    if (event->type() == QEvent::Move && watched != d->target && watched->isWidgetType()
        && d->ancestors.contains(static_cast<QWidget*>(watched)))
        updateGeometry();
    if (event->type() == QEvent::MouseButtonPress) {
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (button && d->blockedButtons.contains(button)) {
            event->accept();
            return true;
        }
    }
    return SuspendLayerWt::eventFilter(watched, event);
}

void DisabledWaitingWt::resizeEvent(QResizeEvent* event)
{
    QLabel* animationLabel = d->animationLabel;
    QPushButton* cancelBt = d->cancelBt;
    const int w = width();
    const int h = height();
    int y = static_cast<int>((h - animationLabel->height() - d->descriptionLabel->height()) * 0.5);
    if (cancelBt->isVisible())
        y = static_cast<int>(y - cancelBt->height() * 0.5);
    animationLabel->move(static_cast<int>((w - animationLabel->width()) * 0.5), y);
    d->descriptionLabel->setGeometry(0, animationLabel->geometry().bottom(), w, descriptionHeight);
    cancelBt->move(static_cast<int>((w - cancelBt->width()) * 0.5), d->descriptionLabel->geometry().bottom());
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

// The Cancel caption follows a language switch; the description is the caller's and stays as set.
void DisabledWaitingWt::retranslate()
{
    d->cancelBt->setText(QObject::tr("ZCorvaneBase.Cancel"));
}

void DisabledWaitingWt::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    SuspendLayerWt::changeEvent(event);
}

void DisabledWaitingWt::slotRootWtMoved(QWidget* root)
{
    if (!root || !d->target)
        return;
    if (root == d->target) {
        updateGeometry();
        return;
    }
    auto* worker = hostWorker("isObjInParentList");
    if (worker && worker->isObjInParentList(d->target, root))
        updateGeometry();
}

} // namespace ZCORVANEBASE
