// Pause, speed and Next Frame on the program clock: a lesson played slower, faster or with
// pauses draws the very same picture, and a paused one stands still.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/registry.h"
#include "scene/pointer.h"
#include "scene/program.h"
#include "tests/lessons/scripted_form.h"
#include "tools/driver/driver.h"

using namespace scene;

namespace {

// The driver's machine, holding a paced handler until its next frame is due on the program
// clock; while the program is paused, `whilePaused` stands for the user.
struct HoldingPlatform : driver::VirtualPlatform {
    std::function<void()> whilePaused;
    void frame(Form& f) override {
        if (onFrame) onFrame();
        f.program().holdUntil(f.program().time() + kFrameMs);
    }
    bool waitUntil(std::optional<double> wall) override {
        if (wall) {
            clock = std::max(clock, *wall);
            return true;
        }
        if (!whilePaused) return false;
        whilePaused();
        return true;
    }
};

// The whole program on that machine.
struct Play {
    HoldingPlatform platform;
    Program program{platform};
    std::string name;
    explicit Play(std::string form) : name(std::move(form)) { app::registerForms(program); }
    bool start() {
        if (!program.exists(name)) return false;
        program.start(name);
        return true;
    }
    Form& form() { return *program.form(name); }
    // Fires ticks as they fall due until wall time t, or (as the driver) until no timer of
    // the active form is enabled.
    void runTo(std::optional<double> t) {
        auto running = [&] {
            for (Timer* timer :
                 program.active() ? program.active()->timers() : std::vector<Timer*>{})
                if (timer->armed()) return true;
            return false;
        };
        while (!program.ended() && (t || running())) {
            auto due = program.nextDue();
            if (!due || *due > t.value_or(driver::kMaxUntilMs)) break;
            platform.clock = std::max(platform.clock, *due);
            program.fireDueTimers();
        }
        if (t) platform.clock = std::max(platform.clock, *t);
    }
    // What a student sees: every control's properties and every drawn segment, in order.
    struct Picture {
        std::map<std::string, std::string> controls;
        std::vector<std::array<float, 5>> segments;
        bool operator==(const Picture&) const = default;
    };
    Picture picture() {
        Picture out{lessontest::snapshot(form()), {}};
        form().surface().forEach(0, [&](const Segment& s) {
            out.segments.push_back({s.x1, s.y1, s.x2, s.y2, float(s.color)});
        });
        return out;
    }
};

// Plays a form's whole script paced at `speed`; nullopt when this build lacks the form.
std::optional<Play::Picture> finishedPicture(const std::string& form, double speed) {
    Play p(form);
    p.platform.paced = true;
    EXPECT_TRUE(p.program.setSpeed(speed));
    if (!p.start()) return std::nullopt;
    p.runTo(std::nullopt);
    return p.picture();
}

TEST(Playback, TheFinishedPictureIsTheSameAtEverySpeed) {
    for (const char* form :
         {"Lesson6", "Lesson8", "Lesson9", "Lesson10", "Lesson11", "Lesson12", "optics1"}) {
        auto normal = finishedPicture(form, 1);
        if (!normal) continue;
        EXPECT_FALSE(normal->segments.empty() && std::string(form) != "Lesson9") << form;
        for (double speed : {0.25, 4.0}) EXPECT_EQ(*finishedPicture(form, speed), *normal) << form;
    }
}

TEST(Playback, OnlyTheOfferedSpeedsAreTaken) {
    Play p("Utama");
    for (double bad : {0.0, -1.0, 3.0, 8.0, 0.3}) EXPECT_FALSE(p.program.setSpeed(bad)) << bad;
    EXPECT_EQ(p.program.speed(), 1);
    p.program.slower();
    p.program.slower();
    p.program.slower();  // stays at the slowest
    EXPECT_EQ(p.program.speed(), 0.25);
    EXPECT_TRUE(p.program.slowest());
    for (int i = 0; i < 6; ++i) p.program.faster();
    EXPECT_EQ(p.program.speed(), 4);
    EXPECT_TRUE(p.program.fastest());
    p.program.normalSpeed();
    EXPECT_EQ(p.program.speed(), 1);
}

TEST(Playback, TicksRunOnTheProgramClock) {
    // Lesson 3's countdown beeps once a second from its third tick: every half second at
    // speed 2, not at all paused.
    Play p("Lesson3");
    if (!p.start()) GTEST_SKIP();
    p.program.setSpeed(2);
    p.runTo(2600);
    ASSERT_EQ(p.platform.beeps.size(), 3u);
    EXPECT_EQ(p.platform.beeps[0].t, 1500);
    EXPECT_EQ(p.platform.beeps[1].t - p.platform.beeps[0].t, 500);
    EXPECT_EQ(p.platform.beeps[0].ms, 12.5);  // a 25 ms beep lasts half as long on screen

    p.program.pause();
    auto before = p.picture();
    auto beeps = p.platform.beeps.size();
    p.runTo(12600);
    EXPECT_EQ(p.picture(), before);
    EXPECT_EQ(p.platform.beeps.size(), beeps);
    EXPECT_EQ(p.program.time(), 5200);
}

TEST(Playback, PausingTenSecondsMidFlightChangesNothingAndResumeReachesTheSameEnd) {
    auto normal = finishedPicture("Lesson9", 1);
    if (!normal) GTEST_SKIP();
    Play p("Lesson9");
    p.platform.paced = true;
    int frames = 0;
    Play::Picture atPause;
    p.platform.onFrame = [&] {
        if (++frames == 200) {
            p.program.pause();
            atPause = p.picture();
        }
    };
    int holds = 0;
    p.platform.whilePaused = [&] {
        // Ten seconds go by, ticks would be due: the orbit stands where it was.
        ++holds;
        p.platform.clock += 10000;
        p.program.fireDueTimers();
        EXPECT_EQ(p.picture(), atPause);
        p.program.resume();
    };
    ASSERT_TRUE(p.start());
    p.runTo(std::nullopt);
    EXPECT_EQ(holds, 1);
    EXPECT_GT(frames, 200);
    EXPECT_EQ(p.picture(), *normal);
}

TEST(Playback, NextFrameAdvancesExactlyOneFrame) {
    // The pictures an unpaused run presents, frame by frame.
    std::vector<Play::Picture> reference;
    {
        Play p("Lesson9");
        p.platform.paced = true;
        p.platform.onFrame = [&] { reference.push_back(p.picture()); };
        if (!p.start()) GTEST_SKIP();
        p.runTo(std::nullopt);
    }
    ASSERT_GT(reference.size(), 210u);
    Play p("Lesson9");
    p.platform.paced = true;
    std::vector<Play::Picture> seen;
    p.platform.onFrame = [&] {
        seen.push_back(p.picture());
        if (seen.size() == 200) p.program.pause();
    };
    int steps = 0;
    p.platform.whilePaused = [&] {
        // Each Next Frame lets the orbit on by exactly the next frame, on the clock by 1/60 s.
        ASSERT_EQ(seen.size(), 200u + steps);
        EXPECT_EQ(seen.back(), reference[seen.size() - 1]);
        if (steps == 10) return p.program.resume();
        const double t = p.program.time();
        p.program.stepFrame();
        EXPECT_DOUBLE_EQ(p.program.time(), t + kFrameMs);
        ++steps;
    };
    ASSERT_TRUE(p.start());
    p.runTo(std::nullopt);
    EXPECT_EQ(steps, 10);
    EXPECT_EQ(seen, reference);
}

TEST(Playback, ATickDueWithinTheNextFrameFiresAndOnlyThat) {
    Play p("Lesson3");
    if (!p.start()) GTEST_SKIP();
    p.runTo(2990);  // the first beeping tick is due at 3000
    p.program.pause();
    auto beeps = p.platform.beeps.size();
    p.runTo(5000);
    EXPECT_EQ(p.platform.beeps.size(), beeps);
    p.program.stepFrame();  // 2990 .. 3006.7: the tick at 3000 fires
    p.runTo(5000);
    EXPECT_EQ(p.platform.beeps.size(), beeps + 1);
    for (int i = 0; i < 5; ++i) p.program.stepFrame();  // up to 3090: nothing more is due
    p.runTo(5000);
    EXPECT_EQ(p.platform.beeps.size(), beeps + 1);
}

TEST(Playback, ClicksWhilePausedAreHandledAndWhatTheyStartWaitsForResume) {
    // An optics ray clicked while paused: the click is taken, the ray is drawn after Resume.
    Play p("optics1");
    p.platform.paced = true;
    if (!p.start()) GTEST_SKIP();
    p.runTo(100);
    p.program.pause();
    auto drawn = p.form().surface().size();
    bool resumed = false;
    p.platform.whilePaused = [&] {
        EXPECT_LE(p.form().surface().size(), drawn + 300);  // at most the first frame's worth
        resumed = true;
        p.program.resume();
    };
    Control* source = p.form().find("lt(0)");
    ASSERT_NE(source, nullptr);
    p.program.click(*source);
    EXPECT_TRUE(resumed);
    EXPECT_GT(p.form().surface().size(), drawn);
}

TEST(Playback, LeavingAPausedLessonPlaysThePageItOpens) {
    Play p("Lesson3");
    if (!p.start()) GTEST_SKIP();
    p.runTo(1500);
    p.program.pause();
    p.program.shortcut(p.form(), "Ctrl+N");
    EXPECT_FALSE(p.program.paused());
    EXPECT_NE(p.program.active(), &p.form());
}

}  // namespace
