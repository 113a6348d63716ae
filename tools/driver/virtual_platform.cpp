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

void VirtualPlatform::openMessageBox(Form& over, const std::string& text) {
    messages.push_back({clock, text});
    if (onMessage) onMessage(text);
    // The virtual user presses OK at once, but for a box that goes away by itself.
    if (auto& p = over.program(); p.messageOpen() && !p.messageClosesItself()) p.messageAnswered();
}

void VirtualPlatform::closeMessageBox() {
    for (auto it = messages.rbegin(); it != messages.rend(); ++it)
        if (it->closed < 0) {
            it->closed = clock;
            break;
        }
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
