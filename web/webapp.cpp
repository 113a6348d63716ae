#include "web/webapp.h"

#include <emscripten.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/courses.h"
#include "app/registry.h"
#include "scene/keyboard.h"
#include "scene/numbers.h"
#include "scene/tone.h"
#include "shell/navigation.h"
#include "shell/saucer.h"
#include "web/bridge.h"
#include "web/words.h"

namespace web {

using scene::Control;
using scene::Kind;

App::App() : start_(emscripten_get_now()) {
    pictureId_ = nextId_++;
    program_ = std::make_unique<scene::Program>(*this);
    app::registerForms(*program_);
    // The program's saucer is the pointer over the main menu's entries, as on the desktop.
    std::vector<std::uint8_t> rgba;
    for (auto& row : shell::saucerPixels())
        for (auto i : row) {
            std::uint32_t c = i == shell::kTransparent ? 0 : shell::paletteRgb(i);
            rgba.insert(rgba.end(), {std::uint8_t(c >> 16), std::uint8_t(c >> 8), std::uint8_t(c),
                                     std::uint8_t(i == shell::kTransparent ? 0 : 255)});
        }
    auto hot = shell::saucerHotspot();
    web_link_cursor(rgba.data(), shell::kSaucerSize, hot.x, hot.y);
}

App::~App() = default;

double App::now() { return started_ ? emscripten_get_now() - start_ : 0; }

void App::run(const std::string& asked) {
    // Only the main menu and the lessons are start pages: any other name opens the main menu
    // and says which name it did not know.
    std::string form = shell::findPage(app::kCourses, asked);
    if (form.empty()) {
        form = app::kStartForm;
        if (!shell::sameName(asked, "") && !shell::sameName(asked, form) &&
            !shell::sameName(asked, program_->form(form)->caption()))
            web_start_note((scene::translate("Browser", "No lesson is called \"") + asked +
                            scene::translate("Browser", "\": here is the main menu."))
                               .c_str());
    }
    if (web_projector_remembered()) program_->setColorScheme(scene::ColorScheme::Projector);
    program_->start(form);
    for (;;) {
        pumpEvents();
        if (!program_->ended()) {
            auto due = program_->nextDue();
            if (due && *due <= now()) program_->fireDueTimers();
        }
        presentAll();
        if (program_->ended()) {
            web_wait(-1);
            continue;
        }
        auto due = program_->nextDue();
        web_wait(due ? std::max(0.0, *due - now()) : -1.0);
    }
}

View& App::view(scene::Form& f) {
    auto it = views_.find(&f);
    if (it != views_.end()) return *it->second;
    auto v = std::make_unique<View>();
    v->form = &f;
    v->id = nextId_++;
    web_view_create(v->id, f.maximized(), f.clientWidth() / 15.0, f.clientHeight() / 15.0,
                    f.caption().c_str());
    // The form's name, which the page's address shows (web/addresses.js).
    web_control_name(v->id, f.name().c_str());
    for (auto& c : f.controls()) {
        if (c->kind() == Kind::TextBox || c->kind() == Kind::CheckBox ||
            c->kind() == Kind::CommandButton) {
            int id = nextId_++;
            controlIds_[id] = c.get();
            web_control_name(id, c->fullName().c_str());
        }
    }
    std::vector<int> tab;
    for (scene::Control* c : scene::tabOrder(f))
        for (auto& [id, known] : controlIds_)
            if (known == c) tab.push_back(id);
    web_tab_order(v->id, tab.data(), int(tab.size()));
    for (auto& item : f.menu()) {
        int id = nextId_++;
        controlIds_[id] = item.get();
        std::string others;
        for (auto& k : item->otherShortcuts) others += (others.empty() ? "" : "\n") + k;
        web_menu_item(v->id, id, item->level, item->caption.c_str(), item->shortcut.c_str(),
                      others.c_str(), item->Enabled);
        web_control_name(id, item->name().c_str());  // "go_Lesson9": Back and Forward use it
        v->menus[item.get()] = {id, bool(item->Enabled), item->checked, item->caption};
        if (item->checkable) web_menu_check(id, item->checked);
    }
    if (!f.menu().empty()) web_language_menu(v->id);
    sendTimeline(*v, f);
    auto& ref = *v;
    views_[&f] = std::move(v);
    return ref;
}

void App::sendTimeline(const View& v, scene::Form& f) {
    if (f.maximized())
        if (const scene::Timeline* t = program_->timeline(f.name())) {
            std::string stages;
            for (auto& s : t->stages) stages += std::to_string(s.t) + "\t" + s.name + "\n";
            web_timeline(v.id, t->lengthMs, stages.c_str());
        }
}

Control* App::control(int id) const {
    auto it = controlIds_.find(id);
    return it == controlIds_.end() ? nullptr : it->second;
}

void App::pumpEvents() {
    for (;;) {
        int id = 0;
        char* text = nullptr;
        int kind = web_poll(&id, &text);
        if (kind == kEvNone) return;
        std::string s = text ? text : "";
        std::free(text);
        if (!program_->ended()) handle(kind, id, s);
    }
}

void App::handle(int kind, int id, const std::string& text) {
    auto formOf = [&](int viewId) -> scene::Form* {
        for (auto& [f, v] : views_)
            if (v->id == viewId) return f;
        return nullptr;
    };
    Control* c = control(id);
    switch (kind) {
        case kEvClick:
            if (c && (c->kind() == Kind::CheckBox || c->kind() == Kind::CommandButton))
                program_->click(*c);
            // A link the screen reader's page element activated: as a click on the label.
            else if (c && c->kind() == Kind::Label && c->Visible && c->onClick &&
                     c->form().visible())
                program_->click(*c);
            break;
        case kEvType:
            if (c && c->kind() == Kind::TextBox)
                program_->type(static_cast<scene::TextBox&>(*c), text);
            break;
        case kEvKeyDown:
            if (c && c->kind() == Kind::CommandButton)
                program_->keyDown(static_cast<scene::CommandButton&>(*c), std::atoi(text.c_str()));
            break;
        case kEvMouseDown:
            if (c && c->kind() == Kind::CommandButton)
                program_->mouseDown(static_cast<scene::CommandButton&>(*c), 1);
            break;
        case kEvMenu:
            if (c && c->kind() == Kind::Menu && c->Enabled)
                program_->menu(static_cast<scene::MenuItem&>(*c));
            break;
        case kEvShortcut:
            if (scene::Form* f = formOf(id)) program_->shortcut(*f, text);
            break;
        case kEvClose:
            if (scene::Form* f = formOf(id)) program_->closeButton(*f);
            break;
        case kEvActivate:
            if (scene::Form* f = formOf(id); f && f->visible() && program_->active() != f)
                program_->windowActivated(*f);
            break;
        case kEvCanvasDown: {
            scene::Form* f = formOf(id);
            if (!f || !f->visible()) break;
            const View& v = view(*f);
            double x = 0, y = 0;
            if (std::sscanf(text.c_str(), "%lf %lf", &x, &y) != 2) break;
            const double tx = (x - v.fit.ox) * 15.0 / v.fit.scale;
            const double ty = (y - v.fit.oy) * 15.0 / v.fit.scale;
            // The topmost label under the pointer takes the click.
            for (Control* l : f->canvasOrder()) {
                if (!l->Visible || l->kind() != Kind::Label) continue;
                if (tx >= l->Left && tx < l->Left + l->Width && ty >= l->Top &&
                    ty < l->Top + l->Height) {
                    if (l->onClick) program_->click(*l);
                    break;
                }
            }
            break;
        }
        case kEvFocus:
            // Where the user put the focus (a click, Tab), the lesson's focus follows; while a
            // handler runs, once it has ended.
            if (c && c->kind() != Kind::Menu && c->form().visible()) program_->focus(*c);
            break;
        case kEvMessageOk:
            program_->messageAnswered();
            break;
        case kEvZoom:
        case kEvPan: {
            scene::Form* f = formOf(id);
            if (!f || !f->visible() || !f->maximized()) break;
            const View& v = view(*f);
            double a = 0, b = 0, c2 = 0;
            const int n = std::sscanf(text.c_str(), "%lf %lf %lf", &a, &b, &c2);
            scene::Zoom& z = program_->zoom();
            if (kind == kEvZoom && n == 3)
                z.zoomAbout(z.factor() * a, b, c2, f->clientWidth(), f->clientHeight(), v.width,
                            v.height);
            else if (kind == kEvPan && n >= 2 && z.magnified())
                z.panBy(a, b, f->clientWidth(), f->clientHeight(), v.width, v.height);
            else
                break;
            zoomChanged();
            break;
        }
        case kEvResize:
            for (auto& [f, v] : views_) v->dirty = true;
            break;
        case kEvLanguage:
            if (text != scene::language()) program_->setLanguage(text, catalogue(text));
            break;
        case kEvSeek: {
            scene::Form* f = formOf(id);
            if (f && f == program_->active()) program_->seek(std::atof(text.c_str()));
            break;
        }
        case kEvStart:
            // The first page is shown as it starts; its timers, glides and beeps wait for the
            // student, so that nothing plays unseen and unheard behind "Click to start".
            if (!started_) {
                started_ = true;
                start_ = emscripten_get_now();
            }
            break;
        default:
            break;
    }
}

void App::syncMenus(View& v) {
    for (auto& [item, shown] : v.menus) {
        if (item->checkable && shown.checked != item->checked) {
            shown.checked = item->checked;
            web_menu_check(shown.id, shown.checked);
        }
        if (shown.enabled == bool(item->Enabled) && shown.caption == item->caption) continue;
        shown.enabled = item->Enabled;
        shown.caption = item->caption;
        web_menu_state(shown.id, shown.enabled, shown.caption.c_str());
    }
}

void App::sync(View& v) {
    scene::Form& f = *v.form;
    syncMenus(v);
    const Fit& fit = v.fit;
    for (auto& [id, c] : controlIds_) {
        if (&c->form() != &f || c->kind() == Kind::Menu) continue;
        const double x = fit.x(scene::roundHalfEven(c->Left)),
                     y = fit.y(scene::roundHalfEven(c->Top));
        const double w = fit.len(scene::roundHalfEven(c->Width)),
                     h = fit.len(scene::roundHalfEven(c->Height));
        int kind = 0, value = 0, align = 0, style = 0;
        const scene::FontLook* font = nullptr;
        scene::Color back = 0, fore = 0;
        const std::string* text = nullptr;
        switch (c->kind()) {
            case Kind::TextBox: {
                auto& t = static_cast<scene::TextBox&>(*c);
                kind = 1;
                text = &t.Text.get();
                font = &t.font;
                back = t.BackColor;
                fore = t.ForeColor;
                align = t.alignment;
                break;
            }
            case Kind::CheckBox: {
                auto& b = static_cast<scene::CheckBox&>(*c);
                kind = 2;
                text = &b.Caption.get();
                value = b.Value;
                font = &b.font;
                back = b.BackColor;
                fore = b.ForeColor;
                break;
            }
            case Kind::CommandButton: {
                auto& b = static_cast<scene::CommandButton&>(*c);
                kind = 3;
                text = &b.Caption.get();
                font = &b.font;
                back = b.BackColor;
                style = b.style;
                break;
            }
            default:
                continue;
        }
        // As the colour scheme draws them (web::drawnControlColors).
        drawnControlColors(*c, back, fore);
        // A caption that needs more room than its control leaves it is drawn smaller, as the
        // desktop draws it.
        double captionScale = 1;
        const double roomH = scene::roundHalfEven(c->Height) / 15.0;
        if (kind == 2 && !text->empty()) {
            const double roomW = scene::roundHalfEven(c->Width) / 15.0 - 13 - 4;
            if (roomW > 0) captionScale = fitText(*text, *font, roomW, roomH, 0).scale;
        } else if (kind == 3 && style == 1 && !text->empty()) {
            const double inset = scene::text::kButtonCaptionInsetPx;
            const double roomW = scene::roundHalfEven(c->Width) / 15.0 - 2 * inset;
            if (roomW > 0 && roomH > 2 * inset)
                captionScale = fitText(*text, *font, roomW, roomH - 2 * inset, 2).scale;
        }
        const double px = pixelSize(*font, fit.scale * captionScale);
        char key[256];
        std::snprintf(key, sizeof key, "%g %g %g %g %d %d %d %g %d %d %u %u %d %d", x, y, w, h,
                      bool(c->Visible), bool(c->Enabled), value, px, font->bold, font->italic,
                      unsigned(back), unsigned(fore), align, style);
        auto& synced = v.controls[c];
        const bool textChanged = !synced.known || synced.text != *text;
        if (synced.known && synced.state == key && !textChanged) continue;
        web_control(v.id, id, kind, x, y, w, h, c->Visible, c->Enabled,
                    textChanged ? text->c_str() : nullptr, value, px, font->bold, font->italic,
                    back, fore, align, style, fit.scale);
        synced.known = true;
        synced.state = key;
        synced.text = *text;
    }
    Control* focus = f.focused();
    if (focus != v.focused) {
        v.focused = focus;
        for (auto& [id, c] : controlIds_)
            if (c == focus) {
                int sel =
                    c->kind() == Kind::TextBox ? int(static_cast<scene::TextBox*>(c)->SelStart) : 0;
                web_focus(id, sel);
            }
    }
}

int App::idOf(const Control& c) {
    for (auto& [id, known] : controlIds_)
        if (known == &c) return id;
    // A label read as a link gets an id the first time it is read.
    const int id = nextId_++;
    controlIds_[id] = const_cast<Control*>(&c);
    return id;
}

void App::syncReader(View& v) {
    // Only when the scene or its place changed, and sent only when what a reader hears, or
    // where a link lies, changed with it.
    const Fit& fit = v.fit;
    if (v.readVersion == v.form->version() && v.readFit.scale == fit.scale &&
        v.readFit.ox == fit.ox && v.readFit.oy == fit.oy)
        return;
    v.readVersion = v.form->version();
    v.readFit = fit;
    // Tabs and line ends separate the fields and items.
    auto field = [](std::string& out, const std::string& s) {
        for (char ch : s) out += ch == '\t' || ch == '\n' || ch == '\r' ? ' ' : ch;
    };
    std::string reading;
    for (const scene::ReaderItem& item : scene::readPage(*v.form)) {
        const bool acts =
            item.role == scene::ReaderRole::Link || item.role == scene::ReaderRole::TextBox ||
            item.role == scene::ReaderRole::CheckBox || item.role == scene::ReaderRole::Button;
        reading += scene::readerRoleName(item.role);
        reading += '\t' + std::to_string(acts ? idOf(*item.control) : 0) + '\t';
        field(reading, item.name);
        reading += '\t';
        field(reading, item.value);
        reading += '\t' + std::to_string(item.checked);
        char box[96] = "";
        if (item.role == scene::ReaderRole::Link)
            std::snprintf(box, sizeof box, "\t%g %g %g %g", fit.x(item.box.left),
                          fit.y(item.box.top), fit.len(item.box.width), fit.len(item.box.height));
        reading += box;
        reading += '\n';
    }
    if (reading != v.reading) {
        v.reading = std::move(reading);
        web_reader(v.id, v.reading.c_str());
    }
    std::string news;
    for (auto& text : v.announcer.look(*v.form)) {
        field(news, text);
        news += '\n';
    }
    if (!news.empty()) web_announce(v.id, news.c_str());
}

void App::present(View& v) {
    if (!v.form->visible() || v.left) return;
    if (v.dirty || v.paintedVersion != v.form->version()) paint(v);
    sync(v);
    syncReader(v);
    // The timeline bar moves on by itself between these; while a handler is held or the page
    // waits, its clock stands or runs at the chosen speed.
    if (v.form == program_->active())
        web_timeline_at(v.id, program_->position(), program_->paused() ? 0 : program_->speed());
}

void App::sought(scene::Form& f) {
    if (auto it = views_.find(&f); it != views_.end()) {
        it->second->dirty = true;
        it->second->announcer.restart();  // what the new moment shows is no news
        present(*it->second);
    }
}

void App::presentAll() {
    for (auto& [f, v] : views_) present(*v);
}

void App::beep(int hz, double wallMs) {
    const int ms = int(std::lround(wallMs));
    const int rate = web_sample_rate();
    std::vector<std::int16_t> samples;
    if (rate > 0) {
        samples.resize(scene::toneSampleCount(ms, rate));
        scene::synthTone(samples.data(), samples.size(), hz, rate, scene::kToneAmplitude);
    }
    web_beep(samples.data(), int(samples.size()), rate, scene::clampToneMs(ms));
}

void App::zoomChanged() {
    for (auto& [f, v] : views_) v->dirty = true;
    web_zoomed(program_->zoom().factor());
}

void App::setCursorPos(int px, int py) {
    scene::Form* f = program_->active();
    if (!f) return;
    View& v = view(*f);
    v.pointer = scene::classicClientPoint(px, py, twipsPerPixelX());
    v.dirty = true;
}

void App::openMessageBox(scene::Form&, const std::string& text) {
    presentAll();
    web_message_open(text.c_str());
}

void App::closeMessageBox() { web_message_close(); }

bool App::openUrl(const std::string& url) { return web_open_url(url.c_str()); }

void App::end() { web_end(); }

void App::frame(scene::Form& f) {
    // Show what the long handler has done so far, then let the page in until the next frame is
    // due on the program clock: clicks and typing are kept for later, the teacher's controls
    // act, and commands that leave the lesson stop the handler.
    const auto due = pacer_.next(*program_);
    if (!due) return;
    if (auto it = views_.find(&f); it != views_.end()) present(*it->second);
    web_next_frame();
    pumpEvents();
    program_->holdUntil(*due);
    pacer_.held(*program_, *due);
}

bool App::waitUntil(std::optional<double> wall) {
    // Until the page's next animation frame, so that a held handler resumes in step with the
    // display; while paused, until the user does something. Animation frames come a few
    // milliseconds early or late: a frame due within half of one is not worth waiting a whole
    // animation frame for, since what it draws is still shown at the next.
    // Over an open message box the pages still follow the teacher's commands (a new size in
    // full screen); paced frames present their own page.
    if (program_->messageOpen()) presentAll();
    if (!wall) {
        presentAll();
        web_wait(-1);
    } else if (const double ms = *wall - now(); ms > 0) {
        if (ms > scene::kFrameMs / 2)
            web_next_frame();
        else
            web_wait(ms);
    }
    pumpEvents();
    return true;
}

void App::playbackChanged() {
    // Also while a handler is held: the badge and the Pause item show at once.
    web_badge(shell::playbackBadge(*program_).c_str());
    for (auto& [f, v] : views_)
        if (f->visible()) syncMenus(*v);
}

void App::colorSchemeChanged() {
    web_remember_projector(program_->colorScheme() == scene::ColorScheme::Projector);
    for (auto& [f, v] : views_) {
        v->dirty = true;
        if (f->visible()) present(*v);
    }
}

void App::toggleFullScreen(scene::Form&) { web_full_screen(); }

void App::picture(scene::Form& f, bool copy) {
    auto it = views_.find(&f);
    if (it == views_.end() || !f.visible()) return;
    const View& shown = *it->second;
    if (shown.width <= 0 || shown.height <= 0) return;
    const double width =
        std::max(double(scene::kPictureMinWidth), std::round(shown.width * shown.dpr));
    const double height = std::max(1.0, std::round(width * shown.height / shown.width));
    // A view of its own, never shown, so that the one on screen keeps its size and images.
    View pic;
    pic.form = &f;
    pic.id = pictureId_;
    web_picture_view(pic.id, width, height);
    paint(pic);
    web_picture_done(pic.id, shown.id, copy, f.caption().c_str());
}

void App::visibilityChanged(scene::Form& f) {
    View& v = view(f);
    v.dirty = true;
    v.left = false;
    if (!f.visible()) v.segmentGeneration = ~std::uint64_t(0);  // the page lets its images go
    // A page shown is the one page on the screen. The page a command leaves is hidden by the
    // program only after the new page's activation has run (and drawn, maybe for seconds):
    // it goes now.
    if (f.visible() && f.maximized())
        for (auto& [other, o] : views_)
            if (other != &f && other->maximized() && other->visible() && !o->left) {
                o->left = true;
                o->segmentGeneration = ~std::uint64_t(0);
                web_view_show(o->id, false);
            }
    web_view_show(v.id, f.visible());
    if (f.visible()) present(v);
}

void App::languageChanged() {
    for (auto& [f, v] : views_) v->announcer.restart();
    for (auto& [f, v] : views_)
        for (auto& [item, shown] : v->menus)
            if (item->level == 0) web_menu_title(shown.id, item->caption.c_str());
    web_language_changed(scene::language().c_str());
    // The timelines' stages are named in the new language now.
    for (auto& [f, v] : views_) sendTimeline(*v, *f);
}

void App::handlerRan(scene::Form&, const std::string&, double, double) { web_handler_ended(); }

void App::activated(scene::Form& f) { web_view_activate(view(f).id, f.caption().c_str()); }

}  // namespace web

int main(int argc, char** argv) {
    // Lives as long as the page: run() never returns.
    // The language the page chose, before the first form is made.
    char* code = web_language();
    const std::string language = code ? code : "";
    std::free(code);
    scene::setLanguage(language, web::catalogue(language));
    static web::App app;
    app.run(argc > 1 ? argv[1] : "");
    return 0;
}
