#pragma once
#include <cstddef>
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

// Whether a name someone typed means this form name or title: any letter case, blanks around it
// ignored. The names and titles are ASCII, so ASCII case folding is enough.
inline bool sameName(std::string_view typed, std::string_view name) {
    const auto blank = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    while (!typed.empty() && blank(typed.front())) typed.remove_prefix(1);
    while (!typed.empty() && blank(typed.back())) typed.remove_suffix(1);
    if (typed.size() != name.size()) return false;
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    for (std::size_t i = 0; i < name.size(); ++i)
        if (lower(typed[i]) != lower(name[i])) return false;
    return true;
}

// The page a name someone typed means (a start page asked for by name): its form name or its
// window title, as sameName takes them; "" when no page has it.
inline std::string findPage(Courses courses, std::string_view typed) {
    for (const Course& c : courses)
        for (const Page& p : c.pages)
            if (sameName(typed, p.form) || sameName(typed, p.title)) return std::string(p.form);
    return {};
}

// Menu item names of the Lessons menu: "go_Lesson9".
inline std::string goItem(std::string_view form) { return "go_" + std::string(form); }

}  // namespace shell
