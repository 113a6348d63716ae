#include "scene/textlayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

using namespace scene::text;

constexpr double kTwipsPerPx = 15.0;

const Font k8{8.25, false, false};
const Font k9{9.75, false, false};
const Font k12{12.0, false, false};

std::u32string U(std::string_view utf8) { return decodeUtf8(utf8); }

std::vector<std::u32string> texts(const Layout& l) {
    std::vector<std::u32string> out;
    for (const auto& line : l.lines) out.push_back(line.text);
    return out;
}

bool allFinite(const Layout& l) {
    if (!std::isfinite(l.lineHeight)) return false;
    for (const auto& line : l.lines) {
        if (!std::isfinite(line.width) || !std::isfinite(line.top) || !std::isfinite(line.baseline))
            return false;
        for (double x : line.x)
            if (!std::isfinite(x)) return false;
    }
    return true;
}

// ---------------------------------------------------------------------------------------------
// Design table

TEST(TextDesignMetrics, RecognisesOnlyTheDesignSizes) {
    EXPECT_TRUE(hasDesignMetrics(8.25));
    EXPECT_TRUE(hasDesignMetrics(9.75));
    EXPECT_TRUE(hasDesignMetrics(12));
    EXPECT_TRUE(hasDesignMetrics(12.0000001));
    EXPECT_TRUE(hasDesignMetrics(8.2499999));
    EXPECT_FALSE(hasDesignMetrics(8));
    EXPECT_FALSE(hasDesignMetrics(10));
    EXPECT_FALSE(hasDesignMetrics(13.5));
    EXPECT_FALSE(hasDesignMetrics(18));
    EXPECT_FALSE(hasDesignMetrics(48));
    EXPECT_FALSE(hasDesignMetrics(std::nan("")));
}

TEST(TextDesignMetrics, LinePitchAndBaselinePerSize) {
    EXPECT_DOUBLE_EQ(metrics(k8).linePx, 13);
    EXPECT_DOUBLE_EQ(metrics(k8).ascentPx, 11);
    EXPECT_DOUBLE_EQ(metrics(k9).linePx, 16);
    EXPECT_DOUBLE_EQ(metrics(k9).ascentPx, 13);
    EXPECT_DOUBLE_EQ(metrics(k12).linePx, 20);
    EXPECT_DOUBLE_EQ(metrics(k12).ascentPx, 16);
}

TEST(TextDesignMetrics, OtherSizesUseTheCallersMetricsOrTheEm) {
    const Font heading{18, true, false};
    EXPECT_DOUBLE_EQ(metrics(heading).linePx, 1.2 * 24);
    EXPECT_DOUBLE_EQ(metrics(heading).ascentPx, 0.9 * 24);
    EXPECT_DOUBLE_EQ(metrics(heading, Metrics{29, 23}).linePx, 29);
    EXPECT_DOUBLE_EQ(metrics(heading, Metrics{29, 23}).ascentPx, 23);
    // The design table wins over whatever the front end measured.
    EXPECT_DOUBLE_EQ(metrics(k8, Metrics{11, 9}).linePx, 13);
    // Garbage from the caller is not passed on.
    EXPECT_DOUBLE_EQ(metrics(heading, Metrics{std::nan(""), 3}).linePx, 1.2 * 24);
    EXPECT_TRUE(std::isfinite(metrics(Font{std::nan(""), false, false}).linePx));
    EXPECT_TRUE(std::isfinite(metrics(Font{-3, false, false}).ascentPx));
}

