// Lesson 5: the countdown, then three throws on the earth and on the moon drawn in one tick.
#include "lessons/gravity/Lesson5.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "tests/lessons/covered_text.h"
#include "tests/lessons/lesson_fixture.h"

namespace {

constexpr scene::Color kGround = 0x1E8480;
constexpr scene::Color kEarthPath = 0xE17B80;
constexpr scene::Color kMoonPath = 0x000000;

// Screen to metres: x from the throwing point, heights from the ground line.
double metresX(float x) { return (x - 1000) / 140.0; }
double metresUp(float y) { return (8000 - y) / 140.0; }

struct Throw {
    std::vector<scene::Segment> earth, moon;
};

struct Lesson5Run : lessontest::LessonRun<lessons::Lesson5> {
    Lesson5Run() : LessonRun("Lesson5") {}
    // The surface split at each ground line, one throw after another.
    std::vector<Throw> throws() {
        std::vector<Throw> out;
        const auto& surface = form().surface();
        for (std::size_t i = 0; i < surface.size(); ++i) {
            const auto& sg = surface[i];
            if (sg.color == kGround) {
                EXPECT_EQ(sg.x1, 1000);
                EXPECT_EQ(sg.y1, 8000);
                EXPECT_EQ(sg.x2, 12000);
                EXPECT_EQ(sg.y2, 8000);
                out.emplace_back();
            } else if (out.empty()) {
                ADD_FAILURE() << "a path segment before the ground line";
            } else {
                EXPECT_TRUE(sg.color == kEarthPath || sg.color == kMoonPath) << sg.color;
                (sg.color == kEarthPath ? out.back().earth : out.back().moon).push_back(sg);
            }
        }
        return out;
    }
    bool formulasShown() {
        auto& f = form();
        bool all = f.com1.Visible;
        for (int i = 0; i <= 2; ++i) all = all && f.com2(i).Visible;
        for (int i = 0; i <= 8; ++i) all = all && f.com3(i).Visible;
        return all;
    }
    bool anyFormulaShown() {
        auto& f = form();
        bool any = f.com1.Visible;
        for (int i = 0; i <= 2; ++i) any = any || f.com2(i).Visible;
        for (int i = 0; i <= 8; ++i) any = any || f.com3(i).Visible;
        return any;
    }
};

TEST_F(Lesson5Run, CountsDownWithBeepsThenPausesBeforeTheThrows) {
    runTo(3999);
    EXPECT_TRUE(form().wait.Visible);
    EXPECT_EQ(form().surface().size(), 0u);
    runTo(4100);
    EXPECT_FALSE(form().wait.Visible);
    EXPECT_EQ(form().jam.Interval, 100);
    EXPECT_EQ(form().surface().size(), 0u) << "nothing is thrown during the pause";
    runTo(std::nullopt);
    expectBeeps({{1000, 25}, {2000, 25}, {3000, 25}, {4000, 25}, {4125, 25}, {4150, 125}});
    // The throws come right after the long beep, and the clock is not left running.
    EXPECT_FALSE(form().jam.Enabled);
    EXPECT_EQ(form().jam.Interval, 1000);
    EXPECT_EQ(s.platform().clock, 4275);
}

TEST_F(Lesson5Run, EachThrowEndsWhereItsStoneComesDown) {
    runTo(std::nullopt);
    auto all = throws();
    ASSERT_EQ(all.size(), 3u);
    // Step counts, then ranges and greatest heights in metres.
    struct Row {
        int angle;
        std::size_t earthSteps, moonSteps;
        double earthRange, moonRange, moonTop;
    };
    const Row rows[] = {{30, 1020, 6120, 8.835, 53.009, 7.644},
                        {45, 1442, 8655, 10.201, 61.224, 15.290},
                        {60, 1767, 10601, 8.843, 53.054, 22.941}};
    for (int k = 0; k < 3; ++k) {
        const Row& r = rows[k];
        const Throw& t = all[k];
        SCOPED_TRACE(r.angle);
        EXPECT_EQ(t.earth.size(), r.earthSteps);
        EXPECT_EQ(t.moon.size(), r.moonSteps) << "the moon stone is down at the step after";
        ASSERT_FALSE(t.earth.empty());
        ASSERT_FALSE(t.moon.empty());
        // Both stones leave from the same point, and each path is one unbroken chain.
        for (auto* path : {&t.earth, &t.moon}) {
            EXPECT_EQ(path->front().x1, 1000);
            EXPECT_EQ(path->front().y1, 8000);
            for (std::size_t i = 1; i < path->size(); ++i) {
                ASSERT_EQ((*path)[i].x1, (*path)[i - 1].x2) << i;
                ASSERT_EQ((*path)[i].y1, (*path)[i - 1].y2) << i;
            }
            // The last segment reaches just under the ground line, no further.
            EXPECT_GT(path->back().y2, 8000);
            EXPECT_LT(path->back().y2, 8000 + 0.01 * 140 + 0.01);
        }
        // Close enough to tell 3.14 from the full pi in the launch angle.
        EXPECT_NEAR(metresX(t.earth.back().x2), r.earthRange, 0.002);
        EXPECT_NEAR(metresX(t.moon.back().x2), r.moonRange, 0.002);
        float top = 8000;
        for (auto& sg : t.moon) top = std::min(top, sg.y2);
        EXPECT_NEAR(metresUp(top), r.moonTop, 0.002);
        // Gravity on the moon is a sixth of the earth's: six times the range and the height.
        EXPECT_NEAR(metresX(t.moon.back().x2) / metresX(t.earth.back().x2), 6, 0.1);
    }
    // As the range formula says, 30 and 60 degrees land almost together.
    EXPECT_NEAR(all[0].moon.back().x2, all[2].moon.back().x2, 0.1 * 140);
    // The 45-degree landing points as seen on the screen.
    EXPECT_NEAR(all[1].moon.back().x2, 9570, 5);
    EXPECT_NEAR(all[1].earth.back().x2, 2430, 5);
    float top60 = 8000;
    for (auto& sg : all[2].moon) top60 = std::min(top60, sg.y2);
    EXPECT_NEAR(top60, 4790, 5);
}

TEST_F(Lesson5Run, LabelsEachPairAfterItsThrowAndHidesTheFormulasBetweenThrows) {
    // What is on screen while each throw is being drawn.
    struct Seen {
        std::size_t segments;
        bool sud[3];
        bool conclusion, formulas;
    };
    std::vector<Seen> seen;
    s.platform().onFrame = [&] {
        auto& f = form();
        seen.push_back({f.surface().size(),
                        {f.sud(0).Visible, f.sud(1).Visible, f.sud(2).Visible},
                        f.Label4.Visible,
                        anyFormulaShown()});
    };
    runTo(std::nullopt);
    // Where the second and third ground lines lie; a frame right at the end of a throw may show
    // its conclusion for a moment, so those are left out.
    const std::size_t second = 1 + 1020 + 6120, third = second + 1 + 1442 + 8655;
    const std::size_t total = form().surface().size();
    ASSERT_FALSE(seen.empty());
    for (const Seen& v : seen) {
        if (v.segments == second || v.segments == third || v.segments == total) continue;
        int throwing = v.segments > third ? 2 : v.segments > second ? 1 : 0;
        SCOPED_TRACE(v.segments);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(v.sud[i], i < throwing);
        // The conclusion stays once the first stone is down; the formulas do not.
        EXPECT_EQ(v.conclusion, throwing > 0);
        EXPECT_FALSE(v.formulas);
    }
    auto& f = form();
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(f.sud(i).Visible) << i;
    EXPECT_TRUE(f.Label4.Visible);
    EXPECT_TRUE(formulasShown()) << "every formula part, com3(7) right of the window too";
    EXPECT_FALSE(f.wait.Visible);
}

TEST_F(Lesson5Run, ActivationDuringThePauseRestartsTheCountdownAtTheShortInterval) {
    menuAt(4050);
    auto& f = form();
    EXPECT_TRUE(f.wait.Visible);
    EXPECT_EQ(f.tick, 0);
    EXPECT_EQ(f.jam.Interval, 100);
    runTo(std::nullopt);
    // The countdown now ticks every 100 ms, and only tick 5 sets 1000 ms again.
    EXPECT_EQ(beepTimesAfter(4050), (std::vector<double>{4125, 4225, 4325, 4425, 4525, 4550}));
    EXPECT_EQ(f.jam.Interval, 1000);
    EXPECT_FALSE(f.jam.Enabled);
    EXPECT_EQ(throws().size(), 3u);
}

TEST_F(Lesson5Run, ReplayClearsTheRunAndPlaysItAgainTheSame) {
    runTo(std::nullopt);
    std::vector<scene::Segment> first;
    form().surface().forEach(0, [&](const scene::Segment& sg) { first.push_back(sg); });
    double t = s.platform().clock + 500;
    menuAt(t);
    auto& f = form();
    EXPECT_EQ(f.surface().size(), 0u);
    EXPECT_TRUE(f.wait.Visible);
    EXPECT_FALSE(anyFormulaShown());
    EXPECT_FALSE(f.Label4.Visible);
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(f.sud(i).Visible);
    runTo(std::nullopt);
    ASSERT_EQ(f.surface().size(), first.size());
    for (std::size_t i = 0; i < first.size(); ++i) {
        ASSERT_EQ(f.surface()[i].x2, first[i].x2) << i;
        ASSERT_EQ(f.surface()[i].y2, first[i].y2) << i;
    }
    EXPECT_EQ(s.platform().beeps.back().t, t + 4125 + 25);
}

TEST_F(Lesson5Run, ReplayInTheMiddleOfAThrowStartsAfreshFromTheGround) {
    // Chosen while the 45-degree throw is being drawn: the throw stops, the lesson restarts.
    menuDuringHandler([&] { return form().surface().size() > 12000; });
    runTo(std::nullopt);
    ASSERT_TRUE(chosen);
    auto all = throws();
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[0].moon.size(), 6120u);
    EXPECT_EQ(all[1].moon.size(), 8655u);
    EXPECT_EQ(all[2].moon.size(), 10601u);
    EXPECT_NEAR(all[1].moon.back().x2, 9570, 5);
}

TEST_F(Lesson5Run, PacedEachThrowIsWatchedForHalfASecondToSixSeconds) {
    recordPacedFrames();
    runTo(std::nullopt);
    // Each throw from its ground line to its last segment.
    const std::size_t bounds[] = {0, 1 + 1020 + 6120, 2 + 1020 + 6120 + 1442 + 8655,
                                  form().surface().size()};
    for (int k = 0; k < 3; ++k) {
        EXPECT_GE(secondsDrawing(bounds[k], bounds[k + 1]), 0.5) << k;
        EXPECT_LE(secondsDrawing(bounds[k], bounds[k + 1]), 6) << k;
    }
    ASSERT_EQ(s.platform().handlers.size(), 1u);
    EXPECT_EQ(s.platform().handlers[0].name, "jam_Timer");
    EXPECT_LE(s.platform().handlers[0].ms, 20000);
}

TEST_F(Lesson5Run, NoTextOfTheFinishedPageLiesUnderAnotherLabel) {
    runTo(std::nullopt);
    EXPECT_EQ(lessontest::covered(form()), std::vector<std::string>{});
}

}  // namespace
