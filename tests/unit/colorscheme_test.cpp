// Projector Colours: every text and mark of every page, played to its end, reaches its contrast
// against what it lies on, and colours a page tells things apart by stay apart.
#include "scene/colorscheme.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <sstream>

#include "app/courses.h"
#include "scene/program.h"
#include "tools/driver/driver.h"

using namespace scene;

namespace {

// CIEDE2000 colour difference of two sRGB colours (D65).
struct Lab {
    double L, a, b;
};

Lab lab(Color c) {
    auto lin = [](int v) {
        double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    const double r = lin(red(c)), g = lin(green(c)), b = lin(blue(c));
    const double x = (0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047;
    const double y = 0.2126 * r + 0.7152 * g + 0.0722 * b;
    const double z = (0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883;
    auto f = [](double t) {
        return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116;
    };
    return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

double deltaE2000(Color c1, Color c2) {
    const Lab p = lab(c1), q = lab(c2);
    constexpr double pi = 3.14159265358979323846;
    auto deg = [&](double r) { return r * 180 / pi; };
    auto rad = [&](double d) { return d * pi / 180; };
    const double C1 = std::hypot(p.a, p.b), C2 = std::hypot(q.a, q.b), Cm = (C1 + C2) / 2;
    const double G = 0.5 * (1 - std::sqrt(std::pow(Cm, 7) / (std::pow(Cm, 7) + std::pow(25.0, 7))));
    const double a1 = (1 + G) * p.a, a2 = (1 + G) * q.a;
    const double c1p = std::hypot(a1, p.b), c2p = std::hypot(a2, q.b);
    auto hue = [&](double b, double a) {
        if (a == 0 && b == 0) return 0.0;
        double h = deg(std::atan2(b, a));
        return h < 0 ? h + 360 : h;
    };
    const double h1 = hue(p.b, a1), h2 = hue(q.b, a2);
    const double dL = q.L - p.L, dC = c2p - c1p;
    double dh = 0;
    if (c1p * c2p != 0) {
        dh = h2 - h1;
        if (dh > 180) dh -= 360;
        if (dh < -180) dh += 360;
    }
    const double dH = 2 * std::sqrt(c1p * c2p) * std::sin(rad(dh / 2));
    const double Lm = (p.L + q.L) / 2, Cpm = (c1p + c2p) / 2;
    double hm = h1 + h2;
    if (c1p * c2p != 0) {
        if (std::fabs(h1 - h2) <= 180)
            hm = (h1 + h2) / 2;
        else
            hm = h1 + h2 < 360 ? (h1 + h2 + 360) / 2 : (h1 + h2 - 360) / 2;
    }
    const double T = 1 - 0.17 * std::cos(rad(hm - 30)) + 0.24 * std::cos(rad(2 * hm)) +
                     0.32 * std::cos(rad(3 * hm + 6)) - 0.20 * std::cos(rad(4 * hm - 63));
    const double dTheta = 30 * std::exp(-std::pow((hm - 275) / 25, 2));
    const double Rc = 2 * std::sqrt(std::pow(Cpm, 7) / (std::pow(Cpm, 7) + std::pow(25.0, 7)));
    const double Sl = 1 + 0.015 * std::pow(Lm - 50, 2) / std::sqrt(20 + std::pow(Lm - 50, 2));
    const double Sc = 1 + 0.045 * Cpm, Sh = 1 + 0.015 * Cpm * T;
    const double Rt = -std::sin(rad(2 * dTheta)) * Rc;
    return std::sqrt(std::pow(dL / Sl, 2) + std::pow(dC / Sc, 2) + std::pow(dH / Sh, 2) +
                     Rt * (dC / Sc) * (dH / Sh));
}

// Two colours a page draws its marks in are told apart when they differ by at least kApart
// (CIEDE2000; about 2 is a just noticeable difference, 10 is plain at a glance); once drawn they
// still differ by at least kStillApart, clearly visible side by side. Colours closer than
// kApart (a ray's red and the red of the dot it ends in) are not a distinction the page makes.
constexpr double kApart = 10, kStillApart = 5;

std::vector<std::string> everyForm() {
    std::vector<std::string> forms{"Utama", "frmAbout"};
    for (const auto& course : app::kCourses)
        for (const auto& page : course.pages) forms.emplace_back(page.form);
    return forms;
}

struct Drawn {
    std::string form, what;
    Color lesson, ground;
};

// Every text on its ground and every mark, as the page shows them at the end of its script (the
// mirror pages once every light source has been fired).
struct Looks {
    std::vector<Drawn> texts, marks;
};

Looks play(const std::string& form) {
    driver::Session s;
    Looks out;
    if (!s.start(form)) {
        ADD_FAILURE() << form;
        return out;
    }
    std::string err;
    EXPECT_TRUE(s.run(std::nullopt, {}, err)) << form << ": " << err;
    if (form == "optics1" || form == "optics2") {
        std::vector<driver::Action> clicks;
        double t = s.platform().clock;
        for (int i = 0; i < 12; ++i)
            clicks.push_back(
                *driver::parseAction(t += 1000, "click:lt(" + std::to_string(i) + ")", err));
        EXPECT_TRUE(s.run(t + 5000, clicks, err)) << form << ": " << err;
    }
    Program& p = s.program();
    p.setColorScheme(ColorScheme::Projector);
    Form& f = *p.form(form);
    const Color page = pageColor(ColorScheme::Projector, f.backColor());
    auto groundOf = [&](Color back) {
        return drawnColor(p.colorScheme(), back, Ink::Ground, page);
    };
    for (auto& c : f.controls()) {
        if (!c->Visible) continue;
        const std::string name = c->fullName();
        if (auto* l = dynamic_cast<Label*>(c.get())) {
            if (l->Caption.get().empty()) continue;
            out.texts.push_back(
                {form, name, l->ForeColor,
                 l->transparent ? groundUnder(f, *l, p.colorScheme()) : groundOf(l->BackColor)});
        } else if (auto* t = dynamic_cast<TextBox*>(c.get())) {
            out.texts.push_back({form, name, t->ForeColor, groundOf(t->BackColor)});
        } else if (auto* b = dynamic_cast<CheckBox*>(c.get())) {
            out.texts.push_back({form, name, b->ForeColor, groundOf(b->BackColor)});
        } else if (auto* l = dynamic_cast<LineControl*>(c.get())) {
            out.marks.push_back({form, name, l->BorderColor, page});
        } else if (auto* sh = dynamic_cast<Shape*>(c.get())) {
            if (sh->borderStyle != 0) out.marks.push_back({form, name, sh->BorderColor, page});
            if (sh->fillStyle == 0)
                out.marks.push_back({form, name + " fill", sh->FillColor, page});
            else if (sh->backStyle == 1)
                out.marks.push_back({form, name + " back", sh->BackColor, page});
        } else if (auto* b = dynamic_cast<CommandButton*>(c.get())) {
            const Color face = drawnColor(p.colorScheme(), b->BackColor, Ink::Face, page);
            if (!b->Caption.get().empty()) out.texts.push_back({form, name, kBlack, face});
            if (b->BackColor != kButtonFace) out.marks.push_back({form, name, b->BackColor, page});
        }
    }
    std::set<Color> segments;
    f.surface().forEach(0, [&](const Segment& seg) { segments.insert(seg.color); });
    for (Color c : segments) out.marks.push_back({form, "segment", c, page});
    return out;
}

std::string hex(Color c) {
    char b[16];
    std::snprintf(b, sizeof b, "#%02X%02X%02X", red(c), green(c), blue(c));
    return b;
}

}  // namespace

TEST(ColorScheme, StandardDrawsTheLessonsOwnColours) {
    for (Color c : {kBlack, kWhite, kButtonFace, rgb(255, 255, 0), lineColor(-2000000)})
        for (Ink ink : {Ink::Text, Ink::Graphic, Ink::Ground, Ink::Face}) {
            EXPECT_EQ(drawnColor(ColorScheme::Standard, c, ink, kButtonFace), c);
            EXPECT_EQ(drawnColor(ColorScheme::Standard, c, ink, kBlack), c);
        }
    EXPECT_EQ(pageColor(ColorScheme::Standard, kButtonFace), kButtonFace);
    EXPECT_EQ(pageColor(ColorScheme::Projector, kButtonFace), kWhite);
}

TEST(ColorScheme, ProjectorKeepsTheHueAndReachesTheContrastOnAnyGround) {
    // Every 16th step of each channel, on white, grey, dark and saturated grounds.
    for (Color ground : {kWhite, kButtonFace, kBlack, rgb(0, 0, 128), rgb(0, 255, 255)})
        for (int r = 0; r < 256; r += 51)
            for (int g = 0; g < 256; g += 51)
                for (int b = 0; b < 256; b += 51) {
                    const Color c = rgb(r, g, b);
                    for (auto [ink, ratio] : {std::pair{Ink::Text, kTextContrast},
                                              std::pair{Ink::Graphic, kGraphicContrast}}) {
                        const Color d = drawnColor(ColorScheme::Projector, c, ink, ground);
                        EXPECT_GE(contrast(d, ground), ratio) << hex(c) << " on " << hex(ground);
                        // Same hue: the channels keep their order.
                        const int o[3] = {r, g, b}, n[3] = {red(d), green(d), blue(d)};
                        for (int i = 0; i < 3; ++i)
                            for (int j = 0; j < 3; ++j)
                                if (o[i] > o[j] + 8) {
                                    EXPECT_GE(n[i], n[j]) << hex(c) << " " << hex(d);
                                }
                    }
                }
}

TEST(ColorScheme, EveryPagePlayedToItsEndReadsOnAProjector) {
    for (const auto& form : everyForm()) {
        const Looks looks = play(form);
        for (const auto& t : looks.texts) {
            const Color d = drawnColor(ColorScheme::Projector, t.lesson, Ink::Text, t.ground);
            EXPECT_GE(contrast(d, t.ground), kTextContrast)
                << form << " " << t.what << " " << hex(t.lesson) << " as " << hex(d) << " on "
                << hex(t.ground);
        }
        std::map<Color, Color> marks;  // the lesson's colour -> as drawn
        for (const auto& m : looks.marks) {
            const Color d = drawnColor(ColorScheme::Projector, m.lesson, Ink::Graphic, m.ground);
            EXPECT_GE(contrast(d, m.ground), kGraphicContrast)
                << form << " " << m.what << " " << hex(m.lesson) << " as " << hex(d);
            marks[m.lesson] = d;
        }
        // Every two colours the page draws marks in (the seven trials of Lesson 12, the twelve
        // rays of the mirrors, the two orbits of Lessons 10 and 11) stay told apart.
        for (auto a = marks.begin(); a != marks.end(); ++a)
            for (auto b = std::next(a); b != marks.end(); ++b) {
                const double before = deltaE2000(a->first, b->first),
                             after = deltaE2000(a->second, b->second);
                if (before < kApart) continue;
                EXPECT_GE(after, kStillApart)
                    << form << ": " << hex(a->first) << " and " << hex(b->first) << " drawn as "
                    << hex(a->second) << " and " << hex(b->second) << " differ by " << after;
            }
    }
}
