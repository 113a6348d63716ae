// Lesson 12: seven launches at growing speed from above a small earth, played on the virtual
// clock, and what the flights make of whatever the velocity box holds.
#include "lessons/gravity/Lesson12.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "scene/files.h"
#include "scene/numbers.h"
#include "scene/pointer.h"
#include "tools/driver/driver.h"

namespace {

using lessons::Lesson12;

struct Lesson12Script : ::testing::Test {
    std::unique_ptr<driver::Session> session;
    Lesson12* form = nullptr;
    void SetUp() override { restart(); }

    // A fresh program started on the lesson.
    void restart() {
        session = std::make_unique<driver::Session>();
        session->start("Lesson12");
        form = &session->program().get<Lesson12>("Lesson12");
    }
    // Runs the clock in small slices until `done` holds; false if it never does.
    bool playUntil(const std::function<bool()>& done, double limitMs = 200000) {
        for (double t = session->platform().clock; t <= limitMs; t += 10) {
            session->advanceTo(t);
            if (done()) return true;
        }
        return false;
    }
    // Just after the tick that prepares trial k, before its glide starts.
    bool toPrepared(int k) {
        return playUntil([&] { return form->trial == k && form->tick == 3; });
    }
    // Flies trial k and returns its segments.
    std::vector<scene::Segment> fly(int k) {
        const size_t from = form->surface().size();
        if (!playUntil([&] { return form->trial == k + 1; })) return {};
        std::vector<scene::Segment> out;
        form->surface().forEach(from, [&](const scene::Segment& g) { out.push_back(g); });
        return out;
    }
};

const char* const kCaptions[7] = {
    "V init = V circle = 4483 m/s ... circular",
    "V init = 1.34 * V circle = 6008 m/s ... elliptical",
    "V init = 1.36 * V circle = 6097 m/s ... elliptical",
    "V init = 1.38 * V circle = 6187 m/s ... elliptical",
    "V init = 1.40 * V circle = 6277 m/s ... elliptical",
    "V init = 1.42 * V circle = 6366 m/s ... HYPERBOLIC",
    "V init = 1.44 * V circle = 6456 m/s ... HYPERBOLIC",
};

const char* const kBox[7] = {" 4483", " 6008", " 6097", " 6187", " 6277", " 6366", " 6456"};

TEST_F(Lesson12Script, ActivationComputesTheHeightFromTheLayoutAndHidesTheTrials) {
    EXPECT_EQ(form->Label4.Caption.get(), "13164 km high from earth surface");
    EXPECT_EQ(form->h, 13164666.0f);
    EXPECT_FALSE(form->Label4.Visible);
    EXPECT_TRUE(form->bm.Visible);
    EXPECT_EQ(form->bm.Width.get(), 3735.0f);
    EXPECT_EQ(form->bm.Height.get(), 3735.0f);
    EXPECT_EQ(form->tick, -7);
    EXPECT_EQ(form->vinit.Text.get(), "");
    for (int k = 0; k <= 6; ++k) EXPECT_FALSE(form->Label3(k).Visible);
    EXPECT_FALSE(session->program().active()->menuItem("next")->Enabled);
}

TEST_F(Lesson12Script, TheLargeEarthHalvesFourTimesAboutItsCentre) {
    ASSERT_TRUE(playUntil([&] { return form->tick == 0; }));
    EXPECT_EQ(form->bm.Width.get(), 233.4375f);
    EXPECT_EQ(form->bm.Height.get(), 233.4375f);
    EXPECT_FLOAT_EQ(form->bm.Left + form->bm.Width / 2, 6960 + 3735 / 2.0);
    EXPECT_FLOAT_EQ(form->bm.Top + form->bm.Height / 2, 1920 + 3735 / 2.0);
    EXPECT_TRUE(form->wait(0).Visible);
    EXPECT_EQ(session->platform().beeps.size(), 4u);
    ASSERT_TRUE(playUntil([&] { return form->tick == 1; }));
    EXPECT_FALSE(form->bm.Visible);
    EXPECT_TRUE(form->Line5.Visible);
}

TEST_F(Lesson12Script, EachTrialWritesItsVelocityIntoTheBoxAndItsCaption) {
    ASSERT_TRUE(toPrepared(0));
    EXPECT_EQ(form->vinit.Text.get(), " 4483");  // the blank stands for the sign
    EXPECT_EQ(form->vinit.SelStart.get(), 4);
    EXPECT_EQ(form->wait(1).Caption.get(), "Earth");
    for (int k = 0; k <= 6; ++k) {
        ASSERT_TRUE(toPrepared(k)) << k;
        EXPECT_EQ(form->Label3(k).Caption.get(), kCaptions[k]);
        EXPECT_EQ(form->vinit.Text.get(), kBox[k]);
        EXPECT_TRUE(form->Label3(k).Visible);
        EXPECT_TRUE(form->Line8(k).Visible);
        EXPECT_EQ(form->Line8(k).BorderColor.get(), scene::QBColor(14 - k));
        EXPECT_EQ(form->Label3(k).ForeColor.get(), scene::QBColor(14 - k));
        EXPECT_EQ(form->lastTrial, k == 6 ? 1 : 0);
    }
}

TEST_F(Lesson12Script, TheSevenFlightsCircleEllipsesAndTwoHyperbolas) {
    const double cx = 8788, cy = 3733;  // the centre the flights are drawn about
    struct Row {
        size_t minSegs, maxSegs;
        double farthest;
        bool leavesLeft;
    };
    const Row rows[7] = {{1132, 1132, 92, false},     {2900, 3000, 807, false},
                         {4400, 4500, 1127, false},   {8400, 8500, 1827, false},
                         {29900, 30100, 4503, false}, {14260, 14280, 0, true},
                         {10250, 10270, 0, true}};
    for (int k = 0; k <= 6; ++k) {
        auto segs = fly(k);
        ASSERT_GE(segs.size(), rows[k].minSegs) << k;
        EXPECT_LE(segs.size(), rows[k].maxSegs) << k;
        double far = 0;
        for (auto& g : segs) {
            EXPECT_EQ(g.color, scene::QBColor(14 - k));
            far = std::max(far, std::hypot(g.x2 - cx, g.y2 - cy));
        }
        // Every flight starts on the launch line and first goes down.
        EXPECT_NEAR(segs.front().x1, 8880, 0.01) << k;
        EXPECT_GT(segs.front().y2, segs.front().y1) << k;
        if (rows[k].leavesLeft) {
            EXPECT_LT(segs.back().x2, 100) << k;  // out over the left edge
        } else {
            EXPECT_NEAR(far, rows[k].farthest, k == 0 ? 1 : 5) << k;
            // Back near the launch line, short of a full turn.
            EXPECT_NEAR(segs.back().x2, 8880, k == 0 ? 1 : 15) << k;
            EXPECT_LT(form->theta, 6.29) << k;
        }
    }
    EXPECT_EQ(form->tick, 200);
    EXPECT_FALSE(form->vinit.Visible);
    EXPECT_FALSE(form->ck.Visible);
}

TEST_F(Lesson12Script, TheClosingTextsAndTheRootSignComeAfterTheSeventhFlight) {
    ASSERT_TRUE(playUntil([&] { return form->tick == 205; }));
    for (int k = 0; k <= 2; ++k) EXPECT_TRUE(form->Label5(k).Visible);
    for (int k = 1; k <= 5; ++k) EXPECT_TRUE(form->Label6(k).Visible);
    EXPECT_TRUE(form->Line9.Visible);
    EXPECT_TRUE(form->Line10.Visible);
    EXPECT_TRUE(form->Line11.Visible);
    // Trails, strokes and captions of every trial stay.
    for (int k = 0; k <= 6; ++k) EXPECT_TRUE(form->Label3(k).Visible);
    const double at = session->platform().clock;
    session->advanceTo(at + 10000);
    EXPECT_TRUE(form->jam.Enabled);  // keeps ticking without effect
}

TEST_F(Lesson12Script, ThePointerGlidesFromTheBoxOntoTheSwitchAndBack) {
    ASSERT_TRUE(toPrepared(1));
    const auto& moves = session->platform().cursor;
    // Activation, then 21 steps right and 21 back for the first trial.
    ASSERT_EQ(moves.size(), 1u + 21 + 21);
    // Evenly right, about 5 pixels a tick, and back the same way.
    for (int n = 1; n <= 21; ++n) {
        EXPECT_NEAR(moves[n].px - moves[n - 1].px, 5, 1) << n;
        EXPECT_NEAR(moves[n].py, moves[0].py, 2) << n;
        EXPECT_EQ(moves[21 + n].px, moves[21 - n].px) << n;
    }
    // On a classic maximised desktop the glide starts over the box and ends over the switch.
    auto inside = [](const scene::Control& c, scene::TwipPoint p) {
        return p.x >= c.Left && p.x < c.Left + c.Width && p.y >= c.Top && p.y < c.Top + c.Height;
    };
    EXPECT_TRUE(inside(form->vinit, scene::classicClientPoint(moves[0].px, moves[0].py)));
    EXPECT_TRUE(inside(form->ck, scene::classicClientPoint(moves[21].px, moves[21].py)));
    EXPECT_TRUE(inside(form->vinit, scene::classicClientPoint(moves[42].px, moves[42].py)));
}

TEST_F(Lesson12Script, TheSwitchIsTickedForTheFlightAndClearedAfter) {
    ASSERT_TRUE(playUntil([&] { return form->tick == 25; }));
    EXPECT_EQ(form->ck.Value.get(), 1);
    EXPECT_EQ(session->program().active()->focused(), &form->ck);
    EXPECT_FALSE(form->wait(1).Visible);
    EXPECT_FALSE(form->Line7.Visible);
    ASSERT_TRUE(playUntil([&] { return form->tick == 102; }));
    EXPECT_EQ(form->ck.Value.get(), 0);
}

TEST_F(Lesson12Script, ReplayRestoresTheLargeEarthAndStartsOver) {
    ASSERT_TRUE(toPrepared(2));
    std::string err;
    ASSERT_TRUE(session->run(session->platform().clock + 1,
                             {*driver::parseAction(session->platform().clock, "menu:rep", err)},
                             err))
        << err;
    EXPECT_TRUE(form->bm.Visible);
    EXPECT_EQ(form->bm.Left.get(), 6960.0f);
    EXPECT_EQ(form->bm.Top.get(), 1920.0f);
    EXPECT_EQ(form->bm.Width.get(), 3735.0f);
    EXPECT_EQ(form->bm.Height.get(), 3735.0f);
    EXPECT_EQ(form->trial, 0);
    EXPECT_EQ(form->tick, -7);
    EXPECT_EQ(form->surface().size(), 0u);
    for (int k = 0; k <= 6; ++k) {
        EXPECT_FALSE(form->Label3(k).Visible);
        EXPECT_FALSE(form->Line8(k).Visible);
    }
    EXPECT_FALSE(form->Line1.Visible);
    EXPECT_EQ(form->wait(1).Caption.get(), "Downscaling the Earth");
    // The pointer is back over the box, where the first activation put it.
    EXPECT_EQ(session->platform().cursor.back().px, session->platform().cursor.front().px);
    EXPECT_EQ(session->platform().cursor.back().py, session->platform().cursor.front().py);
    EXPECT_EQ(fly(0).size(), 1132u);
}

// Whatever is typed into the box before the first flight: what that flight draws.
struct Typed {
    const char* text;
    size_t segments;  // what the flight draws; 290001 is every step it may take
    const char* why;
};
const Typed kTyped[] = {
    {"abc", 0, "no number: 0 m/s and a step of -200 s"},
    {"", 0, "an empty box reads as 0"},
    {"-", 0, "a sign alone reads as 0"},
    {"4000", 0, "a step of 0 s never moves"},
    {"3999.9", 0, "a step below 0 s runs backwards"},
    {"3000", 0, "below 4000 m/s every step is negative"},
    {"-6000", 0, "a negative velocity has a negative step"},
    {"1e308", 0, "a step too large to be a number"},
    {"1e6", 0, "one step turns further than a whole revolution"},
    {"20000", 1, "after one 800 s step the distance no longer follows from the energy"},
    {"nan", 0, "not a number to this reading: 0"},
    {"  6008 m/s", 2939, "leading blanks and trailing text: flown as 6008"},
    {"6008", 2939, "the second trial's velocity, flown as the first"},
    {"7000", 0, "a hyperbola that leaves over the left edge"},
    {"4001", 290001, "a step of 0.05 s: the flight ends after its last step"},
};

TEST_F(Lesson12Script, ATypedVelocityIsReadLenientlyAndEveryFlightEndsSoundly) {
    for (const Typed& row : kTyped) {
        restart();
        Lesson12& f = *form;
        // After the script has written the box, during the pointer's glide.
        ASSERT_TRUE(playUntil([&] { return f.tick == 10; }));
        session->program().type(f.vinit, row.text);
        ASSERT_TRUE(playUntil([&] { return f.tick == 101; })) << row.text;
        EXPECT_EQ(f.trial, 1) << row.text << ": the script goes on to the next trial";
        const auto& segs = f.surface();
        if (std::string(row.text) == "7000") {
            ASSERT_GT(segs.size(), 100u) << row.why;
            EXPECT_LT(segs[segs.size() - 1].x2, 100) << row.why;
        } else {
            EXPECT_EQ(segs.size(), row.segments) << row.text << ": " << row.why;
        }
        for (size_t n = 0; n < segs.size(); ++n) {
            ASSERT_TRUE(std::isfinite(segs[n].x1) && std::isfinite(segs[n].y2)) << row.text;
        }
        for (const char* name : {"ck", "vinit", "Label3(0)", "Line8(0)", "Line1"}) {
            scene::PropList props;
            f.find(name)->properties(props);
            for (auto& [key, value] : props) {
                if (auto* d = std::get_if<double>(&value)) {
                    EXPECT_TRUE(std::isfinite(*d)) << name << "." << key;
                }
                // The box shows what was typed; only the program's own texts must be sane.
                auto* t = std::get_if<std::string>(&value);
                if (t && std::string(key) != "Text") {
                    EXPECT_EQ(t->find("nan"), std::string::npos) << name;
                    EXPECT_EQ(t->find("inf"), std::string::npos) << name;
                }
            }
        }
        // The caption keeps the velocity the script wrote.
        EXPECT_EQ(f.Label3(0).Caption.get(), kCaptions[0]) << row.text;
    }
}

TEST_F(Lesson12Script, TheStepIsReadFromTheBoxAtEveryStep) {
    // The box emptied in the middle of the circle: the next step is not forward, so it ends.
    size_t drawnWhenEmptied = 0;
    session->platform().onFrame = [&] {
        if (form->trial == 0 && form->surface().size() > 500 && drawnWhenEmptied == 0) {
            form->vinit.Text = "";
            drawnWhenEmptied = form->surface().size();
        }
    };
    auto segs = fly(0);
    ASSERT_GT(drawnWhenEmptied, 0u);
    EXPECT_EQ(segs.size(), drawnWhenEmptied);
    EXPECT_EQ(form->tick, 100);
}

TEST_F(Lesson12Script, TypingWhileAFlightRunsWaitsForItsEnd) {
    bool typed = false;
    session->platform().onFrame = [&] {
        if (!typed && form->trial == 0) {
            session->program().type(form->vinit, "abc");
            typed = true;
        }
    };
    EXPECT_EQ(fly(0).size(), 1132u);
    EXPECT_TRUE(typed);
    EXPECT_EQ(form->vinit.Text.get(), "abc");  // delivered once the flight was over
    // The next trial writes its own velocity over it.
    ASSERT_TRUE(toPrepared(1));
    EXPECT_EQ(form->vinit.Text.get(), " 6008");
}

TEST(Lesson12Paced, EveryTrialIsWatchable) {
    driver::Session s;
    s.platform().paced = true;
    ASSERT_TRUE(s.start("Lesson12"));
    std::string err;
    ASSERT_TRUE(s.run(200000, {}, err)) << err;
    std::vector<double> ms;
    for (auto& h : s.platform().handlers)
        if (h.name == "jam_Timer") ms.push_back(h.ms);
    ASSERT_EQ(ms.size(), 7u);
    for (size_t k = 0; k < 7; ++k) {
        EXPECT_GE(ms[k], 500) << "trial " << k;
        // The widest ellipse has 26 times the circle's segments: with one pace for the form it
        // cannot stay under 8 s while the circle keeps half a second.
        EXPECT_LE(ms[k], k == 4 ? 20000 : 8000) << "trial " << k;
    }
}

// Typed bytes that are no UTF-8 reach the report as U+FFFD, as the node build receives them.
TEST(Lesson12Driver, TypedTextThatIsNoUtf8StillGivesValidJson) {
    std::string out, err;
    ASSERT_EQ(
        driver::runCommand(
            {"Lesson12", "--until", "200", "--at", "100", "type:vinit=7\xFF\xE2\x82"}, out, err),
        0)
        << err;
    EXPECT_EQ(scene::validUtf8(out), out);
    EXPECT_NE(out.find("\"Text\":\"7\xEF\xBF\xBD\xEF\xBF\xBD\""), std::string::npos) << out;
}

}  // namespace