// Spot values from the design font, one per region of the table, so a shifted or truncated
// transcription shows up.
TEST(TextDesignMetrics, TableValuesLandOnTheirCodes) {
    EXPECT_DOUBLE_EQ(advance(U' ', k8), 3);
    EXPECT_DOUBLE_EQ(advance(U'W', k8), 11);
    EXPECT_DOUBLE_EQ(advance(U'i', k8), 2);
    EXPECT_DOUBLE_EQ(advance(U'?', k8), 6);
    EXPECT_DOUBLE_EQ(advance(U'%', k9), 12);
    EXPECT_DOUBLE_EQ(advance(U'W', k12), 15);
    EXPECT_DOUBLE_EQ(advance(U'0', k12), 9);
    EXPECT_DOUBLE_EQ(advance(U'\u00FF', k8), 5);  // last code
    EXPECT_DOUBLE_EQ(advance(U'\u00FD', k8), 5);
    EXPECT_DOUBLE_EQ(advance(U'\u00FE', k8), 6);
}

TEST(TextDesignMetrics, BoldIsOnePixelWiderPerCharacter) {
    for (const Font& f : {k8, k9, k12}) {
        Font bold = f;
        bold.bold = true;
        for (char32_t c = 0x20; c <= 0xFF; ++c)
            EXPECT_DOUBLE_EQ(advance(c, bold), advance(c, f) + 1)
                << f.points << " U+" << unsigned(c);
        const std::string_view caption = "Sun is 330,000 times";
        const auto plain = layout(caption, f, 1000, Align::Left);
        const auto heavy = layout(caption, bold, 1000, Align::Left);
        ASSERT_EQ(heavy.lines.size(), 1u);
        EXPECT_DOUBLE_EQ(heavy.lines[0].width, plain.lines[0].width + double(caption.size()));
        EXPECT_DOUBLE_EQ(heavy.lines[0].x[5], plain.lines[0].x[5] + 5);
    }
}

// ---------------------------------------------------------------------------------------------
// Characters to Windows-1252 codes

TEST(TextCharacterMapping, PunctuationOfTheC1RangeUsesItsWindowsCode) {
    // Curly quotes are 3 px in the design font, '?' is 6: falling back would misplace text.
    EXPECT_DOUBLE_EQ(advance(U'\u2019', k8), 3);   // ’ -> 0x92
    EXPECT_DOUBLE_EQ(advance(U'\u2018', k8), 3);   // ‘ -> 0x91
    EXPECT_DOUBLE_EQ(advance(U'\u201C', k8), 4);   // “ -> 0x93
    EXPECT_DOUBLE_EQ(advance(U'\u2022', k9), 5);   // • -> 0x95
    EXPECT_DOUBLE_EQ(advance(U'\u2013', k8), 5);   // – -> 0x96
    EXPECT_DOUBLE_EQ(advance(U'\u20AC', k8), 6);   // € -> 0x80
    EXPECT_DOUBLE_EQ(advance(U'\u00E9', k9), 8);   // é, Latin-1 as is
    EXPECT_DOUBLE_EQ(advance(U'\u00E6', k8), 10);  // æ
}

TEST(TextCharacterMapping, CharactersWithoutACodeTakeTheQuestionMark) {
    for (const Font& f : {k8, k9, k12}) {
        const double q = advance(U'?', f);
        for (char32_t c : {U'\u2082', U'\u4E2D', U'\U0001F600', U'\u0001', U'\t', U'\u007F',
                           U'\u0085', U'\u0092', U'\uFFFD', U'\u0000', char32_t(0x110000)})
            EXPECT_DOUBLE_EQ(advance(c, f), q) << f.points << " U+" << std::hex << unsigned(c);
    }
    // 'q₁' is as wide as 'q?', not shorter or NaN.
    EXPECT_DOUBLE_EQ(layout("kq\u2081q\u2082", k12, 500, Align::Left).lines[0].width,
                     layout("kq?q?", k12, 500, Align::Left).lines[0].width);
}

