// The number separators of a Qt locale, and the user's taken once at start-up.
#pragma once

#include <QLocale>

#include "thermometer/number_separators.h"

namespace thermometer {

// The locale's decimal and group separators; "." and "," where the locale
// gives none the program could read back (empty, longer than a character,
// the same twice, a digit, a sign, "e" or a blank as the decimal separator).
NumberSeparators separatorsOf(const QLocale& locale);

// Qt's system locale, from LC_ALL, LC_NUMERIC or LANG, for the whole run.
void useSystemLocaleSeparators();

}  // namespace thermometer
