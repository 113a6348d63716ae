#pragma once
#include <functional>

#include "desktop/formwindow.h"
#include "scene/program.h"

namespace desktop {

// The host of a window that is only looked at (a picture, a benchmark's frames): it takes no
// input.
struct StillHost : Host {
    explicit StillHost(scene::Program& p) : p(p) {}
    scene::Program& program() override { return p; }
    void dispatch(const std::function<void()>&) override {}
    scene::Program& p;
};

}  // namespace desktop
