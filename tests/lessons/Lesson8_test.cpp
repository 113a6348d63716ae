// Lesson 8 played on the driver's virtual clock: the pointer glides, the speeds typed, where
// each flight ends and how it is coloured, Replay, speeds the user types, and pacing.
#include "lessons/gravity/Lesson8.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "scene/numbers.h"
#include "scene/pointer.h"
#include "app/registry.h"
#include "tools/driver/driver.h"

using lessons::Lesson8;

namespace {

constexpr double kCentre = 4592.5;  // the earth disc's centre [twips]
constexpr scene::Color kFlight = 0xE17B80, kExtended = 0xB3B4C0, kCircleOrbit = 0x85D2A8;

bool inside(const scene::Control& c, scene::TwipPoint p) {
    return p.x >= c.Left && p.x <= c.Left + c.Width && p.y >= c.Top && p.y <= c.Top + c.Height;
}

// Where the pointer is on the classic window [twips].
scene::TwipPoint at(const driver::CursorRecord& c) { return scene::classicClientPoint(c.px, c.py); }

// Fires the next due tick of the program's timers; false when none is armed.
bool nextTick(scene::Program& p, driver::VirtualPlatform& platform) {
    auto due = p.nextDue();
    if (!due) return false;
    platform.clock = std::max(platform.clock, *due);
    p.fireDueTimers();
    return true;
}

struct Play {
    driver::Session s;
    Lesson8& f;
    Play() : f((s.start("Lesson8"), s.program().get<Lesson8>("Lesson8"))) {}
    bool tick() { return nextTick(s.program(), s.platform()); }
    // Ticks until `done` holds; fails the test rather than hanging when it never does.
    template <class P>
    void until(P done) {
        for (int n = 0; n < 5000 && !done(); ++n) ASSERT_TRUE(tick());
        ASSERT_TRUE(done());
    }
    void menu(const char* item) {
        std::string err;
        auto a = driver::parseAction(s.platform().clock, std::string("menu:") + item, err);
        ASSERT_TRUE(a && s.perform(*a, err)) << err;
    }
    void type(const std::string& text) {
        std::string err;
        auto a = driver::parseAction(s.platform().clock, "type:vinit=" + text, err);
        ASSERT_TRUE(a && s.perform(*a, err)) << err;
    }
};

// One flight as the demonstration drew it.
struct Flight {
    std::string text;  // the speed box when it was launched
    int stage;
    int endStep;          // the step at which the loop was left (80001 when it ran out)
    size_t first, count;  // its segments on the surface
};

// Plays ticks until `last` launches have flown (each tick 26, and the three of tick 305).
std::vector<Flight> flights(Play& p, size_t last = 9) {
    std::vector<Flight> out;
    for (int n = 0; n < 5000 && out.size() < last; ++n) {
        const int before = p.f.tick;
        Flight fl{p.f.vinit.Text, p.f.stage, 0, p.f.surface().size(), 0};
        if (!p.tick()) break;
        if (before == 25 || before == 304) {
            fl.endStep = p.f.i;
            fl.count = p.f.surface().size() - fl.first;
            out.push_back(fl);
        }
    }
    EXPECT_EQ(out.size(), last);
    return out;
}

TEST(Lesson8Pointer, GlidesFromTheSpeedBoxOntoTheCheckBoxAndBackBeforeEachFirstLaunch) {
    Play p;
    auto& cursor = p.s.platform().cursor;
    ASSERT_EQ(cursor.size(), 1u);
    EXPECT_TRUE(inside(p.f.vinit, at(cursor[0])));

    auto all = flights(p, 5);
    ASSERT_EQ(all.back().text, "7500");
    // One placement at activation, five glides there and four back: none in the later cycles.
    p.until([&] { return p.f.tick == 401; });
    ASSERT_EQ(cursor.size(), 1u + 5 * 21 + 4 * 21);
    // On the classic window each glide runs evenly, about 5 pixels a tick, from the speed box
    // onto the check box, and each glide back the same way.
    size_t k = 1;
    for (int cycle = 1; cycle <= 5; ++cycle) {
        for (int step = 1; step <= 21; ++step, ++k) {
            EXPECT_NEAR(cursor[k].px - cursor[k - 1].px, 5, 1) << "cycle " << cycle;
            EXPECT_NEAR(cursor[k].py, cursor[0].py, 2) << "cycle " << cycle;
        }
        EXPECT_TRUE(inside(p.f.ck, at(cursor[k - 1]))) << "cycle " << cycle;
        if (cycle == 5) break;
        for (int step = 1; step <= 21; ++step, ++k)
            EXPECT_EQ(cursor[k].px, cursor[k - 2 * step].px) << "cycle " << cycle;
        EXPECT_EQ(cursor[k - 1].px, cursor[0].px) << "cycle " << cycle;
        EXPECT_EQ(cursor[k - 1].py, cursor[0].py) << "cycle " << cycle;
    }
}

TEST(Lesson8Pointer, ArrivesTheMomentTheBoxIsTickedAndTheTickIsClearedBeforeGoingBack) {
    Play p;
    p.until([&] { return p.f.tick == 24; });
    EXPECT_EQ(p.f.ck.Value, 0);
    EXPECT_EQ(p.s.program().form("Lesson8")->focused(), &p.f.ck);
    p.tick();
    EXPECT_EQ(p.f.ck.Value, 1);
    EXPECT_TRUE(inside(p.f.ck, at(p.s.platform().cursor.back())));
    EXPECT_EQ(p.f.jam.Interval, 1000);
    const auto arrived = p.s.platform().cursor.size();
    p.until([&] { return p.f.tick == 102; });
    EXPECT_EQ(p.f.ck.Value, 0);
    EXPECT_EQ(p.s.platform().cursor.size(), arrived);  // still there
}

// A display that is not 15 twips per pixel.
struct Screen : driver::VirtualPlatform {
    int tpp = 15;
    int twipsPerPixelX() override { return tpp; }
};

TEST(Lesson8Pointer, ScalesThePathByFifteenOverTwipsPerPixel) {
    Play classic;
    for (int n = 0; n < 200 && classic.s.platform().cursor.size() < 43; ++n)
        ASSERT_TRUE(classic.tick());
    ASSERT_EQ(classic.s.platform().cursor.size(), 43u);
    for (int tpp : {10, 12, 20, 24}) {
        Screen screen;
        screen.tpp = tpp;
        scene::Program program(screen);
        app::registerForms(program);
        program.start("Lesson8");
        auto& f = program.get<Lesson8>("Lesson8");
        for (int n = 0; n < 200 && screen.cursor.size() < 43; ++n)
            ASSERT_TRUE(nextTick(program, screen));
        ASSERT_EQ(screen.cursor.size(), 43u) << tpp;
        // The same path as on the classic screen, to within the rounding of either.
        const double slack = 0.5 + 0.5 * 15 / tpp;
        for (size_t k = 0; k < 43; ++k) {
            EXPECT_NEAR(screen.cursor[k].px, classic.s.platform().cursor[k].px * 15.0 / tpp, slack)
                << tpp;
            EXPECT_NEAR(screen.cursor[k].py, classic.s.platform().cursor[k].py * 15.0 / tpp, slack)
                << tpp;
        }
        // Scaled as a whole, title and menu bars included, the path still runs from the speed
        // box onto the check box.
        auto client = [&](const driver::CursorRecord& c) {
            return scene::TwipPoint{double(c.px) * tpp,
                                    (c.py - scene::kClassicClientTopPx * 15.0 / tpp) * tpp};
        };
        EXPECT_TRUE(inside(f.vinit, client(screen.cursor[0]))) << tpp;
        EXPECT_TRUE(inside(f.ck, client(screen.cursor[21]))) << tpp;
    }
}

TEST(Lesson8Flights, EndWhereTheyMeetTheEarthOrClose) {
    Play p;
    auto all = flights(p);
    struct Row {
        const char* text;
        int stage;
        int endStep;
    };
    const Row rows[] = {
        {"2000", 0, 1000}, {"4000", 0, 1210},  {"6000", 0, 2676},
        {"6200", 0, 6957}, {"7500", 1, 13444},  // the box was ticked with 7500 in it
        {"2000", 2, 3148}, {"4000", 2, 3994},  {"6000", 3, 6479},
        {"6693", 4, 8565},  // the third of the three final launches
    };
    ASSERT_EQ(all.size(), std::size(rows));
    for (size_t k = 0; k < all.size(); ++k) {
        EXPECT_EQ(all[k].text, rows[k].text) << k;
        EXPECT_EQ(all[k].stage, rows[k].stage) << k;
        EXPECT_EQ(all[k].endStep, rows[k].endStep) << k;
        if (k < 8) {
            EXPECT_EQ(all[k].count, size_t(rows[k].endStep)) << "a segment a step " << k;
        }
    }
    // The three final launches each start a segment at the launch point, from a distance
    // grown by 0.1 % each time, and close after 8527, 8546 and 8565 steps.
    const Flight& last = all.back();
    ASSERT_EQ(last.count, size_t(8527 + 8546 + 8565));
    const size_t starts[] = {last.first, last.first + 8527, last.first + 8527 + 8546};
    const double r0s[] = {8870000, 8876370, 8882746.37};
    for (int k = 0; k < 3; ++k) {
        const auto& s = p.f.surface()[starts[k]];
        EXPECT_FLOAT_EQ(s.x1, float(kCentre + r0s[k] / 4000)) << k;
        EXPECT_FLOAT_EQ(s.y1, float(kCentre)) << k;
    }
    EXPECT_NEAR(p.f.r0, 8882746.37, 0.01);
}

TEST(Lesson8Flights, ColouredByStageAndPlace) {
    Play p;
    auto all = flights(p);
    ASSERT_EQ(all.size(), 9u);
    for (const Flight& fl : all) {
        const bool extended = fl.stage == 2 || fl.stage == 3;
        bool inEarth = false, pastHalf = false;
        for (size_t k = fl.first; k < fl.first + fl.count; ++k) {
            const auto& s = p.f.surface()[k];
            const double dx = s.x2 - kCentre, dy = s.y2 - kCentre;
            const double d = std::hypot(dx, dy);
            pastHalf = pastHalf || dy < -1;  // theta above pi from here on
            if (std::fabs(d - 1592.5) < 2 || (extended && !pastHalf && std::fabs(dy) <= 1))
                continue;  // too near the earth's rim or the turn to tell
            const bool within = d < 1592.5;
            inEarth = inEarth || within;
            scene::Color want = kFlight;
            if (fl.stage == 4) want = kCircleOrbit;
            if (extended && (within || pastHalf)) want = kExtended;
            ASSERT_EQ(s.color, want) << fl.text << " stage " << fl.stage << " segment " << k;
        }
        // Only the extended flights are drawn through the earth; every flight but the falls
        // comes round past half a turn.
        EXPECT_EQ(inEarth, extended) << fl.text;
        EXPECT_EQ(pastHalf, fl.stage != 0 || fl.text == "6200") << fl.text;
    }
}

TEST(Lesson8Script, AsksAboutTheCircleThenConcludes) {
    Play p;
    p.until([&] { return p.f.tick == 301; });
    EXPECT_EQ(p.f.vinit.Text, "6693");
    EXPECT_TRUE(p.f.vinit.Visible);
    EXPECT_FALSE(p.f.vinit.Enabled);
    EXPECT_TRUE(p.f.Label1.Visible);
    EXPECT_TRUE(p.f.Label2.Visible);
    EXPECT_FALSE(p.f.ck.Visible);
    for (auto* c : std::initializer_list<scene::Control*>{&p.f.hap, &p.f.rumus, &p.f.loro1,
                                                          &p.f.loro2, &p.f.panah1})
        EXPECT_TRUE(c->Visible) << c->name();
    EXPECT_FALSE(p.f.Label6(0).Visible);
    // The arrow points from the question to the speed box, its tip beside it.
    EXPECT_EQ(p.f.panah1.X1, 6600);
    EXPECT_EQ(p.f.panah1.Y1, 840);
    EXPECT_EQ(p.f.panah1.X2, 11280);

    p.until([&] { return p.f.tick == 401; });
    EXPECT_DOUBLE_EQ(p.f.R, 6370000 * 1.001 * 1.001);
    EXPECT_TRUE(p.f.Label6(0).Visible);
    EXPECT_TRUE(p.f.rumus2.Visible);
    EXPECT_TRUE(p.f.cir(1).Visible);
    // Now it points down at the conclusion.
    const float ends[3][4] = {
        {9720, 4320, 9720, 5160}, {9600, 4800, 9720, 5160}, {9840, 4800, 9720, 5160}};
    scene::LineControl* arrow[] = {&p.f.panah1, &p.f.panah2, &p.f.panah3};
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(arrow[k]->X1, ends[k][0]);
        EXPECT_EQ(arrow[k]->Y1, ends[k][1]);
        EXPECT_EQ(arrow[k]->X2, ends[k][2]);
        EXPECT_EQ(arrow[k]->Y2, ends[k][3]);
    }
    // Afterwards the timer keeps ticking without effect.
    const auto drawn = p.f.surface().size();
    const auto version = p.f.version();
    for (int n = 0; n < 20; ++n) p.tick();
    EXPECT_TRUE(p.f.jam.Enabled);
    EXPECT_EQ(p.f.surface().size(), drawn);
    EXPECT_EQ(p.f.version(), version);
}

