#pragma once

#include "dialogs/commondialog.h"

#include <QMap>
#include <QStringList>

class QPushButton;

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

namespace Ui {
class MessageBox;
}

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

// The client's application-modal message box: an icon, a word-wrapped text and up to three buttons in the
// common dialog frame. It is used only through the static functions, which build a box, run it and return what
// was pressed.
//
// - Role variants (warning, information, question, critical) take a set of MessageBoxButton flags and return the
//   role pressed, or MsgBoxNoButton when the box was closed otherwise (Escape, the close button, system quit).
//   Roles are placed left to right in the fixed order Ok, Open, Yes, Cancel, Save, Help, Close, No; the first
//   three set flags are shown, the rest ignored. The box keeps its 342 x 200 size.
// - Text variants (warningEx, informationEx, criticalEx) take a title and up to three button texts and return the
//   position (0, 1, 2) of the button pressed; a close without a button also returns 0. The box is 380 x 190 with
//   three buttons, 320 x 160 otherwise.
// - The leftmost button carries "common_bt_style1" (the primary look), the others "common_bt_style2".
// - Unlike a plain CommonDialog, Enter and Return press the focused (or default) button.
//
// Choices of ours: the role variants default to an Ok button (question: Yes and No) and a visible close button;
// the buttons carry the object names "firstbutton", "secondbutton" and "thirdbutton" of the form, and the icon
// label "iconlabel", for style sheets and tests.
//
// message() runs a box described by a ZMessageBoxOptions record and offers what the older functions do not:
// - Detail text: a "Show details" / "Hide details" toggle ("detailsButton") reveals a read-only text area
//   ("detailsEdit", 100 pixels high); the box grows to fit and shrinks back when it is hidden again.
// - "Do not ask again": a check box ("doNotAskAgainBox") whose state comes back in ZMessageBoxResult.
//   The toggle and the check box share one row (30 pixels) above the buttons, so the box is that much taller.
// - Ctrl+C (the platform's copy key) puts the title, the text, the details if any and the button captions on the
//   clipboard, between dashed lines, the way desktop message boxes do. A selection in the details area is copied
//   by the area itself instead.
// The older functions behave exactly as before: no extras, no copy key.
//
// All texts, the role captions and standard titles included, follow a language switch while a box is open.
// The icon is loaded in the resolution of the screen (the "@2x" image where the host provides it).
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

    Ui::MessageBox* ui;
    int result;
    int buttonCount;
    QMap<int, QPushButton*> buttons;
    int maxButtons;
    struct Extras;
    Extras* m_extras = nullptr; // the details, the check box and the copy key; message() only
    const char* m_titleKey = nullptr; // a standard title, retranslated on a language switch
    MessageBoxIcon m_icon = MessageBoxIcon(0);
    bool m_roleButtons = false; // the captions are role keys, retranslated on a language switch
};

} // namespace ZCORVANEBASE
