#pragma once
#include <span>
#include <string>
#include <string_view>

namespace shell {

// One page of a course: the form that shows it and its window title.
struct Page {
    std::string_view form, title;
};

// A course is its pages in the order Next steps through them.
struct Course {
    std::string_view name;
    std::span<const Page> pages;
};

using Courses = std::span<const Course>;

// Where a page stands: its title, its neighbours in its course ("" at either end) and the whole
// table, for menus that list every page.
struct Place {
    std::string form, title, prev, next;
    bool last = false;
    Courses courses;
};

// The place of a form in the table; a form the table lacks gets only its name.
inline Place placeOf(Courses courses, std::string_view form) {
    for (const Course& c : courses)
        for (std::size_t i = 0; i < c.pages.size(); ++i) {
            if (c.pages[i].form != form) continue;
            Place p{std::string(form), std::string(c.pages[i].title), "", "", false, courses};
            if (i > 0) p.prev = c.pages[i - 1].form;
            if (i + 1 < c.pages.size()) p.next = c.pages[i + 1].form;
            p.last = i + 1 == c.pages.size();
            return p;
        }
    return Place{std::string(form), "", "", "", false, courses};
}

// Menu item names of the Lessons menu: "go_Lesson9".
inline std::string goItem(std::string_view form) { return "go_" + std::string(form); }

}  // namespace shell
