#include "dialogs/zmessagebox.h"

#include "frame/zpushbutton.h"
#include "ui_messagebox.h"

#include <QKeyEvent>

namespace ZCORVANEBASE {

namespace {

struct RoleCaption
{
    short flag;
    const char* key;
};

// Left-to-right order of the roles: Yes before Cancel before No, so Yes|No|Cancel reads "Yes", "Cancel", "No".
const RoleCaption roleOrder[] = {
    { MsgBoxOk, QT_TRANSLATE_NOOP("ZCORVANEBASE::ZMessageBox", "ZCorvaneBase.Ok") },
    { MsgBoxOpen, QT_TRANSLATE_NOOP("ZCORVANEBASE::ZMessageBox", "ZCorvaneBase.Open") },
    { MsgBoxYes, QT_TRANSLATE_NOOP("ZCORVANEBASE::ZMessageBox", "ZCorvaneBase.Yes") },
    { MsgBoxCancel, QT_TRANSLATE_NOOP("ZCORVANEBASE::ZMessageBox", "ZCorvaneBase.Cancel") },
    { MsgBoxSave, QT_TRANSLATE_NOOP("ZCORVANEBASE::ZMessageBox", "ZCorvaneBase.Save") },
    { MsgBoxHelp, QT_TRANSLATE_NOOP("ZCORVANEBASE::ZMessageBox", "ZCorvaneBase.Help") },
    { MsgBoxClose, QT_TRANSLATE_NOOP("ZCORVANEBASE::ZMessageBox", "ZCorvaneBase.Close") },
    { MsgBoxNo, QT_TRANSLATE_NOOP("ZCORVANEBASE::ZMessageBox", "ZCorvaneBase.No") },
};

QString iconPath(MessageBoxIcon icon)
{
    switch (icon) {
    case MsgBoxIconWarning:
        return QStringLiteral(":/images/images/ico_warning.png");
    case MsgBoxIconInformation:
        return QStringLiteral(":/images/images/ico_information.png");
    case MsgBoxIconError:
        return QStringLiteral(":/images/images/ico_error.png");
    case MsgBoxIconQuestion:
        return QStringLiteral(":/images/images/ico_question.png");
    }
    return QString();
}

const char* const msgBoxButtonProperty = "msgBoxButton";

// Title keys. "information" is lower case on purpose: it is the key the catalogues carry.
const char* const warningTitle = QT_TRANSLATE_NOOP("ZCORVANEBASE::ZMessageBox", "ZCorvaneBase.Warning");
const char* const informationTitle = QT_TRANSLATE_NOOP("ZCORVANEBASE::ZMessageBox", "ZCorvaneBase.information");
const char* const errorTitle = QT_TRANSLATE_NOOP("ZCORVANEBASE::ZMessageBox", "ZCorvaneBase.Error");

} // namespace

ZMessageBox::ZMessageBox(QWidget* parent)
    : CommonDialog(parent, false, true)
    , ui(new Ui::MessageBox)
    , result(0)
    , buttonCount(0)
    , maxButtons(3)
{
    ui->setupUi(this);
    init();
}

ZMessageBox::~ZMessageBox()
{
    delete ui;
}

void ZMessageBox::init()
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowModality(Qt::ApplicationModal);

    ui->firstbutton->setProperty("common_bt_style1", true);
    ui->secondbutton->setProperty("common_bt_style2", true);
    ui->thirdbutton->setProperty("common_bt_style2", true);

    ui->firstbutton->hide();
    ui->secondbutton->hide();
    ui->thirdbutton->hide();

    ui->text->setWordWrap(true);
    ui->text->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    buttons.insert(0, ui->firstbutton);
    buttons.insert(1, ui->secondbutton);
    buttons.insert(2, ui->thirdbutton);

    connectSignalsWithSlots();
}

void ZMessageBox::connectSignalsWithSlots()
{
    connect(ui->firstbutton, SIGNAL(clicked()), this, SLOT(slotFirstBtClicked()));
    connect(ui->secondbutton, SIGNAL(clicked()), this, SLOT(slotSecondBtClicked()));
    connect(ui->thirdbutton, SIGNAL(clicked()), this, SLOT(slotThirdBtClicked()));
}