TEST(TextCharacterMapping, SizesOutsideTheTableUseTheFallback) {
    const Font heading{18, false, false};
    const Font boldHeading{18, true, false};
    // Headless: 12 pt widths scaled.
    EXPECT_DOUBLE_EQ(advance(U'W', heading), 15 * 1.5);
    EXPECT_DOUBLE_EQ(advance(U'W', boldHeading), 16 * 1.5);
    EXPECT_DOUBLE_EQ(advance(U'\u2082', heading), advance(U'?', heading));

    std::vector<char32_t> asked;
    const AdvanceFn face = [&](char32_t c) {
        asked.push_back(c);
        return c == U'\u2082' ? 7.25 : 10.5;
    };
    // The bundled face knows characters the design font lacked.
    EXPECT_DOUBLE_EQ(advance(U'\u2082', heading, face), 7.25);
    EXPECT_DOUBLE_EQ(advance(U'W', heading, face), 10.5);
    // Design sizes never consult it.
    asked.clear();
    EXPECT_DOUBLE_EQ(advance(U'W', k12, face), 15);
    EXPECT_TRUE(asked.empty());

    const auto l = layout("ab\u2082", heading, 1000, Align::Left, true, face);
    ASSERT_EQ(l.lines.size(), 1u);
    EXPECT_DOUBLE_EQ(l.lines[0].width, 10.5 + 10.5 + 7.25);
    EXPECT_DOUBLE_EQ(l.lines[0].x[2], 21);
    EXPECT_DOUBLE_EQ(l.lineHeight, 1.2 * 24);
}

TEST(TextCharacterMapping, BrokenFallbackValuesNeverReachTheLayout) {
    const Font heading{13.5, false, false};
    const AdvanceFn nanFace = [](char32_t) { return std::nan(""); };
    const AdvanceFn negativeFace = [](char32_t c) { return c == U'?' ? 9.0 : -4.0; };
    const AdvanceFn hugeFace = [](char32_t) { return 1e300; };
    EXPECT_DOUBLE_EQ(advance(U'W', heading, nanFace), advance(U'W', heading));
    EXPECT_DOUBLE_EQ(advance(U'W', heading, negativeFace), 9.0);
    EXPECT_TRUE(allFinite(layout("Parabola antenna", heading, 100, Align::Center, true, hugeFace)));
    EXPECT_TRUE(allFinite(layout("Parabola antenna", heading, 100, Align::Right, true, nanFace)));
}

// ---------------------------------------------------------------------------------------------
// Formula captions: the runs of blanks must sit where the small labels were placed. The expected
// twips are the design font's gaps as measured on the lesson pages' design, between glyph inks; a
// glyph's ink sits 0..2 px inside its cell, so a gap's measured start may lie up to 30 twips
// before where our blank run starts, and its end up to 30 twips after where our run ends. One
// blank lost or gained moves a gap by 45..60 twips; a wrong size or missing bold drifts further.

struct Gap {
    double start;
    double end;
};

struct FormulaCase {
    const char* name;
    const char* caption;
    Font font;
    std::vector<Gap> gaps;
    double textEnd;
};
// A failure names its case instead of dumping its bytes.
void PrintTo(const FormulaCase& c, std::ostream* os) { *os << c.name; }

// Runs of two or more blanks, plus where the text ends, in twips.
std::vector<Gap> blankRuns(const LineLayout& line) {
    std::vector<Gap> out;
    const auto& t = line.text;
    for (std::size_t i = 0; i < t.size();) {
        if (t[i] != U' ') {
            ++i;
            continue;
        }
        std::size_t j = i;
        while (j < t.size() && t[j] == U' ') ++j;
        if (j - i >= 2 && j < t.size())
            out.push_back({line.x[i] * kTwipsPerPx, line.x[j] * kTwipsPerPx});
        i = j;
    }
    return out;
}

class FormulaGaps : public testing::TestWithParam<FormulaCase> {};

