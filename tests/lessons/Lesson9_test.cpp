// Lesson 9 played on the driver's virtual clock: the countdown, one revolution of the station
// with its minute clock, the closing text, Replay and pacing.
#include "lessons/gravity/Lesson9.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "app/registry.h"
#include "tools/driver/driver.h"

using lessons::Lesson9;

namespace {

constexpr double kCentre = 5685;  // the earth disc's centre [twips]
constexpr double kQuarterTurn = std::numbers::pi / 2;

// The driver's machine, telling the test of every scene change so it can read the clock.
struct Watched : driver::VirtualPlatform {
    std::function<void()> changed;
    void formChanged(scene::Form&) override {
        if (changed) changed();
    }
};

struct Play {
    Watched platform;
    scene::Program program{platform};
    Lesson9* f = nullptr;
    std::vector<std::string> captions;  // every caption the clock showed, in order

    Play() {
        app::registerForms(program);
        platform.changed = [this] {
            if (f && (captions.empty() || captions.back() != f->waktu.Caption.get()))
                captions.push_back(f->waktu.Caption);
        };
        program.start("Lesson9");
        f = &program.get<Lesson9>("Lesson9");
    }
    void runTo(double t) {
        while (auto due = program.nextDue()) {
            if (*due > t) break;
            platform.clock = std::max(platform.clock, *due);
            program.fireDueTimers();
        }
        platform.clock = std::max(platform.clock, t);
    }
    void replay() { program.menu(*f->menuItem("rep")); }
    // The station's centre relative to the earth's.
    double dx() const { return f->titik.Left + 30 - kCentre; }
    double dy() const { return f->titik.Top + 30 - kCentre; }
};

TEST(Lesson9Script, TicksOneAndTwoChangeNothingThenThreeBeepsCountDown) {
    Play p;
    EXPECT_FALSE(p.f->titik.Visible);  // on the first visit the station is not there yet
    const auto version = p.f->version();
    p.runTo(2999);
    EXPECT_EQ(p.f->tick, 2);
    EXPECT_EQ(p.f->version(), version);
    EXPECT_TRUE(p.platform.beeps.empty());
    p.runTo(5999);
    ASSERT_EQ(p.platform.beeps.size(), 3u);
    for (int k = 0; k < 3; ++k) {
        EXPECT_DOUBLE_EQ(p.platform.beeps[k].t, 3000 + 1000 * k);
        EXPECT_EQ(p.platform.beeps[k].hz, 440);
        EXPECT_EQ(p.platform.beeps[k].ms, 25);
    }
    EXPECT_EQ(p.f->waktu.Caption, "000");
    EXPECT_FALSE(p.f->titik.Visible);
}

TEST(Lesson9Flight, OneRevolutionEndsAtStep17426WithTheClockAt087) {
    Play p;
    p.runTo(6000);
    EXPECT_EQ(p.f->i, 17426);
    EXPECT_NEAR(p.f->theta, 6.2781, 1e-4);
    EXPECT_NEAR(p.f->r / p.f->r0, 1.000002, 1e-6);
    EXPECT_EQ(p.f->waktu.Caption, "087");
    EXPECT_TRUE(p.f->Label4(0).Visible);
    // The dot stopped just short of its start at 3 o'clock, 3235 twips out.
    EXPECT_TRUE(p.f->titik.Visible);
    EXPECT_NEAR(std::hypot(p.dx(), p.dy()), 3235, 2);
    EXPECT_LT(p.dy(), 0);
    EXPECT_GT(p.dy(), -30);
    // The clock counted every minute in turn, in three digits.
    ASSERT_EQ(p.captions.size(), 88u);
    for (int m = 0; m <= 87; ++m) {
        std::string want = std::to_string(m);
        EXPECT_EQ(p.captions[m], std::string(3 - want.size(), '0') + want);
    }
    // Afterwards the timer ticks without effect.
    const auto version = p.f->version();
    p.runTo(20000);
    EXPECT_TRUE(p.f->jam.Enabled);
    EXPECT_EQ(p.f->version(), version);
    EXPECT_EQ(p.platform.beeps.size(), 3u);
}

TEST(Lesson9Flight, OrbitsClockwiseBetweenItsNearestAndFarthestDistance) {
    Play p;
    double rMin = 1e300, rMax = 0;
    int quarter = 0;  // how far round the dot has come, clockwise from 3 o'clock
    p.platform.onFrame = [&] {
        rMin = std::min(rMin, p.f->r);
        rMax = std::max(rMax, p.f->r);
        const double angle = std::atan2(p.dy(), p.dx());  // y grows downwards
        const int q = angle >= 0 ? (angle < kQuarterTurn ? 0 : 1) : (angle < -kQuarterTurn ? 2 : 3);
        if (q == quarter + 1) quarter = q;
    };
    p.runTo(6000);
    EXPECT_EQ(quarter, 3);
    EXPECT_NEAR(rMin, 6469.9e3, 1e3);
    EXPECT_NEAR(rMax, 6493.6e3, 1e3);
}

TEST(Lesson9Flight, ClosingTextIsShownWhenTheEndTestNeverFires) {
    // Fast enough to leave the earth for good, so the flight runs through all its steps.
    Play p;
    p.f->V = 12000;
    p.f->launch();
    EXPECT_EQ(p.f->i, 80001);
    EXPECT_TRUE(p.f->Label4(0).Visible);
    EXPECT_TRUE(std::isfinite(p.f->titik.Left) && std::isfinite(p.f->titik.Top));
    // 80000 steps of 0.3 s are 400 minutes: past 99 the clock shows its digits alone.
    EXPECT_EQ(p.f->waktu.Caption, "400");
    ASSERT_EQ(p.captions.size(), 401u);
    for (int m : {7, 10, 99, 100, 120}) EXPECT_EQ(p.captions[m], Lesson9::clockCaption(m)) << m;
    EXPECT_EQ(Lesson9::clockCaption(7), "007");
    EXPECT_EQ(Lesson9::clockCaption(87), "087");
    EXPECT_EQ(Lesson9::clockCaption(120), "120");
}

TEST(Lesson9Replay, LeavesTheDotWhereItStoppedUntilTheNextLaunch) {
    Play p;
    p.runTo(9000);
    const float left = p.f->titik.Left, top = p.f->titik.Top;
    p.replay();
    EXPECT_EQ(p.f->tick, 0);
    EXPECT_EQ(p.f->waktu.Caption, "000");
    EXPECT_FALSE(p.f->Label4(0).Visible);
    EXPECT_TRUE(p.f->titik.Visible);
    EXPECT_EQ(p.f->titik.Left, left);
    EXPECT_EQ(p.f->titik.Top, top);
    p.runTo(9000 + 5999);
    EXPECT_EQ(p.f->titik.Left, left);
    EXPECT_EQ(p.f->titik.Top, top);
    // The next launch puts it back at the start and flies the same revolution.
    bool fromStart = false;
    p.platform.onFrame = [&] {
        if (p.f->i < 100) fromStart = p.dy() > 0 && p.dx() > 3230;
    };
    p.runTo(9000 + 6000);
    EXPECT_TRUE(fromStart);
    EXPECT_EQ(p.f->i, 17426);
    EXPECT_EQ(p.f->titik.Left, left);
    EXPECT_EQ(p.f->titik.Top, top);
    EXPECT_TRUE(p.f->Label4(0).Visible);
}

TEST(Lesson9Paced, OrbitTakesFourToTwelveSecondsWithTheClockCounting) {
    Play p;
    p.platform.paced = true;
    std::vector<std::string> seen;
    p.platform.onFrame = [&] {
        if (seen.empty() || seen.back() != p.f->waktu.Caption.get())
            seen.push_back(p.f->waktu.Caption);
    };
    p.runTo(30000);
    ASSERT_EQ(p.platform.handlers.size(), 1u);
    EXPECT_EQ(p.platform.handlers[0].name, "jam_Timer");
    EXPECT_GE(p.platform.handlers[0].ms, 4000);
    EXPECT_LE(p.platform.handlers[0].ms, 12000);
    // Nearly every minute is on screen for a frame or more.
    EXPECT_GE(seen.size(), 80u);
}

}  // namespace
