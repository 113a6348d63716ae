#pragma once
// The catalogue in the browser and in the node driver: the translations converted at build time
// from translations/*.ts into site/l10n/<code>.json (web/ts2json.py), which the page fetches
// (the node driver reads them beside it).
#include <string>

#include "scene/words.h"

namespace web {

// A language's translations as scene::setLanguage takes them; empty where there are none.
scene::Lookup catalogue(const std::string& code);

}  // namespace web
