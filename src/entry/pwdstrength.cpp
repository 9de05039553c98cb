#include "entry/pwdstrength.h"

#include "frame/qtcompat_p.h"

#include <QCoreApplication>

namespace ZCORVANEBASE {

PwdStrength checkPwdStrength(const QString& pwd)
{
    // Each pattern must cover the whole password; any character outside the classes it lists makes it fail.
    // Letters and digits, at least one of each.
    static const QtCompat::WholePattern ruleA
        = QtCompat::wholePattern(QStringLiteral(R"(^(?=.*[A-Za-z])(?=.*\d)[A-Za-z\d]{8,}$)"));
    // Letters only, both cases.
    static const QtCompat::WholePattern ruleB
        = QtCompat::wholePattern(QStringLiteral(R"(^(?=.*[a-z])(?=.*[A-Z])[A-Za-z]{8,}$)"));
    // Letters and specials.
    static const QtCompat::WholePattern ruleC = QtCompat::wholePattern(QStringLiteral(
        R"(^(?=.*[A-Za-z])(?=.*[\x21-\x2f\x3a-\x40\x5b-\x60\x7b-\x7e])[A-Za-z\x21-\x2f\x3a-\x40\x5b-\x60\x7b-\x7e]{8,}$)"));
    // Digits and specials.
    static const QtCompat::WholePattern ruleD = QtCompat::wholePattern(QStringLiteral(
        R"(^(?=.*\d)(?=.*[\x21-\x2f\x3a-\x40\x5b-\x60\x7b-\x7e])[\d\x21-\x2f\x3a-\x40\x5b-\x60\x7b-\x7e]{8,}$)"));
    // Letters, digits and specials.
    static const QtCompat::WholePattern ruleE = QtCompat::wholePattern(QStringLiteral(
        R"(^(?=.*[A-Za-z])(?=.*\d)(?=.*[\x21-\x2f\x3a-\x40\x5b-\x60\x7b-\x7e])[A-Za-z\d\x21-\x2f\x3a-\x40\x5b-\x60\x7b-\x7e]{8,}$)"));
    // Letters of both cases and digits.
    static const QtCompat::WholePattern ruleF
        = QtCompat::wholePattern(QStringLiteral(R"(^(?=.*[a-z])(?=.*[A-Z])(?=.*\d)[A-Za-z\d]{8,}$)"));
    // Letters of both cases and specials.
    static const QtCompat::WholePattern ruleG = QtCompat::wholePattern(QStringLiteral(
        R"(^(?=.*[a-z])(?=.*[A-Z])(?=.*[\x21-\x2f\x3a-\x40\x5b-\x60\x7b-\x7e])[A-Za-z\x21-\x2f\x3a-\x40\x5b-\x60\x7b-\x7e]{8,}$)"));

    if (pwd.size() < 8)
        return PwdTooShort;
    if (QtCompat::matchesWhole(ruleE, pwd) || QtCompat::matchesWhole(ruleF, pwd) || QtCompat::matchesWhole(ruleG, pwd))
        return PwdStrong;
    if (QtCompat::matchesWhole(ruleA, pwd) || QtCompat::matchesWhole(ruleB, pwd) || QtCompat::matchesWhole(ruleC, pwd)
        || QtCompat::matchesWhole(ruleD, pwd))
        return PwdMedium;
    return PwdWeak;
}

namespace {

const char hintContext[] = "ZCORVANEBASE::PwdStrength";

QString hint(const char* text)
{
    return QCoreApplication::translate(hintContext, text);
}

bool isSpecial(QChar c)
{
    const ushort u = c.unicode();
    return (u >= 0x21 && u <= 0x2f) || (u >= 0x3a && u <= 0x40) || (u >= 0x5b && u <= 0x60) || (u >= 0x7b && u <= 0x7e);
}

// The position of a letter (0-25, either case) or an ASCII digit (100-109) in its alphabet; -1 for anything else.
int sequencePosition(QChar c)
{
    const ushort u = c.unicode();
    if (u >= 'a' && u <= 'z')
        return u - 'a';
    if (u >= 'A' && u <= 'Z')
        return u - 'A';
    if (u >= '0' && u <= '9')
        return 100 + u - '0';
    return -1;
}

// The first run of 3 or more equal characters, or an empty string.
QString firstRepeat(const QString& pwd)
{
    for (int i = 0; i + 2 < pwd.size(); ++i) {
        if (pwd.at(i) != pwd.at(i + 1) || pwd.at(i) != pwd.at(i + 2))
            continue;
        int end = i + 3;
        while (end < pwd.size() && pwd.at(end) == pwd.at(i))
            ++end;
        return pwd.mid(i, end - i);
    }
    return QString();
}

// The first run of 4 or more letters or digits that rise or fall by one ("abcd", "7654"), or an empty string.
QString firstSequence(const QString& pwd)
{
    for (int i = 0; i + 3 < pwd.size(); ++i) {
        const int first = sequencePosition(pwd.at(i));
        const int second = sequencePosition(pwd.at(i + 1));
        const int step = second - first;
        if (first < 0 || second < 0 || (step != 1 && step != -1))
            continue;
        int end = i + 2;
        while (end < pwd.size() && sequencePosition(pwd.at(end)) >= 0
            && sequencePosition(pwd.at(end)) - sequencePosition(pwd.at(end - 1)) == step)
            ++end;
        if (end - i >= 4)
            return pwd.mid(i, end - i);
    }
    return QString();
}

} // namespace

PwdStrengthDetails checkPwdStrengthDetailed(const QString& pwd, const QStringList& weakList)
{
    PwdStrengthDetails details;
    details.strength = checkPwdStrength(pwd);

    bool lower = false;
    bool upper = false;
    bool digit = false;
    bool special = false;
    bool other = false;
    for (const QChar c : pwd) {
        const ushort u = c.unicode();
        if (u >= 'a' && u <= 'z')
            lower = true;
        else if (u >= 'A' && u <= 'Z')
            upper = true;
        else if (c.isDigit()) // as "\d" in the grading patterns: any decimal digit
            digit = true;
        else if (isSpecial(c))
            special = true;
        else
            other = true;
    }
    const bool letter = lower || upper;
    // The mixes that grade PwdStrong once the password is long enough.
    const bool strongMix = (letter && digit && special) || (lower && upper && (digit || special));

    QStringList& hints = details.hints;
    if (pwd.size() < 8)
        hints << hint(QT_TRANSLATE_NOOP("ZCORVANEBASE::PwdStrength", "Use at least 8 characters."));
    if (!pwd.isEmpty() && weakList.contains(pwd, Qt::CaseInsensitive))
        hints << hint(
            QT_TRANSLATE_NOOP("ZCORVANEBASE::PwdStrength", "This password is on the list of common passwords."));
    const QString repeat = firstRepeat(pwd);
    if (!repeat.isEmpty())
        hints << hint(QT_TRANSLATE_NOOP("ZCORVANEBASE::PwdStrength",
                          "Avoid repeating a character three or more times in a row (\"%1\")."))
                     .arg(repeat);
    const QString sequence = firstSequence(pwd);
    if (!sequence.isEmpty())
        hints << hint(
            QT_TRANSLATE_NOOP("ZCORVANEBASE::PwdStrength", "Avoid runs of consecutive letters or digits (\"%1\")."))
                     .arg(sequence);
    if (other)
        hints << hint(QT_TRANSLATE_NOOP("ZCORVANEBASE::PwdStrength",
            "Use only letters, digits and keyboard symbols: spaces and other characters make any password weak."));
    if (!strongMix) {
        if (!letter)
            hints << hint(QT_TRANSLATE_NOOP("ZCORVANEBASE::PwdStrength", "Add a letter."));
        else if (!upper)
            hints << hint(QT_TRANSLATE_NOOP("ZCORVANEBASE::PwdStrength", "Add an upper-case letter."));
        else if (!lower)
            hints << hint(QT_TRANSLATE_NOOP("ZCORVANEBASE::PwdStrength", "Add a lower-case letter."));
        if (!digit)
            hints << hint(QT_TRANSLATE_NOOP("ZCORVANEBASE::PwdStrength", "Add a digit."));
        if (!special)
            hints << hint(QT_TRANSLATE_NOOP("ZCORVANEBASE::PwdStrength", "Add a special character such as ! # or %."));
    }
    return details;
}

} // namespace ZCORVANEBASE
