#include "scene/textlayout.h"

#include <algorithm>
#include <cmath>

namespace scene::text {
namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr double kPointsTolerance =
    0.05;  // sizes arrive as 8.25 or 8.2500001 depending on the parser
constexpr double kFitEpsilon =
    1e-6;  // fractional fallback advances must not wrap on rounding noise
constexpr double kMaxAdvancePx = 1e6;  // keeps sums of absurd fallback values finite

double sanePoints(double points) {
    if (!std::isfinite(points) || points <= 0) return Font{}.points;
    return std::min(points, 1e4);
}

const detail::DesignSize* designSize(double points) {
    for (const auto& s : detail::designSizes())
        if (std::abs(s.points - points) <= kPointsTolerance) return &s;
    return nullptr;
}

const detail::DesignSize& reference12pt() {
    const auto* s = designSize(12.0);
    return *s;  // fontmetrics.cpp always has 12 pt
}

bool isLineBreak(char32_t c) { return c == U'\n' || c == U'\r'; }
bool isBlank(char32_t c) { return c == U' '; }
bool isControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c < 0xA0); }

// The code the design font would have drawn `c` with, or nothing.
std::optional<unsigned> toWindows1252(char32_t c) {
    if (isControl(c)) return std::nullopt;
    if (c <= 0xFF) return static_cast<unsigned>(c);
    switch (c) {
        case 0x20AC:
            return 0x80;
        case 0x201A:
            return 0x82;
        case 0x0192:
            return 0x83;
        case 0x201E:
            return 0x84;
        case 0x2026:
            return 0x85;
        case 0x2020:
            return 0x86;
        case 0x2021:
            return 0x87;
        case 0x02C6:
            return 0x88;
        case 0x2030:
            return 0x89;
        case 0x0160:
            return 0x8A;
        case 0x2039:
            return 0x8B;
        case 0x0152:
            return 0x8C;
        case 0x017D:
            return 0x8E;
        case 0x2018:
            return 0x91;
        case 0x2019:
            return 0x92;
        case 0x201C:
            return 0x93;
        case 0x201D:
            return 0x94;
        case 0x2022:
            return 0x95;
        case 0x2013:
            return 0x96;
        case 0x2014:
            return 0x97;
        case 0x02DC:
            return 0x98;
        case 0x2122:
            return 0x99;
        case 0x0161:
            return 0x9A;
        case 0x203A:
            return 0x9B;
        case 0x0153:
            return 0x9C;
        case 0x017E:
            return 0x9E;
        case 0x0178:
            return 0x9F;
        default:
            return std::nullopt;
    }
}

double designAdvance(const detail::DesignSize& s, char32_t c, bool bold) {
    const unsigned code = toWindows1252(c).value_or(U'?');
    return s.advancePx[code - detail::kFirstCode] + (bold ? 1.0 : 0.0);
}

bool saneAdvance(double v) { return std::isfinite(v) && v >= 0 && v <= kMaxAdvancePx; }

// Resolves the size once so a long caption does not search the table per character.
class Measurer {
public:
    Measurer(const Font& font, const AdvanceFn& fallback)
        : points_(sanePoints(font.points)),
          bold_(font.bold),
          design_(designSize(points_)),
          fallback_(fallback) {}

    double operator()(char32_t c) const {
        if (design_) return designAdvance(*design_, c, bold_);
        if (fallback_) {
            // The bundled face can measure characters the design font lacked; controls it
            // would measure inconsistently, so they get '?' like everywhere else.
            const double v = fallback_(isControl(c) ? U'?' : c);
            if (saneAdvance(v)) return v;
            const double q = fallback_(U'?');
            if (saneAdvance(q)) return q;
        }
        return designAdvance(reference12pt(), c, bold_) * points_ / 12.0;
    }

private:
    double points_;
    bool bold_;
    const detail::DesignSize* design_;
    const AdvanceFn& fallback_;
};

struct LineSpan {
    std::size_t begin;
    std::size_t end;
    double width;
    bool brokenWord = false;
};

// Greedy word wrap of one paragraph [b, e) of `text`, appending its lines to `out`.
class ParagraphWrapper {
public:
    ParagraphWrapper(const std::u32string& text, const std::vector<double>& adv, double box,
                     std::vector<LineSpan>& out)
        : text_(text), adv_(adv), box_(box), out_(out) {}

    void run(std::size_t b, std::size_t e) {
        std::size_t p = b;
        w_ = 0;
        // Leading blanks stay: captions indent with them and formulas use them as gaps.
        while (p < e && isBlank(text_[p])) w_ += adv_[p++];
        begin_ = b;
        end_ = p;
        hasWord_ = false;

        std::size_t pendingBegin = p;
        double pendingWidth = 0;
        while (p < e) {
            const std::size_t ws = p;
            double ww = 0;
            while (p < e && !isBlank(text_[p])) ww += adv_[p++];
            const std::size_t we = p;

            if (hasWord_ && fits(w_ + pendingWidth + ww)) {
                end_ = we;
                w_ += pendingWidth + ww;
            } else {
                if (hasWord_) newLine(ws);  // the pending blanks are at the break: dropped
                placeOnLineWithoutWord(ws, we, ww);
            }

            pendingBegin = p;
            pendingWidth = 0;
            while (p < e && isBlank(text_[p])) pendingWidth += adv_[p++];
        }
        // Trailing blanks count for alignment, unless they would cross the edge.
        if (hasWord_ && pendingBegin < e && fits(w_ + pendingWidth)) {
            end_ = e;
            w_ += pendingWidth;
        }
        out_.push_back({begin_, end_, w_});
    }

private:
    bool fits(double width) const { return width <= box_ + kFitEpsilon; }

