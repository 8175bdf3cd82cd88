// The four ways the program writes a number. Each starts from the shortest
// decimal that reads back as the same float, rounds half away from zero,
// never uses exponent notation, and writes no minus sign on a value that
// rounds to zero. The short and fixed forms, which only choose a scale and
// place its labels, use "." and no grouping; the grouped and general forms,
// which the user reads, use the user's separators (here in English).
#pragma once

#include <string>

namespace thermometer {

// Sign position (blank or "-"), no zero before the point, no trailing zeros,
// at most 7 significant digits: " 7", " .05", "-.005", " 0".
std::string shortForm(float value);

// Two decimals, at least one digit before the point, no grouping:
// "1.00", "1000000.00", "-10000.00".
std::string fixedForm(float value);

// `decimals` decimals (0 or more), a zero before the point, grouped:
// "1,000" (0), "37.8" (1), "-17.7222" (4).
std::string groupedForm(float value, int decimals);

// Up to 7 significant digits, no trailing zeros, a zero before the point,
// a blank before a value of 0 or more: " 0.1", " 0.05", " 0", "-0.003".
std::string generalForm(float value);

}  // namespace thermometer