TEST(Lesson8Script, ExtendedCyclesSkipTheGlideAtOneMillisecondTicks) {
    Play p;
    p.until([&] { return p.f.stage == 2 && p.f.tick == 4; });
    EXPECT_EQ(p.f.vinit.Text, "2000");
    EXPECT_FALSE(p.f.vinit.Visible);
    EXPECT_EQ(p.f.jam.Interval, 1);
    const double t4 = p.s.platform().clock;
    const auto moves = p.s.platform().cursor.size();
    p.until([&] { return p.f.tick == 25; });
    EXPECT_DOUBLE_EQ(p.s.platform().clock - t4, 21);
    EXPECT_EQ(p.s.platform().cursor.size(), moves);
    EXPECT_FALSE(p.f.ck.Visible);
}

TEST(Lesson8Replay, StartsAgainAtCycleOneWithTheBoxAndLabelsAsTheRunLeftThem) {
    struct Row {
        const char* when;
        bool (*reached)(const Lesson8&);
        bool labelsShown, boxEnabled;
    };
    const Row rows[] = {
        {"during cycle 2", [](const Lesson8& f) { return f.vinit.Text == "4000" && f.tick == 10; },
         true, true},
        {"in the extended cycles", [](const Lesson8& f) { return f.stage == 2 && f.tick == 10; },
         false, true},
        {"after the question", [](const Lesson8& f) { return f.tick == 303; }, true, false},
        {"at the end", [](const Lesson8& f) { return f.tick == 410; }, true, false},
    };
    for (const Row& row : rows) {
        Play p;
        p.until([&] { return row.reached(p.f); });
        p.menu("rep");
        Lesson8& f = p.f;
        EXPECT_EQ(f.tick, 0) << row.when;
        EXPECT_EQ(f.stage, 0) << row.when;
        EXPECT_EQ(f.R, 6370000) << row.when;
        EXPECT_EQ(f.surface().size(), 0u) << row.when;
        EXPECT_EQ(f.vinit.Text, "") << row.when;
        EXPECT_TRUE(f.vinit.Visible) << row.when;
        EXPECT_EQ(bool(f.vinit.Enabled), row.boxEnabled) << row.when;
        EXPECT_EQ(bool(f.Label1.Visible), row.labelsShown) << row.when;
        EXPECT_EQ(bool(f.Label2.Visible), row.labelsShown) << row.when;
        EXPECT_TRUE(f.ck.Visible) << row.when;
        EXPECT_EQ(f.ck.Value, 0) << row.when;
        EXPECT_TRUE(f.wait.Visible) << row.when;
        for (auto* c : std::initializer_list<scene::Control*>{&f.ext, &f.hap, &f.rumus, &f.panah1,
                                                              &f.Label6(0), &f.cir(1)})
            EXPECT_FALSE(c->Visible) << row.when << " " << c->name();
        EXPECT_EQ(f.panah1.X1, 6600) << row.when;
        EXPECT_TRUE(inside(f.vinit, at(p.s.platform().cursor.back()))) << row.when;
        // And cycle 1 plays again, even into a disabled box.
        auto again = flights(p, 1);
        EXPECT_EQ(again[0].text, "2000") << row.when;
        EXPECT_EQ(again[0].endStep, 1000) << row.when;
    }
}

