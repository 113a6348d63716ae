#pragma once
// Turning the scene's twips, colours and fonts into what Qt paints.
#include <QColor>
#include <QCursor>
#include <QFont>
#include <QIcon>
#include <QPointF>
#include <QRectF>

#include "scene/color.h"
#include "scene/colorscheme.h"
#include "scene/control.h"
#include "scene/textlayout.h"

namespace scene {
class Form;
}

namespace desktop {

inline QColor qcolor(scene::Color c) {
    return QColor(scene::red(c), scene::green(c), scene::blue(c));
}

// A lesson's colour as the program's colour scheme draws it, lying on `ground` (as drawn).
QColor drawnQColor(const scene::Control& c, scene::Color color, scene::Ink ink,
                   scene::Color ground);
scene::ColorScheme schemeOf(const scene::Control& c);
// The page's colour as drawn under a control's form.
scene::Color drawnPage(const scene::Control& c);

// Registers the bundled sans-serif faces once; every text of the program uses them.
void loadBundledFonts();
QFont faceFor(const scene::FontLook& look, double pixelSize);

// Layout of a caption with the design advance widths; sizes without design metrics use the
// bundled face's own.
scene::text::Layout layoutText(const std::string& text, const scene::FontLook& look,
                               double boxWidthPx, int alignment, bool wordWrap = true);
// The same at the largest scale, at most 1, at which every word shows inside the box (see
// scene::text::fitLayout): the caption is drawn `scale` times as large.
scene::text::Fitted fitText(const std::string& text, const scene::FontLook& look, double boxWidthPx,
                            double boxHeightPx, int alignment, bool wordWrap = true);
double emPx(const scene::FontLook& look);

// Where the design-size scene lands in a widget of the given size: uniform scale, centred.
struct Fit {
    double scale = 1;  // logical pixels per design pixel (15 twips)
    QPointF origin;    // logical position of twip (0, 0)
    QPointF toPx(double xTw, double yTw) const {
        return origin + QPointF(xTw, yTw) * (scale / 15.0);
    }
    double lenPx(double tw) const { return tw * scale / 15.0; }
    QRectF rectPx(double l, double t, double w, double h) const {
        return QRectF(toPx(l, t), QSizeF(lenPx(w), lenPx(h)));
    }
    QPointF toTwips(QPointF px) const { return (px - origin) * (15.0 / scale); }
    // A stroke through a design pixel runs along that pixel's middle, so that a 1-px line at
    // scale 1 fills one column of pixels instead of smearing grey over two.
    QPointF strokePx(double xTw, double yTw) const {
        return toPx(xTw, yTw) + QPointF(scale, scale) * 0.5;
    }
};
Fit fitScene(const scene::Form& form, QSizeF widgetSize);

// Positions become whole twips only where they are drawn.
double drawnTwips(float v);

QIcon saucerIcon();
QCursor saucerCursor();

}  // namespace desktop
