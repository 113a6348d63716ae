// The Navigation menu every lesson carries, the main menu and the About box.
#include "shell/navigation.h"

#include <gtest/gtest.h>

#include "scene/program.h"
#include "tools/driver/driver.h"

using namespace scene;

namespace {

// The course chains as the program must have them: form, timer stopped on leaving, neighbours.
struct Row {
    const char* form;
    const char* timer;
    const char* prev;
    const char* next;
};
const Row kChains[] = {
    {"Lesson1", "", "", "Lesson2"},
    {"Lesson2", "jam", "Lesson1", "Lesson3"},
    {"Lesson3", "jam", "Lesson2", "Lesson4"},
    {"Lesson4", "", "Lesson3", "Lesson5"},
    {"Lesson5", "jam", "Lesson4", "Lesson6"},
    {"Lesson6", "jam", "Lesson5", "Lesson7"},
    {"Lesson7", "Timer1", "Lesson6", "Lesson8"},
    {"Lesson8", "jam", "Lesson7", "Lesson9"},
    {"Lesson9", "jam", "Lesson8", "Lesson10"},
    {"Lesson10", "jam", "Lesson9", "Lesson11"},
    {"Lesson11", "jam", "Lesson10", "Lesson12"},
    {"Lesson12", "jam", "Lesson11", ""},
    {"optics1", "Timer1", "", "optics2"},
    {"optics2", "Timer1", "optics1", "optics3"},
    {"optics3", "", "optics2", ""},
};

std::string itemFor(Form& f, const char* base) {
    // The optics forms call "next" nex; the first two lessons call "rep" replay.
    for (auto& m : f.menu())
        if (m->name() == base || (std::string(base) == "next" && m->name() == "nex"))
            return m->name();
    return "";
}

TEST(Navigation, EveryLessonOfTheChainsLeadsToItsNeighbours) {
    driver::Session probe;
    int checked = 0;
    for (const Row& r : kChains) {
        if (!probe.program().exists(r.form)) continue;
        for (const char* dir : {"prev", "next"}) {
            const char* target = std::string(dir) == "prev" ? r.prev : r.next;
            driver::Session s;
            s.start(r.form);
            Form& f = *s.program().form(r.form);
            MenuItem* item = f.menuItem(itemFor(f, dir));
            ASSERT_NE(item, nullptr) << r.form << " " << dir;
            if (*target == 0) {
                // The ends of a chain: the item is greyed and its shortcut does nothing.
                EXPECT_FALSE(item->Enabled) << r.form << " " << dir;
                s.program().shortcut(f, item->shortcut);
                EXPECT_EQ(s.program().active(), &f) << r.form;
                ++checked;
                continue;
            }
            if (!s.program().exists(target)) continue;
            auto* timer = *r.timer ? dynamic_cast<Timer*>(f.find(r.timer)) : nullptr;
            if (*r.timer) {
                ASSERT_NE(timer, nullptr) << r.form;
            }
            if (timer) timer->Enabled = true;
            s.program().shortcut(f, item->shortcut);
            ASSERT_NE(s.program().active(), nullptr);
            EXPECT_EQ(s.program().active()->name(), target) << r.form << " " << dir;
            EXPECT_EQ(s.program().visibleForms().size(), 1u) << r.form << " " << dir;
            if (timer) {
                EXPECT_FALSE(timer->Enabled) << "leaving " << r.form << " stops " << r.timer;
            }
            ++checked;
        }
    }
    EXPECT_GT(checked, 0) << "no form of the chains was checked";
}

TEST(Navigation, MainMenuComesBackFromEveryLessonAndReentersTheCourse) {
    for (const Row& r : kChains) {
        driver::Session s;
        if (!s.program().exists(r.form)) continue;
        s.start(r.form);
        Form& f = *s.program().form(r.form);
        s.program().shortcut(f, "Ctrl+M");
        ASSERT_NE(s.program().active(), nullptr);
        EXPECT_EQ(s.program().active()->name(), "Utama") << r.form;
        EXPECT_EQ(s.program().visibleForms().size(), 1u);
        EXPECT_FALSE(f.visible());
    }
}

TEST(Navigation, TheLessonsMenuGoesToEveryPageAsNextWould) {
    // From the main menu and from a lesson whose timer runs, to every page but the one shown.
    for (const char* from : {"Utama", "Lesson3", "optics2"})
        for (const Row& r : kChains) {
            driver::Session s;
            if (!s.program().exists(from) || !s.program().exists(r.form)) continue;
            s.start(from);
            Form& f = *s.program().form(from);
            MenuItem* item = f.menuItem("go_" + std::string(r.form));
            ASSERT_NE(item, nullptr) << from << " " << r.form;
            auto* timer =
                dynamic_cast<Timer*>(f.find(from == std::string("Lesson3") ? "jam" : "Timer1"));
            if (r.form == std::string(from)) {
                EXPECT_FALSE(item->Enabled) << from;
                continue;
            }
            s.program().menu(*item);
            ASSERT_NE(s.program().active(), nullptr);
            EXPECT_EQ(s.program().active()->name(), r.form) << from;
            EXPECT_EQ(s.program().visibleForms().size(), 1u) << from << " " << r.form;
            if (timer) {
                EXPECT_FALSE(timer->Enabled) << "leaving " << from << " stops its timer";
            }
        }
}

// Lesson forms of a small test course, to check the shared menu's behaviour in detail.
struct TestLesson : shell::LessonForm {
    TestLesson(Program& p, std::string name, shell::Navigation nav)
        : LessonForm(p, name, name, 9000, 6000, std::move(nav)) {}
    void Form_Activate() override {
        ++activations;
        visibleAtActivation = program().visibleForms().size();
        jam.Enabled = true;
        Line(0, 0, 10, 10, 0);
    }
    Timer& jam = timer("jam", 200, false);
    int activations = 0;
    size_t visibleAtActivation = 0;
    int leavingFlag() const { return leaving; }
};

struct Shell : ::testing::Test {
    driver::Session s;
    Program& p = s.program();
    Shell() {
        auto reg = [&](const char* name, shell::Navigation nav) {
            p.registerForm(name, [name, nav](Program& pr) {
                return std::make_unique<TestLesson>(pr, name, nav);
            });
        };
        reg("A", {.prev = "", .next = "B", .timer = "jam", .replayItem = "rep"});
        reg("B",
            {.prev = "A", .next = "Z", .timer = "jam", .replayItem = "rep", .leavingFlag = true});
    }
    TestLesson& form(const char* n) { return p.get<TestLesson>(n); }
};

TEST_F(Shell, NextShowsTheNeighbourBeforeHidingTheLesson) {
    s.start("A");
    p.shortcut(form("A"), "Ctrl+N");
    EXPECT_EQ(form("B").visibleAtActivation, 2u);
    EXPECT_FALSE(form("A").visible());
    EXPECT_FALSE(form("A").jam.Enabled);
    EXPECT_EQ(form("B").leavingFlag(), 0);
}

TEST_F(Shell, NextToAFormTheProgramLacksDoesNothing) {
    s.start("B");
    form("B").jam.Enabled = true;
    p.shortcut(form("B"), "Ctrl+N");
    EXPECT_EQ(p.active(), &form("B"));
    EXPECT_TRUE(form("B").jam.Enabled);
}

TEST_F(Shell, MainMenuHidesTheLessonBeforeShowingTheMenu) {
    s.start("A");
    p.shortcut(form("A"), "Ctrl+M");
    EXPECT_EQ(p.active()->name(), "Utama");
    EXPECT_FALSE(form("A").jam.Enabled);
    // Coming back starts the lesson afresh.
    p.click(*p.active()->find("Label2(0)"));
    EXPECT_EQ(p.active()->name(), "Lesson1");
}

TEST_F(Shell, ReplayRestartsOnACleanSurface) {
    s.start("A");
    form("A").Line(1, 1, 2, 2, 0);
    ASSERT_EQ(form("A").surface().size(), 2u);
    int before = form("A").activations;
    p.shortcut(form("A"), "Ctrl+R");
    EXPECT_GT(form("A").activations, before);
    EXPECT_EQ(form("A").surface().size(), 1u);  // only what the restart drew
    EXPECT_TRUE(form("A").visible());
}

TEST_F(Shell, AboutComesToTheFrontAndClosingItRestartsTheLesson) {
    s.start("A");
    int before = form("A").activations;
    p.shortcut(form("A"), "Ctrl+A");
    Form& about = *p.created("frmAbout");
    EXPECT_TRUE(about.visible());
    EXPECT_FALSE(about.maximized());
    EXPECT_EQ(p.active(), &about);
    p.windowActivated(form("A"));
    p.shortcut(form("A"), "Ctrl+A");  // already open: only to the front
    EXPECT_EQ(p.active(), &about);
    int activations = form("A").activations;
    p.closeButton(about);
    EXPECT_FALSE(about.visible());
    EXPECT_EQ(p.active(), &form("A"));
    EXPECT_EQ(form("A").activations, activations + 1);
    EXPECT_FALSE(p.ended());
    EXPECT_GT(form("A").activations, before);
}

TEST_F(Shell, ContactHandsTheAddressesToTheMailHandler) {
    s.start("A");
    p.shortcut(form("A"), "Ctrl+C");
    ASSERT_EQ(s.platform().urls.size(), 1u);
    EXPECT_EQ(s.platform().urls[0], "mailto:author@example.org,orbelune@example.org");
    EXPECT_TRUE(s.platform().messages.empty());
}

TEST_F(Shell, ContactWithoutAMailHandlerSaysSoAndShowsTheAddresses) {
    s.start("A");
    s.platform().urlsAccepted = false;
    int activations = form("A").activations;
    p.shortcut(form("A"), "Ctrl+C");
    ASSERT_EQ(s.platform().messages.size(), 1u);
    EXPECT_NE(s.platform().messages[0].text.find("author@example.org; orbelune@example.org"),
              std::string::npos);
    EXPECT_EQ(form("A").activations, activations);  // the box does not restart the lesson
}

TEST_F(Shell, ExitAndTheCloseButtonEndTheProgram) {
    s.start("A");
    p.shortcut(form("A"), "Ctrl+E");
    EXPECT_TRUE(p.ended());

    driver::Session t;
    t.program().registerForm("B", [](Program& pr) {
        shell::Navigation nav;
        nav.leavingFlag = true;
        return std::make_unique<TestLesson>(pr, "B", nav);
    });
    t.start("B");
    t.program().closeButton(*t.program().active());
    EXPECT_TRUE(t.program().ended());  // the leaving flag is 0 while the window is on screen
}

TEST(MainMenu, GravityOpensLessonOneWithPreviousGreyed) {
    driver::Session s;
    s.start("Utama");
    Form& menu = *s.program().active();
    EXPECT_EQ(menu.caption(), "MAIN MENU");
    EXPECT_TRUE(menu.maximized());
    s.program().click(*menu.find("Label2(0)"));
    Form* lesson = s.program().active();
    ASSERT_NE(lesson, nullptr);
    EXPECT_EQ(lesson->name(), "Lesson1");
    EXPECT_FALSE(menu.visible());
    EXPECT_FALSE(lesson->menuItem("prev")->Enabled);
    // Coming back from Lesson 2 (or any later visit) shows it greyed again.
    lesson->menuItem("prev")->Enabled = true;
    lesson->Hide();
    lesson->Show();
    EXPECT_FALSE(lesson->menuItem("prev")->Enabled);
}

TEST(MainMenu, OpticsOpensTheFirstMirrorLessonOnceItExists) {
    driver::Session s;
    s.start("Utama");
    Form& menu = *s.program().active();
    s.program().click(*menu.find("Label2(1)"));
    if (!s.program().exists("optics1")) {
        EXPECT_EQ(s.program().active(), &menu);  // nothing to open yet: the menu stays
        return;
    }
    EXPECT_EQ(s.program().active()->name(), "optics1");
    EXPECT_FALSE(s.program().active()->menuItem("prev")->Enabled);
}

TEST(MainMenu, ClosingTheMenuEndsTheProgramAlsoAfterLessonsExist) {
    driver::Session s;
    s.start("Utama");
    s.program().closeButton(*s.program().active());
    EXPECT_TRUE(s.program().ended());

    driver::Session t;
    t.start("Utama");
    t.program().click(*t.program().active()->find("Label2(0)"));
    t.program().shortcut(*t.program().active(), "Ctrl+M");
    t.program().closeButton(*t.program().active());
    EXPECT_TRUE(t.program().ended());
}

}  // namespace
