#pragma once
#include "scene/form.h"

namespace shell {

// The main menu: the two courses as links.
class Utama : public scene::Form {
public:
    explicit Utama(scene::Program& program);
    void Form_Unload() override;

    scene::Label& Label1;
    scene::ControlArray<scene::Label> Label2{"Label2"};

    void Label2_Click(int index);
};

// The About box: a small fixed window; closing it goes back to the lesson underneath.
class FrmAbout : public scene::Form {
public:
    explicit FrmAbout(scene::Program& program);
    void Form_Unload() override;
};

}  // namespace shell
