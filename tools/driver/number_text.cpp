#include "tools/driver/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// Floating-point std::from_chars and std::to_chars are missing from some standard libraries (the
// browser build's among them), and printf and strtod there are slow software long-double code,
// so the report's numbers are read and written here. The common numbers (whole numbers, and
// fractions of moderate size) take an exact integer path; the rest an exact slower one.

namespace driver {

namespace {

// strtod reads digits and an exponent the same in every locale; only the decimal point differs,
// so text handed to it never has one.
double readPlain(const char* digitsAndExponent) { return std::strtod(digitsAndExponent, nullptr); }

}  // namespace

bool readNumber(std::string_view s, double& out) {
    size_t i = 0;
    bool negative = false;
    if (i < s.size() && s[i] == '-') {
        negative = true;
        ++i;
    }
    std::string mant = negative ? "-" : "";
    size_t intDigits = 0, fracDigits = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
        mant += s[i++];
        ++intDigits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
            mant += s[i++];
            ++fracDigits;
        }
    }
    if (intDigits + fracDigits == 0) return false;
    long exponent = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        bool expNegative = false;
        if (i < s.size() && (s[i] == '-' || s[i] == '+')) expNegative = s[i++] == '-';
        size_t expDigits = 0;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
            // Far past any double's range either way; saturating keeps the sum below sane.
            if (exponent < 100000) exponent = exponent * 10 + (s[i] - '0');
            ++i;
            ++expDigits;
        }
        if (expDigits == 0) return false;
        if (expNegative) exponent = -exponent;
    }
    if (i != s.size()) return false;
    exponent -= long(fracDigits);
    mant += 'e' + std::to_string(exponent);
    double v = readPlain(mant.c_str());
    if (!std::isfinite(v)) return false;
    out = v;
    return true;
}

namespace {

// Lays out digits d[0..n) times 10^e (e is the exponent of the first digit) in whichever of the
// fixed and the exponent form is shorter, the fixed one on a tie, as std::to_chars does. A whole
// number laid out fixed is written with all its exact digits, as to_chars does past 2^53, so the
// caller of the slow path passes the value itself.
void layout(std::string& out, bool negative, const char* d, int n, int e, double whole = 0) {
    while (n > 1 && d[n - 1] == '0') --n;
    if (negative) out += '-';
    int absExp = e < 0 ? -e : e;
    int sciLen = n + (n > 1 ? 1 : 0) + 2 + (absExp >= 100 ? 3 : 2);
    int fixedLen = e >= n - 1 ? e + 1 : e >= 0 ? n + 1 : n + 1 - e;
    if (sciLen < fixedLen) {
        out += d[0];
        if (n > 1) {
            out += '.';
            out.append(d + 1, size_t(n - 1));
        }
        out += e < 0 ? "e-" : "e+";
        if (absExp < 10) out += '0';
        out += std::to_string(absExp);
    } else if (e >= n - 1 && whole != 0) {
        char buf[400];
        std::snprintf(buf, sizeof buf, "%.0f", whole);
        out += buf;
    } else if (e >= n - 1) {
        out.append(d, size_t(n));
        out.append(size_t(e - (n - 1)), '0');
    } else if (e >= 0) {
        out.append(d, size_t(e + 1));
        out += '.';
        out.append(d + e + 1, size_t(n - e - 1));
    } else {
        out += "0.";
        out.append(size_t(-e - 1), '0');
        out.append(d, size_t(n));
    }
}

void layoutInteger(std::string& out, bool negative, uint64_t v, int exponentShift) {
    char buf[24];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    int n = int(r.ptr - buf);
    layout(out, negative, buf, n, n - 1 + exponentShift);
}

// Any finite positive double, by trying 1, 2, ... 17 significant digits: the correctly rounded
// candidate of each length, and the one on the other side of x (which can be the only one to read
// back where x is a power of two and its lower neighbour is closer than its upper).
void shortestSlow(std::string& out, bool negative, double x) {
    for (int k = 1; k <= 17; ++k) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.*e", k - 1, x);
        char digits[24];
        int n = 0;
        const char* p = buf;
        for (; *p && *p != 'e'; ++p)
            if (*p >= '0' && *p <= '9') digits[n++] = *p;
        int e = std::atoi(p + 1);
        auto read = [&](const char* d, int len, int exp) {
            char text[48];
            std::snprintf(text, sizeof text, "%.*se%d", len, d, exp - (len - 1));
            return readPlain(text);
        };
        double nearest = read(digits, n, e);
        if (nearest == x) return layout(out, negative, digits, n, e, x);
        // The neighbouring candidate one unit in the last digit towards x.
        char other[24];
        std::memcpy(other, digits, size_t(n));
        int otherExp = e;
        if (nearest > x) {
            int i = n - 1;
            while (other[i] == '0') other[i--] = '9';
            --other[i];
            if (other[0] == '0') {  // 10..0 - 1 = 9..9, one digit fewer
                std::memmove(other, other + 1, size_t(n - 1));
                other[n - 1] = '9';
                --otherExp;
            }
        } else {
            int i = n - 1;
            while (i >= 0 && other[i] == '9') other[i--] = '0';
            if (i < 0) {  // 9..9 + 1 = 10..0
                other[0] = '1';
                ++otherExp;
            } else {
                ++other[i];
            }
        }
        if (read(other, n, otherExp) == x) return layout(out, negative, other, n, otherExp, x);
    }
    // Seventeen significant digits always read back; not reached.
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.17g", x);
    out += buf;
}

