#include "dialogs/commondialog.h"
#include "frame/qtcompat_p.h"

#include "frame/constants.h"
#include "frame/hostaccess_p.h"
#include "frame/zpushbutton.h"
#include "frame/zwidget.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

namespace ZCORVANEBASE {

namespace {
// Presses and double clicks above this row belong to the title strip.
constexpr int titleStripHeight = 36;
// The title bar lies inside the one-pixel border.
constexpr int titleBarHeight = 34;
constexpr int borderWidth = 1;
constexpr int titleButtonSize = 14;
constexpr int titleBarSideMargin = 10;
constexpr int titleBarSpacing = 16;
} // namespace

class CommonDialog::Private
{
public:
    // Only a dialog that registered itself as modal in its constructor unregisters in its destructor, so a dialog
    // made modal later (for instance by exec()) never clears another dialog's registration.
    bool registeredModal = false;
};

// The border keeps MoveableDialog's default colour, "#0f1526".
CommonDialog::CommonDialog(QWidget* parent, bool withMinMax, bool modal)
    : MoveableDialog(parent)
    , titleBar(new ZWidget(this))
    , titleLabel(nullptr)
    , closeBt(nullptr)
    , minimizeBt(nullptr)
    , maximizeBt(nullptr)
    , d(new Private)
{
    setModal(modal);
    init(withMinMax);
}

CommonDialog::~CommonDialog()
{
    if (d->registeredModal) {
        if (auto* worker = hostWorker("setCurModalDlg"))
            worker->setCurModalDlg(nullptr);
    }
}

void CommonDialog::init(bool withMinMax)
{
    titleBar->setObjectName(QStringLiteral("titleBar"));
    closeBt = new ZPushButton(titleBar);
    closeBt->setObjectName(QStringLiteral("closeBt"));
    titleLabel = new QLabel(titleBar);
    titleLabel->setObjectName(QStringLiteral("titleLabel"));

    if (withMinMax) {
        minimizeBt = new ZPushButton(titleBar);
        minimizeBt->setObjectName(QStringLiteral("minimizeBt"));
        minimizeBt->setFixedSize(titleButtonSize, titleButtonSize);
        minimizeBt->setDefault(false);
        minimizeBt->setAutoDefault(false);
        maximizeBt = new ZPushButton(titleBar);
        maximizeBt->setObjectName(QStringLiteral("maximizeBt"));
        maximizeBt->setFixedSize(titleButtonSize, titleButtonSize);
        maximizeBt->setDefault(false);
        maximizeBt->setAutoDefault(false);
        maximizeBt->setCheckable(true);
    }
    closeBt->setFixedSize(titleButtonSize, titleButtonSize);
    closeBt->setDefault(false);
    closeBt->setAutoDefault(false);

    auto* layout = new QHBoxLayout(titleBar);
    layout->setContentsMargins(titleBarSideMargin, 0, titleBarSideMargin, 0);
    layout->setSpacing(titleBarSpacing);
    layout->addWidget(titleLabel);
    layout->addStretch(1);
    if (minimizeBt)
        layout->addWidget(minimizeBt);
    if (maximizeBt)
        layout->addWidget(maximizeBt);
    layout->addWidget(closeBt);

    // Auto-fill paints this; the border colour is drawn over it.
    setBackgroundColor(QColor(colorPopup));

    titleBar->setProperty("widget_top", true);
    closeBt->setProperty("common_close_bt_style1", true);
    if (minimizeBt)
        minimizeBt->setProperty("common_minimize_bt_style1", true);
    if (maximizeBt)
        maximizeBt->setProperty("common_maximize_bt_style1", true);

    connectSignalsWithSlots();
    retranslate();

    if (isModal()) {
        if (auto* worker = hostWorker("setCurModalDlg")) {
            worker->setCurModalDlg(this);
            d->registeredModal = true;
        }
    }
}

void CommonDialog::connectSignalsWithSlots()
{
    // The slots are virtual: a derived dialog's override is what runs.
    connect(closeBt, &QPushButton::clicked, this, &CommonDialog::slotCloseBtClicked);
    if (auto* worker = hostWorker("signalQuitSystem"))
        connect(worker, &ZCORVANEDLL::CorvaneDllBaseWorker::signalQuitSystem, this, &CommonDialog::slotQuitSystem);
    if (minimizeBt)
        connect(minimizeBt, &QPushButton::clicked, this, &CommonDialog::slotMinimizeBtClicked);
    if (maximizeBt)
        connect(maximizeBt, &QPushButton::clicked, this, &CommonDialog::slotMaximizeBtClicked);
}

void CommonDialog::setTitle(const QString& title)
{
    titleLabel->setText(title);
    setWindowTitle(title);
}

// Without a host worker the dialog maximises itself, as the worker's default does.
void CommonDialog::hostShowMaximized()
{
    if (auto* worker = hostWorker("showMaximized"))
        worker->showMaximized(this);
    else
        showMaximized();
}

void CommonDialog::showDlg()
{
    raise();
    if (maximizeBt && maximizeBt->isChecked())
        hostShowMaximized();
    else
        showNormal();
}

void CommonDialog::slotCloseBtClicked()
{
    reject();
}

void CommonDialog::slotMinimizeBtClicked()
{
    showMinimized();
}

void CommonDialog::slotMaximizeBtClicked(bool checked)
{
    if (checked)
        hostShowMaximized();
    else
        showNormal();
}

void CommonDialog::slotQuitSystem()
{
    quitSystem();
    hide();
    deleteLater();
}

void CommonDialog::quitSystem() { }

bool CommonDialog::event(QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Enter || key == Qt::Key_Return)
            return true;
    }
    return QWidget::event(event);
}

