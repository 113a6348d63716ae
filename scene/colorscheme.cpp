#include "scene/colorscheme.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "scene/form.h"

namespace scene {

namespace {

double toLinear(int v) {
    const double s = v / 255.0;
    return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
}

int toByte(double lin) {
    lin = std::clamp(lin, 0.0, 1.0);
    const double s = lin <= 0.0031308 ? lin * 12.92 : 1.055 * std::pow(lin, 1 / 2.4) - 0.055;
    return int(std::lround(s * 255));
}

struct Linear {
    double r, g, b;
};

Linear linear(Color c) { return {toLinear(red(c)), toLinear(green(c)), toLinear(blue(c))}; }
Color bytes(Linear l) { return rgb(toByte(l.r), toByte(l.g), toByte(l.b)); }
double lum(Linear l) { return 0.2126 * l.r + 0.7152 * l.g + 0.0722 * l.b; }

// Lightness L* (CIE 1976, 0..100) of a luminance and back: the squeeze below is even in L*, so
// that equal steps of lightness stay equal steps, only smaller.
double lightness(double Y) {
    return Y > 216.0 / 24389 ? 116 * std::cbrt(Y) - 16 : Y * 24389.0 / 27;
}
double luminanceOf(double Lstar) {
    return Lstar > 8 ? std::pow((Lstar + 16) / 116, 3) : Lstar * 27 / 24389.0;
}

// Colours darker than this lightness (or, on a dark ground, as much lighter than the ground's
// limit) are left alone; the rest of the range is squeezed into what remains.
constexpr double kKneeLightness = 30;

// The same chromaticity at luminance `target`: scaled towards black, or mixed with white.
Color withLuminance(Linear l, double target) {
    const double now = lum(l);
    if (target <= now) {
        if (now <= 0) return 0;
        const double k = target / now;
        return bytes({l.r * k, l.g * k, l.b * k});
    }
    const double t = now >= 1 ? 0 : (target - now) / (1 - now);
    return bytes({l.r + (1 - l.r) * t, l.g + (1 - l.g) * t, l.b + (1 - l.b) * t});
}

Color reaching(Color c, double ratio, Color ground) {
    const Linear l = linear(c);
    const double L = lum(l), G = luminance(ground);
    const bool darker = (G + 0.05) / 0.05 >= 1.05 / (G + 0.05);
    // A small margin, so that rounding to whole bytes cannot fall short.
    const double want = ratio * 1.02;
    double target;
    if (darker) {
        const double most = (G + 0.05) / want - 0.05;
        if (most <= 0) return kBlack;
        const double top = lightness(most), knee = std::min(kKneeLightness, top),
                     now = lightness(L);
        target = now <= knee ? L : luminanceOf(knee + (now - knee) * (top - knee) / (100 - knee));
    } else {
        const double least = want * (G + 0.05) - 0.05;
        if (least >= 1) return kWhite;
        const double bottom = lightness(least), now = lightness(L);
        const double knee = std::max(100 - kKneeLightness, bottom);
        target = now >= knee ? L : luminanceOf(bottom + now * (knee - bottom) / knee);
    }
    Color out = withLuminance(l, target);
    // Whole bytes can land a hair short of the ratio: step on until they do not.
    for (int i = 0; i < 64 && contrast(out, ground) < ratio; ++i) {
        target = darker ? target * 0.98 : target + (1 - target) * 0.02;
        out = withLuminance(l, target);
    }
    return out;
}

}  // namespace

double luminance(Color c) { return lum(linear(c)); }

double contrast(Color a, Color b) {
    const double x = luminance(a), y = luminance(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

Color pageColor(ColorScheme scheme, Color formBack) {
    return scheme == ColorScheme::Projector ? kWhite : formBack;
}

Color drawnColor(ColorScheme scheme, Color c, Ink ink, Color ground) {
    if (scheme == ColorScheme::Standard) return c;
    switch (ink) {
        case Ink::Text:
            return reaching(c, kTextContrast, ground);
        case Ink::Graphic:
            return reaching(c, kGraphicContrast, ground);
        case Ink::Ground:
            // A back in the page's own grey is part of the page; a coloured one stays, and what
            // lies on it is drawn against it.
            return c == kButtonFace ? kWhite : c;
        case Ink::Face:
            return c == kButtonFace ? c : reaching(c, kGraphicContrast, ground);
    }
    return c;
}

Color groundUnder(const Form& form, const Control& c, ColorScheme scheme) {
    const Color page = pageColor(scheme, form.backColor());
    if (scheme == ColorScheme::Standard) return page;  // nothing is drawn against it
    const auto order = form.canvasOrder();
    auto it = std::find(order.begin(), order.end(), &c);
    if (it == order.end()) return page;
    const double x = c.Left + c.Width / 2, y = c.Top + c.Height / 2;
    for (++it; it != order.end(); ++it) {
        const Control& o = **it;
        if (!o.Visible || x < o.Left || x >= o.Left + o.Width || y < o.Top || y >= o.Top + o.Height)
            continue;
        if (o.kind() == Kind::Label) {
            const auto& l = static_cast<const Label&>(o);
            if (!l.transparent) return drawnColor(scheme, l.BackColor, Ink::Ground, page);
        } else if (o.kind() == Kind::Shape) {
            const auto& s = static_cast<const Shape&>(o);
            if (s.fillStyle == 0) return drawnColor(scheme, s.FillColor, Ink::Graphic, page);
            if (s.backStyle == 1) return drawnColor(scheme, s.BackColor, Ink::Graphic, page);
        }
    }
    return page;
}

}  // namespace scene
