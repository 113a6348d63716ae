#pragma once
#include <functional>
#include <string>

#include "scene/form.h"
#include "shell/course.h"

namespace shell {

// Adds one menu item to the form (its own Form::menuItem).
using AddMenuItem =
    std::function<scene::MenuItem&(const std::string& name, const std::string& caption)>;

// The Lessons menu: every page of the courses by its title, in course order; `go` opens the
// page chosen. The page the form itself shows, and pages this build lacks, are greyed.
void addLessonsMenu(scene::Form& form, Courses courses, const AddMenuItem& add,
                    const std::function<void(const std::string& page)>& go);

}  // namespace shell
