// Reflection at the parabolic mirror: every ray through the one focus, the same script as the
// circular mirror, and the lesson between optics1 and optics3.
#include "lessons/optics/optics2.h"

#include <gtest/gtest.h>

#include <cmath>

#include "scene/program.h"
#include "tools/driver/driver.h"

using scene::QBColor;
using scene::Segment;

namespace {

struct Optics2 : ::testing::Test {
    driver::Session s;
    std::string err;
    lessons::optics2& form() { return s.program().get<lessons::optics2>("optics2"); }
    void SetUp() override { ASSERT_TRUE(s.start("optics2")); }
    void playScript() { ASSERT_TRUE(s.run(std::nullopt, {}, err)) << err; }

    // The reflected part of one clicked ray: what it draws off the source's height.
    std::vector<Segment> reflectionOf(int k) {
        size_t from = form().surface().size();
        s.program().click(form().lt(k));
        float y0 = form().lt(k).Top + 120;
        std::vector<Segment> out;
        form().surface().forEach(from, [&](const Segment& seg) {
            EXPECT_EQ(seg.color, QBColor(k + 4));
            if (seg.y1 != y0 || seg.y2 != y0) out.push_back(seg);
        });
        return out;
    }
};

TEST_F(Optics2, ActivationDrawsTheParabolaAndReadiesTheScript) {
    auto& f = form();
    EXPECT_EQ(f.caption(), "Reflection at Parabolic Mirror");
    EXPECT_DOUBLE_EQ(f.a, 1.0 / 3500);
    EXPECT_EQ(f.focused(), &f.dum);
    EXPECT_TRUE(f.menuItem("prev")->Enabled);
    EXPECT_TRUE(f.Timer1.Enabled);
    ASSERT_EQ(f.surface().size(), 701u);
    // x = (y - 4500)^2 / 3500 from y = 999: through (3500, 1000), the vertex and (3500, 8000).
    EXPECT_NEAR(f.surface()[0].x1, 3502.0, 0.05);
    EXPECT_EQ(f.surface()[0].y1, 999);
    EXPECT_EQ(f.surface()[0].x2, 3500);
    EXPECT_EQ(f.surface()[0].y2, 1000);
    EXPECT_EQ(f.surface()[350].x2, 0);
    EXPECT_EQ(f.surface()[350].y2, 4500);
    EXPECT_EQ(f.surface()[700].x2, 3500);
    EXPECT_EQ(f.surface()[700].y2, 8000);
    f.surface().forEach(0, [](const Segment& seg) {
        EXPECT_EQ(seg.color, 1000u);
        EXPECT_NEAR(seg.x2, std::pow(seg.y2 - 4500, 2) / 3500, 0.01);
    });
}

TEST_F(Optics2, EveryRayIsReflectedThroughTheFocus) {
    playScript();
    struct Row {
        int source;
        double xh, yh;
    };
    for (Row r : {Row{5, 8, 4333},
                  {4, 49, 4086},
                  {3, 123, 3844},
                  {2, 230, 3603},
                  {1, 370, 3362},
                  {0, 543, 3121},
                  {6, 748, 2882},
                  {7, 987, 2641},
                  {8, 1259, 2401},
                  {9, 1563, 2161},
                  {10, 1900, 1921},
                  {11, 2271, 1681}}) {
        auto ray = reflectionOf(r.source);
        ASSERT_FALSE(ray.empty()) << r.source;
        // The reflection point lies on the parabola.
        EXPECT_EQ(ray.front().x1, r.xh) << r.source;
        EXPECT_EQ(std::round(ray.front().y1), r.yh) << r.source;
        int crossings = 0;
        for (const Segment& seg : ray) {
            // A ray through (875, 4500) touches the line at two segment ends: count one.
            if (seg.y1 >= 4500 || seg.y2 < 4500) continue;
            double x = seg.x1 + (4500 - seg.y1) * (seg.x2 - seg.x1) / (seg.y2 - seg.y1);
            EXPECT_NEAR(x, 875, 0.5) << r.source;
            ++crossings;
        }
        EXPECT_EQ(crossings, 1) << r.source;
    }
}

TEST_F(Optics2, RaysBeyondTheFocusDepthRunLeftAndAllEndJustBelowTheDepthLimit) {
    playScript();
    // Sources 7 to 11 meet the parabola beyond x = 875, where its normal is steeper than 45
    // degrees; 0 to 6 before it. (Source, where the ray ends or 0 where only its side is known.)
    struct Row {
        int source;
        double endX;
    };
    for (Row r : {Row{0, 0},
                  {1, 0},
                  {2, 0},
                  {3, 0},
                  {4, 0},
                  {5, 2430},
                  {6, 899},
                  {7, 856},
                  {8, 0},
                  {9, 0},
                  {10, 0},
                  {11, 726}}) {
        auto ray = reflectionOf(r.source);
        bool left = r.source >= 7;
        for (const Segment& seg : ray) {
            EXPECT_EQ(seg.x2 < seg.x1, left) << r.source;
            EXPECT_GT(seg.y2, seg.y1) << r.source;
        }
        EXPECT_GT(ray.back().y2, 4800) << r.source;
        EXPECT_LE(ray.back().y1, 4800) << r.source;
        if (left) {
            EXPECT_GE(ray.back().x2, 726 - 1) << r.source;
            EXPECT_LE(ray.back().x2, 856 + 1) << r.source;
        }
        if (r.endX != 0) {
            EXPECT_NEAR(ray.back().x2, r.endX, 1) << r.source;
        }
    }
}

TEST_F(Optics2, TheScriptLightsAndDrawsAllTwelveSourcesAndStops) {
    auto& f = form();
    playScript();
    EXPECT_EQ(s.platform().clock, 18500);
    EXPECT_FALSE(f.Timer1.Enabled);
    ASSERT_EQ(s.platform().beeps.size(), 12u);
    EXPECT_EQ(s.platform().beeps.front().t, 1000);
    std::vector<scene::Color> order;  // the colours in the order the rays were drawn
    f.surface().forEach(701, [&](const Segment& seg) {
        if (order.empty() || order.back() != seg.color) order.push_back(seg.color);
    });
    std::vector<scene::Color> expected;
    for (int k : {11, 10, 9, 8, 7, 6, 0, 1, 2, 3, 4, 5}) {
        EXPECT_EQ(f.lt(k).BackColor, QBColor(k + 4)) << k;
        expected.push_back(QBColor(k + 4));
    }
    EXPECT_EQ(order, expected);
}

TEST_F(Optics2, ReplayClearsTheRaysAndTheButtons) {
    auto& f = form();
    s.advanceTo(7000);
    s.program().shortcut(f, "Ctrl+R");
    EXPECT_EQ(f.surface().size(), 701u);
    for (int k = 0; k <= 11; ++k) EXPECT_EQ(f.lt(k).BackColor, scene::kWhite) << k;
    EXPECT_TRUE(f.Timer1.Enabled);
    EXPECT_EQ(f.rayIndex, 12);
}

TEST_F(Optics2, StandsBetweenTheCircularMirrorAndTheAntenna) {
    auto& f = form();
    EXPECT_EQ(f.menuItem("nav")->caption, "Navigation");
    ASSERT_NE(f.menuItem("nex"), nullptr);
    EXPECT_EQ(f.menuItem("next"), nullptr);
    EXPECT_EQ(f.menuItem("rep")->caption, "Replay");
    if (s.program().exists("optics3")) {
        s.program().shortcut(f, "Ctrl+N");
        EXPECT_EQ(s.program().active()->name(), "optics3");
        EXPECT_FALSE(f.Timer1.Enabled);
        f.Form_Unload();  // hidden after Next: its unload does not end the program
        EXPECT_FALSE(s.program().ended());
        s.program().shortcut(*s.program().active(), "Ctrl+P");
        EXPECT_EQ(s.program().active(), &f);
    }
    if (s.program().exists("optics1")) {
        s.program().shortcut(f, "Ctrl+P");
        EXPECT_EQ(s.program().active()->name(), "optics1");
        EXPECT_FALSE(f.Timer1.Enabled);
        EXPECT_FALSE(f.visible());
    }
}

TEST_F(Optics2, PacedEachRayIsOnScreenWellWithinTheGapBetweenSources) {
    s.platform().paced = true;
    playScript();
    int rays = 0;
    for (auto& h : s.platform().handlers) {
        EXPECT_LT(h.ms, 750) << h.name << " at " << h.t;
        if (h.name == "Timer1_Timer" && h.ms > 100 + 1e-6) ++rays;
    }
    EXPECT_EQ(rays, 12);
}

}  // namespace
