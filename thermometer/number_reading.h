// Reading temperatures typed as text: the one numeric test shared by Convert,
// the conversions and the drag, and the two ways a text becomes a float.
#pragma once

#include <optional>
#include <string_view>

namespace thermometer {

// True when the whole text is one number: blanks around it; one leading
// "+" or "-" (blanks may follow it) or one "-" that is the very last
// character (blanks may stand before it); digits with at most one "." and at
// least one digit; an optional exponent (e/E, optional sign, digits); and
// optionally "," grouping in threes before the point, the first group 1 to 3
// digits without a leading zero. "." and "," are those of English; in the
// user's locale they are its decimal and group separators (number_separators.h).
bool isNumeric(std::string_view text);

// True when the text's last character is "-" (a minus after the number):
// Convert reads such a text by its leading number, a conversion refuses it.
bool endsInMinus(std::string_view text);

// The nearest float to a text that passes isNumeric (a trailing minus makes
// it negative). A value too small for a float reads as 0; one too large for
// a float, or a text that is not numeric, gives nothing.
std::optional<float> readNumber(std::string_view text);

// readNumber for a text in plain notation whatever the user's locale, as the
// program keeps its own numbers.
std::optional<float> readPlainNumber(std::string_view text);

// The longest leading part of the text that forms a number (optional sign,
// digits, optional "." and digits, optional exponent), blanks anywhere
// ignored, 0 when there is none; a group separator or any other character
// ends it. Gives nothing when that number is too large for a float.
std::optional<float> leadingNumberValue(std::string_view text);

}  // namespace thermometer
