#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "scene/platform.h"
#include "scene/playback.h"
#include "scene/pointer.h"
#include "scene/program.h"
#include "scene/reader.h"
#include "scene/textlayout.h"

namespace web {

// Where the design-size scene lands in a view's stage: uniform scale, centred (CSS px).
struct Fit {
    double scale = 1;  // CSS px per design pixel (15 twips)
    double ox = 0, oy = 0;
    double x(double tw) const { return ox + tw * scale / 15.0; }
    double y(double tw) const { return oy + tw * scale / 15.0; }
    double len(double tw) const { return tw * scale / 15.0; }
};

// The bundled face's pixel size for a control's font at a scale, as the desktop sets it.
double pixelSize(const scene::FontLook& look, double scale);

// A caption at the largest scale, at most 1, at which every word shows inside its box
// (scene::text::fitLayout), measured as the page measures text.
scene::text::Fitted fitText(const std::string& text, const scene::FontLook& look, double boxWidthPx,
                            double boxHeightPx, int alignment);

// A text box's, check box's or button's back and text colour as the program's colour scheme
// draws them (a button's text is black, grey while disabled).
void drawnControlColors(const scene::Control& c, scene::Color& back, scene::Color& fore);

// What was last handed to the page for one form, so that a frame sends only what changed.
struct View {
    scene::Form* form = nullptr;
    int id = 0;
    double width = 0, height = 0, dpr = 0;
    Fit fit;
    std::uint64_t paintedVersion = ~std::uint64_t(0);
    std::size_t segmentsDrawn = 0;
    std::uint64_t segmentGeneration = ~std::uint64_t(0);
    double segmentScale = 0, segmentDpr = 0;
    scene::Color segmentBack = 0;
    bool dirty = true;
    bool left = false;  // a page being left: off the screen before the program hides it
    std::optional<scene::TwipPoint> pointer;
    struct Synced {
        std::string state;  // everything but the text, laid out as one key
        std::string text;
        bool known = false;
    };
    std::map<scene::Control*, Synced> controls;
    struct MenuState {
        int id = 0;  // the page's item
        bool enabled = true;
        bool checked = false;
        std::string caption;
    };
    std::map<scene::MenuItem*, MenuState> menus;
    scene::Control* focused = nullptr;
    // What was last sent for screen readers, and what the view's script has shown so far.
    std::uint64_t readVersion = ~std::uint64_t(0);
    Fit readFit;
    std::string reading;
    scene::Announcer announcer;
};

// The browser under the runtime: the page's clock, canvas, elements and speakers. One per page.
class App : public scene::Platform {
public:
    App();
    ~App() override;
    // Shows the main menu, or the lesson asked for by name (as shell::findPage takes names),
    // then runs the program for as long as the page lives. Its clock stands still until "Click
    // to start" is pressed.
    void run(const std::string& asked);

    // scene::Platform
    double now() override;
    void beep(int hz, double ms) override;
    void setCursorPos(int px, int py) override;
    void openMessageBox(scene::Form& over, const std::string& text) override;
    void closeMessageBox() override;
    bool openUrl(const std::string& url) override;
    void end() override;
    void frame(scene::Form&) override;
    bool waitUntil(std::optional<double> wall) override;
    void playbackChanged() override;
    void colorSchemeChanged() override;
    void languageChanged() override;
    void toggleFullScreen(scene::Form&) override;
    void savePicture(scene::Form& f) override { picture(f, false); }
    void copyPicture(scene::Form& f) override { picture(f, true); }
    void zoomChanged() override;
    void sought(scene::Form&) override;
    void visibilityChanged(scene::Form&) override;
    void activated(scene::Form&) override;
    void handlerRan(scene::Form&, const std::string&, double, double) override;

private:
    View& view(scene::Form& f);
    void pumpEvents();
    void handle(int kind, int id, const std::string& text);
    void present(View& v);
    void presentAll();
    void sync(View& v);
    void syncMenus(View& v);
    void syncReader(View& v);
    int idOf(const scene::Control& c);
    // The page's demonstration, its length and named stages, for the view's timeline bar.
    void sendTimeline(const View& v, scene::Form& f);
    // The scene as shown, at least scene::kPictureMinWidth pixels wide, saved or put on the
    // clipboard.
    void picture(scene::Form& f, bool copy);
    void paint(View& v);
    scene::Control* control(int id) const;

    std::unique_ptr<scene::Program> program_;
    std::map<scene::Form*, std::unique_ptr<View>> views_;
    std::map<int, scene::Control*> controlIds_;
    int nextId_ = 1;
    int pictureId_ = 0;
    double start_ = 0;
    bool started_ = false;
    scene::FramePacer pacer_;
};

}  // namespace web
