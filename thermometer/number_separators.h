// The two characters that separate a number's decimals and group its
// thousands, as the user's locale writes them. The text forms and the
// reading work in a plain notation ("." and ",") and meet the user's through
// the two translations here.
#pragma once

#include <string>
#include <string_view>

namespace thermometer {

// UTF-8; one character each, neither a digit, a sign, "e" nor a blank.
struct NumberSeparators {
  std::string decimal = ".";
  std::string group = ",";
  bool operator==(const NumberSeparators&) const = default;
};

// "." and "," until start-up sets the user's; set once, read on every number
// written or read, so nothing on the drag's path asks the locale.
const NumberSeparators& numberSeparators();
void setNumberSeparators(const NumberSeparators& separators);

// A number in plain notation with the user's separators in place of "." and ",".
std::string inUserNotation(std::string_view plain);

// The user's number in plain notation: the decimal separator becomes "." and
// a group separator ",". Where the user's group separator is a space, any
// space between two digits groups them. A "." or "," that is not the user's
// becomes a character no number has, so such a text is never read as
// another number than the user sees.
std::string inPlainNotation(std::string_view text);

}  // namespace thermometer
