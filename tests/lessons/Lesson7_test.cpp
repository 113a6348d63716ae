// Lesson 7: the ellipse laid out from the axis lines, its foci, the earth on the left focus, the
// curve drawn on the first tick and the formulas on the second.
#include "lessons/gravity/Lesson7.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "tests/lessons/covered_text.h"
#include "tests/lessons/lesson_fixture.h"

namespace {

constexpr scene::Color kEllipse = 0xE17B80;
constexpr scene::Color kTeal = scene::rgb(0, 192, 192);
constexpr double kOx = 6000, kOy = 3500;  // where the design's axis lines cross [twips]

struct Lesson7Run : lessontest::LessonRun<lessons::Lesson7> {
    Lesson7Run() : LessonRun("Lesson7") {}
    bool formulasShown() {
        auto& f = form();
        bool any = f.eq1.Visible || f.eq2.Visible;
        for (int i = 0; i <= 3; ++i) any = any || f.eq3(i).Visible;
        for (int i = 0; i <= 6; ++i) any = any || f.tes(i).Visible;
        return any;
    }
};

TEST_F(Lesson7Run, LaysOutTheSceneFromTheAxisLines) {
    // The design's axes, then each axis end moved (and the lesson redrawn).
    struct Row {
        float lxX2, lyY2;
    };
    for (Row r : {Row{11280, 6480}, Row{10800, 6480}, Row{11280, 6000}, Row{10500, 5800}}) {
        SCOPED_TRACE(r.lxX2);
        SCOPED_TRACE(r.lyY2);
        auto& f = form();
        f.lx.X2 = r.lxX2;
        f.ly.Y2 = r.lyY2;
        menuAt(s.platform().clock + 10);
        // The axes are made symmetric about O.
        EXPECT_EQ(f.lx.X1, 2 * kOx - r.lxX2);
        EXPECT_EQ(f.ly.Y1, 2 * kOy - r.lyY2);
        // The ellipse ends 99 twips short of the axes' ends.
        double a = (r.lxX2 - 99) / 100 - kOx / 100, b = (r.lyY2 - 99) / 100 - kOy / 100;
        EXPECT_NEAR(f.a, a, 1e-4);
        EXPECT_NEAR(f.b, b, 1e-4);
        double focal = 100 * std::sqrt(a * a - b * b);
        EXPECT_NEAR(f.f(0).Left + f.f(0).Width / 2, kOx - focal, 0.01);
        EXPECT_NEAR(f.f(1).Left + f.f(1).Width / 2, kOx + focal, 0.01);
        for (int i = 0; i <= 1; ++i) {
            EXPECT_NEAR(f.f(i).Top + f.f(i).Height / 2, kOy, 0.01) << i;
            EXPECT_TRUE(f.f(i).Visible) << i;
        }
        // The earth is centred on the left focus and reaches to the middle of the right half-axis.
        double radius = 100 * a / 2 + focal;
        EXPECT_NEAR(f.bumi.Width, 2 * radius, 0.01);
        EXPECT_NEAR(f.bumi.Height, 2 * radius, 0.01);
        EXPECT_NEAR(f.bumi.Left + f.bumi.Width / 2, kOx - focal, 0.01);
        EXPECT_NEAR(f.bumi.Top + f.bumi.Height / 2, kOy, 0.01);
        // The curve drawn on the next tick runs through (a, 0) and (0, b) and lies on the ellipse.
        EXPECT_EQ(f.surface().size(), 0u);
        runTo(s.platform().clock + 1000);
        const auto& surface = f.surface();
        ASSERT_GT(surface.size(), 2u);
        EXPECT_EQ(surface[0].x1, r.lxX2 - 99);
        EXPECT_EQ(surface[0].y1, kOy);
        float top = kOy;
        for (std::size_t i = 0; i + 2 < surface.size(); ++i) {
            double u = (surface[i].x2 - kOx) / (100 * a), v = (surface[i].y2 - kOy) / (100 * b);
            ASSERT_NEAR(u * u + v * v, 1, 1e-4) << i;
            top = std::min(top, surface[i].y2);
        }
        EXPECT_NEAR(top, kOy - 100 * b, 0.5);
        // The walk stops at the first step that would pass the left end.
        auto& closing = surface[surface.size() - 1];
        std::size_t drawnSteps = (surface.size() - 2) / 2;
        EXPECT_GE(closing.x1, kOx - 100 * a);
        EXPECT_LT(closing.x1 - (1 + 0.01 * drawnSteps), kOx - 100 * a);
        EXPECT_EQ(closing.x2, closing.x1);
        EXPECT_EQ(closing.y2, kOy);
    }
}

TEST_F(Lesson7Run, DesignAxesGiveTheLessonsEllipse) {
    auto& f = form();
    EXPECT_EQ(f.lx.X1, 720);
    EXPECT_EQ(f.ly.Y1, 520);
    EXPECT_NEAR(f.a, 51.81, 1e-4);
    EXPECT_NEAR(f.b, 28.81, 1e-4);
    EXPECT_NEAR(kOx - (f.f(0).Left + 67.5), 4306, 1);
    EXPECT_NEAR(f.f(1).Left + 67.5 - kOx, 4306, 1);
    EXPECT_NEAR(f.bumi.Width, 13793, 1);
    EXPECT_NEAR(f.bumi.Left + f.bumi.Width / 2, 1694, 1);
    EXPECT_NEAR(f.bumi.Top + f.bumi.Height / 2, 3500, 0.01);
    // The silent run counted as the first pass and drew nothing; the walk starts at (a, 0) again.
    EXPECT_EQ(f.pass, 1);
    EXPECT_EQ(f.surface().size(), 0u);
    EXPECT_NEAR(f.xPrev, 5181, 1e-2);
    EXPECT_EQ(f.yPrev, 0);
    runTo(1000);
    const auto& surface = f.surface();
    // 1343 steps drawn as mirror pairs, then the two segments closing onto the X axis.
    ASSERT_EQ(surface.size(), 2 * 1343u + 2);
    for (std::size_t k = 0; k < 1343; ++k) {
        const auto &upper = surface[2 * k], &lower = surface[2 * k + 1];
        ASSERT_EQ(upper.color, kEllipse);
        ASSERT_EQ(lower.color, kEllipse);
        ASSERT_EQ(upper.x2, lower.x2) << k;
        ASSERT_NEAR(upper.y2 - kOy, kOy - lower.y2, 1e-3) << k;
        // Step k goes 1 + 0.01 k twips to the left.
        ASSERT_NEAR(upper.x1 - upper.x2, 1 + 0.01 * k, 2e-3) << k;
        if (k > 0) {
            ASSERT_EQ(upper.x1, surface[2 * k - 2].x2) << k;
        }
    }
    const auto &down = surface[2686], &up = surface[2687];
    EXPECT_NEAR(kOx - down.x1, 5174, 1);
    EXPECT_EQ(down.x1, down.x2);
    EXPECT_EQ(up.x1, up.x2);
    EXPECT_NEAR(down.y1 - kOy, 155, 1);
    EXPECT_NEAR(kOy - up.y1, 155, 1);
    EXPECT_EQ(down.y2, kOy);
    EXPECT_EQ(up.y2, kOy);
    EXPECT_EQ(down.color, kEllipse);
    EXPECT_EQ(f.pass, 2);
}

TEST_F(Lesson7Run, ShowsTheSceneThenTheEllipseThenTheFormulas) {
    auto& f = form();
    for (int i = 0; i <= 3; ++i) {
        EXPECT_TRUE(f.q4(i).Visible) << i;
        EXPECT_TRUE(f.ln(i).Visible) << i;
    }
    EXPECT_FALSE(formulasShown());
    // The labels lying on the disc take its colour; those outside keep theirs.
    for (auto* l :
         {&f.Label2(0), &f.Label2(2), &f.Label2(4), &f.Label1(0), &f.Label1(1), &f.center})
        EXPECT_EQ(l->BackColor, kTeal) << l->fullName();
    for (auto* l : {&f.Label2(1), &f.Label2(3), &f.Label2(5), &f.Label1(2)})
        EXPECT_EQ(l->BackColor, scene::kButtonFace) << l->fullName();
    // The enlarged earth lies behind every other control.
    EXPECT_EQ(f.canvasOrder().back(), &f.bumi);
    runTo(1999);
    EXPECT_EQ(f.surface().size(), 2688u);
    EXPECT_FALSE(formulasShown()) << "the formulas wait for the second tick";
    EXPECT_TRUE(f.Timer1.Enabled);
    runTo(std::nullopt);
    EXPECT_EQ(s.platform().clock, 2000);
    EXPECT_TRUE(f.eq1.Visible);
    EXPECT_TRUE(f.eq2.Visible);
    for (int i = 0; i <= 3; ++i) EXPECT_TRUE(f.eq3(i).Visible) << i;
    for (int i = 0; i <= 6; ++i) EXPECT_TRUE(f.tes(i).Visible) << i;
    EXPECT_FALSE(f.Timer1.Enabled);
    EXPECT_EQ(f.surface().size(), 2688u);
    EXPECT_TRUE(s.platform().beeps.empty()) << "the lesson is silent";
}

TEST_F(Lesson7Run, RedrawStartsTheLessonAgainEvenInTheMiddleOfTheEllipse) {
    auto& rep = *form().menuItem("rep");
    EXPECT_EQ(rep.caption, "Redraw");
    EXPECT_EQ(rep.shortcut, "Ctrl+R");
    runTo(std::nullopt);
    menuAt(3000);
    auto& f = form();
    EXPECT_EQ(f.surface().size(), 0u);
    EXPECT_FALSE(formulasShown());
    EXPECT_EQ(f.pass, 1);
    // Now chosen while the ellipse is being drawn.
    menuDuringHandler([&] { return f.surface().size() > 1000; });
    runTo(std::nullopt);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(f.surface().size(), 2688u);
    EXPECT_EQ(f.surface()[0].x1, 11181);
    EXPECT_TRUE(f.eq1.Visible);
}

TEST_F(Lesson7Run, PacedTheEllipseGrowsForOneToFourSeconds) {
    s.platform().paced = true;
    runTo(std::nullopt);
    ASSERT_EQ(s.platform().handlers.size(), 1u);
    const auto& h = s.platform().handlers[0];
    EXPECT_EQ(h.name, "Timer1_Timer");
    EXPECT_GE(h.ms, 1000);
    EXPECT_LE(h.ms, 4000);
}

TEST_F(Lesson7Run, NoTextOfTheFinishedPageLiesUnderAnotherLabel) {
    runTo(std::nullopt);
    EXPECT_EQ(lessontest::covered(form()), std::vector<std::string>{});
}

}  // namespace
