// Every caption a page shows, at every moment of its script, shows all of its words inside its
// box at the scale the front ends draw it at; and a graphical button shows its caption.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <iostream>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "app/courses.h"
#include "desktop/look.h"
#include "desktop/picture.h"
#include "desktop/words.h"
#include "scene/textlayout.h"
#include "tools/driver/driver.h"

namespace {

using scene::Kind;

// One caption in its box, as a front end lays it out.
struct Caption {
    const std::string* text = nullptr;
    const scene::FontLook* font = nullptr;
    double width = 0, height = 0;  // the room its words have [px at scale 1]
    int alignment = 0;
};

std::optional<Caption> captionOf(const scene::Control& c) {
    const double w = desktop::drawnTwips(c.Width) / 15.0, h = desktop::drawnTwips(c.Height) / 15.0;
    switch (c.kind()) {
        case Kind::Label: {
            // A mark over a formula shows as designed, clipped by its box (Lesson 7's "21").
            auto& l = static_cast<const scene::Label&>(c);
            if (scene::text::isOverlayMark(l.Caption.get(), l.Width)) return std::nullopt;
            return Caption{&l.Caption.get(), &l.font, w, h, l.alignment};
        }
        case Kind::CheckBox: {
            // Beside its 13-px square and a 4-px gap; a box without that room is a bare square.
            auto& b = static_cast<const scene::CheckBox&>(c);
            if (w - 13 - 4 <= 0) return std::nullopt;
            return Caption{&b.Caption.get(), &b.font, w - 13 - 4, h, 0};
        }
        case Kind::CommandButton: {
            auto& b = static_cast<const scene::CommandButton&>(c);
            if (b.style != 1) return std::nullopt;
            const double inset = scene::text::kButtonCaptionInsetPx;
            return Caption{&b.Caption.get(), &b.font, w - 2 * inset, h - 2 * inset, 2};
        }
        default:
            return std::nullopt;
    }
}

// Looks at every caption of a shown form after each scene change; a caption is laid out again
// only when it or its box changed.
class CaptionWatch {
public:
    struct Finding {
        std::string form, control, caption;
        double scale;
        bool fits;
    };

    void look(scene::Form& f) {
        if (!f.visible()) return;
        const double clientW = f.clientWidth(), clientH = f.clientHeight();
        for (auto& c : f.controls()) {
            if (!c->Visible) continue;
            // Lessons park controls they do not use far outside the window.
            if (c->Left >= clientW || c->Top >= clientH || c->Left + c->Width <= 0 ||
                c->Top + c->Height <= 0)
                continue;
            auto cap = captionOf(*c);
            if (!cap || cap->text->empty()) continue;
            Seen& seen = seen_[c.get()];
            if (seen.known && seen.text == *cap->text && seen.width == cap->width &&
                seen.height == cap->height)
                continue;
            seen = {true, *cap->text, cap->width, cap->height};
            check(f, *c, *cap);
        }
    }

    std::vector<Finding> findings;  // every caption drawn smaller or cut, once each

private:
    struct Seen {
        bool known = false;
        std::string text;
        double width = 0, height = 0;
    };

    void check(scene::Form& f, const scene::Control& c, const Caption& cap) {
        const auto fitted =
            desktop::fitText(*cap.text, *cap.font, cap.width, cap.height, cap.alignment);
        const bool shows = fitted.fits && scene::text::showsEveryWord(fitted.layout, cap.width,
                                                                      cap.height, fitted.scale);
        if (fitted.scale == 1 && shows) return;
        auto key = std::make_tuple(f.name(), c.fullName(), *cap.text);
        if (!reported_.insert(key).second) return;
        findings.push_back({f.name(), c.fullName(), *cap.text, fitted.scale, shows});
    }

