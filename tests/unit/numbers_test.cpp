#include "scene/numbers.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

#include "scene/color.h"

using namespace scene;

TEST(Numbers, WholeNumbersRoundHalfToEven) {
    struct Row {
        double in;
        double out;
    };
    for (Row r : {Row{0.5, 0},
                  {1.5, 2},
                  {2.5, 2},
                  {3.5, 4},
                  {-0.5, 0},
                  {-1.5, -2},
                  {-2.5, -2},
                  {2.4999, 2},
                  {2.5001, 3},
                  {203.4, 203},
                  {-7.6, -8}})
        EXPECT_EQ(roundHalfEven(r.in), r.out) << r.in;
    EXPECT_EQ(toLong(1e300), INT32_MAX);
    EXPECT_EQ(toLong(-1e300), INT32_MIN);
    EXPECT_EQ(toLong(NAN), 0);
    EXPECT_EQ(toInteger(40000), 32767);
    EXPECT_EQ(toInteger(15.5), 16);
    EXPECT_EQ(toInteger(14.5), 14);
}

TEST(Numbers, IntIsFloor) {
    EXPECT_EQ(Int(203.4), 203);
    EXPECT_EQ(Int(-0.1), -1);
    EXPECT_EQ(Int(-3), -3);
}

TEST(Numbers, SingleKeepsHalvesAndSaturates) {
    EXPECT_EQ(toSingle(4152.5), 4152.5f);
    EXPECT_EQ(toSingle(3735.0 / 16), 233.4375f);
    EXPECT_EQ(toSingle(1e300), FLT_MAX);
    EXPECT_EQ(toSingle(NAN), 0.0f);
}

TEST(Numbers, ValReadsTheLeadingNumber) {
    struct Row {
        const char* in;
        double out;
    };
    for (Row r :
         {Row{" 4483", 4483}, {"64", 64},         {"12abc", 12},    {"abc", 0},  {"", 0},
          {"   ", 0},         {"-0", 0},          {"-3.5e2", -350}, {".5", 0.5}, {"1.2.3", 1.2},
          {"+7", 7},          {"2000 m/s", 2000}, {"\t 8", 8},      {"nan", 0},  {"inf", 0},
          {"-", 0},           {"1e", 1},          {"1e+", 1},       {"7.", 7},   {"1E3", 1000},
          {"1d2", 100}})
        EXPECT_EQ(Val(r.in), r.out) << "'" << r.in << "'";
    EXPECT_EQ(Val("1e308"), 1e308);
    EXPECT_EQ(Val("1e309"), DBL_MAX);
    EXPECT_EQ(Val("-1e308000"), -DBL_MAX);
    EXPECT_EQ(Val("1e-400"), 0);
    EXPECT_EQ(Val(std::string(10000, '9')), DBL_MAX);
    // Whole numbers at the edge of 15 digits read the same whichever way they are parsed.
    EXPECT_EQ(Val("999999999999999"), 999999999999999.0);
    EXPECT_EQ(Val("-1234567890123456"), -1234567890123456.0);
    EXPECT_EQ(Val("12345678901234567890"), 12345678901234567890.0);
    EXPECT_EQ(Val(" 00042x"), 42);
    EXPECT_TRUE(std::signbit(Val("-0")));
}

TEST(Numbers, NumberToText) {
    struct Row {
        double in;
        const char* digits;
    };
    for (Row r : {Row{6693, "6693"},
                  {0, "0"},
                  {-5, "-5"},
                  {0.1, "0.1"},
                  {12.5, "12.5"},
                  {1.0 / 3, "0.333333333333333"},
                  {1e15, "1E+15"},
                  {123456789012345.0, "123456789012345"},
                  {1e16, "1E+16"},
                  {0.0001, "0.0001"},
                  {0.00001, "1E-05"},
                  {-2.5e-7, "-2.5E-07"},
                  {100, "100"},
                  {7797.815, "7797.815"},
                  {999999999999999.0, "999999999999999"},
                  {-999999999999999.0, "-999999999999999"},
                  {-1e15, "-1E+15"},
                  {-0.0, "0"},
                  {4294967296.0, "4294967296"}})
        EXPECT_EQ(digits(r.in), r.digits) << r.in;
    EXPECT_EQ(Str(5), " 5");
    EXPECT_EQ(Str(-5), "-5");
    EXPECT_EQ(Str(0), " 0");
    // Nothing that is not a number reaches the screen as text.
    EXPECT_EQ(digits(NAN), "0");
    EXPECT_EQ(digits(INFINITY), "1.79769313486232E+308");
}

TEST(Colors, QBColorPalette) {
    const Color expected[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    for (int i = 0; i < 16; ++i) EXPECT_EQ(QBColor(i), expected[i]) << i;
    EXPECT_EQ(red(QBColor(12)), 255);
    EXPECT_EQ(blue(QBColor(9)), 255);
    EXPECT_EQ(QBColor(16), QBColor(0));  // folds, never indexes out of the table
    EXPECT_EQ(QBColor(-1), QBColor(15));
}

TEST(Colors, NegativeLineColoursShowTheirLowThreeBytes) {
    EXPECT_EQ(lineColor(-2000000), 0xE17B80u);
    EXPECT_EQ(lineColor(-5000000), 0xB3B4C0u);
    EXPECT_EQ(lineColor(-8007000), 0x85D2A8u);
    EXPECT_EQ(lineColor(0x00FF00FF), 0xFF00FFu);
    EXPECT_EQ(lineColor(-1), 0xFFFFFFu);
}
