#pragma once

#include <ZCorvaneBase/frame/zcorvanebase_global.h>

#include <QString>
#include <QStringList>

namespace ZCORVANEBASE {

// The grade of a password. Character classes are the letters A-Z and a-z, the digits and the special characters,
// which are exactly the printable ASCII punctuation (0x21-0x2F, 0x3A-0x40, 0x5B-0x60, 0x7B-0x7E; not the space).
// A digit is 0-9 or any other Unicode decimal digit (a fullwidth one too): users of East Asian input methods type
// those without noticing, and they are as good a digit for the grade. Any other character (a space, a non-ASCII
// letter) belongs to no class, and a password that holds one grades PwdWeak at best.
enum PwdStrength
{
    PwdTooShort = -1, // fewer than 8 characters
    PwdWeak = 0, // 8 or more characters, but one class only or a character of no class
    PwdMedium = 1, // letters and digits, letters of both cases, letters and specials, or digits and specials
    PwdStrong = 2 // letters, digits and specials; or both letter cases with digits; or both letter cases with specials
};

// Grades a password by its length (in UTF-16 code units) and the classes it mixes; every string gives one of the
// four grades. It does not consult the weak-password list (CorvaneDllBaseWorker::getWeakPwdList()): comparing a
// password with that list is the caller's choice.
// The patterns are built once and shared, and matching updates their state: call it from one thread at a time
// (normally the GUI thread).
ZCORVANEBASE_EXPORT PwdStrength checkPwdStrength(const QString& pwd);

// A grade with the advice that goes with it.
struct PwdStrengthDetails
{
    PwdStrength strength = PwdTooShort; // always what checkPwdStrength() gives for the same password
    QStringList hints; // translated, one sentence each, in the order listed at checkPwdStrengthDetailed()
};

// The grade of checkPwdStrength() (never a different one) and, translated, what the user could change: too short, on
// `weakList` (compared without regard to case; an empty list skips the check), repeated characters, runs of
// consecutive letters or digits, characters of no class, the classes to add.
ZCORVANEBASE_EXPORT PwdStrengthDetails checkPwdStrengthDetailed(const QString& pwd, const QStringList& weakList);

} // namespace ZCORVANEBASE
