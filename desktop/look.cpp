#include "desktop/look.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImage>
#include <QPixmap>
#include <algorithm>
#include <cmath>
#include <map>

#include "scene/form.h"
#include "scene/numbers.h"
#include "scene/program.h"
#include "shell/saucer.h"

namespace desktop {

scene::ColorScheme schemeOf(const scene::Control& c) { return c.form().program().colorScheme(); }

QColor drawnQColor(const scene::Control& c, scene::Color color, scene::Ink ink,
                   scene::Color ground) {
    return qcolor(scene::drawnColor(c.form().program().colorScheme(), color, ink, ground));
}

scene::Color drawnPage(const scene::Control& c) {
    return scene::pageColor(c.form().program().colorScheme(), c.form().backColor());
}

static QString& family() {
    static QString f = QStringLiteral("FreeSans");
    return f;
}

void loadBundledFonts() {
    static bool done = false;
    if (done) return;
    done = true;
    for (const char* file : {":/fonts/FreeSans.ttf", ":/fonts/FreeSansBold.ttf",
                             ":/fonts/FreeSansOblique.ttf", ":/fonts/FreeSansBoldOblique.ttf"}) {
        int id = QFontDatabase::addApplicationFont(QString::fromLatin1(file));
        if (id >= 0) {
            auto fams = QFontDatabase::applicationFontFamilies(id);
            if (!fams.isEmpty()) family() = fams.front();
        }
    }
}

QFont faceFor(const scene::FontLook& look, double pixelSize) {
    loadBundledFonts();
    QFont f(family());
    f.setPixelSize(std::max(1, int(std::lround(pixelSize))));
    f.setBold(look.bold);
    f.setItalic(look.italic);
    f.setKerning(false);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

double emPx(const scene::FontLook& look) {
    static const std::map<double, double> design = {{8.25, 11}, {9.75, 13}, {12, 16}};
    for (auto [pt, em] : design)
        if (std::fabs(pt - look.size) < 0.05) return em;
    return look.size * 96.0 / 72.0;
}

namespace {

// The design widths, or for sizes the table lacks the bundled face's own.
struct Measures {
    scene::text::Font font;
    scene::text::AdvanceFn fallback;
    std::optional<scene::text::Metrics> metrics;
};

Measures measuresFor(const scene::FontLook& look) {
    Measures m{{look.size, look.bold, look.italic}, {}, std::nullopt};
    if (!scene::text::hasDesignMetrics(look.size)) {
        QFont f = faceFor(look, emPx(look));
        QFontMetricsF fm(f);
        m.fallback = [fm](char32_t c) { return fm.horizontalAdvance(QString::fromUcs4(&c, 1)); };
        m.metrics = scene::text::Metrics{fm.lineSpacing(), fm.ascent()};
    }
    return m;
}

scene::text::Align alignOf(int alignment) {
    return scene::text::Align(std::clamp(alignment, 0, 2));
}

}  // namespace

scene::text::Layout layoutText(const std::string& text, const scene::FontLook& look,
                               double boxWidthPx, int alignment, bool wordWrap) {
    const Measures m = measuresFor(look);
    return scene::text::layout(text, m.font, boxWidthPx, alignOf(alignment), wordWrap, m.fallback,
                               m.metrics);
}

scene::text::Fitted fitText(const std::string& text, const scene::FontLook& look, double boxWidthPx,
                            double boxHeightPx, int alignment, bool wordWrap) {
    const Measures m = measuresFor(look);
    return scene::text::fitLayout(text, m.font, boxWidthPx, boxHeightPx, alignOf(alignment),
                                  wordWrap, m.fallback, m.metrics);
}

Fit fitScene(const scene::Form& form, QSizeF size) {
    const double dw = form.clientWidth() / 15.0, dh = form.clientHeight() / 15.0;
    Fit fit;
    if (dw <= 0 || dh <= 0 || size.width() <= 0 || size.height() <= 0) return fit;
    fit.scale = std::min(size.width() / dw, size.height() / dh);
    fit.origin = QPointF((size.width() - dw * fit.scale) / 2, (size.height() - dh * fit.scale) / 2);
    return fit;
}

double drawnTwips(float v) { return scene::roundHalfEven(v); }

static QImage saucerImage() {
    QImage img(shell::kSaucerSize, shell::kSaucerSize, QImage::Format_ARGB32);
    auto& px = shell::saucerPixels();
    for (int y = 0; y < shell::kSaucerSize; ++y)
        for (int x = 0; x < shell::kSaucerSize; ++x) {
            auto i = px[y][x];
            img.setPixel(x, y,
                         i == shell::kTransparent ? 0u : (0xFF000000u | shell::paletteRgb(i)));
        }
    return img;
}

QIcon saucerIcon() { return QIcon(QPixmap::fromImage(saucerImage())); }

QCursor saucerCursor() {
    auto hot = shell::saucerHotspot();
    return QCursor(QPixmap::fromImage(saucerImage()), hot.x, hot.y);
}

}  // namespace desktop
