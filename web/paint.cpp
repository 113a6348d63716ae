// A form's scene on its view's canvas, in the desktop's order and looks: the segment layer, then
// labels, lines and shapes from the bottom of the stored order up, then a drawn pointer.
#include <algorithm>
#include <cmath>
#include <vector>

#include "scene/colorscheme.h"
#include "scene/numbers.h"
#include "scene/program.h"
#include "scene/textlayout.h"
#include "web/bridge.h"
#include "web/webapp.h"

namespace web {

using scene::Control;
using scene::Kind;

namespace {

double drawn(float v) { return scene::roundHalfEven(v); }

// The design font's em at its own sizes; other sizes are points at 96 dpi.
double emPx(const scene::FontLook& look) {
    for (const auto& d : scene::text::detail::designSizes())
        if (std::fabs(d.points - look.size) < 0.05) return d.emPx;
    return look.size * 96.0 / 72.0;
}

// The design widths, or for sizes the table lacks the page's own measures of the bundled face.
struct Measures {
    scene::text::Font font;
    scene::text::AdvanceFn fallback;
    std::optional<scene::text::Metrics> metrics;
};

Measures measuresFor(const scene::FontLook& look) {
    Measures m{{look.size, look.bold, look.italic}, {}, std::nullopt};
    if (!scene::text::hasDesignMetrics(look.size)) {
        const double px = pixelSize(look, 1);
        const int bold = look.bold, italic = look.italic;
        m.fallback = [=](char32_t c) { return web_advance(std::uint32_t(c), px, bold, italic); };
        double line = 0, ascent = 0;
        web_font_metrics(px, bold, italic, &line, &ascent);
        m.metrics = scene::text::Metrics{line, ascent};
    }
    return m;
}

scene::text::Align alignOf(int alignment) {
    return scene::text::Align(std::clamp(alignment, 0, 2));
}

scene::text::Layout layoutText(const std::string& text, const scene::FontLook& look,
                               double boxWidthPx, int alignment) {
    const Measures m = measuresFor(look);
    return scene::text::layout(text, m.font, boxWidthPx, alignOf(alignment), true, m.fallback,
                               m.metrics);
}

}  // namespace

scene::text::Fitted fitText(const std::string& text, const scene::FontLook& look, double boxWidthPx,
                            double boxHeightPx, int alignment) {
    const Measures m = measuresFor(look);
    return scene::text::fitLayout(text, m.font, boxWidthPx, boxHeightPx, alignOf(alignment), true,
                                  m.fallback, m.metrics);
}

namespace {

struct Rect {
    double x, y, w, h;
};

Rect drawnRect(const Control& c, const Fit& fit) {
    return {fit.x(drawn(c.Left)), fit.y(drawn(c.Top)), fit.len(drawn(c.Width)),
            fit.len(drawn(c.Height))};
}

scene::ColorScheme schemeOf(const Control& c) { return c.form().program().colorScheme(); }
scene::Color pageOf(const Control& c) {
    return scene::pageColor(schemeOf(c), c.form().backColor());
}
// Lines and shapes are drawn against the page: what they cross varies along them.
scene::Color graphic(const Control& c, scene::Color color) {
    return scene::drawnColor(schemeOf(c), color, scene::Ink::Graphic, pageOf(c));
}

void paintLabel(const scene::Label& l, const Fit& fit) {
    const Rect box = drawnRect(l, fit);
    if (box.w <= 0 || box.h <= 0) return;
    const std::string& caption = l.Caption.get();
    // A caption whose words need more room than its box has is drawn smaller, as one piece;
    // a mark over a formula stays as designed.
    const bool mark = scene::text::isOverlayMark(caption, l.Width);
    const auto fitted =
        mark ? scene::text::Fitted{layoutText(caption, l.font, drawn(l.Width) / 15.0, l.alignment)}
             : fitText(caption, l.font, drawn(l.Width) / 15.0, drawn(l.Height) / 15.0, l.alignment);
    const auto& lay = fitted.layout;
    const double s = fit.scale * fitted.scale;
    const scene::ColorScheme scheme = schemeOf(l);
    const scene::Color back =
        l.transparent ? scene::groundUnder(l.form(), l, scheme)
                      : scene::drawnColor(scheme, l.BackColor, scene::Ink::Ground, pageOf(l));
    const scene::Color ink = scene::drawnColor(scheme, l.ForeColor, scene::Ink::Text, back);
    if (!l.transparent) {
        // A small overlay label (a sub- or superscript) paints its background only behind its
        // own text, so it does not shave the glyphs beside the gap it sits in.
        if (mark) {
            for (auto& line : lay.lines) {
                if (line.x.empty()) continue;
                double x0 = std::max(box.x, box.x + line.x.front() * s);
                double y0 = std::max(box.y, box.y + line.top * s);
                double x1 = std::min(box.x + box.w, box.x + (line.x.front() + line.width) * s);
                double y1 = std::min(box.y + box.h, box.y + (line.top + lay.lineHeight) * s);
                if (x1 > x0 && y1 > y0) web_fill_rect(x0, y0, x1 - x0, y1 - y0, back);
            }
        } else {
            web_fill_rect(box.x, box.y, box.w, box.h, back);
        }
    }
    web_clip(box.x, box.y, box.w, box.h);
    const double px = pixelSize(l.font, s);
    scene::text::Font tf{l.font.size, l.font.bold, l.font.italic};
    std::vector<std::uint32_t> chars;
    std::vector<double> xs, cells;
    for (auto& line : lay.lines) {
        const std::size_t n = line.text.size();
        chars.assign(line.text.begin(), line.text.end());
        xs.resize(n);
        cells.resize(n);
        for (std::size_t i = 0; i < n; ++i) {
            xs[i] = box.x + line.x[i] * s;
            cells[i] = (i + 1 < line.x.size() ? line.x[i + 1] - line.x[i]
                                              : scene::text::advance(line.text[i], tf)) *
                       s;
        }
        web_text(chars.data(), xs.data(), cells.data(), int(n), box.y + line.baseline * s, px,
                 l.font.bold, l.font.italic, ink);
    }
    web_unclip();
    if (l.borderStyle == 1) web_frame_rect(box.x, box.y, box.w, box.h, std::max(1.0, fit.scale));
}

void paintLine(const scene::LineControl& l, const Fit& fit) {
    // A stroke through a design pixel runs along that pixel's middle.
    const double half = fit.scale / 2;
    web_line(fit.x(drawn(l.X1)) + half, fit.y(drawn(l.Y1)) + half, fit.x(drawn(l.X2)) + half,
             fit.y(drawn(l.Y2)) + half, graphic(l, l.BorderColor),
             std::max(1.0, l.borderWidth * fit.scale), l.borderStyle);
}

void paintShape(const scene::Shape& sh, const Fit& fit) {
    Rect r = drawnRect(sh, fit);
    if (r.w <= 0 || r.h <= 0) return;
    if (sh.shape == 1 || sh.shape == 3 || sh.shape == 5) {
        // Squares and circles are the largest that fit the box, centred in it.
        double d = std::min(r.w, r.h);
        r = {r.x + (r.w - d) / 2, r.y + (r.h - d) / 2, d, d};
    }
    int fill = -1;
    scene::Color fillColor = 0;
    if (sh.fillStyle == 0) {
        fill = 1;
        fillColor = graphic(sh, sh.FillColor);
    } else if (sh.backStyle == 1) {
        fill = 1;
        fillColor = graphic(sh, sh.BackColor);
    }
    const double w = std::max(1.0, sh.borderWidth * fit.scale);
    if (sh.borderStyle != 0) r = {r.x + w / 2, r.y + w / 2, r.w - w, r.h - w};  // border inside
    int kind = sh.shape == 2 || sh.shape == 3 ? 1 : sh.shape == 4 || sh.shape == 5 ? 2 : 0;
    web_shape(kind, r.x, r.y, r.w, r.h, fill, fillColor, sh.borderStyle,
              graphic(sh, sh.BorderColor), w);
}

}  // namespace

void drawnControlColors(const Control& c, scene::Color& back, scene::Color& fore) {
    const scene::ColorScheme scheme = schemeOf(c);
    if (c.kind() == Kind::CommandButton) {
        back = scene::drawnColor(scheme, back, scene::Ink::Face, pageOf(c));
        fore = c.Enabled ? scene::kBlack : scene::rgb(128, 128, 128);
    } else {
        back = scene::drawnColor(scheme, back, scene::Ink::Ground, pageOf(c));
    }
    fore = scene::drawnColor(scheme, fore, scene::Ink::Text, back);
}

double pixelSize(const scene::FontLook& look, double scale) {
    return std::max(1.0, double(std::lround(emPx(look) * scale)));
}

void App::paint(View& v) {
    scene::Form& form = *v.form;
    web_view_size(v.id, &v.width, &v.height, &v.dpr);
    const double dw = form.clientWidth() / 15.0, dh = form.clientHeight() / 15.0;
    Fit fit;
    if (form.maximized() && program_->zoom().magnified()) {
        const scene::Placement at =
            program_->zoom().place(form.clientWidth(), form.clientHeight(), v.width, v.height);
        fit.scale = at.scale;
        fit.ox = at.ox;
        fit.oy = at.oy;
    } else if (dw > 0 && dh > 0 && v.width > 0 && v.height > 0) {
        fit.scale = std::min(v.width / dw, v.height / dh);
        fit.ox = (v.width - dw * fit.scale) / 2;
        fit.oy = (v.height - dh * fit.scale) / 2;
    }
    const auto& surface = form.surface();
    const scene::ColorScheme scheme = form.program().colorScheme();
    const scene::Color page = scene::pageColor(scheme, form.backColor());
    if (fit.scale != v.segmentScale || fit.ox != v.fit.ox || fit.oy != v.fit.oy ||
        v.dpr != v.segmentDpr || surface.generation() != v.segmentGeneration ||
        page != v.segmentBack || v.segmentsDrawn > surface.size()) {
        web_segments_reset(v.id, std::max(1, int(std::ceil(v.width * v.dpr))),
                           std::max(1, int(std::ceil(v.height * v.dpr))), v.dpr, page);
        v.segmentScale = fit.scale;
        v.segmentDpr = v.dpr;
        v.segmentGeneration = surface.generation();
        v.segmentBack = page;
        v.segmentsDrawn = 0;
    }
    v.fit = fit;
    // Only the segments added since the last frame, a block's run at a time.
    while (v.segmentsDrawn < surface.size()) {
        std::size_t i = v.segmentsDrawn;
        std::size_t n =
            std::min(surface.size() - i, scene::Surface::kBlock - i % scene::Surface::kBlock);
        const scene::Segment* run = &surface[i];
        std::vector<scene::Segment> mapped;
        if (scheme != scene::ColorScheme::Standard) {
            // The lessons' segments keep their colours; the page gets them as drawn.
            mapped.assign(run, run + n);
            scene::Color from = ~0u, to = 0;
            for (auto& seg : mapped) {
                if (seg.color != from) {
                    from = seg.color;
                    to = scene::drawnColor(scheme, from, scene::Ink::Graphic, page);
                }
                seg.color = to;
            }
            run = mapped.data();
        }
        web_segments_draw(v.id, run, int(n), fit.scale / 15.0, fit.ox + fit.scale / 2,
                          fit.oy + fit.scale / 2, std::max(1.0, fit.scale));
        v.segmentsDrawn += n;
    }
    web_begin(v.id);
    auto order = form.canvasOrder();
    std::vector<double> links, targets;
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        const Control& c = **it;
        if (!c.Visible) continue;
        switch (c.kind()) {
            case Kind::Label: {
                auto& l = static_cast<const scene::Label&>(c);
                paintLabel(l, fit);
                if (l.linkPointer && l.onClick) {
                    Rect r = drawnRect(l, fit);
                    links.insert(links.end(), {r.x, r.y, r.w, r.h});
                }
                if (l.onClick) {
                    Rect r = drawnRect(l, fit);
                    targets.insert(targets.end(), {r.x, r.y, r.w, r.h});
                }
                break;
            }
            case Kind::Line:
                paintLine(static_cast<const scene::LineControl&>(c), fit);
                break;
            case Kind::Shape:
                paintShape(static_cast<const scene::Shape&>(c), fit);
                break;
            default:
                break;
        }
    }
    if (v.pointer) {
        // Where a magnified page has the pointer's spot outside the view, it shows at the edge.
        const double k = std::max(1.0, fit.scale);
        web_pointer(std::clamp(fit.x(v.pointer->x), 0.0, std::max(0.0, v.width - 11 * k)),
                    std::clamp(fit.y(v.pointer->y), 0.0, std::max(0.0, v.height - 19 * k)),
                    fit.scale);
    }
    web_links(v.id, links.data(), int(links.size() / 4));
    web_targets(v.id, targets.data(), int(targets.size() / 4));
    v.paintedVersion = form.version();
    v.dirty = false;
}

}  // namespace web
