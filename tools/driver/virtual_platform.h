#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "scene/platform.h"

namespace driver {

struct BeepRecord {
    double t;
    int hz;
    double ms;  // on screen: shorter at a higher speed
};
struct CursorRecord {
    double t;
    int px, py;
};
struct MessageRecord {
    double t;
    std::string text;
    double closed = -1;  // when the box went away; -1 while it is open
};
struct HandlerRecord {
    double t;
    std::string form, name;
    double ms;
};

// The machine as the driver plays it: a virtual clock that only beeps and (when paced) frames
// advance, message boxes answered at once (unless they close by themselves, with Continue after
// Messages: then they stay open on the virtual clock), everything recorded. A paced frame lasts
// 1/60 s of the program clock; a paused handler is held at its frame.
class VirtualPlatform : public scene::Platform {
public:
    double now() override { return clock; }
    void beep(int hz, double ms) override;
    void setCursorPos(int px, int py) override;
    void openMessageBox(scene::Form& over, const std::string& text) override;
    void closeMessageBox() override;
    bool openUrl(const std::string& url) override;
    void end() override { ended = true; }
    void frame(scene::Form&) override;
    bool waitUntil(std::optional<double> wall) override;
    void handlerRan(scene::Form& f, const std::string& name, double start, double end) override;
    void formChanged(scene::Form& f) override {
        if (onChange) onChange(f);
    }
    void sought(scene::Form&) override {
        if (onSought) onSought();
    }

    double clock = 0;
    bool paced = false;
    bool ended = false;
    bool urlsAccepted = true;
    std::function<void(const std::string&)> onMessage;  // tests may act while a box is open
    std::function<void()> onFrame;                      // tests may act between frames
    std::function<void(scene::Form&)> onChange;         // tests may look at every scene change
    std::function<void()> onSought;                     // and at where a seek lands
    // What the user does while a handler is held at a frame, until wall time `wall` (none: the
    // program is paused); false when nothing more will come.
    std::function<bool(std::optional<double> wall)> whileHeld;
    std::vector<BeepRecord> beeps;
    std::vector<CursorRecord> cursor;
    std::vector<MessageRecord> messages;
    std::vector<HandlerRecord> handlers;
    std::vector<std::string> urls;
};

}  // namespace driver
