#pragma once
#include <string>
#include <string_view>

namespace driver {

// Decimal text to double, correctly rounded and independent of the C locale. Accepts what a
// plain decimal number looks like: an optional '-', digits with an optional '.', an optional
// exponent ("1.5", ".5", "5.", "2e-3"); no blanks, '+', hex or words. False for anything else and
// for values too large for a double.
bool readNumber(std::string_view text, double& out);

// Appends the shortest text that reads back as exactly x, laid out as std::to_chars(x) lays it
// out ("0.1", "1e+06", "1e-05", "123.5", "-0"); non-finite values as "inf", "-inf", "nan".
void appendShortest(std::string& out, double x);
std::string shortest(double x);

}  // namespace driver
