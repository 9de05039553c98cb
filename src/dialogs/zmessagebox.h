#pragma once

#include <ZCorvaneBase/dialogs/commondialog.h>

#include <QStringList>

// The standard roles a message box can offer, a bit set passed as a short. MsgBoxNoButton is what a box returns
// when it was closed without a button.
enum MessageBoxButton
{
    MsgBoxNoButton = 0x0000,
    MsgBoxOk = 0x0001,
    MsgBoxCancel = 0x0002,
    MsgBoxOpen = 0x0004,
    MsgBoxSave = 0x0008,
    MsgBoxHelp = 0x0010,
    MsgBoxClose = 0x0020,
    MsgBoxNo = 0x0040,
    MsgBoxYes = 0x0080,
};

// The icon beside the text; the application provides the images (":/images/images/ico_warning.png" and so on).
enum MessageBoxIcon
{
    MsgBoxIconWarning = 1,
    MsgBoxIconInformation = 2,
    MsgBoxIconError = 3,
    MsgBoxIconQuestion = 4,
};

namespace ZCORVANEBASE {

// What ZMessageBox::message() shows. The defaults give an information box with an Ok button.
struct ZMessageBoxOptions
{
    MessageBoxIcon icon = MsgBoxIconInformation;
    // Empty: the icon's standard title ("Warning", "Information" for information and question, "Error"),
    // translated and following a language switch. Otherwise shown as given.
    QString title;
    QString text;
    // Role flags, placed as by the role variants; used when buttonTexts is empty.
    short buttons = MsgBoxOk;
    // Free button texts, placed as by the text variants (and sized like them); the result is then the position.
    QStringList buttonTexts;
    bool hideCloseButton = false;
    // Non-empty: a "Show details" toggle that reveals this text in a read-only area under the message.
    QString detailText;
    bool detailsShown = false; // the details start revealed
    // A "Do not ask again" check box, and its state when the box opens.
    bool doNotAskAgainVisible = false;
    bool doNotAskAgain = false;
};

// What ZMessageBox::message() answers.
struct ZMessageBoxResult
{
    // The role pressed (MessageBoxButton) or, with button texts, the position; 0 when closed without a button.
    int button = MsgBoxNoButton;
    // The check box's state when the box closed (the initial state if it was not shown).
    bool doNotAskAgain = false;
};

// The client's application-modal message box: an icon, a word-wrapped text and up to three buttons in the common
// dialog frame. It is used only through the static functions, which build a box, run it and destroy it again.
// The role variants return the MessageBoxButton pressed (MsgBoxNoButton when the box closed otherwise); the text
// variants take up to three button texts and return the position pressed (0 also when closed otherwise).
// message() adds detail text, a "Do not ask again" check box and a copy key. Unlike a plain CommonDialog, Enter and
// Return press the focused (or default) button.
class ZCORVANEBASE_EXPORT ZMessageBox : public CommonDialog
{
    Q_OBJECT

public:
    static MessageBoxButton warning(
        QWidget* parent, QString text, short buttons = MsgBoxOk, bool hideCloseButton = false);
    static MessageBoxButton information(
        QWidget* parent, QString text, short buttons = MsgBoxOk, bool hideCloseButton = false);
    static MessageBoxButton question(
        QWidget* parent, QString text, short buttons = MsgBoxYes | MsgBoxNo, bool hideCloseButton = false);
    static MessageBoxButton critical(
        QWidget* parent, QString text, short buttons = MsgBoxOk, bool hideCloseButton = false);

    static int warningEx(QWidget* parent, QString title, QString text, const QStringList& buttonTexts);
    static int informationEx(QWidget* parent, QString title, QString text, const QStringList& buttonTexts);
    static int criticalEx(QWidget* parent, QString title, QString text, const QStringList& buttonTexts);

    static ZMessageBoxResult message(QWidget* parent, const ZMessageBoxOptions& options);

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private slots:
    void slotFirstBtClicked();
    void slotSecondBtClicked();
    void slotThirdBtClicked();

private:
    explicit ZMessageBox(QWidget* parent);
    ~ZMessageBox() override;

    void init();
    void connectSignalsWithSlots();
    void setMsgBoxShowInfo(const QString& title, const QString& text, MessageBoxIcon icon);
    void setButtonRole(short buttons);
    void setButtonsText(const QStringList& texts);
    void buttonClicked(int position);
    void setExtras(const ZMessageBoxOptions& options);
    void setDetailsShown(bool shown);
    void updateExtrasSize();
    void retranslate();
    QString copyText() const;

    static MessageBoxButton runRoleBox(QWidget* parent, const QString& title, const QString& text, short buttons,
        bool hideCloseButton, MessageBoxIcon icon);
    static int runTextBox(QWidget* parent, const QString& title, const QString& text, const QStringList& buttonTexts,
        MessageBoxIcon icon);

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace ZCORVANEBASE
