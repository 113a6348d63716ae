#include "shell/lessonsmenu.h"

#include "scene/program.h"

namespace shell {

void addLessonsMenu(scene::Form& form, Courses courses, const AddMenuItem& add,
                    const std::function<void(const std::string& page)>& go) {
    add("lessons", "&Lessons").level = 0;
    for (const Course& course : courses)
        for (const Page& page : course.pages) {
            std::string target(page.form);
            auto& item = add(goItem(target), std::string(page.title));
            item.quiet = true;
            item.Enabled = target != form.name() && form.program().exists(target);
            item.onMenu = [go, target] { go(target); };
        }
}

}  // namespace shell