// Where a flight launched from what the user typed ended.
enum class End { Earth, Closed, LeftTheBox, AllSteps };

End howItEnded(const Lesson8& f) {
    if (f.i > 80000) return End::AllSteps;
    auto off = [](double v) { return kCentre + v < 0 || kCentre + v > 15000; };
    if (off(f.offX) || off(f.offY)) return End::LeftTheBox;
    return f.offX * f.offX + f.offY * f.offY < 1592.5 * 1592.5 ? End::Earth : End::Closed;
}

TEST(Lesson8BadInput, TypedSpeedsFlyWithinTheirStepsAndStayInTheBox) {
    struct Row {
        std::string typed;
        End end;
        std::string nextText;  // what the next cycle's tick 3 leaves in the box
    };
    const Row rows[] = {
        {"abc", End::Earth, "abc"},  // no number: speed 0, a straight fall
        {"", End::Earth, "2000"},    // empty: speed 0, then the demonstration restarts
        {"0", End::Earth, "0"},
        {"2000abc", End::Earth, "4000"},  // its leading number is 2000
        {"5", End::Earth, "5"},
        {" 6500", End::Closed, " 6500"},
        {"-2000", End::Earth, "-2000"},     // thrown the other way round
        {"-6200", End::AllSteps, "-6200"},  // anticlockwise: never meets the closing test
        {"1e5", End::LeftTheBox, "1e5"},
        {"1e154", End::LeftTheBox, "1e154"},  // the first step is already off the scale
        {"1e308", End::AllSteps, "1e308"},    // its energy overflows: nothing can be drawn
        {std::string(5000, '9'), End::AllSteps, std::string(5000, '9')},
        {std::string(20000, 'x'), End::Earth, std::string(20000, 'x')},
        {"nan", End::Earth, "nan"},
        {"inf", End::Earth, "inf"},
    };
    for (const Row& row : rows) {
        const std::string name = row.typed.substr(0, 12);
        Play p;
        p.until([&] { return p.f.tick == 10; });  // the pointer is on its way to the check box
        p.type(row.typed);
        auto fl = flights(p, 1);
        ASSERT_EQ(fl.size(), 1u);
        EXPECT_EQ(fl[0].text, row.typed) << name;
        EXPECT_EQ(fl[0].stage, 0) << name;
        EXPECT_LE(fl[0].endStep, 80001) << name;
        EXPECT_EQ(int(howItEnded(p.f)), int(row.end)) << name;
        for (size_t k = 0; k < p.f.surface().size(); ++k) {
            const auto& s = p.f.surface()[k];
            for (float v : {s.x1, s.y1, s.x2, s.y2}) {
                ASSERT_TRUE(std::isfinite(v)) << name;
                ASSERT_TRUE(v >= 0 && v <= 15000) << name << " " << v;
            }
        }
        EXPECT_EQ(p.f.tick, 100) << name;  // the script went on
        p.until([&] { return p.f.tick == 3; });
        EXPECT_EQ(p.f.vinit.Text, row.nextText) << name;
        EXPECT_EQ(p.f.vinit.SelStart, std::min<int>(4, int(row.nextText.size()))) << name;
        EXPECT_EQ(p.f.stage, 0) << name;
    }
}

