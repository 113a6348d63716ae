#pragma once
#include <string>

#include "tools/driver/json.h"
#include "tools/driver/session.h"

namespace driver {

// What a session left behind: the forms on screen, everything the platform recorded, and the
// menu, controls and drawing of the form being shown (with every segment when asked).
Json report(const Session& s, const std::string& startForm, bool withSegments);

}  // namespace driver
