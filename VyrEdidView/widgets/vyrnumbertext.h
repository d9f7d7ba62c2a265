#pragma once

#include <QList>
#include <QLocale>
#include <QString>

class QObject;
class QValidator;

// Numbers typed into the editors of the EDID tree, read one way whatever the system's locale:
// the C locale ("2.5", never "2,5"). A whole number may carry C group separators ("1,920" is
// 1920); a real number may not, so that "2,20" is refused rather than read as 220. A validator
// of this file accepts exactly what the matching reading reads, and a reading refuses what it
// cannot read: an editor never stores a number the user did not type.
namespace VyrNumberText {

// The locales of whole and of real numbers; spin boxes of the tree take them too.
QLocale wholeLocale();
QLocale realLocale();

// Whole numbers from minimum to maximum (and the values of alsoAccepted); a child of parent.
QValidator *wholeValidator(int minimum, int maximum, QObject *parent);
QValidator *wholeValidator(int minimum, int maximum, const QList<int> &alsoAccepted,
                           QObject *parent);
// Real numbers from minimum to maximum with at most decimals places, standard notation.
QValidator *realValidator(double minimum, double maximum, int decimals, QObject *parent);
// Both kinds accept exactly the numbers they are made for, and take any text that has the form
// of a number while it is typed (a sign, digits, a point) without refusing a key: "65536" for a
// whole number up to 65535 can be typed, and is refused as a whole when the editor's editing
// ends (VyrEdidInputGuard), never cut to 6553.

// What a number validator accepts, as the refusal notes say it: "1990-2245", "0-53, 255",
// "1.00-3.54", "-327.67 to 327.67"; empty for a validator that is not one of numbers.
QString acceptedText(const QValidator *validator);
// The numbers from bottom to top written with decimals places, as acceptedText() writes them.
QString rangeText(double bottom, double top, int decimals);

// The number text holds: true with number set, or false with number untouched.
bool readWhole(const QString &text, qlonglong *number);
bool readReal(const QString &text, double *number);

} // namespace VyrNumberText
