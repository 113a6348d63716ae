// The runtime rules the lessons rely on: timers, activation, the drawing surface, layering and
// property values, played on the driver's virtual clock.
#include <gtest/gtest.h>

#include <cmath>

#include "scene/program.h"
#include "tools/driver/driver.h"

using namespace scene;

namespace {

struct Probe : Form {
    Probe(Program& p, const std::string& name) : Form(p, name, name, 9000, 6000) {
        jam.onTimer = [this] {
            ticks.push_back(program().platform().now());
            if (onTick) onTick();
        };
    }
    void Form_Activate() override { ++activations; }
    Timer& jam = timer("jam", 100, false);
    Shape& a = shape("a", Box{0, 0, 100, 100});
    Label& b = label("b", Box{0, 0, 100, 100}, "b");
    Shape& c = shape("c", Box{0, 0, 100, 100});
    int activations = 0;
    std::vector<double> ticks;
    std::function<void()> onTick;
};

struct Runtime : ::testing::Test {
    driver::VirtualPlatform platform;
    Program program{platform};
    Runtime() {
        for (const char* n : {"P", "Q", "About"})
            program.registerForm(n, [n](Program& p) { return std::make_unique<Probe>(p, n); });
    }
    Probe& P() { return program.get<Probe>("P"); }
    Probe& Q() { return program.get<Probe>("Q"); }
    // Runs the virtual clock forward, firing ticks as they fall due.
    void runTo(double t) {
        while (auto due = program.nextDue()) {
            if (*due > t) break;
            platform.clock = std::max(platform.clock, *due);
            program.fireDueTimers();
        }
        platform.clock = std::max(platform.clock, t);
    }
};

TEST_F(Runtime, TimerFiresEveryIntervalWhileEnabled) {
    program.start("P");
    P().jam.Enabled = true;
    runTo(1000);
    ASSERT_EQ(P().ticks.size(), 10u);
    for (size_t i = 0; i < 10; ++i) EXPECT_DOUBLE_EQ(P().ticks[i], 100.0 * (i + 1));
}

TEST_F(Runtime, DisablingStopsAtOnceAndEnablingStartsAFreshPeriod) {
    program.start("P");
    P().jam.Enabled = true;
    P().onTick = [&] {
        if (P().ticks.size() == 3) P().jam.Enabled = false;
    };
    runTo(1000);
    EXPECT_EQ(P().ticks.size(), 3u);
    platform.clock = 1050;
    P().jam.Enabled = true;
    P().onTick = nullptr;
    runTo(1300);
    ASSERT_EQ(P().ticks.size(), 5u);
    EXPECT_DOUBLE_EQ(P().ticks[3], 1150);
    EXPECT_DOUBLE_EQ(P().ticks[4], 1250);
}

TEST_F(Runtime, ChangingTheIntervalStartsAFreshPeriod) {
    // A countdown at 1 s whose fourth tick switches to 100 ms: the next tick comes 100 ms later.
    program.start("P");
    P().jam.Interval = 1000;
    P().jam.Enabled = true;
    P().onTick = [&] {
        if (P().ticks.size() <= 3) program.platform().beep(440, 100);
        if (P().ticks.size() == 4) P().jam.Interval = 100;
        if (P().ticks.size() == 5) P().jam.Interval = 1000;
    };
    runTo(6500);
    ASSERT_GE(P().ticks.size(), 6u);
    EXPECT_DOUBLE_EQ(P().ticks[0], 1000);
    EXPECT_DOUBLE_EQ(P().ticks[3], 4000);
    EXPECT_DOUBLE_EQ(P().ticks[4], 4100);
    EXPECT_DOUBLE_EQ(P().ticks[5], 5100);
}

TEST_F(Runtime, TicksThatFallDueDuringAHandlerDoNotPileUp) {
    program.start("P");
    P().jam.Enabled = true;
    P().onTick = [&] {
        if (P().ticks.size() == 1) program.platform().beep(440, 450);  // a long tick: 100 .. 550
    };
    runTo(800);
    // One pending tick fires as soon as the long one ends, then the period resumes from there.
    EXPECT_EQ(P().ticks, (std::vector<double>{100, 550, 650, 750}));
}

TEST_F(Runtime, ATickNeverInterruptsAHandler) {
    program.start("P");
    P().jam.Enabled = true;
    int inside = 0, maxInside = 0;
    P().onTick = [&] {
        ++inside;
        maxInside = std::max(maxInside, inside);
        program.platform().beep(440, 250);
        program.fireDueTimers();  // what a nested event loop would try
        --inside;
    };
    runTo(1000);
    EXPECT_EQ(maxInside, 1);
}

TEST_F(Runtime, ActivationRules) {
    program.start("P");
    EXPECT_EQ(P().activations, 1);  // on Show
    P().Show();
    EXPECT_EQ(P().activations, 1);  // already the active window: nothing
    program.windowActivated(P());   // the user comes back from another application
    EXPECT_EQ(P().activations, 1);

    program.form("About")->Show();
    EXPECT_EQ(program.active()->name(), "About");
    program.unload(*program.form("About"));  // closing it returns to the window underneath
    EXPECT_EQ(P().activations, 2);
    EXPECT_EQ(program.active(), &P());

    program.form("About")->Show();
    program.windowActivated(P());  // clicking back onto the lesson while About stays open
    EXPECT_EQ(P().activations, 3);

    P().Hide();
    P().Show();  // Show after hiding
    EXPECT_EQ(P().activations, 4);
}

TEST_F(Runtime, FormsAreSingleInstancesKeptWhileHidden) {
    program.start("P");
    Probe* first = &P();
    P().a.Left = 777;
    Q().Show();
    P().Hide();
    P().Show();
    EXPECT_EQ(&P(), first);
    EXPECT_EQ(P().a.Left, 777);
    EXPECT_EQ(program.form("Missing"), nullptr);
}

TEST_F(Runtime, SurfaceIsClearedWhenTheFormIsHiddenAndShownAgain) {
    program.start("P");
    P().Line(0, 0, 100, 100, -2000000);
    P().Line(0, 0, NAN, 100, 0);  // a non-finite end point draws nothing
    P().Line(INFINITY, 0, 100, 100, 0);
    ASSERT_EQ(P().surface().size(), 1u);
    EXPECT_EQ(P().surface()[0].color, 0xE17B80u);
    auto gen = P().surface().generation();
    P().Hide();
    P().Show();
    EXPECT_EQ(P().surface().size(), 0u);
    EXPECT_NE(P().surface().generation(), gen);
}

TEST_F(Runtime, LayeringFollowsStoredOrderUntilZOrderMovesAShape) {
    program.start("P");
    auto names = [&] {
        std::string s;
        for (auto* c : P().canvasOrder()) s += c->name();
        return s;
    };
    EXPECT_EQ(names(), "abc");  // earlier lies above later
    P().c.ZOrder();
    EXPECT_EQ(names(), "cab");
    P().c.ZOrder(1);
    EXPECT_EQ(names(), "abc");
    P().a.ZOrder(1);
    EXPECT_EQ(names(), "bca");
}

TEST_F(Runtime, PositionsHoldSinglePrecisionValuesAndRefuseNonFinite) {
    program.start("P");
    P().a.Left = 4152.5;
    EXPECT_EQ(P().a.Left, 4152.5f);
    float w = 3735;
    for (int i = 0; i < 4; ++i) w = w / 2;
    P().a.Width = w;
    EXPECT_EQ(P().a.Width, 233.4375f);
    P().a.Top = NAN;
    P().a.Top = INFINITY;
    P().a.Top = 1e39;  // beyond single precision
    EXPECT_EQ(P().a.Top, 0.0f);
    P().a.Left += 10;
    EXPECT_EQ(P().a.Left, 4162.5f);
}

TEST_F(Runtime, SettingAPropertyToItsValueChangesNothing) {
    program.start("P");
    auto v = P().version();
    P().b.Caption = "b";
    P().a.Visible = true;
    EXPECT_EQ(P().version(), v);
    P().b.Caption = "x";
    EXPECT_GT(P().version(), v);
}

TEST_F(Runtime, ControlArraysPassTheIndexToTheirHandler) {
    struct Arr : Form {
        explicit Arr(Program& p) : Form(p, "Arr", "", 1000, 1000) {
            for (int i : {3, 0, 7})
                button(lt, i, Box{float(i) * 100, 0, 90, 90}).onClick = [this](int k) {
                    clicked.push_back(k);
                };
        }
        ControlArray<CommandButton> lt{"lt"};
        std::vector<int> clicked;
    };
    program.registerForm("Arr", [](Program& p) { return std::make_unique<Arr>(p); });
    program.start("Arr");
    auto& f = program.get<Arr>("Arr");
    program.click(*f.find("lt(7)"));
    program.click(f.lt(0));
    EXPECT_EQ(f.clicked, (std::vector<int>{7, 0}));
    EXPECT_EQ(f.lt(3).fullName(), "lt(3)");
    EXPECT_THROW(f.lt(1), std::out_of_range);
}

TEST_F(Runtime, ControlArraysFindMembersAtAnyIndexAndOnlyThose) {
    int one = 1, two = 2;
    int* p = &one;
    int* q = &two;
    ControlArray<int> a{"a"};
    a.put(2, p);
    a.put(5000, q);
    a.put(-3, q);
    a.put(2, q);  // a member put again at its index replaces the old one
    EXPECT_EQ(&a(2), q);
    EXPECT_EQ(&a[5000], q);
    EXPECT_EQ(&a(-3), q);
    for (int missing : {0, 1, 3, 1023, 1024, 4999, -1})
        EXPECT_THROW(a(missing), std::out_of_range) << missing;
    EXPECT_EQ(a.members().size(), 3u);
}

TEST_F(Runtime, CursorRoundsHalvesToEven) {
    program.start("P");
    P().MoveCursor(50.5, 55.5);
    P().MoveCursor(51.5, -0.5);
    ASSERT_EQ(platform.cursor.size(), 2u);
    EXPECT_EQ(platform.cursor[0].px, 50);
    EXPECT_EQ(platform.cursor[0].py, 56);
    EXPECT_EQ(platform.cursor[1].px, 52);
    EXPECT_EQ(platform.cursor[1].py, 0);
}

// A long handler is stopped by a command that leaves it; the command then runs as if the
// handler had finished, and input typed meanwhile waits for the end.
TEST_F(Runtime, LeavingCommandStopsALongHandler) {
    struct Long : Form {
        explicit Long(Program& p) : Form(p, "Long", "", 1000, 1000) {
            setPace(10);
            go.onTimer = [this] {
                for (int i = 0; i < 100000; ++i) {
                    Line(i, 0, i, 10, 0);
                    ++steps;
                }
            };
            menuItem("leave", "Leave", "Ctrl+L").onMenu = [this] {
                ++left;
                go.Enabled = false;
            };
        }
        Timer& go = timer("go", 100, true);
        int steps = 0, left = 0;
    };
    program.registerForm("Long", [](Program& p) { return std::make_unique<Long>(p); });
    program.start("Long");
    auto& f = program.get<Long>("Long");
    int frames = 0;
    platform.onFrame = [&] {
        if (++frames == 5) program.shortcut(f, "Ctrl+L");
    };
    runTo(100);
    EXPECT_EQ(f.left, 1);
    EXPECT_LT(f.steps, 100);
    EXPECT_FALSE(f.go.Enabled);
    EXPECT_FALSE(program.busy());
}

TEST_F(Runtime, EndClosesEverythingAndStopsTimers) {
    program.start("P");
    P().jam.Enabled = true;
    P().End();
    EXPECT_TRUE(program.ended());
    EXPECT_TRUE(platform.ended);
    EXPECT_TRUE(program.visibleForms().empty());
    EXPECT_FALSE(program.nextDue().has_value());
}

}  // namespace

namespace {

TEST_F(Runtime, ACommandThatStaysInTheLessonWaitsForTheRunningHandler) {
    struct Long : Form {
        explicit Long(Program& p) : Form(p, "Long", "", 1000, 1000) {
            setPace(10);
            go.onTimer = [this] {
                for (int i = 0; i < 1000; ++i) Line(i, 0, i, 10, 0);
                ++finished;
            };
            auto& mail = menuItem("contact", "Contact", "Ctrl+C");
            mail.onMenu = [this] { contactAt = int(surface().size()); };
            mail.stopsHandler = false;
        }
        Timer& go = timer("go", 100, true);
        int finished = 0, contactAt = -1;
    };
    program.registerForm("Long", [](Program& p) { return std::make_unique<Long>(p); });
    program.start("Long");
    auto& f = program.get<Long>("Long");
    int frames = 0;
    platform.onFrame = [&] {
        if (++frames == 3) program.shortcut(f, "Ctrl+C");
    };
    runTo(100);
    EXPECT_EQ(f.finished, 1);
    EXPECT_EQ(f.contactAt, 1000);  // ran after the whole drawing, which it did not cut short
}

}  // namespace
