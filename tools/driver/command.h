#pragma once
#include <functional>
#include <string>
#include <vector>

#include "scene/form.h"

namespace driver {

// Renders the active form to a PNG; provided by the desktop build, absent headless.
using PngRenderer = std::function<bool(scene::Form&, const std::string& path, std::string& error)>;
void setPngRenderer(PngRenderer r);

// The whole command: returns the exit status, prints the report on `out`, errors on `err`.
int runCommand(const std::vector<std::string>& args, std::string& out, std::string& err);

}  // namespace driver
