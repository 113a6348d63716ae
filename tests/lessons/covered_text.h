#pragma once
// The texts a student cannot read because an opaque label lies over them.
#include <algorithm>
#include <string>
#include <vector>

#include "scene/form.h"
#include "scene/textlayout.h"

namespace lessontest {

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

}  // namespace lessontest