void CommonDialog::mousePressEvent(QMouseEvent* event)
{
    if (QtCompat::eventPos(event).y() < titleStripHeight)
        MoveableDialog::mousePressEvent(event);
    else
        event->accept();
}

void CommonDialog::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (QtCompat::eventPos(event).y() < titleStripHeight && maximizeBt) {
        if (!isMaximized() && !isFullScreen()) {
            maximizeBt->setChecked(true);
            hostShowMaximized();
        } else {
            maximizeBt->setChecked(false);
            showNormal();
        }
    }
    MoveableDialog::mouseDoubleClickEvent(event);
}

void CommonDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        slotCloseBtClicked();
    else
        QDialog::keyPressEvent(event);
}

void CommonDialog::moveEvent(QMoveEvent* event)
{
    if (auto* worker = hostWorker("signalRootWtMoved"))
        emit worker->signalRootWtMoved(this);
    QWidget::moveEvent(event);
}

void CommonDialog::resizeEvent(QResizeEvent* event)
{
    titleBar->setGeometry(borderWidth, borderWidth, width() - 2 * borderWidth, titleBarHeight);
    QDialog::resizeEvent(event);
}

// The title-bar buttons show icons only: their accessible names and tool tips say what they do. The title is the
// caller's; a derived dialog that translates it sets it again in its own changeEvent().
void CommonDialog::retranslate()
{
    closeBt->setAccessibleName(tr("Close"));
    closeBt->setToolTip(closeBt->accessibleName());
    if (minimizeBt) {
        minimizeBt->setAccessibleName(tr("Minimize"));
        minimizeBt->setToolTip(minimizeBt->accessibleName());
    }
    if (maximizeBt) {
        maximizeBt->setAccessibleName(tr("Maximize"));
        maximizeBt->setToolTip(maximizeBt->accessibleName());
    }
}

void CommonDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    MoveableDialog::changeEvent(event);
}

// The window's close request (the window manager's close, close()) takes the way out of Escape and the close button.
// That way (reject() by default) ends in QDialog::done(), whose own close step a close already under way skips, so a
// dialog with Qt::WA_DeleteOnClose would stay hidden and alive: it is deleted here when the slot took it away.
void CommonDialog::closeEvent(QCloseEvent* event)
{
    event->ignore();
    slotCloseBtClicked();
    if (testAttribute(Qt::WA_DeleteOnClose) && isHidden())
        deleteLater();
}

} // namespace ZCORVANEBASE