void ZMessageBox::setMsgBoxShowInfo(const QString& title, const QString& text, MessageBoxIcon icon)
{
    setTitle(title);
    ui->text->setText(text);
    const QString path = iconPath(icon);
    if (path.isEmpty())
        ui->iconlabel->clear();
    else
        ui->iconlabel->setPixmap(QPixmap(path));
}

void ZMessageBox::setButtonRole(short flags)
{
    for (const RoleCaption& role : roleOrder) {
        if (buttonCount >= maxButtons)
            break;
        if (!(flags & role.flag))
            continue;
        QPushButton* button = buttons.value(buttonCount);
        button->setProperty(msgBoxButtonProperty, static_cast<int>(role.flag));
        button->setText(tr(role.key));
        ++buttonCount;
    }
    for (int i = 0; i < buttonCount; ++i)
        buttons.value(i)->show();
}

void ZMessageBox::setButtonsText(const QStringList& texts)
{
    for (const QString& text : texts) {
        if (buttonCount >= maxButtons)
            break;
        QPushButton* button = buttons.value(buttonCount);
        button->setProperty(msgBoxButtonProperty, buttonCount);
        button->setText(text);
        button->show();
        ++buttonCount;
    }
    if (buttonCount == maxButtons)
        setFixedSize(380, 190);
    else
        setFixedSize(320, 160);
}

void ZMessageBox::buttonClicked(int position)
{
    accept();
    result = buttons.value(position)->property(msgBoxButtonProperty).toInt();
}

void ZMessageBox::slotFirstBtClicked()
{
    buttonClicked(0);
}

void ZMessageBox::slotSecondBtClicked()
{
    buttonClicked(1);
}

void ZMessageBox::slotThirdBtClicked()
{
    buttonClicked(2);
}

bool ZMessageBox::event(QEvent* event)
{
    // A message box answers Enter like any dialog: the focused or default button is pressed.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Enter || key == Qt::Key_Return)
            return MoveableDialog::event(event);
    }
    return CommonDialog::event(event);
}

MessageBoxButton ZMessageBox::runRoleBox(
    QWidget* parent, const QString& title, const QString& text, short flags, bool hideCloseButton, MessageBoxIcon icon)
{
    ZMessageBox box(parent);
    box.setMsgBoxShowInfo(title, text, icon);
    box.setButtonRole(flags);
    if (hideCloseButton)
        box.closeBt->hide();
    box.exec();
    return static_cast<MessageBoxButton>(box.result);
}

int ZMessageBox::runTextBox(
    QWidget* parent, const QString& title, const QString& text, const QStringList& buttonTexts, MessageBoxIcon icon)
{
    ZMessageBox box(parent);
    box.setMsgBoxShowInfo(title, text, icon);
    box.setButtonsText(buttonTexts);
    box.exec();
    return box.result;
}

MessageBoxButton ZMessageBox::warning(QWidget* parent, QString text, short buttons, bool hideCloseButton)
{
    return runRoleBox(parent, tr(warningTitle), text, buttons, hideCloseButton, MsgBoxIconWarning);
}

MessageBoxButton ZMessageBox::information(QWidget* parent, QString text, short buttons, bool hideCloseButton)
{
    return runRoleBox(parent, tr(informationTitle), text, buttons, hideCloseButton, MsgBoxIconInformation);
}

MessageBoxButton ZMessageBox::question(QWidget* parent, QString text, short buttons, bool hideCloseButton)
{
    return runRoleBox(parent, tr(informationTitle), text, buttons, hideCloseButton, MsgBoxIconQuestion);
}

MessageBoxButton ZMessageBox::critical(QWidget* parent, QString text, short buttons, bool hideCloseButton)
{
    return runRoleBox(parent, tr(errorTitle), text, buttons, hideCloseButton, MsgBoxIconError);
}

int ZMessageBox::warningEx(QWidget* parent, QString title, QString text, const QStringList& buttonTexts)
{
    return runTextBox(parent, title, text, buttonTexts, MsgBoxIconWarning);
}

int ZMessageBox::informationEx(QWidget* parent, QString title, QString text, const QStringList& buttonTexts)
{
    return runTextBox(parent, title, text, buttonTexts, MsgBoxIconInformation);
}

int ZMessageBox::criticalEx(QWidget* parent, QString title, QString text, const QStringList& buttonTexts)
{
    return runTextBox(parent, title, text, buttonTexts, MsgBoxIconError);
}

} // namespace ZCORVANEBASE