    std::map<const scene::Control*, Seen> seen_;
    std::set<std::tuple<std::string, std::string, std::string>> reported_;
};

std::vector<std::string> everyForm() {
    std::vector<std::string> forms{"Utama", "frmAbout"};
    for (const auto& course : app::kCourses)
        for (const auto& page : course.pages) forms.emplace_back(page.form);
    return forms;
}

// Plays `form` through its script (and, on the mirror pages, every light source once the
// script is over), watching every caption it shows.
void play(const std::string& form, CaptionWatch& watch) {
    driver::Session s;
    s.platform().onChange = [&](scene::Form& f) { watch.look(f); };
    ASSERT_TRUE(s.start(form)) << form;
    std::string err;
    ASSERT_TRUE(s.run(std::nullopt, {}, err)) << form << ": " << err;
    if (form == "optics1" || form == "optics2") {
        std::vector<driver::Action> clicks;
        double t = s.platform().clock;
        for (int i = 0; i < 12; ++i)
            clicks.push_back(
                *driver::parseAction(t += 1000, "click:lt(" + std::to_string(i) + ")", err));
        ASSERT_TRUE(s.run(t + 5000, clicks, err)) << form << ": " << err;
    }
}

TEST(CaptionFit, EveryWordOfEveryCaptionShownDuringEveryScriptLiesInsideItsBox) {
    CaptionWatch watch;
    for (const auto& form : everyForm()) play(form, watch);
    std::ostringstream shrunk;
    for (const auto& f : watch.findings) {
        EXPECT_TRUE(f.fits) << f.form << " " << f.control << " \"" << f.caption
                            << "\" loses a word even at scale " << f.scale;
        shrunk << "  " << f.form << " " << f.control << " x" << f.scale << " \"" << f.caption
               << "\"\n";
    }
    // The captions the issue names among them: each drawn smaller, and no more than needed.
    std::set<std::string> controls;
    for (const auto& f : watch.findings) controls.insert(f.form + " " + f.control);
    for (const char* named : {"Lesson11 Label4(0)", "Lesson12 Label1", "Lesson12 Label4",
                              "Lesson12 Label3(5)", "Lesson12 Label3(6)"})
        EXPECT_TRUE(controls.count(named)) << named << " is not drawn smaller";
    std::cout << "captions drawn smaller:\n" << shrunk.str();
}

// Every form in every language: each caption still shows every word, drawn at no less than 70%
// of its size (a translation that needs more is reworded, not shrunk further).
TEST(CaptionFit, EveryCaptionInEveryLanguageShowsEveryWordAtSeventyPercentOrMore) {
    struct English {
        ~English() { scene::setLanguage("en"); }
    } english;
    for (const scene::Language& language : scene::languages()) {
        const std::string code(language.code);
        desktop::useLanguage(code);
        CaptionWatch watch;
        for (const auto& form : everyForm()) play(form, watch);
        for (const auto& f : watch.findings) {
            EXPECT_TRUE(f.fits) << code << " " << f.form << " " << f.control << " \"" << f.caption
                                << "\" loses a word even at scale " << f.scale;
            EXPECT_GE(f.scale, 0.7) << code << " " << f.form << " " << f.control << " \""
                                    << f.caption << "\" is drawn at " << f.scale;
            // The main menu's two courses stand at one size, whatever their names' lengths.
            if (f.form == "Utama") {
                EXPECT_EQ(f.scale, 1) << code << " " << f.control << " \"" << f.caption << "\"";
            }
        }
    }
}

// Every page's window title in every language fits the title bar of a 1366-pixel-wide screen,
// beside the window's icon and its three buttons.
TEST(WindowTitle, EveryTitleInEveryLanguageFitsA1366PixelTitleBar) {
    struct English {
        ~English() { scene::setLanguage("en"); }
    } english;
    constexpr int kTitleBar = 1366 - 6 * 32;  // the icon, three buttons and the frame's margins
    QFont font = QApplication::font();
    font.setBold(true);
    const QFontMetrics metrics(font);
    for (const scene::Language& language : scene::languages()) {
        desktop::useLanguage(std::string(language.code));
        for (const auto& form : everyForm()) {
            driver::Session s;
            scene::Form* f = s.program().form(form);
            ASSERT_NE(f, nullptr) << form;
            const QString title = QString::fromStdString(f->caption());
            EXPECT_LE(metrics.horizontalAdvance(title), kTitleBar)
                << language.code << " " << form << ": \"" << f->caption() << "\"";
        }
    }
}

// The face of a graphical light source, as the PNG shows it: dark caption pixels on its colour.
TEST(GraphicalButton, ALightSourceShowsItsCaptionInBlackOverItsFace) {
    driver::Session s;
    ASSERT_TRUE(s.start("optics1"));
    scene::Form* shown = driver::shownForm(s.program());
    ASSERT_NE(shown, nullptr);
    const QImage picture = desktop::scenePicture(*shown, QSize());
    const double k = double(picture.width()) / (shown->clientWidth() / 15.0);
    for (int i : {0, 9}) {  // a yellow face and a white one
        auto& b = shown->control<scene::CommandButton>("lt(" + std::to_string(i) + ")");
        const QRect face(int((b.Left / 15.0 + 3) * k), int((b.Top / 15.0 + 3) * k),
                         int((b.Width / 15.0 - 6) * k), int((b.Height / 15.0 - 6) * k));
        int dark = 0, faceColoured = 0;
        const QColor faceColour = desktop::qcolor(b.BackColor);
        for (int y = face.top(); y <= face.bottom(); ++y)
            for (int x = face.left(); x <= face.right(); ++x) {
                const QColor px = picture.pixelColor(x, y);
                if (px.lightness() < 80) ++dark;
                if (px == faceColour) ++faceColoured;
            }
        EXPECT_GT(dark, face.width() * face.height() / 25) << b.fullName() << ": no caption";
        EXPECT_GT(faceColoured, face.width() * face.height() / 2) << b.fullName() << ": no face";
    }
}

}  // namespace
