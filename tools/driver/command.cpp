#include "tools/driver/command.h"

#include <cmath>
#include <cstdio>

#include "scene/reader.h"
#include "tools/driver/args.h"
#include "tools/driver/report.h"
#include "tools/driver/session.h"
#include "tools/driver/wav.h"

namespace driver {

using scene::Form;

static PngRenderer& pngRenderer() {
    static PngRenderer r;
    return r;
}

void setPngRenderer(PngRenderer r) { pngRenderer() = std::move(r); }

static CatalogueSource& catalogueSource() {
    static CatalogueSource s;
    return s;
}

void setCatalogueSource(CatalogueSource source) { catalogueSource() = std::move(source); }

int runCommand(const std::vector<std::string>& args, std::string& out, std::string& err) {
    auto opts = parseArgs(args, err);
    if (!opts) return 2;
    // The language holds for this run only: the next one in the same process starts in English.
    struct English {
        ~English() { scene::setLanguage("en"); }
    } english;
    if (!opts->language.empty()) {
        scene::Lookup lookup;
        if (catalogueSource()) lookup = catalogueSource()(opts->language);
        const bool translation = opts->language != "en" && opts->language != scene::kPseudoLanguage;
        if (translation && !lookup) {
            err = "--lang " + opts->language + ": this build carries no translations";
            return 2;
        }
        scene::setLanguage(opts->language, std::move(lookup));
    }
    Session s;
    s.platform().paced = opts->paced;
    s.program().setSpeed(opts->speed);
    if (opts->projector) s.program().setColorScheme(scene::ColorScheme::Projector);
    if (!s.start(opts->form)) {
        err = "unknown form '" + opts->form + "'";
        return 2;
    }
    // What a screen reader would have heard announced, with its program time.
    scene::Announcer announcer;
    std::vector<std::pair<double, std::string>> announced;
    if (opts->reader) {
        s.platform().onChange = [&](Form& f) {
            // A seek plays the page again at once: what it passes is not news.
            if (s.program().seeking()) return;
            for (auto& text : announcer.look(f)) announced.emplace_back(s.platform().clock, text);
        };
        s.platform().onSought = [&] { announcer.restart(); };
    }
    if (!s.run(opts->until, opts->actions, err)) return 2;
    if (!opts->png.empty()) {
        Form* f = shownForm(s.program());
        if (!pngRenderer()) {
            err = "--png needs the desktop build of orbelune-script";
            return 2;
        }
        if (!f) {
            err = "--png: no form is on screen";
            return 2;
        }
        if (!pngRenderer()(*f, opts->png, err)) return 2;
    }
    if (!opts->wav.empty()) {
        std::vector<Tone> tones;
        for (auto& b : s.platform().beeps) tones.push_back({b.t, b.hz, int(std::lround(b.ms))});
        std::string why;
        if (!writeWav(opts->wav, tones, 22050, &why)) {
            err = "--wav: cannot write '" + opts->wav + "': " + why;
            return 2;
        }
    }
    if (opts->reader) {
        Form* f = shownForm(s.program());
        out = f ? "window: " + f->caption() + "\n" + scene::describe(scene::readPage(*f)) : "";
        for (auto& m : s.platform().messages) announced.emplace_back(m.t, m.text);
        std::stable_sort(announced.begin(), announced.end(),
                         [](auto& a, auto& b) { return a.first < b.first; });
        for (auto& [t, text] : announced) {
            char at[32];
            std::snprintf(at, sizeof at, "%.0f", t);
            out += "announced at " + std::string(at) + ": " + text + "\n";
        }
        return 0;
    }
    out = report(s, opts->form, opts->segments).dump() + "\n";
    return 0;
}

}  // namespace driver
