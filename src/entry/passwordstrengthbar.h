#pragma once

#include <ZCorvaneBase/entry/pwdstrength.h>
#include <ZCorvaneBase/frame/zcorvanebase_global.h>

#include <QColor>
#include <QWidget>

#include <memory>

namespace ZCORVANEBASE {

class PasswordLineEdit;

// A thin three-segment bar that grades a password as it is typed (the grade of checkPwdStrength(), coloured), with
// the hints of checkPwdStrengthDetailed() in its tool tip. Bound to a PasswordLineEdit it follows the field's text;
// unbound, setPassword() grades a text. Owned by its parent like any widget.
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

    // The weak-password list is the host's (getWeakPwdList(), asked once) until this replaces it; empty: no check.
    void setWeakPwdList(const QStringList& weakList);
    QStringList weakPwdList();

    PwdStrength strength() const;
    QStringList hints() const;

    static QColor gradeColor(PwdStrength strength); // the colours of the bar, for a matching text label

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

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace ZCORVANEBASE
