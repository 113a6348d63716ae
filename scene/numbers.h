#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// The number conventions the lessons are written in, kept in one place.
namespace scene {

// Conversion to a whole number: nearest, a value exactly halfway goes to the even neighbour.
// Non-finite input gives 0 and out-of-range input saturates, so no caller can trap.
double roundHalfEven(double x);
std::int32_t toLong(double x);     // 32-bit whole number
std::int16_t toInteger(double x);  // 16-bit whole number
float toSingle(double x);          // single precision; saturates instead of overflowing to infinity

// Largest whole number not above x.
double Int(double x);

// The leading number of a text: leading blanks are skipped, then an optional sign, digits, an
// optional fraction (after a point or the language's decimal separator) and exponent. 0 when there
// is none. Overflow saturates to +-DBL_MAX.
double Val(std::string_view text);

// Number to text as the lessons show it: up to 15 significant digits, no trailing zeros,
// exponent form ("1E+16", "1E-05") outside 1e-4 .. 1e15, with the language's decimal separator.
std::string digits(double x);
// The same always with a point.
std::string invariantDigits(double x);
// The same with a leading blank standing for the sign of a non-negative number.
std::string Str(double x);

inline bool finite(double x) { return x - x == 0; }

}  // namespace scene
