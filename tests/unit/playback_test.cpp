// Pause, speed and Next Frame on the program clock: a lesson played slower, faster or with
// pauses draws the very same picture, and a paused one stands still.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/registry.h"
#include "scene/pointer.h"
#include "scene/program.h"
#include "shell/navigation.h"
#include "tests/lessons/lesson_fixture.h"
#include "tools/driver/driver.h"

using namespace scene;

namespace {

// The whole program on the driver's machine; while a handler is held paused, `whilePaused`
// stands for the user.
struct Play {
    driver::VirtualPlatform platform;
    Program program{platform};
    std::string name;
    std::function<void()> whilePaused;
    explicit Play(std::string form) : name(std::move(form)) {
        app::registerForms(program);
        platform.whileHeld = [this](std::optional<double> wall) {
            if (wall) {
                platform.clock = std::max(platform.clock, *wall);
                return true;
            }
            if (!whilePaused) return false;
            whilePaused();
            return true;
        };
    }
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
        friend void PrintTo(const Picture& p, std::ostream* os) {
            *os << p.controls.size() << " properties, " << p.segments.size() << " segments";
        }
    };
    Picture picture() {
        Picture out{lessontest::snapshot(form()), {}};
        // The View menu shows the program's state, not the lesson's picture.
        for (const char* item : {"slower", "faster", "frame"})
            out.controls.erase(std::string("menu ") + item);
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

TEST(Playback, TheBadgeNamesEverySpeedButNormalAndThePauseAboveAll) {
    Play p("Utama");
    EXPECT_EQ(shell::playbackBadge(p.program), "");
    std::vector<std::string> seen;
    for (double s : ProgramClock::kSpeeds) {
        ASSERT_TRUE(p.program.setSpeed(s));
        seen.push_back(shell::playbackBadge(p.program));
        p.program.pause();
        EXPECT_EQ(shell::playbackBadge(p.program), "Paused") << s;
        p.program.resume();
    }
    EXPECT_EQ(seen,
              (std::vector<std::string>{"\u00BC\u00D7", "\u00BD\u00D7", "", "2\u00D7", "4\u00D7"}));
}

TEST(Playback, PacedFramesAreShownOncePerDisplayFrameAndEveryOneWhilePaused) {
    // Four seconds of paced frames on the program clock: at most one shown per display frame
    // (so 4x shows every fourth), each held until due; after a stall the next is due at once
    // instead of a burst catching up. Paused, every frame is shown, for Next Frame.
    for (double speed : ProgramClock::kSpeeds) {
        Play p("Utama");
        ASSERT_TRUE(p.program.setSpeed(speed));
        FramePacer pacer;
        int shown = 0;
        double last = -1e9;
        for (int i = 0; i < 240; ++i) {
            auto due = pacer.next(p.program);
            if (!due) continue;
            ++shown;
            EXPECT_GE(*due - last, kFrameMs * std::max(1.0, speed) - 1e-3) << speed << " " << i;
            p.program.holdUntil(*due);
            pacer.held(p.program, *due);
            last = *due;
        }
        EXPECT_NEAR(shown, 240 / std::max(1.0, speed), 1) << speed;
        p.platform.clock += 1000;
        const double stalled = p.program.time();
        auto due = pacer.next(p.program);
        ASSERT_TRUE(due);
        EXPECT_NEAR(*due, stalled, kFrameMs * speed) << speed;
        p.program.pause();
        for (int i = 0; i < 8; ++i) EXPECT_TRUE(pacer.next(p.program)) << speed;
    }
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

// A form (Lesson 9 paced, unless told) played by the driver with these actions ("MS ACTION"),
// until `until`.
struct Driven {
    driver::Session s;
    std::string name;
    bool ok = false;
    Driven(std::vector<std::pair<double, std::string>> actions, std::optional<double> until,
           double speed = 1, std::string formName = "Lesson9", bool paced = true)
        : name(std::move(formName)) {
        s.platform().paced = paced;
        s.program().setSpeed(speed);
        std::vector<driver::Action> list;
        std::string err;
        for (auto& [t, spec] : actions) list.push_back(*driver::parseAction(t, spec, err));
        ok = s.start(name) && s.run(until, list, err);
        EXPECT_TRUE(ok) << err;
    }
    Form& form() { return *s.program().form(name); }
    std::map<std::string, std::string> picture() { return lessontest::snapshot(form()); }
    // How long the orbit's tick ran on screen [ms].
    double orbitMs() const {
        double longest = 0;
        for (auto& h : s.platform().handlers)
            if (h.form == "Lesson9" && h.name == "jam_Timer") longest = std::max(longest, h.ms);
        return longest;
    }
};

TEST(Playback, PausingTenSecondsMidFlightChangesNothingAndResumeReachesTheSameEnd) {
    if (!driver::Session().program().exists("Lesson9")) GTEST_SKIP();
    // The orbit is one paced tick from 6 s to about 14.3 s.
    Driven normal({}, std::nullopt);
    ASSERT_TRUE(normal.ok);
    ASSERT_GT(normal.orbitMs(), 8000);

    Driven early({{8000, "key:Ctrl+Space"}}, 9000), late({{8000, "key:Ctrl+Space"}}, 18000);
    ASSERT_TRUE(early.ok && late.ok);
    EXPECT_TRUE(late.s.program().paused());
    EXPECT_EQ(late.s.platform().clock, 18000);
    EXPECT_EQ(early.picture(), late.picture());
    EXPECT_NE(late.picture(), normal.picture());

    Driven resumed({{8000, "key:Ctrl+Space"}, {18000, "key:Pause"}}, std::nullopt);
    ASSERT_TRUE(resumed.ok);
    EXPECT_FALSE(resumed.s.program().paused());
    EXPECT_EQ(resumed.picture(), normal.picture());
    EXPECT_NEAR(resumed.orbitMs(), normal.orbitMs() + 10000, kFrameMs);
}

TEST(Playback, OnScreenDurationsAreShorterAtHigherSpeed) {
    if (!driver::Session().program().exists("Lesson9")) GTEST_SKIP();
    Driven normal({}, std::nullopt), fast({}, std::nullopt, 4), slow({}, std::nullopt, 0.25);
    ASSERT_TRUE(normal.ok && fast.ok && slow.ok);
    EXPECT_DOUBLE_EQ(fast.orbitMs(), normal.orbitMs() / 4);
    EXPECT_DOUBLE_EQ(slow.orbitMs(), normal.orbitMs() * 4);
}

TEST(Playback, AnActionInsideAPacedHandlerArrivesAtTheNextFrame) {
    if (!driver::Session().program().exists("Lesson10")) GTEST_SKIP();
    // Next at 9 s stops the orbit at its frame there and opens Lesson 10 at once.
    Driven next({{9000, "key:Ctrl+N"}}, 9500);
    ASSERT_TRUE(next.ok);
    ASSERT_NE(next.s.program().active(), nullptr);
    EXPECT_EQ(next.s.program().active()->name(), "Lesson10");
    EXPECT_GE(6000 + next.orbitMs(), 9000);
    EXPECT_LT(6000 + next.orbitMs(), 9000 + kFrameMs);
    // Paused, Next still goes there, and the page it opens plays.
    Driven paused({{8000, "key:Ctrl+Space"}, {9000, "menu:go_Lesson10"}}, 9500);
    ASSERT_TRUE(paused.ok);
    EXPECT_EQ(paused.s.program().active()->name(), "Lesson10");
    EXPECT_FALSE(paused.s.program().paused());
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
    p.whilePaused = [&] {
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
    p.whilePaused = [&] {
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

// --- Message boxes on the program clock ----------------------------------------------------------

// Lesson 11 tells the days passed in twelve message boxes, unpaced as the driver plays it.
Driven lesson11(std::vector<std::pair<double, std::string>> actions,
                std::optional<double> until = std::nullopt, double speed = 1) {
    return Driven(std::move(actions), until, speed, "Lesson11", false);
}

TEST(MessageBoxes, WithContinueAfterMessagesEachClosesAfterFourSecondsOfItsClockToTheLessonsEnd) {
    auto pressed = lesson11({});  // the driver's user presses OK at once
    ASSERT_TRUE(pressed.ok);
    ASSERT_EQ(pressed.s.platform().messages.size(), 12u);
    auto item = driver::report(pressed.s, "Lesson11", false)["menu"]["continue"];
    EXPECT_EQ(item["caption"].string(), "Continue after Messages");
    EXPECT_FALSE(item["checked"].boolean());
    for (double speed : {1.0, 2.0}) {
        auto alone = lesson11({{0, "menu:continue"}}, std::nullopt, speed);
        ASSERT_TRUE(alone.ok);
        const auto& boxes = alone.s.platform().messages;
        ASSERT_EQ(boxes.size(), 12u) << speed << "x";
        for (auto& m : boxes)
            EXPECT_EQ(m.closed - m.t, Program::kMessageMs / speed) << m.text << " at " << speed;
        EXPECT_EQ(alone.picture(), pressed.picture()) << "the lesson did not go on to its end";
        EXPECT_TRUE(
            driver::report(alone.s, "Lesson11", false)["menu"]["continue"]["checked"].boolean());
    }
}

TEST(MessageBoxes, NextDuringABoxLeavesWithItAndPauseHoldsIt) {
    const double opened = lesson11({}).s.platform().messages.at(0).t;
    auto next = lesson11({{0, "menu:continue"}, {opened + 1000, "key:Ctrl+N"}}, opened + 5000);
    ASSERT_TRUE(next.ok);
    ASSERT_EQ(next.s.platform().messages.size(), 1u);
    EXPECT_EQ(next.s.platform().messages[0].closed, opened + 1000);
    EXPECT_FALSE(next.s.program().messageOpen());
    ASSERT_NE(next.s.program().active(), nullptr);
    EXPECT_EQ(next.s.program().active()->name(), "Lesson12");

    // Paused for six seconds: the box stays open that much longer, and the lesson goes on.
    auto held = lesson11(
        {{0, "menu:continue"}, {opened + 1000, "key:Pause"}, {opened + 7000, "key:Ctrl+Space"}});
    ASSERT_TRUE(held.ok);
    const auto& boxes = held.s.platform().messages;
    ASSERT_EQ(boxes.size(), 12u);
    EXPECT_EQ(boxes[0].closed - boxes[0].t, Program::kMessageMs + 6000);
    EXPECT_EQ(boxes[1].closed - boxes[1].t, Program::kMessageMs);
}

// --- Seeking on a page's timeline --------------------------------------------------------------

// What a page shows at program time t of its run, played paced from its start: inside a long
// handler, at the first frame shown at or after t. `before` stands for the user at time `at`.
Play::Picture playedTo(const std::string& form, double t, double at = -1,
                       const std::function<void(Play&)>& before = {}) {
    Play p(form);
    p.platform.paced = true;
    EXPECT_TRUE(p.start());
    std::optional<Play::Picture> seen;
    p.platform.onFrame = [&] {
        if (!seen && p.program.time() - kFrameMs >= t) seen = p.picture();
    };
    if (before) {
        p.runTo(at);
        before(p);
    }
    p.runTo(t);
    return seen ? *seen : p.picture();
}

// What the page shows where a seek to t lands, asked for at `from` after `before` at `at`.
Play::Picture soughtTo(const std::string& form, double from, double t, double at = -1,
                       const std::function<void(Play&)>& before = {}) {
    Play p(form);
    EXPECT_TRUE(p.start());
    if (before) {
        p.runTo(at);
        before(p);
    }
    p.runTo(from);
    std::optional<Play::Picture> landed;
    p.platform.onSought = [&] { landed = p.picture(); };
    p.program.seek(t);
    EXPECT_TRUE(landed) << form << ": the seek to " << t << " did not land";
    return landed.value_or(Play::Picture{});
}

TEST(Seeking, APageSoughtToAMomentShowsWhatPlayingThereShows) {
    Play any("Utama");
    int pages = 0;
    for (const std::string& form : any.program.registered()) {
        const Timeline* line = any.program.timeline(form);
        if (!line) continue;
        ++pages;
        ASSERT_FALSE(line->stages.empty()) << form << " names no stage";
        // Before the first stage, a moment into a few stages (inside their flights), the end;
        // the odd .3 keeps each moment off the frames' own times.
        const auto& st = line->stages;
        std::vector<double> moments{std::max(0.0, st.front().t - 500.3), line->lengthMs};
        for (std::size_t i : {std::size_t(0), st.size() / 2, st.size() - 1})
            moments.push_back(std::min(line->lengthMs, st[i].t + 700.3));
        for (double t : moments) {
            const auto played = playedTo(form, t);
            // From the start and from the end of the run: forwards and backwards.
            EXPECT_EQ(soughtTo(form, 0, t), played) << form << " forwards to " << t;
            EXPECT_EQ(soughtTo(form, line->lengthMs, t), played) << form << " back to " << t;
        }
    }
    if (pages == 0) GTEST_SKIP();
}

TEST(Seeking, BackTenSecondsFromTheEndOfLesson8IsPlayingToTenSecondsBeforeIt) {
    Play p("Lesson8");
    if (!p.start()) GTEST_SKIP();
    const double end = p.program.timeline("Lesson8")->lengthMs;
    p.runTo(end);
    std::optional<Play::Picture> landed;
    p.platform.onSought = [&] { landed = p.picture(); };
    p.program.menu(*p.form().menuItem("back"));
    ASSERT_TRUE(landed);
    EXPECT_EQ(*landed, playedTo("Lesson8", end - shell::kSeekStepMs));
    EXPECT_GE(p.program.position(), end - shell::kSeekStepMs);
    EXPECT_LT(p.program.position(), end - shell::kSeekStepMs + kFrameMs);
}

TEST(Seeking, ASeekWhilePausedStaysPausedAlsoInsideAFlight) {
    if (!driver::Session().program().exists("Lesson8")) GTEST_SKIP();
    for (double t : {5000.3, 20000.3}) {  // before the first launch; inside the 4000 m/s one
        driver::Session s;
        std::string err;
        ASSERT_TRUE(s.start("Lesson8"));
        ASSERT_TRUE(s.run(40000,
                          {*driver::parseAction(1000, "key:Ctrl+Space", err),
                           *driver::parseAction(2000, "seek:" + std::to_string(t), err)},
                          err))
            << err;
        auto& p = s.program();
        EXPECT_TRUE(p.paused()) << t;
        EXPECT_GE(p.position(), t);
        EXPECT_LT(p.position(), t + kFrameMs);
    }
}

TEST(Seeking, WhatTheUserTypedBeforeTheMomentIsDoneAgainAndWhatCameAfterIsDropped) {
    if (!driver::Session().program().exists("Lesson2")) GTEST_SKIP();
    // The demonstration types ratio 1 at 4.8 s; the user then types 5, before the balls fall.
    const double typed = 8000.3;
    auto type5 = [](Play& p) {
        auto& box = dynamic_cast<TextBox&>(*p.program.form("Lesson2")->find("Ratio"));
        p.program.type(box, "5");
    };
    for (double t : {9000.3, 20000.3}) {
        const auto played = playedTo("Lesson2", t, typed, type5);
        EXPECT_EQ(played.controls.at("Ratio.Text"), "5");
        EXPECT_EQ(soughtTo("Lesson2", 30000, t, typed, type5), played) << t;
    }
    // Back to before the typing: the box shows the demonstration's own ratio.
    const auto before = soughtTo("Lesson2", 30000, 7000.3, typed, type5);
    EXPECT_EQ(before, playedTo("Lesson2", 7000.3));
    EXPECT_EQ(before.controls.at("Ratio.Text"), "1");
}

}  // namespace
