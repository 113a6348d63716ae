// The course table: every page a real form with its title, and the menus stepping through it.
#include <gtest/gtest.h>

#include "app/courses.h"
#include "scene/program.h"
#include "tools/driver/driver.h"

namespace {

TEST(CourseTable, EveryPageIsAFormTitledAsTheTableSays) {
    driver::Session s;
    for (const shell::Course& c : app::kCourses)
        for (const shell::Page& page : c.pages) {
            std::string form(page.form);
            if (!s.program().exists(form)) continue;  // a build limited to some lessons
            EXPECT_EQ(s.program().form(form)->caption(), page.title) << form;
        }
}

TEST(CourseTable, PlacesLinkNeighboursAndMarkTheEnds) {
    for (const shell::Course& c : app::kCourses) {
        ASSERT_FALSE(c.pages.empty());
        auto first = shell::placeOf(app::kCourses, c.pages.front().form);
        auto last = shell::placeOf(app::kCourses, c.pages.back().form);
        EXPECT_EQ(first.prev, "");
        EXPECT_EQ(last.next, "");
        EXPECT_TRUE(last.last);
        EXPECT_FALSE(first.last);
        for (std::size_t i = 0; i + 1 < c.pages.size(); ++i) {
            EXPECT_EQ(shell::placeOf(app::kCourses, c.pages[i].form).next, c.pages[i + 1].form);
            EXPECT_EQ(shell::placeOf(app::kCourses, c.pages[i + 1].form).prev, c.pages[i].form);
        }
    }
    auto stranger = shell::placeOf(app::kCourses, "Utama");
    EXPECT_EQ(stranger.title, "");
    EXPECT_EQ(stranger.next, "");
}

// How both front ends take a page asked for by name (--lesson, ?start=).
TEST(CourseTable, APageIsFoundByItsFormOrTitleInAnyCase) {
    auto upper = [](std::string_view s) {
        std::string u(s);
        for (char& ch : u)
            if (ch >= 'a' && ch <= 'z') ch = char(ch - 'a' + 'A');
        return u;
    };
    for (const shell::Course& c : app::kCourses)
        for (const shell::Page& page : c.pages) {
            EXPECT_EQ(shell::findPage(app::kCourses, page.form), page.form);
            EXPECT_EQ(shell::findPage(app::kCourses, upper(page.form)), page.form);
            EXPECT_EQ(shell::findPage(app::kCourses, upper(page.title)), page.form);
        }
    struct Case {
        const char* name;
        const char* form;
    } cases[] = {
        {"lesson9", "Lesson9"},
        {" \tOPTICS2 \n", "optics2"},
        {"lesson 4: how 'heavy' are earth and sun?", "Lesson4"},
        {"Lesson99", ""},
        {"Lesson 9", ""},  // part of a title is not enough
        {"Lesson9x", ""},
        {"Les son9", ""},
        {"frmAbout", ""},  // forms that are no page of a course
        {"Utama", ""},
        {"", ""},
        {"   ", ""},
    };
    for (auto& c : cases) EXPECT_EQ(shell::findPage(app::kCourses, c.name), c.form) << c.name;
}

TEST(CourseTable, MainMenuEntriesOpenEachCoursesFirstPage) {
    for (int i = 0; i < int(std::size(app::kCourses)); ++i) {
        driver::Session s;
        ASSERT_TRUE(s.start("Utama"));
        std::string first(app::kCourses[i].pages.front().form);
        if (!s.program().exists(first)) continue;
        auto* entry = s.program().active()->find("Label2(" + std::to_string(i) + ")");
        ASSERT_NE(entry, nullptr) << i;
        s.program().click(*entry);
        ASSERT_NE(s.program().active(), nullptr);
        EXPECT_EQ(s.program().active()->name(), first);
    }
}

}  // namespace
