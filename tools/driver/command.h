#pragma once
#include <functional>
#include <string>
#include <vector>

#include "scene/form.h"
#include "scene/words.h"

namespace driver {

// Renders the active form to a PNG; provided by the desktop build, absent headless.
using PngRenderer = std::function<bool(scene::Form&, const std::string& path, std::string& error)>;
void setPngRenderer(PngRenderer r);

// The translations a run may show its texts in, by language code; the desktop build gives the
// compiled ones, the browser's driver the converted ones. An empty lookup for a language it lacks.
using CatalogueSource = std::function<scene::Lookup(const std::string& code)>;
void setCatalogueSource(CatalogueSource source);

// The whole command: returns the exit status, prints the report on `out`, errors on `err`.
int runCommand(const std::vector<std::string>& args, std::string& out, std::string& err);

}  // namespace driver
