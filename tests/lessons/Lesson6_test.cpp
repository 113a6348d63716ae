// Lesson 6: three launches from the top of the earth, first until they meet it, then continued
// through it into closed ellipses with their long axes.
#include "lessons/gravity/Lesson6.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "tests/lessons/covered_text.h"
#include "tests/lessons/lesson_fixture.h"

namespace {

constexpr scene::Color kPath = 0xE17B80;
constexpr scene::Color kInside = 0xB3B4C0;
constexpr double kCentreX = 4170, kCentreY = 5330;  // the earth's centre on screen [twips]
constexpr double kEarthRadius = 2250;

using Chain = std::vector<scene::Segment>;

double fromCentre(float x, float y) { return std::hypot(x - kCentreX, y - kCentreY); }

struct Lesson6Run : lessontest::LessonRun<lessons::Lesson6> {
    Lesson6Run() : LessonRun("Lesson6") {}
    // The surface cut into unbroken chains: each path, and each axis on its own.
    std::vector<Chain> chains() {
        std::vector<Chain> out;
        form().surface().forEach(0, [&](const scene::Segment& sg) {
            if (out.empty() || sg.x1 != out.back().back().x2 || sg.y1 != out.back().back().y2)
                out.emplace_back();
            out.back().push_back(sg);
        });
        return out;
    }
};

TEST_F(Lesson6Run, FirstPassEndsEachPathWhereItMeetsTheEarth) {
    runTo(4500);
    auto first = chains();
    ASSERT_EQ(first.size(), 3u);
    const std::size_t entrySteps[] = {7519, 7657, 7879};
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        const Chain& c = first[k];
        // One segment a step, up to the step that enters the earth, which draws nothing.
        EXPECT_EQ(c.size(), entrySteps[k]);
        // From the top of the earth...
        EXPECT_NEAR(c.front().x1, kCentreX, 3);
        EXPECT_NEAR(c.front().y1, kCentreY - 2268, 2);
        // ...staying outside it, the last point just outside the circle.
        for (auto& sg : c) {
            ASSERT_EQ(sg.color, kPath);
            ASSERT_GE(fromCentre(sg.x2, sg.y2), kEarthRadius);
        }
        EXPECT_LT(fromCentre(c.back().x2, c.back().y2), kEarthRadius + 10);
    }
    // 30 degrees comes down near the bottom of the earth, 60 degrees on its right side.
    EXPECT_GT(first[0].back().y2, kCentreY + 2000);
    EXPECT_GT(first[2].back().x2, kCentreX + 1500);
    auto& f = form();
    EXPECT_EQ(f.tick, 1000);
    EXPECT_TRUE(f.jam.Enabled);
    EXPECT_EQ(f.jam.Interval, 1000);
    EXPECT_TRUE(f.what(0).Visible);
    EXPECT_EQ(f.what(0).Caption.get(), "What kind of curves are these?");
    for (int i = 0; i <= 2; ++i) EXPECT_TRUE(f.sud(i).Visible) << i;
    for (int i = 1; i <= 3; ++i) EXPECT_FALSE(f.what(i).Visible) << i;
}

TEST_F(Lesson6Run, ScriptStagesFallOnTheirTicks) {
    // Countdown, the long launch beep, the short one after the first drawing, the invitation
    // at tick 1004 and the end of the ellipses at tick 1005; ticks 1001 to 1003 are silent.
    const std::vector<lessontest::Beep> expected = {{1000, 25}, {2000, 25},  {3000, 25},
                                                    {4000, 25}, {4125, 125}, {4250, 25},
                                                    {8250, 25}, {9250, 25}};
    runTo(4100);
    EXPECT_FALSE(form().wait.Visible);
    EXPECT_EQ(form().jam.Interval, 100);
    runTo(8200);
    std::size_t afterFirst = form().surface().size();
    EXPECT_FALSE(form().what(1).Visible);
    runTo(8300);
    EXPECT_EQ(form().surface().size(), afterFirst) << "nothing is drawn before tick 1005";
    EXPECT_TRUE(form().what(1).Visible);
    EXPECT_EQ(form().what(1).Caption.get(), "Let's extend the curves");
    runTo(std::nullopt);
    expectBeeps(expected);
    auto& f = form();
    EXPECT_FALSE(f.jam.Enabled);
    EXPECT_EQ(f.tick, 1005);
    EXPECT_EQ(f.what(2).Caption.get(),
              "By extending the curves, we now know that they are all ELLIPSES!");
    EXPECT_EQ(f.what(3).Caption.get(), "All center lines intersect at the earth center");
    for (int i = 0; i <= 3; ++i) EXPECT_TRUE(f.what(i).Visible) << i;
}

