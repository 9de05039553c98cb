#pragma once

// What the password grading and the address editor must answer, stated once for the tests of the entry widgets
// (tst_entry) and their fuzz targets (fuzz/fuzz_pwdstrength.cpp, fuzz/fuzz_ipedit.cpp).

#include "entry/ipeditwt.h"
#include "entry/pwdstrength.h"

#include <QLineEdit>
#include <QStringList>

namespace ReliabilityModel {

// The grade from the character classes, one UTF-16 unit at a time. Fewer than 8 units: too short. A unit outside the
// classes (a space, a letter beyond ASCII, a surrogate) makes any password weak. Of the classes (upper- and lower-case
// ASCII letters, digits of any script, ASCII punctuation): letters, digits and punctuation, or both cases with digits
// or punctuation, are strong; two kinds, or both cases alone, medium; one kind, weak.
inline ZCORVANEBASE::PwdStrength expectedGrade(const QString& pwd)
{
    using namespace ZCORVANEBASE;
    if (pwd.size() < 8)
        return PwdTooShort;
    bool upper = false, lower = false, digit = false, special = false, other = false;
    for (const QChar c : pwd) {
        const ushort u = c.unicode();
        upper |= u >= 'A' && u <= 'Z';
        lower |= u >= 'a' && u <= 'z';
        digit |= c.isDigit();
        special |= u > 0x20 && u < 0x7f && !QChar::isLetterOrNumber(u);
        other |= !(u > 0x20 && u < 0x7f) && !c.isDigit();
    }
    const bool letter = upper || lower;
    if (other || (letter + digit + special < 2 && !(upper && lower)))
        return PwdWeak;
    return (letter && digit && special) || (upper && lower && (digit || special)) ? PwdStrong : PwdMedium;
}

// What is wrong with what an IpEditWt says about its four fields, or nothing: text() is the fields' numbers joined by
// periods (an empty field gives an empty part), isValid() says that no field is empty, toIPv4Address() is the parts'
// sum with each part shifted a byte further (wrapping), and a field that only the user has typed into (`typedOnly`,
// not written by setText()) stays within 0..255.
inline QString ipEditDivergence(ZCORVANEBASE::IpEditWt& ip, const QList<bool>& typedOnly = {})
{
    QStringList parts;
    quint32 address = 0;
    for (int i = 0; i < 4; ++i) {
        const QString field = ip.findChild<QLineEdit*>(QStringLiteral("lineEdit%1").arg(i + 1))->text();
        bool number = false;
        const int value = field.toInt(&number);
        if (typedOnly.value(i) && number && (value < 0 || value > 255))
            return QStringLiteral("field %1 typed to %2").arg(i + 1).arg(field);
        parts << (field.isEmpty() ? QString() : QString::number(value));
        address = (address << 8) + quint32(value);
    }
    if (ip.text() != parts.join(QLatin1Char('.')))
        return QStringLiteral("text() %1 for the fields %2").arg(ip.text(), parts.join(QLatin1Char('|')));
    if (ip.isValid() == parts.contains(QString()))
        return QStringLiteral("isValid() %1 for %2").arg(ip.isValid()).arg(ip.text());
    if (ip.toIPv4Address() != address)
        return QStringLiteral("toIPv4Address() %1 for %2").arg(ip.toIPv4Address(), 8, 16).arg(ip.text());
    return QString();
}

} // namespace ReliabilityModel