// x = m * 2^-p with 0 < p <= 64: the shortest decimal within x's rounding interval, found with
// exact 128-bit integers, fraction digit by fraction digit. False when it would not fit.
bool shortestFraction(std::string& out, bool negative, uint64_t m, int p, bool lowerGapNarrow) {
    using u128 = unsigned __int128;
    // In units of 2^-(p+2): the interval around x reaches halfway to each neighbour; ties round
    // to the even mantissa, so its ends belong to x when m is even.
    const int shift = p + 2;
    const bool inclusive = (m & 1) == 0;
    u128 lo = u128(4 * m - (lowerGapNarrow ? 1 : 2));
    u128 hi = u128(4 * m + 2);
    u128 mid = u128(4 * m);
    const u128 unit = u128(1) << shift;
    for (int j = 1; j <= 21; ++j) {
        lo = (lo << 3) + (lo << 1);
        hi = (hi << 3) + (hi << 1);
        mid = (mid << 3) + (mid << 1);
        u128 first = inclusive ? (lo + unit - 1) >> shift : (lo >> shift) + 1;
        u128 last = inclusive ? hi >> shift : (hi - 1) >> shift;
        if (first > last) continue;
        u128 d = mid >> shift;
        u128 rest = mid & (unit - 1);
        u128 half = unit >> 1;
        if (rest > half || (rest == half && (d & 1))) ++d;
        if (d < first) d = first;
        if (d > last) d = last;
        layoutInteger(out, negative, uint64_t(d), -j);
        return true;
    }
    return false;
}

}  // namespace

void appendShortest(std::string& out, double x) {
    if (std::isnan(x)) {
        out += "nan";
        return;
    }
    bool negative = std::signbit(x);
    double ax = std::fabs(x);
    if (std::isinf(ax)) {
        out += negative ? "-inf" : "inf";
        return;
    }
    if (ax == 0) {
        out += negative ? "-0" : "0";
        return;
    }
    if (ax < 9007199254740992.0 && ax == std::floor(ax)) {
        layoutInteger(out, negative, uint64_t(ax), 0);
        return;
    }
    uint64_t bits;
    std::memcpy(&bits, &ax, sizeof bits);
    int biased = int(bits >> 52);
    if (biased > 0) {
        uint64_t m = (bits & ((uint64_t(1) << 52) - 1)) | (uint64_t(1) << 52);
        int p = 1075 - biased;
        bool narrow = m == (uint64_t(1) << 52) && biased > 1;
        if (p > 0 && p <= 64 && shortestFraction(out, negative, m, p, narrow)) return;
    }
    shortestSlow(out, negative, ax);
}

std::string shortest(double x) {
    std::string s;
    appendShortest(s, x);
    return s;
}

}  // namespace driver