TEST_P(FormulaGaps, BlankRunsSitWhereTheSmallLabelsAre) {
    const FormulaCase& c = GetParam();
    // Formulas sit in boxes sized for them; wrapping must leave them alone.
    const auto l = layout(c.caption, c.font, 2000, Align::Left, true);
    ASSERT_EQ(l.lines.size(), 1u);
    EXPECT_EQ(l.lines[0].text, U(c.caption));
    const auto runs = blankRuns(l.lines[0]);
    ASSERT_EQ(runs.size(), c.gaps.size());
    for (std::size_t i = 0; i < runs.size(); ++i) {
        SCOPED_TRACE("gap " + std::to_string(i));
        EXPECT_GE(c.gaps[i].start, runs[i].start - 30);
        EXPECT_LE(c.gaps[i].start, runs[i].start);
        EXPECT_GE(c.gaps[i].end, runs[i].end);
        EXPECT_LE(c.gaps[i].end, runs[i].end + 30);
    }
    const double end = l.lines[0].width * kTwipsPerPx;
    EXPECT_GE(c.textEnd, end - 30);
    EXPECT_LE(c.textEnd, end);
}

INSTANTIATE_TEST_SUITE_P(
    LessonCaptions, FormulaGaps,
    testing::Values(
        // Lesson 1, gravitational constant at 16 px: exponent "-11" and the two "2"s.
        FormulaCase{"GravitationalConstant",
                    " G = 6.6 x 10        Nm   /kg",
                    k12,
                    {{1320, 1845}, {2160, 2355}},
                    2655},
        // Lesson 1, Newton's law with subscripted F, M and exponent of R.
        FormulaCase{"NewtonsLaw",
                    "|F  | = |F  | = GM   M   /R",
                    k12,
                    {{225, 375}, {900, 1050}, {1710, 1950}, {2085, 2295}},
                    2520},
        // Lesson 7, bold 13 px: the f1/f2 subscripts; off by a pixel per character without bold.
        FormulaCase{"BoldFocusSum",
                    "f     = f     = a   - b",
                    Font{9.75, true, false},
                    {{60, 375}, {600, 915}, {1215, 1395}},
                    1650},
        // Lesson 4, 11 px: pi stroke, "2" and the exponent "3" over the blanks.
        FormulaCase{
            "KeplerMass", "M = 4           R    /GT", k8, {{405, 915}, {1005, 1215}}, 1485}),
    [](const testing::TestParamInfo<FormulaCase>& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------------
// Word wrap

// Line breaks of the lesson pages as designed (greedy breaking at the design widths).
TEST(TextWordWrap, BreaksGreedilyAtTheDesignWidths) {
    EXPECT_EQ(texts(layout("The mass of the earth M can be calculated using the following values:",
                           k8, 4815 / kTwipsPerPx, Align::Left)),
              (std::vector<std::u32string>{
                  U"The mass of the earth M can be calculated using the following", U"values:"}));
    EXPECT_EQ(texts(layout("We now know that the space station orbits the earth for 87 minutes. "
                           "Therefore astronouts inside it will see sunrise every 87 minutes!!",
                           k8, 2535 / kTwipsPerPx, Align::Left)),
              (std::vector<std::u32string>{U"We now know that the space",
                                           U"station orbits the earth for 87",
                                           U"minutes. Therefore astronouts",
                                           U"inside it will see sunrise every 87", U"minutes!!"}));
    EXPECT_EQ(
        texts(layout(
            "Now, what happens if the initial velocity is according to the following equation:",
            Font{12, true, false}, 3855 / kTwipsPerPx, Align::Left)),
        (std::vector<std::u32string>{U"Now, what happens if the initial",
                                     U"velocity is according to the", U"following equation:"}));
    // The same caption and box wrap differently at 11 and 13 px.
    EXPECT_EQ(
        layout("2500 km high from earth surface", k8, 1575 / kTwipsPerPx, Align::Left).lines.size(),
        2u);
    EXPECT_EQ(
        layout("2500 km high from earth surface", k9, 1575 / kTwipsPerPx, Align::Left).lines.size(),
        3u);
}

TEST(TextWordWrap, LinesAreGreedyAndStayInsideTheBox) {
    const std::string sentence =
        "A circle is a special case of ellipse. It is an ellipse whose focuses join into a single "
        "point, which is the center of circle!";
    const std::u32string words = U(sentence);
    for (const Font& f : {k8, k9, Font{12, true, false}}) {
        // From the widest word on, so no word needs breaking between characters.
        double widestWord = 0;
        for (std::u32string_view rest = words; !rest.empty();) {
            const auto word = rest.substr(0, rest.find(U' '));
            double w = 0;
            for (char32_t c : word) w += advance(c, f);
            widestWord = std::max(widestWord, w);
            rest.remove_prefix(std::min(rest.size(), word.size() + 1));
        }
        for (double box = widestWord; box <= 420; box += 7) {
            SCOPED_TRACE("size " + std::to_string(f.points) + " box " + std::to_string(box));
            const auto l = layout(sentence, f, box, Align::Left);
            std::u32string joined;
            for (std::size_t n = 0; n < l.lines.size(); ++n) {
                const auto& line = l.lines[n];
                ASSERT_FALSE(line.text.empty());
                EXPECT_NE(line.text.front(), U' ');
                EXPECT_NE(line.text.back(), U' ');
                const bool singleWord = line.text.find(U' ') == std::u32string::npos;
                if (!singleWord) {
                    EXPECT_LE(line.width, box);
                }
                EXPECT_DOUBLE_EQ(line.top, double(n) * l.lineHeight);
                if (n + 1 < l.lines.size()) {
                    // The next line's first word would not have fit after a blank.
                    const auto& next = l.lines[n + 1].text;
                    const auto firstWord = next.substr(0, next.find(U' '));
                    double w = line.width + advance(U' ', f);
                    for (char32_t c : firstWord) w += advance(c, f);
                    EXPECT_GT(w, box);
                }
                joined += (n ? U" " : U"") + line.text;
            }
            EXPECT_EQ(joined, words);
        }
    }
}

TEST(TextWordWrap, AWordWiderThanTheBoxBreaksBetweenCharacters) {
    const auto l = layout("Gravitation", k8, 20, Align::Left);
    ASSERT_GT(l.lines.size(), 1u);
    std::u32string joined;
    for (const auto& line : l.lines) {
        EXPECT_LE(line.width, 20);
        EXPECT_DOUBLE_EQ(line.x.front(), 0);
        joined += line.text;
    }
    EXPECT_EQ(joined, U"Gravitation");
    // The rest of a broken word shares its line with the words after it.
    const auto mixed = layout("Supercalifragilistic is", k8, 40, Align::Left);
    EXPECT_EQ(mixed.lines.back().text.substr(mixed.lines.back().text.size() - 3), U" is");
    // Even a box narrower than one character makes progress, one character a line.
    EXPECT_EQ(layout("WWW", k8, 1, Align::Left).lines.size(), 3u);
}

TEST(TextWordWrap, LeadingBlanksAreKeptBlanksAtBreaksAreDropped) {
    const auto l =
        layout("   As the position of light ray approaches the center line", k8, 120, Align::Left);
    ASSERT_GT(l.lines.size(), 1u);
    EXPECT_EQ(l.lines[0].text.substr(0, 5), U"   As");
    EXPECT_DOUBLE_EQ(l.lines[0].x[3], 9);  // three 3 px blanks
    for (std::size_t n = 1; n < l.lines.size(); ++n) EXPECT_NE(l.lines[n].text.front(), U' ');

    // A wide gap at a break disappears entirely instead of indenting the next line.
    const auto gap = layout("force          acting", k8, 40, Align::Left);
    EXPECT_EQ(texts(gap), (std::vector<std::u32string>{U"force", U"acting"}));

    // Gaps that fit are kept as they are: they are where small labels sit.
    const std::string formula = "y     =    Vo     sin     (a)";
    const double w = layout(formula, k9, 1000, Align::Left).lines[0].width;
    EXPECT_EQ(texts(layout(formula, k9, w, Align::Left)), std::vector<std::u32string>{U(formula)});
    EXPECT_EQ(layout(formula, k9, w - 1, Align::Left).lines.size(), 2u);
}

TEST(TextWordWrap, NoUsableBoxWidthMeansNoWrapping) {
    const std::string sentence = "On the moon, stone flies higher and farther and takes more time";
    const double inf = std::numeric_limits<double>::infinity();
    for (double box : {0.0, -50.0, std::nan(""), inf, -inf}) {
        for (Align a : {Align::Left, Align::Right, Align::Center}) {
            const auto l = layout(sentence, k8, box, a);
            ASSERT_EQ(l.lines.size(), 1u) << box;
            EXPECT_EQ(l.lines[0].text, U(sentence));
            EXPECT_TRUE(allFinite(l)) << box;
            EXPECT_DOUBLE_EQ(l.lines[0].x.front(), 0) << box;  // the only line is the widest
        }
    }
    EXPECT_EQ(layout(sentence, k8, 60, Align::Left, false).lines.size(), 1u);
}

// ---------------------------------------------------------------------------------------------
// Hard breaks and alignment

TEST(TextHardBreaks, EachBreakStyleEndsALine) {
    const auto l = layout("Earth\r\nCenter\nof\rmass", k8, 500, Align::Left);
    EXPECT_EQ(texts(l), (std::vector<std::u32string>{U"Earth", U"Center", U"of", U"mass"}));
    for (std::size_t n = 0; n < l.lines.size(); ++n) {
        EXPECT_DOUBLE_EQ(l.lines[n].top, 13.0 * double(n));
        EXPECT_DOUBLE_EQ(l.lines[n].baseline, 13.0 * double(n) + 11);
        EXPECT_DOUBLE_EQ(l.lines[n].x.front(), 0);
    }
    EXPECT_EQ(texts(layout("a\r\n\r\nb", k8, 500, Align::Left)),
              (std::vector<std::u32string>{U"a", U"", U"b"}));
    EXPECT_EQ(texts(layout("a\n\rb", k8, 500, Align::Left)),
              (std::vector<std::u32string>{U"a", U"", U"b"}));
    EXPECT_EQ(texts(layout("end\n", k8, 500, Align::Left)),
              (std::vector<std::u32string>{U"end", U""}));
    // Breaks and wrapping together; wrapped lines continue the same pitch.
    const auto both = layout("Initial Velocity\nof the stone", k9, 73, Align::Left);
    ASSERT_EQ(texts(both), (std::vector<std::u32string>{U"Initial", U"Velocity", U"of the stone"}));
    EXPECT_DOUBLE_EQ(both.lines[2].top, 32);
    EXPECT_DOUBLE_EQ(both.lines[2].baseline, 45);
}

TEST(TextAlignment, RightAndCentreMoveWholeLines) {
    const std::string caption = "Earth\nCenter";
    const auto left = layout(caption, Font{12, true, false}, 81, Align::Left);
    const auto right = layout(caption, Font{12, true, false}, 81, Align::Right);
    const auto centre = layout(caption, Font{12, true, false}, 81, Align::Center);
    ASSERT_EQ(right.lines.size(), 2u);
    ASSERT_EQ(centre.lines.size(), 2u);
    bool sawHalfPixel = false;
    for (std::size_t n = 0; n < 2; ++n) {
        const auto& l = left.lines[n];
        const auto& r = right.lines[n];
        const auto& c = centre.lines[n];
        EXPECT_DOUBLE_EQ(r.x.front() + r.width, 81);
        EXPECT_DOUBLE_EQ(c.x.front(), (81 - c.width) / 2);
        for (std::size_t i = 0; i < l.x.size(); ++i) {
            EXPECT_DOUBLE_EQ(r.x[i] - r.x.front(), l.x[i]);
            EXPECT_DOUBLE_EQ(c.x[i] - c.x.front(), l.x[i]);
        }
        sawHalfPixel |= c.x.front() != std::floor(c.x.front());
    }
    EXPECT_TRUE(sawHalfPixel);  // odd leftovers are split, not rounded

    // Without a usable box, lines align against the widest one.
    const auto unboxed = layout(caption, k8, 0, Align::Right, true);
    const double widest = std::max(unboxed.lines[0].width, unboxed.lines[1].width);
    for (const auto& line : unboxed.lines) EXPECT_DOUBLE_EQ(line.x.front() + line.width, widest);
}

// ---------------------------------------------------------------------------------------------
// Input robustness

TEST(TextUtf8, DecodesValidAndReplacesInvalidSequences) {
    EXPECT_EQ(decodeUtf8("caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80"),
              U"caf\u00E9 \u20AC \U0001F600");
    EXPECT_EQ(decodeUtf8("\xFF"), U"\uFFFD");
    EXPECT_EQ(decodeUtf8("\xE2\x82x"), U"\uFFFDx");                // truncated, next byte kept
    EXPECT_EQ(decodeUtf8("ab\xE2\x82"), U"ab\uFFFD");              // truncated at the end
    EXPECT_EQ(decodeUtf8("\xC0\xAF"), U"\uFFFD\uFFFD");            // overlong '/'
    EXPECT_EQ(decodeUtf8("\xE0\x80\xAF"), U"\uFFFD\uFFFD\uFFFD");  // overlong, three bytes
    EXPECT_EQ(decodeUtf8("\xED\xA0\x80"), U"\uFFFD\uFFFD\uFFFD");  // surrogate
    EXPECT_EQ(decodeUtf8("\xF4\x90\x80\x80"), U"\uFFFD\uFFFD\uFFFD\uFFFD");  // past U+10FFFF
    EXPECT_EQ(decodeUtf8("\x80x"), U"\uFFFDx");
    EXPECT_EQ(decodeUtf8(std::string_view("a\0b", 3)), std::u32string(U"a\0b", 3));
    EXPECT_EQ(decodeUtf8(""), U"");
}

TEST(TextUtf8, InvalidBytesLayOutAsQuestionMarks) {
    const auto l = layout("m/s\xFF\xC3", k8, 500, Align::Left);
    ASSERT_EQ(l.lines.size(), 1u);
    EXPECT_EQ(l.lines[0].text, U"m/s\uFFFD\uFFFD");
    EXPECT_DOUBLE_EQ(l.lines[0].width, layout("m/s??", k8, 500, Align::Left).lines[0].width);
}

TEST(TextRobustness, EmptyTextHasNoLines) {
    const auto l = layout("", k9, 100, Align::Center);
    EXPECT_TRUE(l.lines.empty());
    EXPECT_DOUBLE_EQ(l.lineHeight, 16);
    EXPECT_TRUE(layout("", k9, -1, Align::Right, true).lines.empty());
}

TEST(TextRobustness, VeryLongInputIsLaidOutCompletely) {
    std::string prose;
    while (prose.size() < 100000) prose += "Space shuttles travel where air does not exist. ";
    const auto wrapped = layout(prose, k9, 300, Align::Center);
    std::size_t letters = 0;
    for (const auto& line : wrapped.lines) {
        EXPECT_LE(line.width, 300);
        for (char32_t c : line.text) letters += c != U' ';
    }
    std::size_t expected = 0;
    for (char c : prose) expected += c != ' ';
    EXPECT_EQ(letters, expected);
    EXPECT_TRUE(allFinite(wrapped));

    const std::string word(100000, 'x');
    const auto broken = layout(word, k8, 50, Align::Left);
    std::size_t total = 0;
    for (const auto& line : broken.lines) total += line.text.size();
    EXPECT_EQ(total, word.size());

    const auto unwrapped = layout(prose, k8, 0, Align::Right);
    ASSERT_EQ(unwrapped.lines.size(), 1u);
    EXPECT_EQ(unwrapped.lines[0].x.size(), prose.size());
}

// ---------------------------------------------------------------------------------------------
// Fitting a caption to its box

TEST(TextFit, ACaptionThatFitsKeepsScaleOneAndItsLayout) {
    const std::string text = "We see here, as V init  surpasses 1.414 * V circle";
    const auto fitted = fitLayout(text, k9, 3015 / kTwipsPerPx, 735 / kTwipsPerPx, Align::Left);
    const auto plain = layout(text, k9, 3015 / kTwipsPerPx, Align::Left);
    EXPECT_EQ(fitted.scale, 1);
    EXPECT_TRUE(fitted.fits);
    EXPECT_EQ(texts(fitted.layout), texts(plain));
    // One line taller than its box is shown from the top as it always was: the formulas' small
    // labels are such boxes.
    EXPECT_EQ(fitLayout("2", k9, 135 / kTwipsPerPx, 135 / kTwipsPerPx, Align::Left).scale, 1);
}

TEST(TextFit, LinesBeyondTheBoxShrinkTheCaptionAndTheWrapFollowsTheScale) {
    // Three lines at 13 px in a box of two: drawn smaller, wrapped anew for the wider room.
    const double w = 1575 / kTwipsPerPx, h = 495 / kTwipsPerPx;
    const std::string text = "13164 km high from earth surface";
    ASSERT_FALSE(showsEveryWord(layout(text, k9, w, Align::Left), w, h));
    const auto fitted = fitLayout(text, k9, w, h, Align::Left);
    EXPECT_TRUE(fitted.fits);
    EXPECT_LT(fitted.scale, 1);
    EXPECT_GE(fitted.scale, kMinFitScale);
    EXPECT_EQ(fitted.layout.lines.size(), 2u);
    EXPECT_TRUE(showsEveryWord(fitted.layout, w, h, fitted.scale));
    // The largest such scale: one step larger loses the word again.
    const double larger = fitted.scale + 1.0 / 1024;
    EXPECT_FALSE(showsEveryWord(layout(text, k9, w / larger, Align::Left), w, h, larger));

    // A single line a little too wide for its one-line box stays one line, a little smaller.
    const auto one = fitLayout("Initial Velocity", k9, 73, 17, Align::Center);
    EXPECT_EQ(texts(one.layout), (std::vector<std::u32string>{U"Initial Velocity"}));
    EXPECT_GT(one.scale, 0.85);
    EXPECT_LT(one.scale, 1);
}

TEST(TextFit, AWordBrokenBetweenCharactersOrOutsideTheBoxIsNotShown) {
    // "HYPERBOLIC" alone is wider than 40 px: broken between characters, so it must shrink.
    EXPECT_FALSE(showsEveryWord(layout("HYPERBOLIC", k8, 40, Align::Left), 40, 100));
    const auto fitted = fitLayout("HYPERBOLIC", k8, 40, 100, Align::Left);
    EXPECT_TRUE(fitted.fits);
    EXPECT_EQ(fitted.layout.lines.size(), 1u);
    // Without wrapping, a line crossing either edge loses its ends.
    EXPECT_FALSE(showsEveryWord(layout("V circle", k8, 20, Align::Center, false), 20, 100));
    EXPECT_TRUE(fitLayout("V circle", k8, 20, 100, Align::Center, false).fits);
}

TEST(TextFit, WhatCannotFitIsDrawnAtTheSmallestScaleAndSaysSo) {
    std::string prose;
    for (int i = 0; i < 40; ++i) prose += "words and more words ";
    const auto fitted = fitLayout(prose, k8, 60, 20, Align::Left);
    EXPECT_FALSE(fitted.fits);
    EXPECT_EQ(fitted.scale, kMinFitScale);
    EXPECT_TRUE(allFinite(fitted.layout));
    // A box of no usable size is not fitted at all.
    for (double bad : {0.0, -5.0, std::nan(""), std::numeric_limits<double>::infinity()}) {
        EXPECT_EQ(fitLayout(prose, k8, bad, 20, Align::Left).scale, 1);
        EXPECT_EQ(fitLayout(prose, k8, 60, bad, Align::Left).scale, 1);
    }
    EXPECT_TRUE(fitLayout("", k8, 60, 20, Align::Left).fits);
}

}  // namespace
