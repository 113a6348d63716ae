// Lesson 4, the masses of the earth and the sun: a still page whose formulas are composed from
// labels with gaps and small labels and pi strokes laid over them.
#include "lessons/gravity/Lesson4.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "scene/textlayout.h"
#include "tests/lessons/lesson_fixture.h"

namespace {

using lessons::Lesson4;
using scene::Control;
using scene::Label;

struct Lesson4Page : ::testing::Test {
    driver::Session s;
    void SetUp() override { ASSERT_TRUE(s.start("Lesson4")); }
    Lesson4& form() { return s.program().get<Lesson4>("Lesson4"); }
    Label& label(const std::string& name) { return dynamic_cast<Label&>(*form().find(name)); }
};

TEST_F(Lesson4Page, IsAStillPageWithoutReplayOrTimer) {
    auto& f = form();
    EXPECT_EQ(f.caption(), "Lesson 4: How 'heavy' are earth and sun?");
    EXPECT_EQ(f.clientWidth(), 11580);
    EXPECT_EQ(f.clientHeight(), 9060);
    EXPECT_TRUE(f.timers().empty());
    EXPECT_EQ(f.menuItem("replay"), nullptr);
    EXPECT_EQ(f.menuItem("rep"), nullptr);
    EXPECT_EQ(f.menuItem("navigation")->caption, "Navigation");
    EXPECT_TRUE(f.menuItem("prev")->Enabled);
    EXPECT_TRUE(f.menuItem("next")->Enabled);
    EXPECT_FALSE(s.program().nextDue().has_value());
    EXPECT_EQ(f.surface().size(), 0u);
}

TEST_F(Lesson4Page, ControlsInStoredOrderWithTheirCaptionsKeptExactly) {
    auto& f = form();
    ASSERT_EQ(f.controls().size(), 80u);
    EXPECT_EQ(f.controls().front()->fullName(), "Label7(5)");
    EXPECT_EQ(f.controls().back()->fullName(), "Label2");
    // Runs of blanks are the gaps the small labels fill: they are kept exactly.
    const std::pair<const char*, const char*> captions[] = {
        {"Label7(5)", "T = 365.25 x 24 x 3600  seconds  ... period of earth's revolution = 1 year"},
        {"Label8(1)", "=>  M = 2 x 10       kg"},
        {"Label7(4)", "R = 1.5 x 10        m  ... distance between earth and sun"},
        {"Label7(3)", "G = 6.6 x 10         Nm     /kg      ... gravity constant"},
        {"Label11", "M = 4           R    /GT"},
        {"Label10",
         "Substituting v with 2    R/T, where R is the distance between the earth and "
         "the sun and T is the period of earth's revolution (=1 year), into equation "
         "(1) and then combine it with equation (2), we obtain:"},
        {"Label3(4)", "F = GMm/R            (2) ... gravitational force"},
        {"Label3(3)", "F = mv   /R             (1) ... centrifugal force"},
        {"Label1(3)", "MASS OF SUN "},
        {"Label8(0)", "=>  M = 6 x 10       kg"},
        {"Label7(2)", "R = 6.3 x 10        m  ... radius of earth"},
        {"Label7(1)", "G = 6.6 x 10         Nm     /kg      ... gravity constant"},
        {"Label7(0)", "g = 9.8 m/s    ... earth's gravitational acceleration"},
        {"Label3(2)", "g = GM/R       (3)"},
        {"Label3(1)", "F = GMm/R     (2)"},
        {"Label3(0)", "F = mg             (1)"},
        {"Label4(13)", "-11"},
        {"Label4(17)", "30"},
        {"Label7(6)", "Sun is 330,000 times 'heavier' than the earth"},
    };
    for (auto [name, caption] : captions) EXPECT_EQ(label(name).Caption.get(), caption) << name;
    // A few looks: the blue values, the bold results, the orange box, the fat pans.
    EXPECT_EQ(label("Label7(0)").ForeColor.get(), 0xFF0000u);
    EXPECT_TRUE(label("Label8(1)").font.bold);
    EXPECT_EQ(label("Label7(6)").BackColor.get(), 0x80C0FFu);
    EXPECT_EQ(label("Label2").font.size, 48);
    EXPECT_EQ(dynamic_cast<scene::LineControl&>(*f.find("Line9(0)")).borderWidth, 3);
    EXPECT_EQ(dynamic_cast<scene::LineControl&>(*f.find("Line12")).borderStyle, 3);
    EXPECT_EQ(dynamic_cast<scene::LineControl&>(*f.find("Line26(1)")).BorderColor.get(), 0x0080FFu);
    auto& sun = dynamic_cast<scene::Shape&>(*f.find("Shape2(1)"));
    EXPECT_EQ(sun.shape, 3);
    EXPECT_EQ(sun.FillColor.get(), 0x00FFFFu);
    EXPECT_EQ(dynamic_cast<scene::Shape&>(*f.find("Shape1")).shape, 0);
}

// --- The formulas ------------------------------------------------------------------------------

struct Span {
    double left, right;
};

// The characters of a label's caption that lie in the band [top, bottom), in twips.
std::vector<Span> inkIn(const Label& l, double top, double bottom) {
    using namespace scene::text;
    const Font font{l.font.size, l.font.bold, l.font.italic};
    auto lay = layout(l.Caption.get(), font, l.Width / 15, Align(l.alignment));
    std::vector<Span> out;
    for (const auto& line : lay.lines) {
        double lineTop = l.Top + line.top * 15, lineBottom = lineTop + lay.lineHeight * 15;
        if (lineBottom <= top || lineTop >= bottom) continue;
        for (size_t k = 0; k < line.text.size(); ++k) {
            if (line.text[k] == U' ') continue;
            double x = l.Left + line.x[k] * 15;
            out.push_back({x, x + advance(line.text[k], font) * 15});
        }
    }
    return out;
}

// Where a small label's own text lies.
Span textOf(const Label& l) {
    using namespace scene::text;
    const Font font{l.font.size, l.font.bold, l.font.italic};
    auto lay = layout(l.Caption.get(), font, l.Width / 15, Align(l.alignment));
    const auto& line = lay.lines.at(0);
    return {l.Left + line.x[0] * 15, l.Left + (line.x[0] + line.width) * 15};
}

// How far `s` reaches into any character of `ink` (0 when it lies in a gap).
double intrusion(Span s, const std::vector<Span>& ink) {
    double worst = 0;
    for (Span c : ink)
        worst = std::max(worst, std::min(s.right, c.right) - std::max(s.left, c.left));
    return worst;
}

bool overlaps(const Control& a, const Control& b) {
    return a.Left < b.Left + b.Width && b.Left < a.Left + a.Width && a.Top < b.Top + b.Height &&
           b.Top < a.Top + a.Height;
}

TEST_F(Lesson4Page, EverySuperscriptSitsOverAGapOfTheFormulaBeneathAndAboveIt) {
    auto& f = form();
    std::map<std::string, std::string> over;  // small label -> the formula it sits on
    for (const auto& [i, small] : f.Label4.members()) {
        for (auto* c : f.canvasOrder()) {
            auto* big = dynamic_cast<Label*>(c);
            if (!big || big == small || big->Width <= 1000 || !overlaps(*small, *big)) continue;
            // The formula is the label whose text shares the small label's height.
            auto ink = inkIn(*big, small->Top, small->Top + small->Height);
            if (ink.empty()) continue;
            SCOPED_TRACE(small->fullName() + " over " + big->fullName());
            EXPECT_EQ(over.count(small->fullName()), 0u);
            over[small->fullName()] = big->fullName();
            // Glyph cells carry about a pixel of side bearing on each side.
            EXPECT_LE(intrusion(textOf(*small), ink), 15);
            EXPECT_LT(lessontest::layer(f, *small), lessontest::layer(f, *big));
            // A superscript: raised above the formula's own top.
            EXPECT_LT(small->Top, big->Top);
        }
    }
    // Each of the eighteen sits on the formula it belongs to.
    const std::map<std::string, std::string> expected = {
        {"Label4(0)", "Label3(1)"},  {"Label4(1)", "Label3(2)"},  {"Label4(2)", "Label7(1)"},
        {"Label4(3)", "Label7(2)"},  {"Label4(4)", "Label7(0)"},  {"Label4(5)", "Label7(1)"},
        {"Label4(6)", "Label7(1)"},  {"Label4(7)", "Label8(0)"},  {"Label4(8)", "Label3(3)"},
        {"Label4(9)", "Label3(4)"},  {"Label4(10)", "Label11"},   {"Label4(11)", "Label11"},
        {"Label4(12)", "Label11"},   {"Label4(13)", "Label7(3)"}, {"Label4(14)", "Label7(3)"},
        {"Label4(15)", "Label7(3)"}, {"Label4(16)", "Label7(4)"}, {"Label4(17)", "Label8(1)"},
    };
    EXPECT_EQ(over, expected);
}

TEST_F(Lesson4Page, ThePiStrokesSitInTheirGapsAndAboveTheText) {
    auto& f = form();
    struct Pi {
        const char* bar;
        const char* left;
        const char* right;
        const char* text;
    };
    for (Pi pi : {Pi{"Line18", "Line19", "Line20", "Label10"},
                  Pi{"Line21", "Line22", "Line23", "Label11"}}) {
        SCOPED_TRACE(pi.text);
        auto& bar = dynamic_cast<scene::LineControl&>(*f.find(pi.bar));
        auto& l = dynamic_cast<scene::LineControl&>(*f.find(pi.left));
        auto& r = dynamic_cast<scene::LineControl&>(*f.find(pi.right));
        Label& text = label(pi.text);
        // A bar with two legs hanging from its ends.
        EXPECT_EQ(bar.Y1.get(), bar.Y2.get());
        EXPECT_EQ(l.X1.get(), l.X2.get());
        EXPECT_EQ(r.X1.get(), r.X2.get());
        EXPECT_EQ(std::min(bar.X1, bar.X2), l.X1);
        EXPECT_EQ(std::max(bar.X1, bar.X2), r.X1);
        EXPECT_EQ(std::min(l.Y1, l.Y2), bar.Y1);
        Span strokes{l.X1, r.X1};
        auto ink = inkIn(text, bar.Y1, std::max(l.Y1, l.Y2));
        ASSERT_FALSE(ink.empty());
        EXPECT_LE(intrusion(strokes, ink), 0);
        // In the blanks right after the "4" or "2".
        Span before{0, 0};
        for (Span c : ink)
            if (c.right <= strokes.left) before = c;
        EXPECT_LT(strokes.left - before.right, 150);
        for (auto* c : {&bar, &l, &r})
            EXPECT_LT(lessontest::layer(f, *c), lessontest::layer(f, text));
    }
}

// --- Navigation --------------------------------------------------------------------------------

TEST_F(Lesson4Page, NavigationGoesBothWaysAndNothingResets) {
    auto& f = form();
    const auto page = lessontest::snapshot(f);
    auto& p = s.program();
    // Back to Lesson 3 and forward again.
    p.shortcut(f, "Ctrl+P");
    ASSERT_NE(p.active(), nullptr);
    EXPECT_EQ(p.active()->name(), "Lesson3");
    EXPECT_FALSE(f.visible());
    EXPECT_EQ(p.visibleForms().size(), 1u);
    auto* three = p.form("Lesson3");
    p.shortcut(*three, "Ctrl+N");
    EXPECT_EQ(p.active(), &f);
    EXPECT_FALSE(three->visible());
    EXPECT_EQ(lessontest::snapshot(f), page);
    // Forward to Lesson 5; without Lesson 5 in the build the command does nothing.
    p.shortcut(f, "Ctrl+N");
    if (p.exists("Lesson5")) {
        auto* five = p.form("Lesson5");
        EXPECT_EQ(p.active(), five);
        EXPECT_FALSE(f.visible());
        p.shortcut(*five, "Ctrl+P");
    }
    EXPECT_EQ(p.active(), &f);
    EXPECT_TRUE(f.visible());
    EXPECT_EQ(p.visibleForms().size(), 1u);
    EXPECT_EQ(lessontest::snapshot(f), page);
    // Coming back from the About box activates the page again: still nothing changes.
    p.shortcut(f, "Ctrl+A");
    ASSERT_NE(p.active(), &f);
    p.closeButton(*p.active());
    EXPECT_EQ(p.active(), &f);
    EXPECT_EQ(lessontest::snapshot(f), page);
}

}  // namespace
