#pragma once
// What the lesson tests share: a form's script played on the virtual clock, the frames a paced
// run presents, and the texts a student cannot read because an opaque label lies over them.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "scene/form.h"
#include "scene/program.h"
#include "scene/textlayout.h"
#include "tools/driver/driver.h"

namespace script_run {

struct Beep {
    double t;  // [virtual ms]
    int ms;
};

// One lesson form played from its first activation.
template <class Form>
struct Run : ::testing::Test {
    explicit Run(std::string formName) : name(std::move(formName)) {}
    void SetUp() override { ASSERT_TRUE(s.start(name)); }

    Form& form() { return s.program().get<Form>(name); }
    void runTo(std::optional<double> t) { ASSERT_TRUE(s.run(t, {}, err)) << err; }
    // Every beep of the run so far: 440 Hz each, at these times and of these lengths.
    void expectBeeps(const std::vector<Beep>& expected) {
        const auto& beeps = s.platform().beeps;
        ASSERT_EQ(beeps.size(), expected.size());
        for (std::size_t i = 0; i < beeps.size(); ++i) {
            EXPECT_EQ(beeps[i].t, expected[i].t) << i;
            EXPECT_EQ(beeps[i].hz, 440) << i;
            EXPECT_EQ(beeps[i].ms, expected[i].ms) << i;
        }
    }
    // When the beeps after virtual time t began.
    std::vector<double> beepTimesAfter(double t) {
        std::vector<double> out;
        for (auto& b : s.platform().beeps)
            if (b.t > t) out.push_back(b.t);
        return out;
    }
    // Chooses a menu item at virtual time t.
    void menuAt(double t, const std::string& item = "rep") {
        ASSERT_TRUE(s.run(t, {*driver::parseAction(t, "menu:" + item, err)}, err)) << err;
    }
    // Chooses a menu item at the first frame a long handler presents once `when` holds.
    void menuDuringHandler(std::function<bool()> when, const std::string& item = "rep") {
        s.platform().onFrame = [this, when, item] {
            if (!chosen && when()) {
                chosen = true;
                s.program().menu(*form().menuItem(item));
            }
        };
    }
    // Plays paced, noting how many segments had been drawn at each frame presented.
    void recordPacedFrames() {
        s.platform().paced = true;
        s.platform().onFrame = [this] { frames.push_back(form().surface().size()); };
    }
    // How long the segments after `begin` up to `end` were on their way on screen [s]: the
    // frames presented meanwhile, at 60 a second.
    double secondsDrawing(std::size_t begin, std::size_t end) const {
        auto n = std::count_if(frames.begin(), frames.end(),
                               [&](std::size_t drawn) { return drawn > begin && drawn <= end; });
        return double(n) / 60;
    }

    std::string name;
    driver::Session s;
    std::string err;
    bool chosen = false;              // menuDuringHandler has chosen its item
    std::vector<std::size_t> frames;  // segments drawn at each frame presented
};

struct Rect {
    double left, top, right, bottom;
};

inline double overlap(double a0, double a1, double b0, double b1) {
    return std::min(a1, b1) - std::max(a0, b0);
}

// The glyph cells of a label's caption: each character's advance, from about the height of a
// capital above the baseline down to the baseline [twips].
inline std::vector<Rect> glyphs(const scene::Label& l) {
    using namespace scene::text;
    const Font font{l.font.size, l.font.bold, l.font.italic};
    auto lay = layout(l.Caption.get(), font, l.Width / 15, Align(l.alignment));
    std::vector<Rect> out;
    const double capital = 0.7 * l.font.size * 20;
    for (const auto& line : lay.lines) {
        const double baseline = l.Top + line.baseline * 15;
        for (size_t k = 0; k < line.text.size(); ++k) {
            if (line.text[k] == U' ') continue;
            const double x = l.Left + line.x[k] * 15;
            // A label shows only what lies inside its own box.
            Rect g{std::max(x, double(l.Left)), std::max(baseline - capital, double(l.Top)),
                   std::min(x + advance(line.text[k], font) * 15, double(l.Left + l.Width)),
                   std::min(baseline, double(l.Top + l.Height))};
            if (g.right > g.left && g.bottom > g.top) out.push_back(g);
        }
    }
    return out;
}

// What an opaque label paints over: its box, or for a small overlay label (a sub- or
// superscript) only the strip behind its own text, as the window paints it.
inline std::vector<Rect> painted(const scene::Label& l) {
    using namespace scene::text;
    const Rect box{l.Left, l.Top, l.Left + l.Width, l.Top + l.Height};
    const std::string& caption = l.Caption.get();
    if (l.Width > 400 || caption.size() > 3) return {box};
    const Font font{l.font.size, l.font.bold, l.font.italic};
    auto lay = layout(caption, font, l.Width / 15, Align(l.alignment));
    std::vector<Rect> out;
    for (const auto& line : lay.lines) {
        if (line.x.empty()) continue;
        Rect r{l.Left + line.x.front() * 15, l.Top + line.top * 15,
               l.Left + (line.x.front() + line.width) * 15,
               l.Top + (line.top + lay.lineHeight) * 15};
        out.push_back({std::max(r.left, box.left), std::max(r.top, box.top),
                       std::min(r.right, box.right), std::min(r.bottom, box.bottom)});
    }
    return out;
}

// "upper over lower" for every visible opaque label that covers more than a pixel of a
// character of a visible label lying beneath it.
inline std::vector<std::string> covered(const scene::Form& f) {
    std::vector<scene::Label*> labels;
    for (auto* c : f.canvasOrder())
        if (auto* l = dynamic_cast<scene::Label*>(c); l && l->Visible) labels.push_back(l);
    std::vector<std::string> out;
    for (size_t u = 0; u < labels.size(); ++u) {
        if (labels[u]->transparent) continue;
        const auto paint = painted(*labels[u]);
        for (size_t d = u + 1; d < labels.size(); ++d) {
            bool hides = false;
            for (const Rect& g : glyphs(*labels[d]))
                for (const Rect& p : paint)
                    hides = hides || (overlap(g.left, g.right, p.left, p.right) > 15 &&
                                      overlap(g.top, g.bottom, p.top, p.bottom) > 15);
            if (hides) out.push_back(labels[u]->fullName() + " over " + labels[d]->fullName());
        }
    }
    return out;
}

}  // namespace script_run
