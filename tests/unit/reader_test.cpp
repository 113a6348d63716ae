// What a screen reader gets from a page: the model on small pages made here, and every page of
// both courses, at its start and at its end, read whole and sensibly.
#include "scene/reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "app/courses.h"
#include "scene/program.h"
#include "tests/lessons/covered_text.h"
#include "tools/driver/driver.h"

namespace {

using scene::Box;

struct Page : scene::Form {
    explicit Page(scene::Program& p) : Form(p, "Page", "Page", 3000, 2000) {}
    using Form::checkBox;
    using Form::formula;
    using Form::label;
    using Form::line;
    using Form::readAs;
    using Form::textBox;
    using Form::ticking;
};

struct Step {
    std::function<void(Page&)> change;
    std::vector<std::string> announced;
};

struct Case {
    const char* what;
    std::function<void(Page&)> build;
    std::string read;
    std::vector<Step> steps = {};
};

TEST(Reader, ReadsAPageInOrderAndAnnouncesOnlyWhatItNewlyShows) {
    const Case cases[] = {
        {"rows top to bottom, left to right within a row",
         [](Page& p) {
             p.label("b", Box{1000, 100, 500, 255}, "B");
             p.label("c", Box{100, 600, 500, 255}, "C");
             p.label("a", Box{100, 150, 500, 255}, "A");
         },
         "text: A\ntext: B\ntext: C\n"},
        {"hidden, empty and off-page labels are left out",
         [](Page& p) {
             p.label("hid", Box{100, 100, 500, 255}, "Hidden").hidden();
             p.label("off", Box{3100, 100, 500, 255}, "Off the page");
             p.label("blank", Box{100, 400, 500, 255}, "   ");
             p.label("shown", Box{100, 700, 500, 255}, "Shown");
         },
         "text: Shown\n"},
        {"a formula is read once by its reading, its parts not alone",
         [](Page& p) {
             auto& exp = p.label("exp", Box{250, 0, 135, 255}, "2");
             auto& main = p.label("main", Box{100, 100, 1000, 375}, "x   = 1");
             p.formula(main, "x² = 1", {&exp});
         },
         "formula: x² = 1\n"},
        {"a formula without a reading joins its visible pieces left to right",
         [](Page& p) {
             auto& sign = p.label("sign", Box{100, 100, 135, 375}, "-");
             auto& hidden = p.label("hid", Box{50, 100, 40, 375}, "!").hidden();
             auto& digits = p.label("digits", Box{240, 100, 375, 375}, "03");
             p.formula(digits, "", {&sign, &hidden});
         },
         "formula: -03\n"},
        {"a text box is named by the label before it, a check box by its purpose",
         [](Page& p) {
             p.label("unit", Box{1300, 100, 400, 255}, "m/s");
             p.textBox("v", Box{700, 100, 500, 285}, "42");
             p.label("name", Box{100, 100, 500, 255}, "Speed");
             p.readAs(p.checkBox("ck", Box{1800, 100, 255, 255}, "Check1"), "Launch");
         },
         "text: Speed\ntextbox: Speed [42]\ntext: m/s\ncheckbox: Launch (not checked)\n"},
        {"a full-height line splits the page into columns read one after the other",
         [](Page& p) {
             p.line("divide", 1500, 0, 1500, 2000);
             p.label("r1", Box{1600, 100, 500, 255}, "R1");
             p.label("l1", Box{100, 100, 500, 255}, "L1");
             p.label("l2", Box{100, 500, 500, 255}, "L2");
             p.label("across", Box{1000, 1500, 1000, 255}, "Both");
         },
         "text: L1\ntext: L2\ntext: R1\ntext: Both\n"},
        {"announced: what is revealed or rewritten, not the first look, a ticking clock or a "
         "text shown again as it was",
         [](Page& p) {
             p.ticking(p.label("clock", Box{100, 100, 500, 255}, "000"));
             p.label("news", Box{100, 500, 500, 255}, "WAIT!").hidden();
             p.label("note", Box{100, 900, 500, 255}, "Before");
         },
         "text: 000\ntext: Before\n",
         {{[](Page& p) {
               p.control<scene::Label>("clock").Caption = "001";
               p.control<scene::Label>("news").Visible = true;
           },
           {"WAIT!"}},
          {[](Page& p) {
               p.control<scene::Label>("clock").Caption = "002";
               p.control<scene::Label>("news").Visible = false;
           },
           {}},
          {[](Page& p) {
               p.control<scene::Label>("news").Visible = true;
               p.control<scene::Label>("note").Caption = "After";
           },
           {"After"}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        driver::VirtualPlatform platform;
        scene::Program program{platform};
        Page page{program};
        c.build(page);
        page.Show();
        EXPECT_EQ(scene::describe(scene::readPage(page)), c.read);
        scene::Announcer announcer;
        EXPECT_EQ(announcer.look(page), std::vector<std::string>{});
        for (const Step& s : c.steps) {
            s.change(page);
            EXPECT_EQ(announcer.look(page), s.announced);
        }
    }
}

// What a page reads wrong: a visible text neither read nor part of a formula read, a formula
// part read alone, two texts drawn over each other (a formula's parts aside), a control without
// a name.
std::vector<std::string> misread(const scene::Form& f) {
    const auto items = scene::readPage(f);
    std::set<const scene::Control*> read, parts;
    for (auto& i : items) read.insert(i.control);
    for (auto& formula : f.readerNotes().formulas)
        if (read.count(formula.main)) parts.insert(formula.parts.begin(), formula.parts.end());
    std::vector<std::string> out;
    std::vector<const scene::Label*> shown;
    for (auto& c : f.controls()) {
        auto* l = dynamic_cast<const scene::Label*>(c.get());
        if (!l || !l->Visible || l->Caption.get().find_first_not_of(" ") == std::string::npos ||
            l->Left >= f.clientWidth() || l->Left + l->Width <= 0)
            continue;
        shown.push_back(l);
        if (!read.count(l) && !parts.count(l)) out.push_back(l->fullName() + " is not read");
        if (read.count(l) && parts.count(l)) out.push_back(l->fullName() + " is read alone");
    }
    for (std::size_t a = 0; a < shown.size(); ++a)
        for (std::size_t b = a + 1; b < shown.size(); ++b) {
            if (parts.count(shown[a]) || parts.count(shown[b])) continue;
            bool meet = false;
            for (auto& g : lessontest::glyphs(*shown[a]))
                for (auto& h : lessontest::glyphs(*shown[b]))
                    meet = meet || (lessontest::overlap(g.left, g.right, h.left, h.right) > 15 &&
                                    lessontest::overlap(g.top, g.bottom, h.top, h.bottom) > 15);
            if (meet) out.push_back(shown[a]->fullName() + " meets " + shown[b]->fullName());
        }
    // A control's name says what it is: not empty, not a placeholder caption ("Check1"), and
    // not the same as another's on the page (twelve light sources).
    std::set<std::string> names;
    for (auto& i : items) {
        if (i.role == scene::ReaderRole::Text || i.role == scene::ReaderRole::Formula) continue;
        const auto digits = i.name.find_first_of("0123456789");
        const std::string stem = i.name.substr(0, digits);
        if (i.name.empty() ||
            (digits != std::string::npos &&
             i.name.find_first_not_of("0123456789", digits) == std::string::npos &&
             (stem == "Check" || stem == "Command" || stem == "Text")))
            out.push_back(i.control->fullName() + " has no name: \"" + i.name + "\"");
        else if (!names.insert(i.name).second)
            out.push_back(i.control->fullName() + " has another's name: " + i.name);
    }
    return out;
}

bool onlyDigits(const std::string& s) {
    return s.find_first_not_of("0123456789.,:+- ") == std::string::npos;
}

// Every page at its start and at its end (the mirrors with every source fired by their script):
// read whole, and what the script revealed announced, no clock's number.
TEST(Reader, EveryPageIsReadWholeAndAnnouncesWhatItsScriptReveals) {
    std::vector<std::string> forms{"Utama"};
    for (const auto& course : app::kCourses)
        for (const auto& page : course.pages) forms.emplace_back(page.form);
    for (const auto& name : forms) {
        SCOPED_TRACE(name);
        driver::Session s;
        scene::Announcer announcer;
        std::vector<std::string> announced;
        s.platform().onChange = [&](scene::Form& f) {
            for (auto& text : announcer.look(f)) announced.push_back(text);
        };
        ASSERT_TRUE(s.start(name));
        scene::Form* f = driver::shownForm(s.program());
        ASSERT_TRUE(f);
        EXPECT_EQ(misread(*f), std::vector<std::string>{}) << "at the start";
        std::set<const scene::Control*> atStart;
        for (auto& i : scene::readPage(*f)) atStart.insert(i.control);
        std::string err;
        ASSERT_TRUE(s.run(std::nullopt, {}, err)) << err;
        ASSERT_EQ(driver::shownForm(s.program()), f);
        EXPECT_EQ(misread(*f), std::vector<std::string>{}) << "at the end";
        for (auto& i : scene::readPage(*f)) {
            const bool revealed =
                (i.role == scene::ReaderRole::Text || i.role == scene::ReaderRole::Formula) &&
                !atStart.count(i.control) && !f->readerNotes().ticking.count(i.control);
            if (revealed) {
                EXPECT_NE(std::find(announced.begin(), announced.end(), i.name), announced.end())
                    << "revealed but not announced: " << i.name;
            }
        }
        for (auto& text : announced) EXPECT_FALSE(onlyDigits(text)) << "announced: " << text;
    }
}

}  // namespace