TEST(Lesson8BadInput, SevenThousandFiveHundredTypedEarlyJumpsToTheExtendedPass) {
    // The box holds 7500 when it is ticked: that launch is the last of the first pass.
    Play p;
    p.until([&] { return p.f.tick == 10; });
    p.type("7500");
    auto fl = flights(p, 1);
    EXPECT_EQ(fl[0].stage, 1);
    EXPECT_EQ(fl[0].endStep, 13444);
    EXPECT_FALSE(p.f.vinit.Visible);
    auto next = flights(p, 1);
    EXPECT_EQ(next[0].text, "2000");
    EXPECT_EQ(next[0].stage, 2);
}

TEST(Lesson8Paced, EveryLaunchIsWatchedForHalfASecondToEightSeconds) {
    Play p;
    p.s.platform().paced = true;
    // Frames per flight: a flight starts when its step counter starts again.
    std::vector<int> frames;
    int lastStep = -1;
    p.s.platform().onFrame = [&] {
        if (p.f.i < lastStep || frames.empty()) frames.push_back(0);
        ++frames.back();
        lastStep = p.f.i;
    };
    p.until([&] { return p.f.tick == 401; });
    ASSERT_EQ(frames.size(), 11u);
    for (size_t k = 0; k < frames.size(); ++k) {
        const double ms = frames[k] * scene::kFrameMs;
        EXPECT_GE(ms, 500) << "flight " << k;
        EXPECT_LE(ms, 8000) << "flight " << k;
    }
    // The handlers that draw them, as the driver reports them.
    int launches = 0;
    for (const auto& h : p.s.platform().handlers) {
        if (h.name != "jam_Timer") continue;
        ++launches;
        EXPECT_GE(h.ms, 500);
        EXPECT_LE(h.ms, 3 * 8000);
    }
    EXPECT_EQ(launches, 9);
}

}  // namespace
