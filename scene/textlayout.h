#pragma once

// Label text layout at the advance widths of the font the lesson pages were designed with.
//
// Formula captions leave runs of blanks where small labels (subscripts, exponents, root signs)
// sit, so every character has to land at the design face's advance widths, not where the bundled
// face would put it. The front end draws the bundled face's glyph for text[i] at x[i], scaling
// the whole scene uniformly. All values here are pixels at scale 1 (1 px = 15 twips).

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace scene::text {

struct Font {
    double points = 8.25;
    bool bold = false;
    bool italic = false;  // advances are those of the upright face
};

// Advance of one character, in px at scale 1, for a size the design table lacks (headings and big
// marks at 13.5, 18, 48 pt). The front end passes one backed by the bundled face at that size and
// weight. Without one, the 12 pt design widths scaled by points / 12 are used.
using AdvanceFn = std::function<double(char32_t)>;

struct Metrics {
    double linePx;    // distance between the tops of consecutive lines
    double ascentPx;  // baseline below a line's top
};

// True for the sizes the design table covers: 8.25, 9.75 and 12 pt.
bool hasDesignMetrics(double points);

// Line metrics of the design font, or for other sizes `fallbackMetrics` when given (the bundled
// face's), else 1.2 em line pitch with the baseline at 0.9 em.
Metrics metrics(const Font&, const std::optional<Metrics>& fallbackMetrics = std::nullopt);

// Advance of one character. Characters without a Windows-1252 code (and control characters) take
// the advance of '?'. Always finite and >= 0.
double advance(char32_t c, const Font&, const AdvanceFn& fallback = {});

struct LineLayout {
    std::u32string text;  // the line's characters, hard breaks and blanks at wrap points removed
    std::vector<double>
        x;             // x[i]: left edge of text[i] relative to the box's left, after alignment
    double width = 0;  // sum of the line's advances
    double top = 0;
    double baseline = 0;
    bool brokenWord = false;  // wrapped inside a word wider than the box
};

struct Layout {
    std::vector<LineLayout> lines;  // empty for empty text
    double lineHeight = 0;
};

enum class Align { Left = 0, Right = 1, Center = 2 };

// Lays `utf8` out as a desktop label does: "\r\n", "\n" and "\r" break lines; with
// `wordWrap` a word that would cross the box's right edge starts a new line, the blanks at the
// break are dropped and a word wider than the box is broken between characters. Leading blanks
// are kept. A box width that is not a positive finite number disables wrapping, and lines are
// then aligned against the widest line.
Layout layout(std::string_view utf8, const Font&, double boxWidthPx, Align, bool wordWrap = true,
              const AdvanceFn& fallback = {},
              const std::optional<Metrics>& fallbackMetrics = std::nullopt);

// A caption laid out at the largest scale, at most 1, at which it shows every word inside its box.
// The layout is in px of the unscaled font for a box `1 / scale` times as wide; the front end
// draws it, glyphs and positions, `scale` times as large. A caption that fits as designed gets
// scale 1 and exactly the layout `layout` gives.
struct Fitted {
    Layout layout;
    double scale = 1;
    bool fits = true;  // false: even at kMinFitScale a word stays outside the box
};

// A caption of at most three characters in a box at most 400 twips wide is a mark laid over a
// formula or a figure (a sub- or superscript, a root's stroke, an axis's letter): the page was
// designed with it clipped by its box, so it is drawn as laid out, never smaller, and paints its
// background only behind its own text.
bool isOverlayMark(std::string_view caption, double boxWidthTwips);

// The room a command button's raised edges leave its caption on each side [px at scale 1].
inline constexpr double kButtonCaptionInsetPx = 2;

// Smaller than this, text would no longer be read from a projected page.
inline constexpr double kMinFitScale = 0.5;

// Whether `lay`, drawn `scale` times as large, shows every word inside a box of that size: no word
// is broken across lines, every character lies inside the box's width, and every line holding a
// word after the first has its baseline inside the box (the first line shows from the box's top
// whatever the box's height, as a caption of one line always has).
bool showsEveryWord(const Layout& lay, double boxWidthPx, double boxHeightPx, double scale = 1);

// The caption in `utf8`, wrapped as `layout` wraps it, at the largest scale in [kMinFitScale, 1]
// (in steps of 1/1024) at which `showsEveryWord` holds; at kMinFitScale when none does. A box of
// no usable size is not fitted.
Fitted fitLayout(std::string_view utf8, const Font&, double boxWidthPx, double boxHeightPx, Align,
                 bool wordWrap = true, const AdvanceFn& fallback = {},
                 const std::optional<Metrics>& fallbackMetrics = std::nullopt);

// Invalid or truncated sequences, surrogates and overlong forms become U+FFFD (one per maximal
// ill-formed subsequence). Never throws.
std::u32string decodeUtf8(std::string_view);

namespace detail {

inline constexpr int kFirstCode = 0x20;

struct DesignSize {
    double points;
    int emPx;
    int linePx;
    int ascentPx;
    std::array<std::uint8_t, 0x100 - kFirstCode> advancePx;  // index: Windows-1252 code - 0x20
};

// The design font's sizes, smallest first (fontmetrics.cpp).
std::span<const DesignSize> designSizes();

}  // namespace detail
}  // namespace scene::text
