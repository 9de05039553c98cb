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
#include <QMap>
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

// The text variants' sizes: with three buttons, and with fewer. The role variants keep the form's 342 x 200.
constexpr QSize threeButtonSize(380, 190);
constexpr QSize fewerButtonSize(320, 160);

// Heights the extras add to the box: the row of the check box and the toggle, the details area with its margin.
constexpr int extrasRowHeight = 30;
constexpr int detailsHeight = 100;
constexpr int extrasBottomMargin = 6;
constexpr int detailsPanelHeight = detailsHeight + extrasBottomMargin;
constexpr int extrasSideMargin = 20;

// The rule between the parts of the copied text.
constexpr int copyRuleLength = 27;

// The details, the check box and the copy key of a box from message().
struct Extras
{
    QSize baseSize; // the box without extras
    QWidget* row = nullptr;
    QCheckBox* doNotAskAgain = nullptr;
    QPushButton* detailsButton = nullptr;
    QWidget* detailsPanel = nullptr;
    QPlainTextEdit* detailsEdit = nullptr;
};

} // namespace

class ZMessageBox::Private
{
public:
    std::unique_ptr<Ui::MessageBox> ui { new Ui::MessageBox };
    int result = 0; // the "msgBoxButton" property of the button last clicked
    int buttonCount = 0; // buttons given a role or a text
    QMap<int, QPushButton*> buttons; // by position
    int maxButtons = 3;
    std::unique_ptr<Extras> extras; // message() only
    const char* titleKey = nullptr; // a standard title, retranslated on a language switch
    MessageBoxIcon icon = MessageBoxIcon(0);
    bool roleButtons = false; // the captions are role keys, retranslated on a language switch
};

ZMessageBox::ZMessageBox(QWidget* parent)
    : CommonDialog(parent, false, true)
    , d(new Private)
{
    d->ui->setupUi(this);
    init();
}

ZMessageBox::~ZMessageBox() = default;

void ZMessageBox::init()
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowModality(Qt::ApplicationModal);

    d->ui->firstbutton->setProperty("common_bt_style1", true);
    d->ui->secondbutton->setProperty("common_bt_style2", true);
    d->ui->thirdbutton->setProperty("common_bt_style2", true);

    d->ui->firstbutton->hide();
    d->ui->secondbutton->hide();
    d->ui->thirdbutton->hide();

    d->ui->text->setWordWrap(true);
    d->ui->text->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    d->buttons.insert(0, d->ui->firstbutton);
    d->buttons.insert(1, d->ui->secondbutton);
    d->buttons.insert(2, d->ui->thirdbutton);

    connectSignalsWithSlots();
}

void ZMessageBox::connectSignalsWithSlots()
{
    connect(d->ui->firstbutton, &QPushButton::clicked, this, &ZMessageBox::slotFirstBtClicked);
    connect(d->ui->secondbutton, &QPushButton::clicked, this, &ZMessageBox::slotSecondBtClicked);
    connect(d->ui->thirdbutton, &QPushButton::clicked, this, &ZMessageBox::slotThirdBtClicked);
}

void ZMessageBox::setMsgBoxShowInfo(const QString& title, const QString& text, MessageBoxIcon icon)
{
    d->icon = icon;
    setTitle(title);
    d->ui->text->setText(text);
    const QString path = iconPath(icon);
    if (path.isEmpty())
        d->ui->iconlabel->clear();
    else
        d->ui->iconlabel->setPixmap(scaledPixmap(path, this));
}

void ZMessageBox::setButtonRole(short flags)
{
    for (const RoleCaption& role : roleOrder) {
        if (d->buttonCount >= d->maxButtons)
            break;
        if (!(flags & role.flag))
            continue;
        QPushButton* button = d->buttons.value(d->buttonCount);
        button->setProperty(msgBoxButtonProperty, static_cast<int>(role.flag));
        button->setText(tr(role.key));
        ++d->buttonCount;
    }
    // A role box's title is one of the standard titles: keep its key, so a language switch can translate it.
    d->roleButtons = true;
    for (const char* key : { warningTitle, informationTitle, errorTitle }) {
        if (titleLabel->text() == tr(key))
            d->titleKey = key;
    }
    for (int i = 0; i < d->buttonCount; ++i)
        d->buttons.value(i)->show();
}

