#include "thermometer/locale_separators.h"

namespace thermometer {
namespace {

bool usable(const QString& separator) {
  if (separator.size() != 1) return false;
  const QChar c = separator.front();
  return !c.isDigit() && !QStringLiteral("+-eE").contains(c);
}

}  // namespace

NumberSeparators separatorsOf(const QLocale& locale) {
  const QString decimal = locale.decimalPoint();
  const QString group = locale.groupSeparator();
  if (!usable(decimal) || !usable(group) || decimal == group || decimal.front().isSpace())
    return {};
  return {decimal.toStdString(), group.toStdString()};
}

void useSystemLocaleSeparators() { setNumberSeparators(separatorsOf(QLocale::system())); }

}  // namespace thermometer
