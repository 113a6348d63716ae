// Lesson 3, free fall from the tower: the clock, the countdown beeps, the release, the speed
// labels at every whole second, the landing, and Replay in the middle of the fall.
#include "lessons/gravity/Lesson3.h"

#include <gtest/gtest.h>

#include "scene/textlayout.h"
#include "tests/lessons/lesson_fixture.h"

namespace {

using lessons::Lesson3;

struct Lesson3Script : lessontest::LessonRun<Lesson3> {
    Lesson3Script() : LessonRun("Lesson3") {}
};

TEST_F(Lesson3Script, RightAfterActivationTheClockReadsPlusZeroZero) {
    auto& f = form();
    // Design time says "-" and "03"; activation sets the clock to "+" "00".
    EXPECT_EQ(f.detik.Caption.get(), "00");
    EXPECT_EQ(f.tanda.Caption.get(), "+");
    EXPECT_TRUE(f.wait.Visible);
    EXPECT_EQ(f.l(0).Caption.get(), "v=0 m/s");
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(f.l(i).Caption.get(), "") << i;
    EXPECT_EQ(f.bola.Top.get(), 1080);
    EXPECT_EQ(f.fallLeft, 5400);
    EXPECT_TRUE(f.jam.Enabled);
    EXPECT_EQ(f.jam.Interval.get(), 1000);
}

TEST_F(Lesson3Script, TheClockCountsDownWithBeepsAndReleasesAtTickSix) {
    auto& f = form();
    struct Row {
        int tick;
        const char* detik;
        const char* tanda;
        bool wait;
        int beepMs;
        int interval;
    };
    const Row rows[] = {
        {1, "00", "+", true, 0, 1000},   {2, "00", "+", true, 0, 1000},
        {3, "03", "-", false, 25, 1000}, {4, "02", "-", false, 25, 1000},
        {5, "01", "-", false, 25, 1000}, {6, "00", "+", false, 150, 10},
        {7, "00", "+", false, 0, 10},
    };
    double last = 0;
    for (const Row& r : rows) {
        SCOPED_TRACE("tick " + std::to_string(r.tick));
        size_t beeps = s.platform().beeps.size();
        tick();
        ASSERT_EQ(f.tick, r.tick);
        EXPECT_EQ(f.detik.Caption.get(), r.detik);
        EXPECT_EQ(f.tanda.Caption.get(), r.tanda);
        EXPECT_EQ(bool(f.wait.Visible), r.wait);
        EXPECT_EQ(f.jam.Interval.get(), r.interval);
        if (r.beepMs) {
            ASSERT_EQ(s.platform().beeps.size(), beeps + 1);
            EXPECT_EQ(s.platform().beeps.back().hz, 440);
            EXPECT_EQ(s.platform().beeps.back().ms, r.beepMs);
        } else {
            EXPECT_EQ(s.platform().beeps.size(), beeps);
        }
        // One tick a second until the release, then one per 10 ms.
        if (r.tick <= 6) {
            EXPECT_EQ(s.platform().clock - r.beepMs, 1000.0 * r.tick);
        } else {
            EXPECT_EQ(s.platform().clock - last, 10);
        }
        last = s.platform().clock;
    }
    EXPECT_GT(f.bola.Top.get(), 1080);  // the first fall step
}

TEST_F(Lesson3Script, EveryWholeSecondGetsItsLabelAndTheBallLandsAtTick498) {
    auto& f = form();
    // Where the ball's top is after 1 to 4 seconds of the fall.
    const double tops[] = {1300, 1955, 3047, 4573};
    for (int sec = 1; sec <= 4; ++sec) {
        SCOPED_TRACE("second " + std::to_string(sec));
        untilTick(6 + 100 * sec - 1);
        EXPECT_EQ(f.l(sec).Caption.get(), "");
        size_t beeps = s.platform().beeps.size();
        tick();
        EXPECT_EQ(f.detik.Caption.get(), "0" + std::to_string(sec));
        EXPECT_EQ(f.l(sec).Caption.get(), "v = " + std::to_string(sec) + " * 9.8 m/s");
        ASSERT_EQ(s.platform().beeps.size(), beeps + 1);
        EXPECT_EQ(s.platform().beeps.back().ms, 25);
        EXPECT_NEAR(f.bola.Top.get(), tops[sec - 1], 1);
        // The label stands beside the ball: their bands overlap by more than half.
        EXPECT_NEAR(f.l(sec).Top.get(), f.bola.Top.get(), 255 / 2);
    }
    untilTick(497);
    EXPECT_TRUE(f.jam.Enabled);
    EXPECT_EQ(f.l(5).Caption.get(), "");
    tick();
    EXPECT_EQ(f.tick, 498);  // 492 fall steps after the release
    EXPECT_FALSE(f.jam.Enabled);
    EXPECT_EQ(f.bola.Top.get(), 6345);  // its bottom on the ground line
    EXPECT_EQ(f.bola.Top + f.bola.Height, f.mistar.Y1);
    EXPECT_EQ(f.l(5).Caption.get(), "v = 4.92 * 9.8 m/s");
    EXPECT_EQ(f.detik.Caption.get(), "04");
    // Four countdown beeps, four whole seconds, nothing more.
    EXPECT_EQ(s.platform().beeps.size(), 8u);
    EXPECT_FALSE(s.program().nextDue().has_value());
}

TEST_F(Lesson3Script, ReplayDuringTheFallStartsAgainWithWait) {
    auto& f = form();
    untilTick(250);
    ASSERT_GT(f.bola.Top.get(), 2000);
    ASSERT_EQ(f.l(2).Caption.get(), "v = 2 * 9.8 m/s");
    s.program().shortcut(f, "Ctrl+R");
    EXPECT_EQ(f.tick, 0);
    EXPECT_EQ(f.bola.Top.get(), 1080);
    EXPECT_TRUE(f.wait.Visible);
    EXPECT_EQ(f.detik.Caption.get(), "00");
    EXPECT_EQ(f.tanda.Caption.get(), "+");
    EXPECT_EQ(f.l(0).Caption.get(), "v=0 m/s");
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(f.l(i).Caption.get(), "") << i;
    EXPECT_EQ(f.jam.Interval.get(), 1000);
    EXPECT_EQ(f.fallSpeed, 0);
    // The next tick is a second away, and the whole script plays again.
    double t0 = s.platform().clock;
    tick();
    EXPECT_EQ(s.platform().clock - t0, 1000);
    EXPECT_TRUE(f.wait.Visible);
    ASSERT_TRUE(s.run(std::nullopt, {}, err)) << err;
    EXPECT_EQ(f.tick, 498);
    EXPECT_EQ(f.bola.Top.get(), 6345);
    EXPECT_EQ(f.l(5).Caption.get(), "v = 4.92 * 9.8 m/s");
}

TEST_F(Lesson3Script, LeavingStopsTheClockAndComingBackStartsOver) {
    auto& f = form();
    untilTick(120);
    s.program().shortcut(f, "Ctrl+P");
    EXPECT_FALSE(f.jam.Enabled);
    EXPECT_FALSE(f.visible());
    if (!s.program().exists("Lesson2")) return;
    auto* back = s.program().form("Lesson2");
    s.program().shortcut(*back, "Ctrl+N");
    EXPECT_EQ(s.program().active(), &f);
    EXPECT_EQ(f.tick, 0);
    EXPECT_TRUE(f.wait.Visible);
    EXPECT_TRUE(f.jam.Enabled);
}

TEST(Lesson3Page, ControlsInStoredOrderAndTheExplanationFitsItsBox) {
    driver::Session s;
    ASSERT_TRUE(s.start("Lesson3"));
    auto& f = s.program().get<Lesson3>("Lesson3");
    EXPECT_EQ(f.caption(), "Lesson 3: Earth's Gravitational Acceleration");
    EXPECT_EQ(f.clientWidth(), 11580);
    EXPECT_EQ(f.clientHeight(), 8805);
    EXPECT_EQ(f.menuItem("replay")->caption, "Replay");
    ASSERT_EQ(f.controls().size(), 27u);
    EXPECT_EQ(f.controls().front()->fullName(), "jam");
    EXPECT_EQ(f.controls().back()->fullName(), "Line5");
    auto& text = dynamic_cast<scene::Label&>(*f.find("Label6"));
    const std::string start = "Throwing an object from Pisa Tower, an inclining tower in Italy,";
    EXPECT_EQ(text.Caption.get().substr(0, start.size()), start);
    EXPECT_NE(text.Caption.get().find("Galileo"), std::string::npos);
    using namespace scene::text;
    const Font font{text.font.size, text.font.bold, text.font.italic};
    auto l = layout(text.Caption.get(), font, text.Width / 15, Align::Left);
    EXPECT_LE(l.lines.size() * l.lineHeight * 15, text.Height) << l.lines.size() << " lines";
    // The speed labels stand at x = 4200, right of the dotted path.
    for (int i = 0; i <= 5; ++i) EXPECT_EQ(f.l(i).Left.get(), 4200);
}

TEST(Lesson3Page, TheSuperscriptTwoFollowsMetresPerSecond) {
    driver::Session s;
    ASSERT_TRUE(s.start("Lesson3"));
    auto& f = s.program().get<Lesson3>("Lesson3");
    auto& g = dynamic_cast<scene::Label&>(*f.find("Label2"));
    auto& two = dynamic_cast<scene::Label&>(*f.find("Label5"));
    using namespace scene::text;
    // 18 pt is not a design size: the 12 pt design widths scaled stand in for the face's.
    auto l = layout(g.Caption.get(), Font{18, true, false}, g.Width / 15, Align::Left);
    ASSERT_EQ(l.lines.size(), 1u);
    // Those widths are only close to the face's at 18 pt, so this asks little: the "2" starts
    // beyond "m/" and within a few pixels after the text's end.
    const auto& line = l.lines[0];
    double sLeft = g.Left + line.x[line.text.size() - 1] * 15;
    double textEnd = g.Left + line.width * 15;
    EXPECT_GE(two.Left, sLeft);
    EXPECT_LE(two.Left, textEnd + 200);
    EXPECT_LT(two.Top, g.Top);  // raised
    EXPECT_LT(lessontest::layer(f, two), lessontest::layer(f, g));
}

}  // namespace