void ZMessageBox::setButtonsText(const QStringList& texts)
{
    for (const QString& text : texts) {
        if (d->buttonCount >= d->maxButtons)
            break;
        QPushButton* button = d->buttons.value(d->buttonCount);
        button->setProperty(msgBoxButtonProperty, d->buttonCount);
        button->setText(text);
        button->show();
        ++d->buttonCount;
    }
    if (d->buttonCount == d->maxButtons)
        setFixedSize(threeButtonSize);
    else
        setFixedSize(fewerButtonSize);
}

void ZMessageBox::buttonClicked(int position)
{
    accept();
    d->result = d->buttons.value(position)->property(msgBoxButtonProperty).toInt();
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
    if (d->extras && event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
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
    return static_cast<MessageBoxButton>(box.d->result);
}

int ZMessageBox::runTextBox(
    QWidget* parent, const QString& title, const QString& text, const QStringList& buttonTexts, MessageBoxIcon icon)
{
    ZMessageBox box(parent);
    box.setMsgBoxShowInfo(title, text, icon);
    box.setButtonsText(buttonTexts);
    box.exec();
    return box.d->result;
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

// The details area and the row of the check box and the toggle go between the message and the buttons; the box
// grows by what they take.
void ZMessageBox::setExtras(const ZMessageBoxOptions& options)
{
    d->extras.reset(new Extras);
    d->extras->baseSize = minimumSize();
    const int at = d->ui->verticalLayout->indexOf(d->ui->_messageBoxButtonWidget);
    const bool withDetails = !options.detailText.isEmpty();
    if (withDetails) {
        d->extras->detailsPanel = new QWidget(this);
        d->extras->detailsPanel->setObjectName(QStringLiteral("detailsPanel"));
        d->extras->detailsPanel->setFixedHeight(detailsPanelHeight);
        auto* panelLayout = new QHBoxLayout(d->extras->detailsPanel);
        panelLayout->setContentsMargins(extrasSideMargin, 0, extrasSideMargin, extrasBottomMargin);
        d->extras->detailsEdit = new QPlainTextEdit(d->extras->detailsPanel);
        d->extras->detailsEdit->setObjectName(QStringLiteral("detailsEdit"));
        d->extras->detailsEdit->setReadOnly(true);
        // Paths and error codes have no blanks: wrap them anywhere rather than scroll sideways.
        d->extras->detailsEdit->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        d->extras->detailsEdit->setPlainText(options.detailText);
        d->extras->detailsEdit->setStyleSheet(
            QStringLiteral("QPlainTextEdit{background:#0e1624;color:#ccd3dd;"
                           "border:1px solid #2a3650;font-size:12px;font-family:microsoft yahei;}"));
        panelLayout->addWidget(d->extras->detailsEdit);
        d->ui->verticalLayout->insertWidget(at, d->extras->detailsPanel);
    }
    if (withDetails || options.doNotAskAgainVisible) {
        d->extras->row = new QWidget(this);
        d->extras->row->setObjectName(QStringLiteral("extrasRow"));
        d->extras->row->setFixedHeight(extrasRowHeight);
        auto* rowLayout = new QHBoxLayout(d->extras->row);
        rowLayout->setContentsMargins(extrasSideMargin, 0, extrasSideMargin, extrasBottomMargin);
        if (options.doNotAskAgainVisible) {
            d->extras->doNotAskAgain = new QCheckBox(d->extras->row);
            d->extras->doNotAskAgain->setObjectName(QStringLiteral("doNotAskAgainBox"));
            d->extras->doNotAskAgain->setChecked(options.doNotAskAgain);
            d->extras->doNotAskAgain->setStyleSheet(
                QStringLiteral("QCheckBox{color:#ccd3dd;font-size:12px;font-family:microsoft yahei;}"));
            rowLayout->addWidget(d->extras->doNotAskAgain);
        }
        rowLayout->addStretch(1);
        if (withDetails) {
            d->extras->detailsButton = new QPushButton(d->extras->row);
            d->extras->detailsButton->setObjectName(QStringLiteral("detailsButton"));
            d->extras->detailsButton->setCheckable(true);
            d->extras->detailsButton->setAutoDefault(false);
            d->extras->detailsButton->setCursor(Qt::PointingHandCursor);
            d->extras->detailsButton->setStyleSheet(
                QStringLiteral("QPushButton{color:#0f8bfd;border:0px;background:"
                               "transparent;font-size:12px;font-family:microsoft yahei;}"));
            connect(
                d->extras->detailsButton, &QPushButton::toggled, this, [this](bool shown) { setDetailsShown(shown); });
            rowLayout->addWidget(d->extras->detailsButton);
        }
        d->ui->verticalLayout->insertWidget(
            d->ui->verticalLayout->indexOf(d->ui->_messageBoxButtonWidget), d->extras->row);
    }
    retranslate();
    if (d->extras->detailsButton)
        d->extras->detailsButton->setChecked(options.detailsShown);
    setDetailsShown(withDetails && options.detailsShown);
}

void ZMessageBox::setDetailsShown(bool shown)
{
    if (!d->extras)
        return;
    if (d->extras->detailsPanel)
        d->extras->detailsPanel->setVisible(shown);
    if (d->extras->detailsButton)
        d->extras->detailsButton->setText(shown ? tr("Hide details") : tr("Show details"));
    updateExtrasSize();
}

void ZMessageBox::updateExtrasSize()
{
    int height = d->extras->baseSize.height();
    if (d->extras->row)
        height += extrasRowHeight;
    if (d->extras->detailsPanel && !d->extras->detailsPanel->isHidden())
        height += detailsPanelHeight;
    setFixedSize(d->extras->baseSize.width(), height);
}

// Everything the box shows in words, after a language switch. retranslateUi() empties the form's texts (and so the
// icon), so what the caller gave is kept and put back; role captions and standard titles are translated anew.
void ZMessageBox::retranslate()
{
    const QString text = d->ui->text->text();
    const QString title = titleLabel->text();
    QStringList captions;
    for (QPushButton* button : qAsConst(d->buttons))
        captions << button->text();
    d->ui->retranslateUi(this);
    d->ui->text->setText(text);
    const QString path = iconPath(d->icon);
    if (!path.isEmpty())
        d->ui->iconlabel->setPixmap(scaledPixmap(path, this));
    for (int i = 0; i < d->buttons.size(); ++i) {
        QPushButton* button = d->buttons.value(i);
        const char* key = d->roleButtons ? roleKey(button->property(msgBoxButtonProperty).toInt()) : nullptr;
        button->setText(key ? tr(key) : captions.value(i));
    }
    setTitle(d->titleKey ? tr(d->titleKey) : title);
    if (d->extras) {
        if (d->extras->doNotAskAgain)
            d->extras->doNotAskAgain->setText(tr("Do not ask again"));
        if (d->extras->detailsEdit)
            d->extras->detailsEdit->setAccessibleName(tr("Details"));
        if (d->extras->detailsButton)
            d->extras->detailsButton->setText(
                d->extras->detailsButton->isChecked() ? tr("Hide details") : tr("Show details"));
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
    const QString line = QString(copyRuleLength, QLatin1Char('-'));
    QStringList parts { line, titleLabel->text(), line, d->ui->text->text(), line };
    if (d->extras && d->extras->detailsEdit)
        parts << d->extras->detailsEdit->toPlainText() << line;
    QStringList captions;
    for (int i = 0; i < d->buttonCount; ++i)
        captions << d->buttons.value(i)->text();
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
    box->d->titleKey = options.title.isEmpty() ? key : nullptr;
    if (options.hideCloseButton)
        box->closeBt->hide();
    box->setExtras(options);
    box->exec();
    if (!box)
        return answer;
    answer.button = box->d->result;
    if (box->d->extras->doNotAskAgain)
        answer.doNotAskAgain = box->d->extras->doNotAskAgain->isChecked();
    delete box.data();
    return answer;
}

} // namespace ZCORVANEBASE
