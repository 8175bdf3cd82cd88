#include "thermometer/number_separators.h"

namespace thermometer {
namespace {

NumberSeparators current;

// A blank, a no-break space and a narrow no-break space: a reader sees the
// same gap, and only the blank is on the keyboard.
constexpr std::string_view kSpaces[] = {" ", "\u00A0", "\u202F"};
constexpr char kNotInANumber = '#';

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isSpace(std::string_view separator) {
  for (const std::string_view space : kSpaces)
    if (separator == space) return true;
  return false;
}

// The length of the space that starts the rest of the text, 0 if none does.
std::size_t spaceAt(std::string_view rest) {
  for (const std::string_view space : kSpaces)
    if (rest.starts_with(space)) return space.size();
  return 0;
}

}  // namespace

const NumberSeparators& numberSeparators() { return current; }

void setNumberSeparators(const NumberSeparators& separators) { current = separators; }

std::string inUserNotation(std::string_view plain) {
  std::string text;
  text.reserve(plain.size() + 8);
  for (const char c : plain) {
    if (c == '.') {
      text += current.decimal;
    } else if (c == ',') {
      text += current.group;
    } else {
      text.push_back(c);
    }
  }
  return text;
}

std::string inPlainNotation(std::string_view text) {
  const bool spaceGroups = isSpace(current.group);
  std::string plain;
  for (std::size_t at = 0; at < text.size();) {
    const std::string_view rest = text.substr(at);
    if (rest.starts_with(current.decimal)) {
      plain.push_back('.');
      at += current.decimal.size();
      continue;
    }
    const std::size_t space = spaceGroups ? spaceAt(rest) : 0;
    if (space > 0 && at > 0 && isDigit(text[at - 1]) && space < rest.size() &&
        isDigit(rest[space])) {
      plain.push_back(',');
      at += space;
      continue;
    }
    if (rest.starts_with(current.group)) {
      plain.push_back(',');
      at += current.group.size();
      continue;
    }
    plain.push_back(rest[0] == '.' || rest[0] == ',' ? kNotInANumber : rest[0]);
    ++at;
  }
  return plain;
}

}  // namespace thermometer