    void newLine(std::size_t at, bool insideWord = false) {
        out_.push_back({begin_, end_, w_, insideWord});
        begin_ = end_ = at;
        w_ = 0;
        hasWord_ = false;
    }

    // The line is empty or holds only the paragraph's leading blanks.
    void placeOnLineWithoutWord(std::size_t ws, std::size_t we, double ww) {
        hasWord_ = true;
        if (fits(w_ + ww)) {
            end_ = we;
            w_ += ww;
            return;
        }
        if (end_ > begin_ && fits(ww)) {
            // Break before the word; the indent is at the break, so it goes too.
            end_ = begin_;
            w_ = 0;
            newLine(ws);
            hasWord_ = true;
            end_ = we;
            w_ = ww;
            return;
        }
        // Wider than the box: break between characters, at least one per line.
        for (std::size_t q = ws; q < we;) {
            if (end_ == begin_ || fits(w_ + adv_[q])) {
                w_ += adv_[q];
                end_ = ++q;
            } else {
                newLine(q, true);
                hasWord_ = true;
            }
        }
    }

    const std::u32string& text_;
    const std::vector<double>& adv_;
    double box_;
    std::vector<LineSpan>& out_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    double w_ = 0;
    bool hasWord_ = false;
};

}  // namespace

bool hasDesignMetrics(double points) {
    return std::isfinite(points) && designSize(points) != nullptr;
}

Metrics metrics(const Font& font, const std::optional<Metrics>& fallbackMetrics) {
    const double points = sanePoints(font.points);
    if (const auto* s = designSize(points)) return {double(s->linePx), double(s->ascentPx)};
    if (fallbackMetrics && std::isfinite(fallbackMetrics->linePx) && fallbackMetrics->linePx > 0 &&
        std::isfinite(fallbackMetrics->ascentPx) && fallbackMetrics->ascentPx >= 0)
        return *fallbackMetrics;
    const double em = points * 96.0 / 72.0;
    return {1.2 * em, 0.9 * em};
}

double advance(char32_t c, const Font& font, const AdvanceFn& fallback) {
    return Measurer(font, fallback)(c);
}

Layout layout(std::string_view utf8, const Font& font, double boxWidthPx, Align align,
              bool wordWrap, const AdvanceFn& fallback,
              const std::optional<Metrics>& fallbackMetrics) {
    Layout result;
    const Metrics m = metrics(font, fallbackMetrics);
    result.lineHeight = m.linePx;

    const std::u32string text = decodeUtf8(utf8);
    if (text.empty()) return result;

    const Measurer measure(font, fallback);
    std::vector<double> adv(text.size(), 0.0);
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!isLineBreak(text[i])) adv[i] = measure(text[i]);

    const bool boxValid = std::isfinite(boxWidthPx) && boxWidthPx > 0;
    const bool wrap = wordWrap && boxValid;

    std::vector<LineSpan> spans;
    ParagraphWrapper wrapper(text, adv, boxWidthPx, spans);
    for (std::size_t b = 0;;) {
        std::size_t e = b;
        while (e < text.size() && !isLineBreak(text[e])) ++e;
        if (wrap) {
            wrapper.run(b, e);
        } else {
            double w = 0;
            for (std::size_t i = b; i < e; ++i) w += adv[i];
            spans.push_back({b, e, w});
        }
        if (e == text.size()) break;
        if (text[e] == U'\r' && e + 1 < text.size() && text[e + 1] == U'\n') ++e;
        b = e + 1;  // a break at the very end still opens an (empty) last line
    }

    double reference = boxWidthPx;
    if (!boxValid) {
        reference = 0;
        for (const auto& s : spans) reference = std::max(reference, s.width);
    }

    result.lines.reserve(spans.size());
    for (std::size_t n = 0; n < spans.size(); ++n) {
        const LineSpan& s = spans[n];
        LineLayout line;
        line.text.assign(text, s.begin, s.end - s.begin);
        line.width = s.width;
        line.brokenWord = s.brokenWord;
        line.top = double(n) * m.linePx;
        line.baseline = line.top + m.ascentPx;
        double x = 0;
        switch (align) {
            case Align::Left:
                break;
            case Align::Right:
                x = reference - s.width;
                break;
            case Align::Center:
                x = (reference - s.width) / 2;
                break;
        }
        line.x.reserve(line.text.size());
        for (std::size_t i = s.begin; i < s.end; ++i) {
            line.x.push_back(x);
            x += adv[i];
        }
        result.lines.push_back(std::move(line));
    }
    return result;
}