TEST_F(Lesson6Run, ExtendedPassClosesEachEllipseAndDrawsItsAxisThroughTheCentre) {
    runTo(std::nullopt);
    auto all = chains();
    // The three first-pass paths, then each closed path followed by its axis.
    ASSERT_EQ(all.size(), 9u);
    struct Row {
        std::size_t closeStep;
        double farX, farY, nearX, nearY;
    };
    const Row rows[] = {{8971, 9353, 5208, 2743, 5362},
                        {8973, 9275, 2677, 3408, 5728},
                        {8979, 8195, 596, 3911, 5636}};
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        const Row& r = rows[k];
        const Chain& first = all[k];
        const Chain& path = all[3 + 2 * k];
        const Chain& axis = all[4 + 2 * k];
        EXPECT_EQ(path.size(), r.closeStep);
        // The first pass is drawn again segment for segment, in the same colour.
        ASSERT_GE(path.size(), first.size());
        for (std::size_t i = 0; i < first.size(); ++i) {
            const auto &a = first[i], &b = path[i];
            ASSERT_TRUE(a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2 &&
                        a.color == b.color)
                << i;
        }
        // Only what lies inside the earth is drawn in the other colour.
        for (std::size_t i = first.size(); i < path.size(); ++i) {
            bool inside = fromCentre(path[i].x2, path[i].y2) < kEarthRadius;
            ASSERT_EQ(path[i].color, inside ? kInside : kPath) << i;
        }
        EXPECT_EQ(path[first.size()].color, kInside);
        // Closed: back near the launch point.
        EXPECT_NEAR(path.back().x2, path.front().x1, 60);
        EXPECT_NEAR(path.back().y2, path.front().y1, 60);
        ASSERT_EQ(axis.size(), 1u);
        const auto& a = axis[0];
        EXPECT_EQ(a.color, kInside);
        EXPECT_NEAR(a.x1, r.farX, 2);
        EXPECT_NEAR(a.y1, r.farY, 2);
        EXPECT_NEAR(a.x2, r.nearX, 2);
        EXPECT_NEAR(a.y2, r.nearY, 2);
        // The axis joins two points of the path: its farthest, and its nearest inside the earth.
        double farthest = 0, nearest = 1e9;
        bool farOnPath = false, nearOnPath = false;
        for (auto& sg : path) {
            farthest = std::max(farthest, fromCentre(sg.x2, sg.y2));
            nearest = std::min(nearest, fromCentre(sg.x2, sg.y2));
            farOnPath = farOnPath || (sg.x2 == a.x1 && sg.y2 == a.y1);
            nearOnPath = nearOnPath || (sg.x2 == a.x2 && sg.y2 == a.y2);
        }
        EXPECT_TRUE(farOnPath);
        EXPECT_TRUE(nearOnPath);
        EXPECT_NEAR(fromCentre(a.x1, a.y1), farthest, 0.01);
        EXPECT_NEAR(fromCentre(a.x2, a.y2), nearest, 0.01);
        EXPECT_LT(fromCentre(a.x2, a.y2), kEarthRadius);
        // The axis passes through the earth's centre.
        double cross = (a.x2 - a.x1) * (a.y1 - kCentreY) - (a.x1 - kCentreX) * (a.y2 - a.y1);
        EXPECT_LT(std::fabs(cross) / std::hypot(a.x2 - a.x1, a.y2 - a.y1), 3);
    }
    // The same energy for all three: the same long axis.
    double len0 = std::hypot(all[4][0].x2 - all[4][0].x1, all[4][0].y2 - all[4][0].y1);
    for (int k = 1; k < 3; ++k) {
        const auto& a = all[4 + 2 * k][0];
        EXPECT_NEAR(std::hypot(a.x2 - a.x1, a.y2 - a.y1), len0, 5) << k;
    }
}

TEST_F(Lesson6Run, ReplayRestartsFromTheCountdownAndKeepsTheShortIntervalInThePause) {
    // In the pause: the countdown starts again, still every 100 ms until tick 5.
    menuAt(4050);
    auto& f = form();
    EXPECT_TRUE(f.wait.Visible);
    EXPECT_EQ(f.tick, 0);
    EXPECT_EQ(f.jam.Interval, 100);
    runTo(5000);
    EXPECT_EQ(beepTimesAfter(4050), (std::vector<double>{4125, 4225, 4325, 4425, 4525, 4650}));
    EXPECT_EQ(f.jam.Interval, 1000);
    EXPECT_EQ(chains().size(), 3u);
    // After the whole run: a clean surface, the texts hidden, and the same run again.
    runTo(std::nullopt);
    std::size_t segments = f.surface().size();
    double t = s.platform().clock + 100;
    menuAt(t);
    EXPECT_EQ(f.surface().size(), 0u);
    EXPECT_EQ(f.extend, 0);
    for (int i = 0; i <= 3; ++i) EXPECT_FALSE(f.what(i).Visible) << i;
    for (int i = 0; i <= 2; ++i) EXPECT_FALSE(f.sud(i).Visible) << i;
    runTo(std::nullopt);
    EXPECT_EQ(f.surface().size(), segments);
}

TEST_F(Lesson6Run, ReplayDuringTheExtendedPassStartsAgainWithTheFirstPass) {
    menuDuringHandler([&] { return form().extend == 1 && form().surface().size() > 30000; });
    runTo(std::nullopt);
    ASSERT_TRUE(chosen);
    auto all = chains();
    ASSERT_EQ(all.size(), 9u);
    EXPECT_EQ(all[0].size(), 7519u);
    EXPECT_EQ(all[7].size(), 8979u);
}

TEST_F(Lesson6Run, PacedEachLaunchIsWatchedForHalfASecondToSixSeconds) {
    recordPacedFrames();
    runTo(std::nullopt);
    auto all = chains();
    ASSERT_EQ(all.size(), 9u);
    std::size_t drawn = 0;
    for (std::size_t k = 0; k < all.size(); ++k) {
        std::size_t begin = drawn;
        drawn += all[k].size();
        if (all[k].size() == 1) continue;  // an axis belongs to its launch
        EXPECT_GE(secondsDrawing(begin, drawn), 0.5) << k;
        EXPECT_LE(secondsDrawing(begin, drawn), 6) << k;
    }
    ASSERT_EQ(s.platform().handlers.size(), 2u);
    for (auto& h : s.platform().handlers) {
        EXPECT_EQ(h.name, "jam_Timer");
        EXPECT_LE(h.ms, 20000);
    }
}

TEST_F(Lesson6Run, NoTextOfTheFinishedPageLiesUnderAnotherLabel) {
    runTo(std::nullopt);
    EXPECT_EQ(lessontest::covered(form()), std::vector<std::string>{});
}

}  // namespace
