#include "entry/pwdstrength.h"

#include <QRegExp>

namespace ZCORVANEBASE {

PwdStrength checkPwdStrength(const QString& pwd)
{
    // Each pattern must cover the whole password; any character outside the classes it lists makes it fail.
    // Letters and digits, at least one of each.
    static QRegExp ruleA(QStringLiteral(R"(^(?=.*[A-Za-z])(?=.*\d)[A-Za-z\d]{8,}$)"));
    // Letters only, both cases.
    static QRegExp ruleB(QStringLiteral(R"(^(?=.*[a-z])(?=.*[A-Z])[A-Za-z]{8,}$)"));
    // Letters and specials.
    static QRegExp ruleC(QStringLiteral(
        R"(^(?=.*[A-Za-z])(?=.*[\x21-\x2f\x3a-\x40\x5b-\x60\x7b-\x7e])[A-Za-z\x21-\x2f\x3a-\x40\x5b-\x60\x7b-\x7e]{8,}$)"));
    // Digits and specials.
    static QRegExp ruleD(QStringLiteral(
        R"(^(?=.*\d)(?=.*[\x21-\x2f\x3a-\x40\x5b-\x60\x7b-\x7e])[\d\x21-\x2f\x3a-\x40\x5b-\x60\x7b-\x7e]{8,}$)"));
    // Letters, digits and specials.
    static QRegExp ruleE(QStringLiteral(
        R"(^(?=.*[A-Za-z])(?=.*\d)(?=.*[\x21-\x2f\x3a-\x40\x5b-\x60\x7b-\x7e])[A-Za-z\d\x21-\x2f\x3a-\x40\x5b-\x60\x7b-\x7e]{8,}$)"));
    // Letters of both cases and digits.
    static QRegExp ruleF(QStringLiteral(R"(^(?=.*[a-z])(?=.*[A-Z])(?=.*\d)[A-Za-z\d]{8,}$)"));
    // Letters of both cases and specials.
    static QRegExp ruleG(QStringLiteral(
        R"(^(?=.*[a-z])(?=.*[A-Z])(?=.*[\x21-\x2f\x3a-\x40\x5b-\x60\x7b-\x7e])[A-Za-z\x21-\x2f\x3a-\x40\x5b-\x60\x7b-\x7e]{8,}$)"));

    if (pwd.size() < 8)
        return PwdTooShort;
    if (ruleE.exactMatch(pwd) || ruleF.exactMatch(pwd) || ruleG.exactMatch(pwd))
        return PwdStrong;
    if (ruleA.exactMatch(pwd) || ruleB.exactMatch(pwd) || ruleC.exactMatch(pwd) || ruleD.exactMatch(pwd))
        return PwdMedium;
    return PwdWeak;
}

} // namespace ZCORVANEBASE
