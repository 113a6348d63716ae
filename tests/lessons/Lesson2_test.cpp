// Lesson 2, attraction between two masses: the invisible teacher's pointer, the three rows of
// falling balls with the mended motion step, the closing text, Replay, and what the lesson does
// with a ratio box that holds no sensible number.
#include "lessons/gravity/Lesson2.h"

#include <gtest/gtest.h>

#include <cmath>

#include "scene/pointer.h"
#include "scene/textlayout.h"
#include "tests/lessons/lesson_fixture.h"

namespace {

using lessons::Lesson2;

struct Lesson2Script : lessontest::LessonRun<Lesson2> {
    Lesson2Script() : LessonRun("Lesson2") {}
    // Ticks until row `r`'s balls are out and falling (the first motion step is the next tick).
    void untilFallOf(int r) {
        while (!(form().row == r && form().Shape1(2 * r).Visible && !form().joined)) tick();
    }
    void type(const std::string& text) { s.program().type(form().Ratio, text); }
    double left(int k) { return form().Shape1(k).Left; }
};

// --- The pointer -------------------------------------------------------------------------------

// The pointer moves of a whole run, split where the pointer pauses (typing, ticking, falling).
std::vector<std::vector<driver::CursorRecord>> moves(const std::vector<driver::CursorRecord>& all) {
    std::vector<std::vector<driver::CursorRecord>> out;
    for (size_t k = 0; k < all.size(); ++k) {
        if (k == 0 || all[k].t - all[k - 1].t > 250) out.emplace_back();
        out.back().push_back(all[k]);
    }
    return out;
}

// Inside the box and clear of its frame: at least 4 pixels from every edge.
bool wellInside(const scene::Control& c, scene::TwipPoint p) {
    const double m = 4 * 15;
    return c.Left + m <= p.x && p.x <= c.Left + c.Width - m && c.Top + m <= p.y &&
           p.y <= c.Top + c.Height - m;
}

// On the 13-pixel tick square that a check box draws at its left, in the middle of its height.
bool onTickSquare(const scene::Control& c, scene::TwipPoint p) {
    const double side = 13 * 15, top = c.Top + (c.Height - side) / 2;
    return c.Left <= p.x && p.x < c.Left + side && top <= p.y && p.y < top + side;
}

TEST_F(Lesson2Script, TheFirstMoveOfRowZeroHasTwentyStepsFromPixelFiftyFiftyFive) {
    auto& f = form();
    EXPECT_EQ(f.tpp, 15);
    EXPECT_EQ(f.moveSteps[0], 20);  // some 201 pixels in steps of 10
    EXPECT_EQ(s.program().active()->focused(), &f.dummy);
    untilTick(21);
    auto& cursor = s.platform().cursor;
    ASSERT_EQ(cursor.size(), 20u);  // ticks 1 to 20; tick 21 gives the box the focus
    EXPECT_EQ(cursor.front().px, 50);
    EXPECT_EQ(cursor.front().py, 55);
    EXPECT_EQ(cursor.front().t, 200);
    EXPECT_EQ(cursor.back().t, 4000);
    EXPECT_EQ(s.program().active()->focused(), &f.Ratio);
}

TEST_F(Lesson2Script, ThePointerLandsWellInsideTheRatioBoxAndOnEachRowsTickSquare) {
    ASSERT_TRUE(s.run(std::nullopt, {}, err)) << err;
    auto& f = form();
    auto m = moves(s.platform().cursor);
    // Per row: to the ratio box, then to the row's check box.
    ASSERT_EQ(m.size(), 6u);
    for (int row = 0; row < 3; ++row) {
        SCOPED_TRACE("row " + std::to_string(row));
        const auto& toBox = m[2 * row];
        const auto& toCheck = m[2 * row + 1];
        EXPECT_EQ(int(toBox.size()), f.moveSteps[row]);
        EXPECT_EQ(double(toCheck.size()), f.clickSteps[row]);
        // Where the desktop puts the pointer's last position of each move on a classic window.
        auto box = scene::classicClientPoint(toBox.back().px, toBox.back().py);
        auto check = scene::classicClientPoint(toCheck.back().px, toCheck.back().py);
        EXPECT_TRUE(wellInside(f.Ratio, box)) << box.x << ", " << box.y;
        EXPECT_TRUE(onTickSquare(f.ck(row), check)) << check.x << ", " << check.y;
        // It glides: no step jumps more than 12 pixels.
        for (const auto* mv : {&toBox, &toCheck})
            for (size_t k = 1; k < mv->size(); ++k)
                EXPECT_LE(std::hypot((*mv)[k].px - (*mv)[k - 1].px, (*mv)[k].py - (*mv)[k - 1].py),
                          12.0);
    }
    // Row 0's ratio move starts at pixel (50, 55); later moves start at the last check box.
    EXPECT_EQ(m[0].front().px, 50);
    EXPECT_EQ(m[2].front().px, m[1].back().px);
    EXPECT_EQ(m[2].front().py, m[1].back().py);
}

TEST_F(Lesson2Script, EachRowTypesItsRatioTicksItsBoxWithABeepAndShowsItsBalls) {
    auto& f = form();
    const char* ratios[] = {"1", "8", "64"};
    for (int row = 0; row < 3; ++row) {
        SCOPED_TRACE("row " + std::to_string(row));
        const double A = f.rowStart[row], N = f.moveSteps[row];
        untilTick(A + N + 3);
        EXPECT_EQ(f.Ratio.Text.get(), "");
        untilTick(A + N + 4);
        EXPECT_EQ(f.Ratio.Text.get(), ratios[row]);
        untilTick(A + N + 6);
        EXPECT_EQ(f.Ratio.SelStart.get(), row == 2 ? 2 : 1);
        const double S = f.clickStart[row], M = f.clickSteps[row];
        EXPECT_EQ(S, A + N + 6);
        size_t beeps = s.platform().beeps.size();
        untilTick(S + M);
        EXPECT_EQ(f.ck(row).Value.get(), 0);
        EXPECT_FALSE(f.Shape1(2 * row).Visible);
        tick();
        EXPECT_EQ(f.ck(row).Value.get(), 1);
        ASSERT_EQ(s.platform().beeps.size(), beeps + 1);
        EXPECT_EQ(s.platform().beeps.back().hz, 440);
        EXPECT_EQ(s.platform().beeps.back().ms, 50);
        tick();
        EXPECT_TRUE(f.Shape1(2 * row).Visible);
        EXPECT_TRUE(f.Shape1(2 * row + 1).Visible);
        while (f.row == row) tick();
    }
}

// --- The fall ----------------------------------------------------------------------------------

// The balls of one row from their first motion step to the meeting, tick by tick.
struct Fall {
    std::vector<double> small, big;  // Lefts after each motion tick
    double smallStart, bigStart;
    int ticks = 0;
    double lastGapBefore = 0;  // surface-to-surface distance before the meeting tick
};

Fall watchFall(Lesson2Script& t, int row) {
    t.untilFallOf(row);
    auto& f = t.form();
    Fall out;
    out.smallStart = t.left(2 * row);
    out.bigStart = t.left(2 * row + 1);
    const double d1 = f.Shape1(2 * row).Width;
    while (f.row == row) {
        out.lastGapBefore = t.left(2 * row + 1) - (t.left(2 * row) + d1);
        t.tick();
        ++out.ticks;
        out.small.push_back(t.left(2 * row));
        out.big.push_back(t.left(2 * row + 1));
    }
    return out;
}

TEST_F(Lesson2Script, RowZeroMovesBothBallsAlikeAndRowTwoMovesMAlmostNotAtAll) {
    Fall r0 = watchFall(*this, 0);
    // All but the meeting tick: m's travel to the right equals M's to the left.
    for (size_t k = 0; k + 1 < r0.small.size(); ++k) {
        double dm = r0.small[k] - r0.smallStart, dM = r0.bigStart - r0.big[k];
        EXPECT_NEAR(dm, dM, 0.01 + 1e-6 * dm) << "tick " << k;
    }
    EXPECT_GT(r0.small[r0.small.size() - 2] - r0.smallStart, 2000);

    watchFall(*this, 1);
    Fall r2 = watchFall(*this, 2);
    for (size_t k = 4; k + 1 < r2.small.size(); ++k) {
        double dm = r2.small[k] - r2.smallStart, dM = r2.bigStart - r2.big[k];
        // M moves a sixty-fourth as fast as m (within the single-precision Lefts).
        EXPECT_NEAR(dm / dM, 64, 1.0) << "tick " << k;
    }
}

TEST_F(Lesson2Script, TheMendedStepKeepsTheDrawnBallsWhereTheGapSays) {
    // Moving each ball by its last inner shift only, the rows took 90, 49 and 18 motion ticks
    // and "met" 2100 and 6400 twips apart on screen. Moving each ball by the sum of the shifts
    // it took off the gap, they take 53, 30 and 15 ticks, and at the meeting the balls close a
    // remaining distance of under 100 twips instead of jumping.
    const int ticks[] = {53, 30, 15};
    for (int row = 0; row < 3; ++row) {
        SCOPED_TRACE("row " + std::to_string(row));
        Fall r = watchFall(*this, row);
        EXPECT_EQ(r.ticks, ticks[row]);
        EXPECT_GT(r.lastGapBefore, 0);
        EXPECT_LT(r.lastGapBefore, 100);
        // At the meeting m touches M's left side, and neither ball jumps.
        auto& f = form();
        EXPECT_FLOAT_EQ(left(2 * row) + f.Shape1(2 * row).Width, left(2 * row + 1));
        size_t n = r.small.size();
        ASSERT_GE(n, 2u);
        EXPECT_LT(std::fabs(r.small[n - 1] - r.small[n - 2]), 100);
        EXPECT_LT(std::fabs(r.big[n - 1] - r.big[n - 2]), 100);
    }
}

TEST_F(Lesson2Script, CheckBoxesGreyOnceTheirRowIsDoneAndTheClosingTextComesLast) {
    auto& f = form();
    auto closingShown = [&] {
        return f.t1.Visible || f.t2.Visible || f.t3.Visible || f.t4.Visible;
    };
    untilFallOf(0);
    EXPECT_FALSE(f.ck(1).Visible);
    EXPECT_FALSE(f.Line1(1).Visible);
    while (f.row == 0) {
        EXPECT_FALSE(closingShown());
        tick();
    }
    EXPECT_EQ(f.ck(0).Value.get(), 2);
    EXPECT_TRUE(f.ck(1).Visible);
    EXPECT_EQ(f.ck(1).Value.get(), 0);
    EXPECT_TRUE(f.Line1(1).Visible);
    EXPECT_TRUE(f.Label3(2).Visible);
    EXPECT_TRUE(f.Label3(3).Visible);
    EXPECT_EQ(f.rowStart[1], f.tick);
    while (f.row == 1) {
        EXPECT_FALSE(closingShown());
        tick();
    }
    EXPECT_EQ(f.ck(0).Value.get(), 2);
    EXPECT_EQ(f.ck(1).Value.get(), 2);
    EXPECT_TRUE(f.ck(2).Visible);
    while (f.row == 2) {
        EXPECT_FALSE(closingShown());
        EXPECT_TRUE(f.jam.Enabled);
        tick();
    }
    // The third pair has met.
    EXPECT_TRUE(f.t1.Visible && f.t2.Visible && f.t3.Visible && f.t4.Visible);
    EXPECT_FALSE(f.jam.Enabled);
    EXPECT_FALSE(f.Ratio.Enabled);
    for (int j = 0; j < 3; ++j) EXPECT_FALSE(f.ck(j).Visible);
    EXPECT_FALSE(s.program().nextDue().has_value());
}

TEST_F(Lesson2Script, ReplayAfterTheEndRestoresRowZeroExactly) {
    auto& f = form();
    auto start = lessontest::snapshot(f);
    auto cursorAtStart = s.platform().cursor.size();
    ASSERT_TRUE(s.run(std::nullopt, {}, err)) << err;
    auto firstRun = std::vector<driver::CursorRecord>(s.platform().cursor.begin() + cursorAtStart,
                                                      s.platform().cursor.end());
    ASSERT_FALSE(f.jam.Enabled);
    s.program().menu(*f.menuItem("replay"));
    auto replayed = lessontest::snapshot(f);
    // The insertion point is the one thing activation does not set: it empties the box, which
    // leaves SelStart where the typing left it.
    start.erase("Ratio.SelStart");
    replayed.erase("Ratio.SelStart");
    EXPECT_EQ(replayed, start);
    EXPECT_TRUE(f.ck(0).Visible);
    EXPECT_EQ(f.ck(0).Value.get(), 0);
    EXPECT_EQ(f.Ratio.Text.get(), "");
    EXPECT_TRUE(f.Ratio.Enabled);
    EXPECT_FALSE(f.t1.Visible);
    EXPECT_EQ(f.row, 0);
    EXPECT_EQ(f.tick, 0);
    EXPECT_TRUE(f.jam.Enabled);
    // And the demonstration plays again exactly as the first time.
    size_t from = s.platform().cursor.size();
    ASSERT_TRUE(s.run(std::nullopt, {}, err)) << err;
    ASSERT_EQ(s.platform().cursor.size() - from, firstRun.size());
    for (size_t k = 0; k < firstRun.size(); ++k) {
        EXPECT_EQ(s.platform().cursor[from + k].px, firstRun[k].px);
        EXPECT_EQ(s.platform().cursor[from + k].py, firstRun[k].py);
    }
    EXPECT_TRUE(f.t1.Visible);
}

TEST_F(Lesson2Script, ReplayDuringAFallStartsOverFromRowZero) {
    auto& f = form();
    watchFall(*this, 0);
    untilFallOf(1);
    tick();
    tick();
    s.program().shortcut(f, "Ctrl+R");
    EXPECT_EQ(f.row, 0);
    EXPECT_FALSE(f.ck(1).Visible);
    EXPECT_FALSE(f.Shape1(2).Visible);
    EXPECT_EQ(left(2), 1080);
    EXPECT_EQ(left(3), 10920 - 255);
    EXPECT_EQ(left(0), 1080);
    EXPECT_EQ(left(1), 10920 - 127.5);
}

TEST_F(Lesson2Script, TypingIntoTheBoxDuringTheFallChangesTheAccelerationsAtOnce) {
    auto& f = form();
    untilFallOf(0);
    tick();
    tick();
    EXPECT_DOUBLE_EQ(f.accSmall, f.accBig);  // ratio 1
    type("8");
    double m0 = left(0), M0 = left(1);
    tick();
    EXPECT_DOUBLE_EQ(f.accSmall / f.accBig, 8);
    // From this very tick m gains eight times M's acceleration, so it outruns M (the speeds
    // both had already carry on alike).
    double dm = left(0) - m0, dM = M0 - left(1);
    EXPECT_GT(dm, dM * 1.3);
    type("1");
    tick();
    EXPECT_DOUBLE_EQ(f.accSmall, f.accBig);
}

// --- Bad ratios --------------------------------------------------------------------------------

bool finiteScene(const Lesson2& f) {
    for (int k = 0; k < 6; ++k) {
        double l = f.Shape1(k).Left;
        if (!std::isfinite(l) || l < 0 || l + f.Shape1(k).Width > f.clientWidth()) return false;
    }
    return true;
}

TEST_F(Lesson2Script, TheBallsHoldStillWhileTheBoxHoldsNoPositiveNumber) {
    auto& f = form();
    untilFallOf(0);
    for (int k = 0; k < 5; ++k) tick();
    for (const char* bad : {"", "0", "abc", "-5", "-1e308", "0.0", " - 3", "e5"}) {
        SCOPED_TRACE(std::string("ratio '") + bad + "'");
        type(bad);
        double m0 = left(0), M0 = left(1), v0 = f.velSmall;
        for (int k = 0; k < 10; ++k) tick();
        EXPECT_EQ(left(0), m0);
        EXPECT_EQ(left(1), M0);
        EXPECT_EQ(f.velSmall, v0);  // the balls keep their speed for when they move again
        EXPECT_EQ(f.row, 0);
        EXPECT_TRUE(f.jam.Enabled);
        EXPECT_TRUE(finiteScene(f));
        // A positive number again: they move on.
        type("1");
        tick();
        EXPECT_GT(left(0), m0);
        EXPECT_LT(left(1), M0);
    }
    // The row still ends as it should.
    while (f.row == 0) tick();
    EXPECT_FLOAT_EQ(left(0) + 255, left(1));
    EXPECT_TRUE(finiteScene(f));
}

TEST_F(Lesson2Script, AHugeRatioMakesTheBallsMeetAtOnceWithoutRunningAway) {
    auto& f = form();
    untilFallOf(0);
    tick();
    for (const char* huge : {"1e308", "1e300", "9e15"}) {
        SCOPED_TRACE(huge);
        type(huge);
        double M0 = left(1);
        tick();
        EXPECT_TRUE(f.joined);
        EXPECT_EQ(f.row, 1);
        EXPECT_TRUE(finiteScene(f));
        // M (infinitely heavier) stays put; m has fallen onto its left side.
        EXPECT_NEAR(left(1), M0, 1);
        EXPECT_FLOAT_EQ(left(0) + 255, left(1));
        EXPECT_EQ(f.accSmall, 0);
        // Replay for the next value.
        s.program().shortcut(f, "Ctrl+R");
        untilFallOf(0);
        tick();
    }
    // A tiny one is harmless too: M does all the falling.
    type("1e-300");
    for (int k = 0; k < 5; ++k) tick();
    EXPECT_TRUE(finiteScene(f));
}

TEST_F(Lesson2Script, BallsDrivenApartStopAtTheEdgeOfTheScene) {
    auto& f = form();
    untilFallOf(0);
    tick();
    // Nothing the box can hold drives the balls apart; force it to check the guard.
    f.velSmall = f.velBig = -5000;
    f.shiftSmall = f.shiftBig = -500;
    tick();
    EXPECT_EQ(left(0), 0);
    EXPECT_EQ(left(1), f.clientWidth() - 255);
    EXPECT_EQ(f.velSmall, 0);  // stopped there
    EXPECT_EQ(f.velBig, 0);
    EXPECT_TRUE(finiteScene(f));
    EXPECT_EQ(f.row, 0);
    // Attraction brings them back together from rest.
    while (f.row == 0) tick();
    EXPECT_FLOAT_EQ(left(0) + 255, left(1));
}

// --- The page ----------------------------------------------------------------------------------

TEST(Lesson2Page, ControlsInStoredOrderWithTheirCaptionsKeptExactly) {
    driver::Session s;
    ASSERT_TRUE(s.start("Lesson2"));
    auto& f = s.program().get<Lesson2>("Lesson2");
    EXPECT_EQ(f.caption(), "Lesson 2: Attraction Force");
    EXPECT_EQ(f.clientWidth(), 11745);
    EXPECT_EQ(f.clientHeight(), 8505);
    ASSERT_EQ(f.controls().size(), 29u);
    EXPECT_EQ(f.controls().front()->fullName(), "ck(2)");
    EXPECT_EQ(f.controls().back()->fullName(), "Label4");
    EXPECT_EQ(f.t2.Caption.get(),
              "The gravitational acceleration on the earth's surface, usually denoted as      , "
              "is about 9.8 m/s .");
    EXPECT_EQ(f.jam.Interval.get(), 200);
    EXPECT_EQ(f.menuItem("replay")->caption, "Replay");
    EXPECT_EQ(f.menuItem("navigation")->caption, "&Navigation");
    // Activation: every M centred on Line2, the balls hidden until their row's box is ticked.
    EXPECT_EQ(f.Shape1(1).Left + f.Shape1(1).Width / 2, 10920);
    EXPECT_EQ(f.Shape1(5).Left + f.Shape1(5).Width / 2, 10920);
    EXPECT_FALSE(f.Shape1(0).Visible);
    EXPECT_EQ(f.Shape1(5).Width, 4 * f.Shape1(4).Width);
}

TEST(Lesson2Page, TheClosingTextsSuperscriptsSitInTheirGaps) {
    driver::Session s;
    ASSERT_TRUE(s.start("Lesson2"));
    auto& f = s.program().get<Lesson2>("Lesson2");
    using namespace scene::text;
    const Font big{f.t2.font.size, f.t2.font.bold, f.t2.font.italic};
    auto l = layout(f.t2.Caption.get(), big, f.t2.Width / 15, Align::Left);
    ASSERT_EQ(l.lines.size(), 1u);  // the sentence fits on one line
    const auto& line = l.lines[0];
    auto at = [&](size_t k) { return f.t2.Left + line.x[k] * 15; };
    // "g" (t4) over the run of blanks after "denoted as", the "2" (t3) after "m/s".
    std::u32string text = line.text;
    size_t run = text.find(U"as      ,") + 2;
    size_t comma = run + 6;
    const Font small{f.t4.font.size, f.t4.font.bold, f.t4.font.italic};
    double gEnd = f.t4.Left + advance(U'g', small) * 15;
    EXPECT_GE(f.t4.Left, at(run) - 15);
    EXPECT_LE(gEnd, at(comma) + 15);
    size_t s2 = text.rfind(U"m/s .") + 3;
    EXPECT_GE(f.t3.Left, at(s2) - 15);  // after the "s"
    // Above the line: the superscript's bottom is above the baseline.
    EXPECT_LT(f.t3.Top + 255 / 2, f.t2.Top + line.baseline * 15);
    // And both lie above t2 in the layering.
    EXPECT_LT(lessontest::layer(f, f.t3), lessontest::layer(f, f.t2));
    EXPECT_LT(lessontest::layer(f, f.t4), lessontest::layer(f, f.t2));
}

}  // namespace