bool showsEveryWord(const Layout& lay, double boxWidthPx, double boxHeightPx, double scale) {
    if (!std::isfinite(scale) || scale <= 0) return false;
    // Compared in the layout's own units: the box as large as the unscaled font sees it. A
    // character ends where the next one starts, the last one where the line's width ends.
    const double width = boxWidthPx / scale, height = boxHeightPx / scale;
    std::optional<std::size_t> lastWithWord;
    for (std::size_t n = 0; n < lay.lines.size(); ++n) {
        const LineLayout& line = lay.lines[n];
        if (line.brokenWord) return false;
        const std::size_t count = std::min(line.text.size(), line.x.size());
        for (std::size_t i = 0; i < count; ++i) {
            if (isBlank(line.text[i])) continue;
            lastWithWord = n;
            const double right = i + 1 < count ? line.x[i + 1] : line.x.front() + line.width;
            if (line.x[i] < -kFitEpsilon || right > width + kFitEpsilon) return false;
        }
    }
    if (!lastWithWord || *lastWithWord == 0) return true;
    return lay.lines[*lastWithWord].baseline <= height + kFitEpsilon;
}

bool isOverlayMark(std::string_view caption, double boxWidthTwips) {
    return boxWidthTwips <= 400 && caption.size() <= 3 && !caption.empty();
}

Fitted fitLayout(std::string_view utf8, const Font& font, double boxWidthPx, double boxHeightPx,
                 Align align, bool wordWrap, const AdvanceFn& fallback,
                 const std::optional<Metrics>& fallbackMetrics) {
    Fitted fitted;
    fitted.layout = layout(utf8, font, boxWidthPx, align, wordWrap, fallback, fallbackMetrics);
    const bool usable = std::isfinite(boxWidthPx) && boxWidthPx > 0 && std::isfinite(boxHeightPx) &&
                        boxHeightPx > 0;
    if (!usable || showsEveryWord(fitted.layout, boxWidthPx, boxHeightPx, 1)) return fitted;

    // Scales in whole steps, so that every front end lands on the same one and a report can
    // name it. Smaller scales widen the box the wrap sees, which never adds a line, so the
    // captions that fit form one range of steps from the smallest up.
    constexpr int kSteps = 1024;
    const auto scaleAt = [](int step) { return double(step) / kSteps; };
    const auto layoutAt = [&](int step) {
        return layout(utf8, font, boxWidthPx / scaleAt(step), align, wordWrap, fallback,
                      fallbackMetrics);
    };
    int lo = int(std::ceil(kMinFitScale * kSteps));
    Layout best = layoutAt(lo);
    if (!showsEveryWord(best, boxWidthPx, boxHeightPx, scaleAt(lo))) {
        fitted.layout = std::move(best);
        fitted.scale = scaleAt(lo);
        fitted.fits = false;
        return fitted;
    }
    int hi = kSteps;  // does not fit
    while (hi - lo > 1) {
        const int mid = lo + (hi - lo) / 2;
        Layout candidate = layoutAt(mid);
        if (showsEveryWord(candidate, boxWidthPx, boxHeightPx, scaleAt(mid))) {
            lo = mid;
            best = std::move(candidate);
        } else {
            hi = mid;
        }
    }
    fitted.layout = std::move(best);
    fitted.scale = scaleAt(lo);
    return fitted;
}

std::u32string decodeUtf8(std::string_view s) {
    std::u32string out;
    out.reserve(s.size());
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    std::size_t i = 0;
    while (i < s.size()) {
        const unsigned b = byte(i);
        if (b < 0x80) {
            out.push_back(b);
            ++i;
            continue;
        }
        int need = 0;
        char32_t cp = 0;
        unsigned lo = 0x80, hi = 0xBF;  // the first continuation byte's range excludes overlongs,
        if (b >= 0xC2 && b <= 0xDF) {   // surrogates and code points past U+10FFFF
            need = 1;
            cp = b & 0x1F;
        } else if (b >= 0xE0 && b <= 0xEF) {
            need = 2;
            cp = b & 0x0F;
            if (b == 0xE0) lo = 0xA0;
            if (b == 0xED) hi = 0x9F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            need = 3;
            cp = b & 0x07;
            if (b == 0xF0) lo = 0x90;
            if (b == 0xF4) hi = 0x8F;
        } else {
            out.push_back(kReplacement);
            ++i;
            continue;
        }
        std::size_t j = i + 1;
        int got = 0;
        while (got < need && j < s.size() && byte(j) >= lo && byte(j) <= hi) {
            cp = (cp << 6) | (byte(j) & 0x3F);
            ++j;
            ++got;
            lo = 0x80;
            hi = 0xBF;
        }
        // An incomplete sequence is replaced once; the byte that broke it starts afresh.
        out.push_back(got == need ? cp : kReplacement);
        i = j;
    }
    return out;
}

}  // namespace scene::text
