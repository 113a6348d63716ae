#pragma once
#include <string>

#include "scene/form.h"
#include "scene/words.h"
#include "shell/course.h"

namespace shell {

// The main menu: the courses as links, each opening its course's first page.
class Utama : public scene::Form {
    ORBELUNE_WORDS(Utama)

public:
    Utama(scene::Program& program, Courses courses);
    void Form_Unload() override;

    scene::Label& Label1;
    scene::ControlArray<scene::Label> Label2{"Label2"};

    void Label2_Click(int index);

private:
    void open(const std::string& page);
    Courses courses_;
};

// The About box: a small fixed window; closing it goes back to the lesson underneath.
class FrmAbout : public scene::Form {
    ORBELUNE_WORDS(frmAbout)

public:
    explicit FrmAbout(scene::Program& program);
    void Form_Unload() override;
};

}  // namespace shell
