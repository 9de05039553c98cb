#include "dialogs/zmessagebox.h"

#include "frame/scaledpixmap_p.h"
#include "frame/zpushbutton.h"
#include "ui_messagebox.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>

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

const char* standardTitle(MessageBoxIcon icon)
{
    switch (icon) {
    case MsgBoxIconWarning:
        return warningTitle;
    case MsgBoxIconError:
        return errorTitle;
    default:
        return informationTitle;
    }
}

const char* roleKey(int flag)
{
    for (const RoleCaption& role : roleOrder) {
        if (role.flag == flag)
            return role.key;
    }
    return nullptr;
}

// Heights the extras add to the box: the row of the check box and the toggle, the details area with its margin.
constexpr int extrasRowHeight = 30;
constexpr int detailsHeight = 100;
constexpr int detailsPanelHeight = detailsHeight + 6;

} // namespace

struct ZMessageBox::Extras
{
    QSize baseSize; // the box without extras
    QWidget* row = nullptr;
    QCheckBox* doNotAskAgain = nullptr;
    QPushButton* detailsButton = nullptr;
    QWidget* detailsPanel = nullptr;
    QPlainTextEdit* detailsEdit = nullptr;
};

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
    delete m_extras;
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
    m_icon = icon;
    setTitle(title);
    ui->text->setText(text);
    const QString path = iconPath(icon);
    if (path.isEmpty())
        ui->iconlabel->clear();
    else
        ui->iconlabel->setPixmap(scaledPixmap(path, this));
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
    // A role box's title is one of the standard titles: keep its key, so a language switch can translate it.
    m_roleButtons = true;
    for (const char* key : { warningTitle, informationTitle, errorTitle }) {
        if (titleLabel->text() == tr(key))
            m_titleKey = key;
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
    // The copy key of a box from message(): what the box says, as text.
    if (m_extras && event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        QGuiApplication::clipboard()->setText(copyText());
        return true;
    }
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

namespace ZCORVANEBASE {

// The details area and the row of the check box and the toggle go between the message and the buttons; the box
// grows by what they take.
void ZMessageBox::setExtras(const ZMessageBoxOptions& options)
{
    m_extras = new Extras;
    m_extras->baseSize = minimumSize();
    const int at = ui->verticalLayout->indexOf(ui->_messageBoxButtonWidget);
    const bool withDetails = !options.detailText.isEmpty();
    if (withDetails) {
        m_extras->detailsPanel = new QWidget(this);
        m_extras->detailsPanel->setObjectName(QStringLiteral("detailsPanel"));
        m_extras->detailsPanel->setFixedHeight(detailsPanelHeight);
        auto* panelLayout = new QHBoxLayout(m_extras->detailsPanel);
        panelLayout->setContentsMargins(20, 0, 20, 6);
        m_extras->detailsEdit = new QPlainTextEdit(m_extras->detailsPanel);
        m_extras->detailsEdit->setObjectName(QStringLiteral("detailsEdit"));
        m_extras->detailsEdit->setReadOnly(true);
        // Paths and error codes have no blanks: wrap them anywhere rather than scroll sideways.
        m_extras->detailsEdit->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        m_extras->detailsEdit->setPlainText(options.detailText);
        m_extras->detailsEdit->setStyleSheet(
            QStringLiteral("QPlainTextEdit{background:#0e1624;color:#ccd3dd;"
                           "border:1px solid #2a3650;font-size:12px;font-family:microsoft yahei;}"));
        panelLayout->addWidget(m_extras->detailsEdit);
        ui->verticalLayout->insertWidget(at, m_extras->detailsPanel);
    }
    if (withDetails || options.doNotAskAgainVisible) {
        m_extras->row = new QWidget(this);
        m_extras->row->setObjectName(QStringLiteral("extrasRow"));
        m_extras->row->setFixedHeight(extrasRowHeight);
        auto* rowLayout = new QHBoxLayout(m_extras->row);
        rowLayout->setContentsMargins(20, 0, 20, 6);
        if (options.doNotAskAgainVisible) {
            m_extras->doNotAskAgain = new QCheckBox(m_extras->row);
            m_extras->doNotAskAgain->setObjectName(QStringLiteral("doNotAskAgainBox"));
            m_extras->doNotAskAgain->setChecked(options.doNotAskAgain);
            m_extras->doNotAskAgain->setStyleSheet(
                QStringLiteral("QCheckBox{color:#ccd3dd;font-size:12px;font-family:microsoft yahei;}"));
            rowLayout->addWidget(m_extras->doNotAskAgain);
        }
        rowLayout->addStretch(1);
        if (withDetails) {
            m_extras->detailsButton = new QPushButton(m_extras->row);
            m_extras->detailsButton->setObjectName(QStringLiteral("detailsButton"));
            m_extras->detailsButton->setCheckable(true);
            m_extras->detailsButton->setAutoDefault(false);
            m_extras->detailsButton->setCursor(Qt::PointingHandCursor);
            m_extras->detailsButton->setStyleSheet(
                QStringLiteral("QPushButton{color:#0f8bfd;border:0px;background:"
                               "transparent;font-size:12px;font-family:microsoft yahei;}"));
            connect(
                m_extras->detailsButton, &QPushButton::toggled, this, [this](bool shown) { setDetailsShown(shown); });
            rowLayout->addWidget(m_extras->detailsButton);
        }
        ui->verticalLayout->insertWidget(ui->verticalLayout->indexOf(ui->_messageBoxButtonWidget), m_extras->row);
    }
    retranslate();
    if (m_extras->detailsButton)
        m_extras->detailsButton->setChecked(options.detailsShown);
    setDetailsShown(withDetails && options.detailsShown);
}

void ZMessageBox::setDetailsShown(bool shown)
{
    if (!m_extras)
        return;
    if (m_extras->detailsPanel)
        m_extras->detailsPanel->setVisible(shown);
    if (m_extras->detailsButton)
        m_extras->detailsButton->setText(shown ? tr("Hide details") : tr("Show details"));
    updateExtrasSize();
}

void ZMessageBox::updateExtrasSize()
{
    int height = m_extras->baseSize.height();
    if (m_extras->row)
        height += extrasRowHeight;
    if (m_extras->detailsPanel && !m_extras->detailsPanel->isHidden())
        height += detailsPanelHeight;
    setFixedSize(m_extras->baseSize.width(), height);
}

// Everything the box shows in words, after a language switch. retranslateUi() empties the form's texts (and so the
// icon), so what the caller gave is kept and put back; role captions and standard titles are translated anew.
void ZMessageBox::retranslate()
{
    const QString text = ui->text->text();
    const QString title = titleLabel->text();
    QStringList captions;
    for (QPushButton* button : qAsConst(buttons))
        captions << button->text();
    ui->retranslateUi(this);
    ui->text->setText(text);
    const QString path = iconPath(m_icon);
    if (!path.isEmpty())
        ui->iconlabel->setPixmap(scaledPixmap(path, this));
    for (int i = 0; i < buttons.size(); ++i) {
        QPushButton* button = buttons.value(i);
        const char* key = m_roleButtons ? roleKey(button->property(msgBoxButtonProperty).toInt()) : nullptr;
        button->setText(key ? tr(key) : captions.value(i));
    }
    setTitle(m_titleKey ? tr(m_titleKey) : title);
    if (m_extras) {
        if (m_extras->doNotAskAgain)
            m_extras->doNotAskAgain->setText(tr("Do not ask again"));
        if (m_extras->detailsEdit)
            m_extras->detailsEdit->setAccessibleName(tr("Details"));
        if (m_extras->detailsButton)
            m_extras->detailsButton->setText(
                m_extras->detailsButton->isChecked() ? tr("Hide details") : tr("Show details"));
    }
}

void ZMessageBox::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    CommonDialog::changeEvent(event);
}

// Title, text, details and the captions of the buttons shown, between dashed lines.
QString ZMessageBox::copyText() const
{
    const QString line = QString(27, QLatin1Char('-'));
    QStringList parts { line, titleLabel->text(), line, ui->text->text(), line };
    if (m_extras && m_extras->detailsEdit)
        parts << m_extras->detailsEdit->toPlainText() << line;
    QStringList captions;
    for (int i = 0; i < buttonCount; ++i)
        captions << buttons.value(i)->text();
    parts << captions.join(QStringLiteral("   ")) << line;
    return parts.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

ZMessageBoxResult ZMessageBox::message(QWidget* parent, const ZMessageBoxOptions& options)
{
    ZMessageBoxResult answer;
    answer.doNotAskAgain = options.doNotAskAgain;
    QPointer<ZMessageBox> box = new ZMessageBox(parent);
    const char* key = standardTitle(options.icon);
    box->setMsgBoxShowInfo(options.title.isEmpty() ? tr(key) : options.title, options.text, options.icon);
    if (options.buttonTexts.isEmpty())
        box->setButtonRole(options.buttons);
    else
        box->setButtonsText(options.buttonTexts);
    box->m_titleKey = options.title.isEmpty() ? key : nullptr;
    if (options.hideCloseButton)
        box->closeBt->hide();
    box->setExtras(options);
    box->exec();
    if (!box)
        return answer;
    answer.button = box->result;
    if (box->m_extras->doNotAskAgain)
        answer.doNotAskAgain = box->m_extras->doNotAskAgain->isChecked();
    delete box.data();
    return answer;
}

} // namespace ZCORVANEBASE
