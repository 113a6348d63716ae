#include "shell/lessonsmenu.h"

#include "scene/program.h"
#include "scene/words.h"

namespace shell {

void addLessonsMenu(scene::Form& form, Courses courses, const AddMenuItem& add,
                    const std::function<void(const std::string& page)>& go) {
    add("lessons", scene::translate("Lessons menu", "&Lessons")).level = 0;
    for (const Course& course : courses)
        for (const Page& page : course.pages) {
            std::string target(page.form);
            auto& item =
                add(goItem(target), scene::translate("Courses", std::string(page.title).c_str()));
            item.quiet = true;
            item.Enabled = target != form.name() && form.program().exists(target);
            item.onMenu = [go, target] { go(target); };
        }
}

}  // namespace shell
