#include "tools/driver/virtual_platform.h"

#include <algorithm>

#include "scene/form.h"
#include "scene/pointer.h"
#include "scene/program.h"

namespace driver {

using scene::Form;

void VirtualPlatform::beep(int hz, double ms) {
    beeps.push_back({clock, hz, ms});
    clock += std::clamp(ms, 0.0, 10000.0);
}

void VirtualPlatform::setCursorPos(int px, int py) { cursor.push_back({clock, px, py}); }

void VirtualPlatform::messageBox(const std::string& text) {
    messages.push_back({clock, text});
    if (onMessage) onMessage(text);
}

bool VirtualPlatform::openUrl(const std::string& url) {
    urls.push_back(url);
    return urlsAccepted;
}

void VirtualPlatform::frame(Form& f) {
    auto& p = f.program();
    p.holdUntil(paced ? p.time() + scene::kFrameMs : p.time());
    if (onFrame) onFrame();
}

bool VirtualPlatform::waitUntil(std::optional<double> wall) {
    if (whileHeld) return whileHeld(wall);
    if (!wall) return false;  // nobody will resume: the handler goes on
    clock = std::max(clock, *wall);
    return true;
}

void VirtualPlatform::handlerRan(Form& f, const std::string& name, double start, double end) {
    if (end - start >= 50) handlers.push_back({start, f.name(), name, end - start});
}

}  // namespace driver
