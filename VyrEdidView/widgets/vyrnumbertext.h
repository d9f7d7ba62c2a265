#pragma once

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

// Whole numbers from minimum to maximum; a child of parent.
QValidator *wholeValidator(int minimum, int maximum, QObject *parent);
// Real numbers from minimum to maximum with at most decimals places, standard notation.
QValidator *realValidator(double minimum, double maximum, int decimals, QObject *parent);

// The number text holds: true with number set, or false with number untouched.
bool readWhole(const QString &text, qlonglong *number);
bool readReal(const QString &text, double *number);

} // namespace VyrNumberText
