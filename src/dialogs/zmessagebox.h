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

protected:
    bool event(QEvent* event) override;

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

    static MessageBoxButton runRoleBox(QWidget* parent, const QString& title, const QString& text, short buttons,
        bool hideCloseButton, MessageBoxIcon icon);
    static int runTextBox(QWidget* parent, const QString& title, const QString& text, const QStringList& buttonTexts,
        MessageBoxIcon icon);

    Ui::MessageBox* ui;
    int result;
    int buttonCount;
    QMap<int, QPushButton*> buttons;
    int maxButtons;
};

} // namespace ZCORVANEBASE
