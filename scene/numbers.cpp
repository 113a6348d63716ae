#include "scene/numbers.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "scene/words.h"

namespace scene {

double roundHalfEven(double x) {
    if (!finite(x)) return 0;
    double r = std::nearbyint(x);  // default rounding mode is to nearest, ties to even
    return r;
}

std::int32_t toLong(double x) {
    double r = roundHalfEven(x);
    if (r > 2147483647.0) return std::numeric_limits<std::int32_t>::max();
    if (r < -2147483648.0) return std::numeric_limits<std::int32_t>::min();
    return std::int32_t(r);
}

std::int16_t toInteger(double x) {
    double r = roundHalfEven(x);
    if (r > 32767.0) return 32767;
    if (r < -32768.0) return -32768;
    return std::int16_t(r);
}

float toSingle(double x) {
    if (std::isnan(x)) return 0.0f;
    if (x > FLT_MAX) return FLT_MAX;
    if (x < -FLT_MAX) return -FLT_MAX;
    return float(x);
}

double Int(double x) { return std::floor(x); }

double Val(std::string_view s) {
    // The language's decimal separator is read as the point too: a box shows what the lesson
    // wrote there in the student's language, and the student types in it the same way.
    const std::string& sep = decimalSeparator();
    const auto point = [&](size_t at) {
        return s[at] == '.' || (sep.size() == 1 && s[at] == sep[0]);
    };
    size_t i = 0, n = s.size();
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    while (i < n && blank(s[i])) ++i;
    {
        // A plain whole number of up to 15 digits, what the lessons' boxes hold, is exact as an
        // integer; some lessons read a box at every step of a flight, so skip strtod for it.
        size_t j = i;
        bool negative = j < n && s[j] == '-';
        if (j < n && (s[j] == '+' || s[j] == '-')) ++j;
        const size_t first = j;
        long long v = 0;
        while (j < n && s[j] >= '0' && s[j] <= '9' && j - first < 16) v = v * 10 + (s[j++] - '0');
        const size_t count = j - first;
        const bool more = j < n && ((s[j] >= '0' && s[j] <= '9') || point(j) || s[j] == 'e' ||
                                    s[j] == 'E' || s[j] == 'd' || s[j] == 'D');
        if (count > 0 && count <= 15 && !more) return negative ? -double(v) : double(v);
    }
    std::string num;
    if (i < n && (s[i] == '+' || s[i] == '-')) num += s[i++];
    size_t mantissaDigits = 0;
    while (i < n && s[i] >= '0' && s[i] <= '9') {
        num += s[i++];
        ++mantissaDigits;
    }
    if (i < n && point(i)) {
        num += '.';
        ++i;
        while (i < n && s[i] >= '0' && s[i] <= '9') {
            num += s[i++];
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0) return 0;
    if (i < n && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        size_t j = i + 1;
        std::string exp = "e";
        if (j < n && (s[j] == '+' || s[j] == '-')) exp += s[j++];
        size_t expDigits = 0;
        while (j < n && s[j] >= '0' && s[j] <= '9' && expDigits < 6) {
            exp += s[j++];
            ++expDigits;
        }
        if (expDigits > 0) num += exp;
    }
    double v = std::strtod(num.c_str(), nullptr);
    if (v > DBL_MAX) return DBL_MAX;
    if (v < -DBL_MAX) return -DBL_MAX;
    return v;
}

std::string digits(double x) {
    std::string out = invariantDigits(x);
    const std::string& sep = decimalSeparator();
    if (sep != ".")
        if (auto at = out.find('.'); at != std::string::npos) out.replace(at, 1, sep);
    return out;
}

std::string invariantDigits(double x) {
    if (std::isnan(x)) return "0";
    if (x > DBL_MAX) x = DBL_MAX;
    if (x < -DBL_MAX) x = -DBL_MAX;
    if (x == 0) return "0";
    if (std::fabs(x) < 1e15 && x == std::trunc(x)) {
        // Whole numbers (clocks, counters, speeds) are most of what the lessons print.
        char whole[24];
        auto r = std::to_chars(whole, whole + sizeof whole, static_cast<long long>(x));
        return std::string(whole, r.ptr);
    }
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", x);  // 15 significant digits
    // Split mantissa and exponent, then lay out as fixed or exponent form.
    std::string s(buf);
    size_t e = s.find('e');
    int exponent = std::atoi(s.c_str() + e + 1);
    std::string mant = s.substr(0, e);
    bool negative = mant[0] == '-';
    if (negative) mant.erase(0, 1);
    std::string ds;  // the significant digits without the point
    for (char c : mant)
        if (c != '.') ds += c;
    while (ds.size() > 1 && ds.back() == '0') ds.pop_back();
    std::string out;
    if (exponent >= 15 || exponent < -4) {
        out = ds.substr(0, 1);
        if (ds.size() > 1) out += "." + ds.substr(1);
        char eb[16];
        std::snprintf(eb, sizeof eb, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        out += eb;
    } else if (exponent < 0) {
        out = "0." + std::string(size_t(-exponent - 1), '0') + ds;
    } else {
        if (ds.size() <= size_t(exponent) + 1) {
            out = ds + std::string(size_t(exponent) + 1 - ds.size(), '0');
        } else {
            out = ds.substr(0, size_t(exponent) + 1) + "." + ds.substr(size_t(exponent) + 1);
        }
    }
    return negative ? "-" + out : out;
}

std::string Str(double x) {
    std::string d = digits(x);
    return d[0] == '-' ? d : " " + d;
}

}  // namespace scene
