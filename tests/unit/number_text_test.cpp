#include "tools/driver/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstring>
#include <random>
#include <string>

using driver::readNumber;
using driver::shortest;

namespace {

// The reference where the standard library has it (this build's does).
std::string toChars(double x) {
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, x);
    return std::string(buf, r.ptr);
}

double fromBits(uint64_t b) {
    double d;
    std::memcpy(&d, &b, sizeof d);
    return d;
}

void expectShortest(double x) {
    std::string s = shortest(x);
    ASSERT_EQ(s, toChars(x)) << "bits " << std::hex << [&] {
        uint64_t b;
        std::memcpy(&b, &x, sizeof b);
        return b;
    }();
    double back = 0;
    ASSERT_TRUE(readNumber(s, back)) << s;
    ASSERT_EQ(std::memcmp(&back, &x, sizeof x), 0) << s;
}

}  // namespace

TEST(NumberText, AwkwardValuesReadBackAndMatchToChars) {
    const double table[] = {0.1,
                            0.2,
                            0.3,
                            1.0 / 3,
                            2.0 / 3,
                            -0.0,
                            0.0,
                            1,
                            -1,
                            100,
                            10000,
                            100000,
                            1000000,
                            123456789,
                            9007199254740991.0,  // 2^53 - 1
                            9007199254740992.0,  // 2^53
                            9007199254740993.0,
                            18014398509481984.0,
                            123456789012345680000.0,
                            1e21,
                            1e22,
                            1e23,
                            1e308,
                            -1e308,
                            DBL_MAX,
                            DBL_MIN,
                            DBL_TRUE_MIN,
                            4.9406564584124654e-324,
                            2.2250738585072009e-308,  // largest subnormal
                            0.001,
                            0.0001,
                            0.00012345,
                            1e-5,
                            5e-324,
                            0.30000000000000004,  // needs 17 digits
                            2.0000000000000004,
                            1.7976931348623157e308,
                            9.999999999999999e22,
                            6591.02978515625,
                            8202.041015625,
                            0.5,
                            0.25,
                            std::ldexp(1.0, -20),
                            std::ldexp(1.0, -60),
                            std::ldexp(1.0, -64),
                            std::ldexp(1.0, -70),
                            std::ldexp(1.0, 60),
                            std::ldexp(1.0, 70),
                            1234.5678,
                            -273.15,
                            299792458.5,
                            6.674e-11,
                            5.972e24,
                            1.5e300};
    for (double x : table) expectShortest(x);
    EXPECT_EQ(shortest(1e6), "1e+06");
    EXPECT_EQ(shortest(-0.0), "-0");
    EXPECT_EQ(shortest(0.0001), "1e-04");
    EXPECT_EQ(shortest(0.001), "0.001");
    EXPECT_EQ(shortest(INFINITY), "inf");
    EXPECT_EQ(shortest(-INFINITY), "-inf");
    EXPECT_EQ(shortest(NAN), "nan");
}

// Every kind of double: random bit patterns over the whole range, powers of two (whose lower
// neighbour is nearer than the upper), floats widened to double (most of what the lessons draw),
// and whole numbers and short fractions of the sizes the lessons use.
TEST(NumberText, RandomValuesMatchToChars) {
    std::mt19937_64 rng(18);
    for (int i = 0; i < 20000; ++i) {
        double x = fromBits(rng());
        if (std::isfinite(x)) expectShortest(x);
    }
    for (int e = -1074; e <= 1023; ++e) {
        expectShortest(std::ldexp(1.0, e));
        expectShortest(std::nextafter(std::ldexp(1.0, e), 0.0));
    }
    std::uniform_real_distribution<float> twips(-20000.0f, 20000.0f);
    std::uniform_int_distribution<int> whole(-2000000000, 2000000000),
        hundredths(-1000000, 1000000);
    for (int i = 0; i < 50000; ++i) {
        expectShortest(double(twips(rng)));
        expectShortest(double(whole(rng)));
        expectShortest(hundredths(rng) / 100.0);
    }
}

TEST(NumberText, ReadsDecimalsAsFromCharsDoesWhateverTheLocale) {
    // A locale whose decimal point is a comma, where installed, must not change anything.
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = old ? old : "C";
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    const char* inputs[] = {"0",
                            "-0",
                            "12",
                            "12.5",
                            ".5",
                            "5.",
                            "1e3",
                            "1E3",
                            "1e+3",
                            "2.5e-3",
                            "0.1",
                            "0.30000000000000004",
                            "9007199254740993",
                            "1e308",
                            "1.7976931348623157e308",
                            "4.9406564584124654e-324",
                            "2.4703282292062328e-324",
                            "00012.000",
                            "123456789012345678901234567890",
                            "0.000000000000000000000000000001"};
    for (const char* in : inputs) {
        double want = 0, got = -1;
        auto r = std::from_chars(in, in + std::strlen(in), want);
        ASSERT_EQ(r.ec, std::errc()) << in;
        ASSERT_TRUE(readNumber(in, got)) << in;
        EXPECT_EQ(std::memcmp(&want, &got, sizeof want), 0) << in;
    }
    for (const char* bad : {"", "-", ".", "e5", "1e", "1e+", "+1", " 1", "1 ", "1,5", "0x10",
                            "1e400", "-1e400", "inf", "nan", "infinity", "1.2.3", "--1", "1e5x"}) {
        double v = 7;
        EXPECT_FALSE(readNumber(bad, v)) << bad;
        EXPECT_EQ(v, 7) << bad;
    }
    std::setlocale(LC_NUMERIC, saved.c_str());
}
