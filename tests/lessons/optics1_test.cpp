// Reflection at the circular mirror: the rays a student sees, the script that lights the sources,
// clicks at any moment, and the lesson's place in the optics chain.
#include "lessons/optics/optics1.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "scene/keyboard.h"
#include "scene/program.h"
#include "tools/driver/driver.h"

using scene::QBColor;
using scene::Segment;

namespace {

// Source indices in the order the script lights them: top to bottom on screen.
const int kScriptOrder[] = {11, 10, 9, 8, 7, 6, 0, 1, 2, 3, 4, 5};

struct Optics1 : ::testing::Test {
    driver::Session s;
    std::string err;
    lessons::optics1& form() { return s.program().get<lessons::optics1>("optics1"); }
    void SetUp() override { ASSERT_TRUE(s.start("optics1")); }
    void playScript() { ASSERT_TRUE(s.run(std::nullopt, {}, err)) << err; }

    // What one click on a source adds to the surface.
    std::vector<Segment> click(int k) {
        size_t from = form().surface().size();
        s.program().click(form().lt(k));
        std::vector<Segment> out;
        form().surface().forEach(from, [&](const Segment& seg) { out.push_back(seg); });
        return out;
    }
    size_t segmentsIn(scene::Color c) {
        size_t n = 0;
        form().surface().forEach(0, [&](const Segment& seg) { n += seg.color == c; });
        return n;
    }
};

// The reflected part of a ray: everything off the source's own height.
std::vector<Segment> reflected(const std::vector<Segment>& ray) {
    std::vector<Segment> out;
    for (const Segment& seg : ray)
        if (seg.y1 != ray.front().y1 || seg.y2 != ray.front().y1) out.push_back(seg);
    return out;
}

// Where the reflected ray crosses the centre line y = 4500.
double crossing(const std::vector<Segment>& ray) {
    for (const Segment& seg : reflected(ray))
        if (std::min(seg.y1, seg.y2) <= 4500 && 4500 <= std::max(seg.y1, seg.y2))
            return seg.x1 + (4500 - seg.y1) * (seg.x2 - seg.x1) / (seg.y2 - seg.y1);
    return NAN;
}

TEST_F(Optics1, ActivationDrawsTheMirrorAndReadiesTheScript) {
    auto& f = form();
    EXPECT_EQ(f.caption(), "Reflection at Circular Mirror");
    EXPECT_EQ(f.focused(), &f.dum);
    EXPECT_FALSE(f.menuItem("prev")->Enabled);
    EXPECT_TRUE(f.Timer1.Enabled);
    EXPECT_EQ(f.Timer1.Interval, 500);
    ASSERT_EQ(f.surface().size(), 701u);
    // The half circle about (3500, 4500) with radius 3500, from (3500, 1000) to (3500, 8000),
    // through the vertex (0, 4500).
    EXPECT_EQ(f.surface()[0].x1, 3500);
    EXPECT_EQ(f.surface()[0].y1, 1000);
    EXPECT_EQ(f.surface()[700].x2, 3500);
    EXPECT_EQ(f.surface()[700].y2, 8000);
    EXPECT_EQ(f.surface()[350].x2, 0);
    EXPECT_EQ(f.surface()[350].y2, 4500);
    f.surface().forEach(0, [](const Segment& seg) {
        EXPECT_EQ(seg.color, 1000u);
        EXPECT_NEAR(std::hypot(seg.x2 - 3500, seg.y2 - 4500), 3500, 0.01);
    });
    for (int k = 0; k <= 11; ++k) EXPECT_EQ(f.lt(k).BackColor, scene::kWhite) << k;
}

TEST_F(Optics1, EveryRayCrossesTheCentreLineWhereTheCircleSends) {
    playScript();
    struct Row {
        int source;
        double x;
    };
    for (Row r : {Row{5, 1747},
                  {4, 1737},
                  {3, 1717},
                  {2, 1688},
                  {1, 1648},
                  {0, 1595},
                  {6, 1525},
                  {7, 1434},
                  {8, 1312},
                  {9, 1147},
                  {10, 910},
                  {11, 546}}) {
        auto ray = click(r.source);
        EXPECT_NEAR(crossing(ray), r.x, 1.0) << "source " << r.source;
        for (const Segment& seg : ray) EXPECT_EQ(seg.color, QBColor(r.source + 4)) << r.source;
    }
}

TEST_F(Optics1, RaysMeetTheMirrorAndEndWhereTheyShould) {
    playScript();
    // Source 5 meets the mirror at x = 3, source 11 at x = 1425; both at their own height.
    auto five = reflected(click(5));
    EXPECT_EQ(five.front().x1, 3);
    EXPECT_EQ(five.front().y1, 4320);
    // Still above 4800 at x = 3500, so it ends there.
    EXPECT_EQ(five.back().x2, 3499);
    EXPECT_NEAR(five.back().y2, 4681, 1);
    auto eleven = reflected(click(11));
    EXPECT_EQ(eleven.front().x1, 1425);
    EXPECT_EQ(eleven.front().y1, 1680);
    // The two outermost run down and to the left; every other ray down and to the right, and
    // all but source 5 stop at their first point below 4800.
    for (int k : kScriptOrder) {
        auto ray = reflected(click(k));
        bool left = k == 10 || k == 11;
        for (const Segment& seg : ray) {
            EXPECT_EQ(seg.x2 < seg.x1, left) << k;
            EXPECT_GT(seg.y2, seg.y1) << k;
        }
        if (k == 5) continue;
        EXPECT_GT(ray.back().y2, 4800) << k;
        EXPECT_LE(ray.back().y1, 4800) << k;
    }
}

TEST_F(Optics1, TheScriptLightsEachSourceThenDrawsItsRayThreeTicksApart) {
    auto& f = form();
    for (int n = 0; n < 12; ++n) {
        int k = kScriptOrder[n];
        s.advanceTo(500.0 * (3 * n + 2));
        EXPECT_EQ(f.lt(k).BackColor, QBColor(k + 4)) << k;
        EXPECT_EQ(segmentsIn(QBColor(k + 4)), 0u) << k;
        if (n < 11) {
            EXPECT_EQ(f.lt(kScriptOrder[n + 1]).BackColor, scene::kWhite) << k;
        }
        s.advanceTo(500.0 * (3 * n + 3));
        EXPECT_GT(segmentsIn(QBColor(k + 4)), 0u) << k;
    }
    ASSERT_EQ(s.platform().beeps.size(), 12u);
    for (int n = 0; n < 12; ++n) {
        EXPECT_EQ(s.platform().beeps[n].t, 500.0 * (3 * n + 2));
        EXPECT_EQ(s.platform().beeps[n].hz, 440);
        EXPECT_EQ(s.platform().beeps[n].ms, 100);
    }
    // The 37th tick ends the script; nothing happens after it.
    s.advanceTo(18499);
    EXPECT_TRUE(f.Timer1.Enabled);
    s.advanceTo(18500);
    EXPECT_FALSE(f.Timer1.Enabled);
    size_t drawn = f.surface().size();
    s.advanceTo(60000);
    EXPECT_EQ(f.surface().size(), drawn);
    EXPECT_EQ(s.platform().beeps.size(), 12u);
}

TEST_F(Optics1, AClickDrawsARayAtOnceWithoutColouringItsSource) {
    auto& f = form();
    auto at = [&](double t, const char* what) { return *driver::parseAction(t, what, err); };
    ASSERT_TRUE(s.run(600, {at(600, "click:lt(3)")}, err)) << err;
    size_t oneRay = segmentsIn(QBColor(7));
    EXPECT_GT(oneRay, 3000u);
    EXPECT_EQ(f.lt(3).BackColor, scene::kWhite);
    // The script goes on and later lights it and draws its ray once more.
    playScript();
    EXPECT_EQ(f.lt(3).BackColor, QBColor(7));
    EXPECT_EQ(segmentsIn(QBColor(7)), 2 * oneRay);
    EXPECT_FALSE(f.Timer1.Enabled);
}

TEST_F(Optics1, ClicksWhileARayIsDrawnWaitAndAreAllDrawnAfterIt) {
    auto& f = form();
    playScript();
    std::map<int, size_t> single;
    for (int k : {0, 5, 11}) single[k] = click(k).size();
    size_t before = f.surface().size();
    // Paced like the desktop: clicks arrive between the frames of a running ray.
    s.platform().paced = true;
    int frames = 0;
    s.platform().onFrame = [&] {
        if (++frames > 3) return;
        s.program().click(f.lt(0));
        s.program().click(f.lt(11));
    };
    s.program().click(f.lt(5));
    s.platform().onFrame = nullptr;
    ASSERT_FALSE(s.program().busy());
    // The running ray is finished first, then every waiting click, in order.
    EXPECT_EQ(f.surface().size() - before, single[5] + 3 * (single[0] + single[11]));
    EXPECT_EQ(f.surface()[before].color, QBColor(9));
    EXPECT_EQ(f.surface()[before + single[5]].color, QBColor(4));
    EXPECT_EQ(f.surface()[before + single[5] + single[0]].color, QBColor(15));
}

TEST_F(Optics1, ManyClicksAtOneMomentDuringTheScriptAreEachDrawn) {
    std::vector<driver::Action> clicks;
    for (const char* what : {"click:lt(0)", "click:lt(0)", "click:lt(5)", "click:lt(11)"})
        for (double t : {1500.0, 1500.0, 4500.0})  // the moments the script draws rays
            clicks.push_back(*driver::parseAction(t, what, err));
    ASSERT_TRUE(s.run(std::nullopt, clicks, err)) << err;
    driver::Session quiet;
    quiet.start("optics1");
    auto& q = quiet.program().get<lessons::optics1>("optics1");
    auto rayOf = [&](int k) {
        size_t from = q.surface().size();
        quiet.program().click(q.lt(k));
        return q.surface().size() - from;
    };
    // Each source's ray: once by the script, plus once for every click on it.
    EXPECT_EQ(segmentsIn(QBColor(4)), 7 * rayOf(0));
    EXPECT_EQ(segmentsIn(QBColor(9)), 4 * rayOf(5));
    EXPECT_EQ(segmentsIn(QBColor(15)), 4 * rayOf(11));
    EXPECT_FALSE(form().Timer1.Enabled);
}

TEST_F(Optics1, KeysAndMouseButtonsOnASourceDoNothing) {
    auto& f = form();
    s.advanceTo(1000);
    size_t drawn = f.surface().size();
    for (int k : {2, 11}) {
        ASSERT_TRUE(f.lt(k).onKeyDown && f.lt(k).onMouseDown);
        s.program().keyDown(f.lt(k), 32);
        s.program().mouseDown(f.lt(k), 1);
    }
    EXPECT_EQ(f.surface().size(), drawn);
    EXPECT_EQ(f.lt(2).BackColor, scene::kWhite);
    EXPECT_EQ(f.lt(11).BackColor, QBColor(15));
}

TEST_F(Optics1, ReplayClearsTheRaysAndStartsTheScriptOver) {
    auto& f = form();
    s.advanceTo(5000);
    ASSERT_GT(f.surface().size(), 701u);
    s.program().shortcut(f, "Ctrl+R");
    EXPECT_EQ(f.surface().size(), 701u);  // the mirror alone
    EXPECT_EQ(f.rayIndex, 12);
    EXPECT_EQ(f.rayStep, 0);
    for (int k = 0; k <= 11; ++k) EXPECT_EQ(f.lt(k).BackColor, scene::kWhite) << k;
    // The script's first source lights half a second after the replay.
    s.advanceTo(5000 + 999);
    EXPECT_EQ(f.lt(11).BackColor, scene::kWhite);
    s.advanceTo(5000 + 1000);
    EXPECT_EQ(f.lt(11).BackColor, QBColor(15));
    playScript();
    EXPECT_EQ(s.platform().beeps.size(), 3u + 12u);
}

TEST_F(Optics1, LeavingForTheNextLessonKeepsTheWindowFromEndingTheProgram) {
    auto& f = form();
    EXPECT_EQ(f.menuItem("nav")->caption, "Navigation");
    EXPECT_EQ(f.menuItem("rep")->caption, "Replay");
    s.program().shortcut(f, "Ctrl+P");  // greyed: nothing before the first lesson
    EXPECT_EQ(s.program().active(), &f);
    if (!s.program().exists("optics2")) GTEST_SKIP() << "optics2 is not in this build";
    s.program().shortcut(f, "Ctrl+N");
    EXPECT_EQ(s.program().active()->name(), "optics2");
    EXPECT_FALSE(f.visible());
    EXPECT_FALSE(f.Timer1.Enabled);
    // The hidden form's unload no longer ends the program; on screen it does.
    f.Form_Unload();
    EXPECT_FALSE(s.program().ended());
    s.program().shortcut(*s.program().active(), "Ctrl+P");
    ASSERT_EQ(s.program().active(), &f);
    s.program().closeButton(f);
    EXPECT_TRUE(s.program().ended());
}

TEST_F(Optics1, PacedEachRayIsOnScreenWellWithinTheGapBetweenSources) {
    s.platform().paced = true;
    playScript();
    int rays = 0;
    for (auto& h : s.platform().handlers) {
        if (h.name != "Timer1_Timer") continue;
        EXPECT_LT(h.ms, 750) << "a tick at " << h.t;
        // The colouring tick is its 100 ms beep; the drawing ticks show over several frames.
        if (h.ms > 100 + 1e-6) ++rays;
    }
    EXPECT_EQ(rays, 12);
    for (auto& h : s.platform().handlers) {
        if (h.name != "Timer1_Timer") {
            EXPECT_LT(h.ms, 500) << h.name;
        }
    }
}

}  // namespace

namespace {

// Tab takes the sources as the eye reads them, row by row from the top; the focus holder that
// lies off the page is never among them.
TEST_F(Optics1, TabTakesTheSourcesTopToBottomAndNeverTheFocusHolder) {
    std::vector<scene::Control*> expected;
    for (int k : kScriptOrder) expected.push_back(&form().lt(k));
    std::vector<scene::Control*> order = scene::tabOrder(form());
    EXPECT_EQ(order, expected);
    EXPECT_EQ(std::count(order.begin(), order.end(), &form().dum), 0);
}

}  // namespace
