#pragma once

#include "entry/pwdstrength.h"
#include "frame/zcorvanebase_global.h"

#include <QColor>
#include <QPointer>
#include <QWidget>

namespace ZCORVANEBASE {

class PasswordLineEdit;

// A thin bar that grades a password as it is typed: three segments fill with the grade of checkPwdStrength() and
// the tool tip names the grade and lists the hints of checkPwdStrengthDetailed(), one per line.
//
// Bind it to a field with setPasswordLineEdit(): it then follows the field's text (and forgets the field when the
// field is destroyed). Without a field, setPassword() grades a text directly.
//
// The weak-password list: by default the host's, asked once from CorvaneDllBaseWorker::getWeakPwdList() when the
// bar first grades a text (no host worker: no list, and one warning). setWeakPwdList() replaces it, an empty list
// included (which turns the check off).
//
// Looks, chosen to read on the library's dark backgrounds ("#141f30" and the like):
// - the empty track of each segment "#26344a";
// - too short: the first segment "#8d9bb0" (grey: not a grade yet, only "keep typing");
// - weak: the first segment "#dc4d4d" (red);
// - medium: two segments "#e8a33d" (amber);
// - strong: all three segments "#00cf8b" (green);
// - an empty text fills nothing.
// Segments are separated by 3 pixels and drawn with rounded ends in the height the bar is given (sizeHint
// 160 x 6). gradeColor() gives the colours to a host that wants a matching text label.
//
// Accessibility: the bar is named "Password strength" and describes itself with its tool tip; the texts follow a
// runtime language switch.
class ZCORVANEBASE_EXPORT PasswordStrengthBar : public QWidget
{
    Q_OBJECT

public:
    explicit PasswordStrengthBar(QWidget* parent = nullptr);
    ~PasswordStrengthBar() override;

    // Follows `edit`'s text from now on (grading the text it holds at once); nullptr unbinds.
    void setPasswordLineEdit(PasswordLineEdit* edit);
    PasswordLineEdit* passwordLineEdit() const;

    // Grades `pwd` (a bound field's text replaces it at its next change).
    void setPassword(const QString& pwd);

    void setWeakPwdList(const QStringList& weakList);
    // The list in use; the host's is asked for here the first time (and again while no host worker answers).
    QStringList weakPwdList();

    PwdStrength strength() const;
    QStringList hints() const;

    static QColor gradeColor(PwdStrength strength);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The grade went from `preStrength` to `curStrength` (PwdStrength values).
    void signalStrengthChanged(int preStrength, int curStrength);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void grade();
    void retranslate();

    QPointer<PasswordLineEdit> m_edit;
    QString m_password;
    QStringList m_weakList;
    bool m_weakListKnown = false; // set once the host's list was asked for, or a list was given
    PwdStrengthDetails m_details;
};

} // namespace ZCORVANEBASE
