// The wire-frame parabolic antenna: the picture drawn in one activation, its receiver at the
// focus, Redraw, and the end of the optics chain.
#include "lessons/optics/optics3.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "scene/program.h"
#include "tools/driver/driver.h"

using scene::QBColor;
using scene::Segment;

namespace {

struct Optics3 : ::testing::Test {
    driver::Session s;
    lessons::optics3& form() { return s.program().get<lessons::optics3>("optics3"); }
    void SetUp() override { ASSERT_TRUE(s.start("optics3")); }
    std::vector<Segment> drawn() {
        std::vector<Segment> out;
        form().surface().forEach(0, [&](const Segment& seg) { out.push_back(seg); });
        return out;
    }
};

TEST_F(Optics3, TheHorizontalSectionRunsFromNearLeftThroughTheVertexToFarRight) {
    auto segs = drawn();
    ASSERT_GT(segs.size(), 1204u);
    const Segment& first = segs[0];
    EXPECT_NEAR(first.x1, 3895, 1);
    EXPECT_NEAR(first.y1, 4778, 1);
    // Three strokes per step, 15 twips apart, make it a thick line.
    EXPECT_FLOAT_EQ(segs[1].y1, first.y1 + 15);
    EXPECT_FLOAT_EQ(segs[2].y1, first.y1 - 15);
    // The step at t = 0 ends on the vertex O.
    EXPECT_NEAR(segs[3 * 200].x2, 3720, 1e-3);
    EXPECT_NEAR(segs[3 * 200].y2, 3960, 1e-3);
    // After 401 steps, the rim's horizontal diameter from P(2000) back to P(-2000).
    const Segment& diameter = segs[3 * 401];
    EXPECT_NEAR(diameter.x1, 7545, 1);
    EXPECT_NEAR(diameter.y1, 3142, 1);
    EXPECT_NEAR(diameter.x2, first.x1, 1e-3);
    EXPECT_NEAR(diameter.y2, first.y1, 1e-3);
    for (size_t i = 0; i <= 3 * 401; ++i) EXPECT_EQ(segs[i].color, QBColor(1)) << i;
}

TEST_F(Optics3, TheRimsVerticalDiameterJoinsItsTopAndBottom) {
    auto segs = drawn();
    const Segment& last = segs.back();
    EXPECT_EQ(last.color, QBColor(1));
    EXPECT_NEAR(last.x1, 5720, 1);
    EXPECT_NEAR(last.y1, 1960, 1);
    EXPECT_NEAR(last.x2, 5720, 1);
    EXPECT_NEAR(last.y2, 5960, 1);
}

TEST_F(Optics3, TheLinesThroughTheSectionsTopsAndBottomsSkipOnlyDepth600) {
    // Between the first inner (bright red) section and the second pass over the rim, every
    // blue stroke of any length belongs to the top line or the bottom line.
    auto segs = drawn();
    size_t firstRed = 0, lastRed = 0;
    for (size_t i = 0; i < segs.size(); ++i) {
        if (segs[i].color != QBColor(12)) continue;
        if (!firstRed) firstRed = i;
        lastRed = i;
    }
    ASSERT_GT(firstRed, 0u);
    std::set<int> topDepths, bottomDepths;
    int strokes = 0;
    for (size_t i = firstRed; i <= lastRed + 1; ++i) {
        const Segment& seg = segs[i];
        if (seg.color != QBColor(1) || (seg.x1 == seg.x2 && seg.y1 == seg.y2)) continue;
        ++strokes;
        // Near the axis v is within 5 twips, so x tells the depth.
        int from = int(std::lround((seg.x1 - 3720) / 50) * 50);
        int to = int(std::lround((seg.x2 - 3720) / 50) * 50);
        EXPECT_EQ(from - to, from == 650 ? 100 : 50) << "stroke " << i;
        bool top = seg.y1 < 3960;
        (top ? topDepths : bottomDepths).insert(from);
        (top ? topDepths : bottomDepths).insert(to);
    }
    EXPECT_EQ(strokes, 2 * 39);
    std::set<int> expected;
    for (int u = 0; u <= 2000; u += 50)
        if (u != 600) expected.insert(u);
    EXPECT_EQ(topDepths, expected);
    EXPECT_EQ(bottomDepths, expected);
    // Both lines end at the vertex, the section of depth 0.
    EXPECT_NEAR(segs[lastRed + 1].x2, 3720, 1e-3);
    EXPECT_NEAR(segs[lastRed + 1].y2, 3960, 1e-3);
}

TEST_F(Optics3, TheReceiverSitsInFrontAtTheFocusOnceThePictureIsDone) {
    auto& f = form();
    EXPECT_FLOAT_EQ(f.Shape1.Left + f.Shape1.Width / 2, 4220);
    EXPECT_FLOAT_EQ(f.Shape1.Top + f.Shape1.Height / 2, 3965);
    EXPECT_EQ(f.canvasOrder().front(), &f.Shape1);
    for (scene::Control* c :
         std::vector<scene::Control*>{&f.Shape1, &f.Line4(0), &f.Line4(1), &f.Line8, &f.Line9,
                                      &f.Label2(0), &f.Label2(1), &f.Label2(2), &f.Label2(3)})
        EXPECT_TRUE(c->Visible) << c->fullName();
    EXPECT_EQ(f.drawPass, 0);
}

TEST_F(Optics3, RedrawStartsAgainOnACleanSurfaceWithTheMarksHiddenUntilTheEnd) {
    auto& f = form();
    size_t picture = f.surface().size();
    EXPECT_EQ(f.menuItem("rep")->caption, "Redraw");
    int frames = 0;
    s.platform().onFrame = [&] {
        if (frames++ == 0) {
            EXPECT_FALSE(f.Shape1.Visible);
            EXPECT_FALSE(f.Label2(3).Visible);
            EXPECT_FALSE(f.Line8.Visible);
        }
    };
    s.program().shortcut(f, "Ctrl+R");
    EXPECT_GT(frames, 0);
    EXPECT_EQ(f.surface().size(), picture);
    EXPECT_TRUE(f.Shape1.Visible);
    EXPECT_TRUE(f.Label2(3).Visible);
}

TEST_F(Optics3, IsTheEndOfTheOpticsChain) {
    auto& f = form();
    EXPECT_EQ(f.caption(), "3D Image of Parabola Antenna");
    EXPECT_EQ(f.menuItem("nav")->caption, "Navigation");
    ASSERT_NE(f.menuItem("nex"), nullptr);
    EXPECT_FALSE(f.menuItem("nex")->Enabled);
    EXPECT_FALSE(s.program().shortcut(f, "Ctrl+N"));
    EXPECT_EQ(s.program().active(), &f);
    if (!s.program().exists("optics2")) GTEST_SKIP() << "optics2 is not in this build";
    s.program().shortcut(f, "Ctrl+P");
    EXPECT_EQ(s.program().active()->name(), "optics2");
    EXPECT_FALSE(f.visible());
}

TEST_F(Optics3, TheWholeOpticsCourseRunsForwardAndBack) {
    for (const char* other : {"optics1", "optics2"})
        if (!s.program().exists(other)) GTEST_SKIP() << other << " is not in this build";
    driver::Session course;
    course.start("Utama");
    auto& p = course.program();
    p.click(*p.active()->find("Label2(1)"));
    for (const char* expected : {"optics1", "optics2", "optics3"}) {
        ASSERT_EQ(p.active()->name(), expected);
        EXPECT_EQ(p.visibleForms().size(), 1u);
        p.shortcut(*p.active(), "Ctrl+N");
    }
    EXPECT_EQ(p.active()->name(), "optics3");
    for (const char* expected : {"optics2", "optics1"}) {
        p.shortcut(*p.active(), "Ctrl+P");
        ASSERT_EQ(p.active()->name(), expected);
    }
    p.shortcut(*p.active(), "Ctrl+P");  // greyed on the first lesson
    EXPECT_EQ(p.active()->name(), "optics1");
}

TEST_F(Optics3, PacedThePictureGrowsOverOneToFourSeconds) {
    driver::Session paced;
    paced.platform().paced = true;
    paced.start("optics3");
    bool seen = false;
    for (auto& h : paced.platform().handlers) {
        if (h.name != "Form_Activate") continue;
        seen = true;
        EXPECT_GE(h.ms, 1000);
        EXPECT_LE(h.ms, 4000);
    }
    EXPECT_TRUE(seen);
}

}  // namespace
