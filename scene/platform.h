#pragma once
#include <optional>
#include <string>

#include "scene/pointer.h"

namespace scene {

class Form;

// The narrowest picture Save Picture and Copy Picture make: wide enough for a projector or a
// handout even from a small window.
inline constexpr int kPictureMinWidth = 1920;

// What the runtime needs from the machine it runs on. The desktop, the script driver and the
// tests each provide one.
class Platform {
public:
    virtual ~Platform() = default;
    // Milliseconds since the program started (real on the desktop, virtual in the driver). This
    // is the wall clock; the lessons run on the program clock, which follows it at the chosen
    // speed (Program::time()).
    virtual double now() = 0;
    // A tone of ms wall milliseconds; returns when it has finished.
    virtual void beep(int hz, double ms) = 0;
    // Whole screen pixels, as the lessons compute them for a classic maximised window.
    virtual void setCursorPos(int px, int py) = 0;
    // Shows an OK-only message box over the page `over` and returns at once; Program::messageBox
    // waits for it. The user's OK (a click, Enter, Space) reaches Program::messageAnswered(); the
    // page's menus and the teacher's keys keep working while it is open.
    virtual void openMessageBox(Form& over, const std::string& text) = 0;
    // Takes the box away: answered, closed by itself or left with its page.
    virtual void closeMessageBox() {}
    // Hands a URL to the desktop; false when nothing could take it.
    virtual bool openUrl(const std::string& url) = 0;
    virtual int twipsPerPixelX() { return kClassicTwipsPerPixel; }
    // The program has ended: every window closes.
    virtual void end() {}
    // A long handler has made a frame's worth of scene changes: present them and hold the
    // handler with Program::holdUntil() until its next frame is due, letting the user's commands
    // in (the desktop repaints and handles window events; the driver advances its clock).
    virtual void frame(Form&) {}
    // Lets the user's commands in until wall time `wall`, or, without one (the program is
    // paused), until a command arrives; may return earlier. False when this machine cannot wait:
    // the held handler then goes on at once.
    virtual bool waitUntil(std::optional<double> /*wall*/) { return false; }
    // Pause or speed changed (Program::paused(), Program::speed()).
    virtual void playbackChanged() {}
    // The colour scheme changed (Program::colorScheme()): repaint, and remember it for the next
    // run.
    virtual void colorSchemeChanged() {}
    // The language changed (Program::setLanguage): window titles and menus are shown anew.
    virtual void languageChanged() {}
    // The View menu's window commands: full screen on and off, the scene as shown saved to a
    // file the user chooses, or put on the clipboard. A machine without a screen ignores them.
    virtual void toggleFullScreen(Form&) {}
    virtual void savePicture(Form&) {}
    virtual void copyPicture(Form&) {}
    // A seek has taken the page to another moment of its run (Program::position()): its scene
    // is that moment's, drawn anew.
    virtual void sought(Form&) {}
    // Program::zoom() changed: the shown pages are placed anew.
    virtual void zoomChanged() {}
    // A form was shown or hidden; a form became the active window; a form's scene changed.
    virtual void visibilityChanged(Form&) {}
    virtual void activated(Form&) {}
    virtual void formChanged(Form&) {}
    // A handler ran from start to end (milliseconds of now()).
    virtual void handlerRan(Form&, const std::string& /*name*/, double /*start*/, double /*end*/) {}
};

}  // namespace scene
