#pragma once
#include <QImage>
#include <QPainter>

#include "desktop/look.h"
#include "scene/form.h"

namespace desktop {

// What the Line method drew, rasterised once into an opaque image at the current scale, so that
// a frame costs only the segments added since the last one.
class SegmentLayer {
public:
    void paint(QPainter& p, const scene::Form& form, const Fit& fit, QSize logicalSize, double dpr);
    void invalidate() { generation_ = ~std::uint64_t(0); }

private:
    QImage image_;
    std::uint64_t generation_ = ~std::uint64_t(0);
    std::size_t drawn_ = 0;
    double scale_ = 0, dpr_ = 0;
    QPointF origin_;
    scene::Color back_ = 0;
};

// Labels, lines and shapes, back to front (earlier in the stored order lies above).
void paintCanvasControls(QPainter& p, const scene::Form& form, const Fit& fit);
void paintLabel(QPainter& p, const scene::Label& l, const Fit& fit);
// A laid out caption, glyph by glyph at its design positions: `s` device px per layout px, the
// first line's top at `topLeft`.
void drawLaidOutText(QPainter& p, const scene::text::Layout& lay, QPointF topLeft, double s,
                     const scene::FontLook& look, const QColor& color);

// A pointer drawn into the scene where the platform cannot move the real one.
void paintPointer(QPainter& p, QPointF at, double scale);

}  // namespace desktop
