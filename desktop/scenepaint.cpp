#include "desktop/scenepaint.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <cmath>

#include "scene/colorscheme.h"
#include "scene/program.h"

namespace desktop {

using scene::Control;
using scene::Kind;

// More new segments than this in one paint are drawn as runs (see below).
constexpr std::size_t kBulkSegments = 5000;

void SegmentLayer::paint(QPainter& p, const scene::Form& form, const Fit& fit, QSize size,
                         double dpr) {
    const QSize px(std::max(1, int(std::ceil(size.width() * dpr))),
                   std::max(1, int(std::ceil(size.height() * dpr))));
    const auto& surface = form.surface();
    const scene::ColorScheme scheme = form.program().colorScheme();
    const scene::Color page = scene::pageColor(scheme, form.backColor());
    if (image_.size() != px || dpr_ != dpr || scale_ != fit.scale || origin_ != fit.origin ||
        generation_ != surface.generation() || back_ != page || drawn_ > surface.size()) {
        if (image_.size() != px) image_ = QImage(px, QImage::Format_RGB32);
        image_.setDevicePixelRatio(dpr);
        image_.fill(qcolor(page));
        generation_ = surface.generation();
        scale_ = fit.scale;
        dpr_ = dpr;
        origin_ = fit.origin;
        back_ = page;
        drawn_ = 0;
    }
    if (drawn_ < surface.size()) {
        QPainter ip(&image_);
        ip.setRenderHint(QPainter::Antialiasing, true);
        QPen pen(Qt::black, std::max(1.0, fit.scale), Qt::SolidLine, Qt::RoundCap);
        scene::Color current = ~0u;
        const double k = fit.scale / 15.0;
        const QPointF mid = fit.strokePx(0, 0);
        // Drawing all of a page's lines at once (after a seek, a new size) joins each run of
        // connected segments of a colour into one line: its round caps, stroked one by one,
        // would cost a long flight's page a second, and the joins of nearly straight runs look
        // the same.
        const bool bulk = surface.size() - drawn_ > kBulkSegments;
        QPolygonF run;
        auto flush = [&] {
            if (run.size() > 1) ip.drawPolyline(run);
            run.clear();
        };
        if (bulk) pen.setJoinStyle(Qt::MiterJoin);
        surface.forEach(drawn_, [&](const scene::Segment& s) {
            QPointF a(mid.x() + s.x1 * k, mid.y() + s.y1 * k);
            QPointF b(mid.x() + s.x2 * k, mid.y() + s.y2 * k);
            if (s.color != current) {
                flush();
                current = s.color;
                pen.setColor(qcolor(drawnColor(scheme, s.color, scene::Ink::Graphic, page)));
                ip.setPen(pen);
            }
            if (a == b) {
                flush();
                ip.drawPoint(a);
            } else if (!bulk) {
                ip.drawLine(a, b);
            } else {
                if (run.isEmpty() || run.last() != a) {
                    flush();
                    run << a;
                }
                run << b;
            }
        });
        flush();
        drawn_ = surface.size();
    }
    p.drawImage(QPointF(0, 0), image_);
}

static Qt::PenStyle penStyle(int style) {
    switch (style) {
        case 0:
            return Qt::NoPen;
        case 2:
            return Qt::DashLine;
        case 3:
            return Qt::DotLine;
        case 4:
            return Qt::DashDotLine;
        case 5:
            return Qt::DashDotDotLine;
        default:
            return Qt::SolidLine;
    }
}

static QRectF drawnRect(const Control& c, const Fit& fit) {
    return fit.rectPx(drawnTwips(c.Left), drawnTwips(c.Top), drawnTwips(c.Width),
                      drawnTwips(c.Height));
}

void drawLaidOutText(QPainter& p, const scene::text::Layout& lay, QPointF topLeft, double s,
                     const scene::FontLook& look, const QColor& color) {
    QFont font = faceFor(look, emPx(look) * s);
    p.setFont(font);
    p.setPen(color);
    QFontMetricsF fm(font);
    scene::text::Font tf{look.size, look.bold, look.italic};
    for (auto& line : lay.lines) {
        const double baseline = topLeft.y() + line.baseline * s;
        for (size_t i = 0; i < line.text.size(); ++i) {
            char32_t c = line.text[i];
            if (c == U' ') continue;
            QString g = QString::fromUcs4(&c, 1);
            double cell =
                (i + 1 < line.x.size() ? line.x[i + 1] - line.x[i] : scene::text::advance(c, tf)) *
                s;
            double own = fm.horizontalAdvance(g);
            QPointF at(topLeft.x() + line.x[i] * s, baseline);
            if (own > cell * 1.02 && own > 0) {
                // The bundled face is wider here than the layout's cell: narrow the glyph to fit.
                p.save();
                p.translate(at);
                p.scale(cell / own, 1.0);
                p.drawText(QPointF(0, 0), g);
                p.restore();
            } else {
                p.drawText(at, g);
            }
        }
    }
}

void paintLabel(QPainter& p, const scene::Label& l, const Fit& fit) {
    const QRectF box = drawnRect(l, fit);
    if (box.width() <= 0 || box.height() <= 0) return;
    const std::string& caption = l.Caption.get();
    // A caption whose words need more room than its box has is drawn smaller, as one piece;
    // a mark over a formula stays as designed.
    const bool mark = scene::text::isOverlayMark(caption, l.Width);
    const auto fitted = mark ? scene::text::Fitted{layoutText(
                                   caption, l.font, drawnTwips(l.Width) / 15.0, l.alignment)}
                             : fitText(caption, l.font, drawnTwips(l.Width) / 15.0,
                                       drawnTwips(l.Height) / 15.0, l.alignment);
    const auto& lay = fitted.layout;
    const double s = fit.scale * fitted.scale;
    const scene::ColorScheme scheme = l.form().program().colorScheme();
    const scene::Color page = scene::pageColor(scheme, l.form().backColor());
    const scene::Color back = l.transparent
                                  ? scene::groundUnder(l.form(), l, scheme)
                                  : drawnColor(scheme, l.BackColor, scene::Ink::Ground, page);
    if (!l.transparent) {
        // A small overlay label (a sub- or superscript) paints its background only behind its
        // own text, so it does not shave the glyphs beside the gap it sits in.
        if (mark) {
            for (auto& line : lay.lines) {
                if (line.x.empty()) continue;
                QRectF r(box.left() + line.x.front() * s, box.top() + line.top * s, line.width * s,
                         lay.lineHeight * s);
                p.fillRect(r.intersected(box), qcolor(back));
            }
        } else {
            p.fillRect(box, qcolor(back));
        }
    }
    p.save();
    p.setClipRect(box);
    drawLaidOutText(p, lay, box.topLeft(), s, l.font,
                    qcolor(drawnColor(scheme, l.ForeColor, scene::Ink::Text, back)));
    p.restore();
    if (l.borderStyle == 1) {
        p.setPen(QPen(Qt::black, std::max(1.0, fit.scale)));
        p.setBrush(Qt::NoBrush);
        p.drawRect(box.adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

// Lines and shapes are drawn against the page: what they cross varies along them.
static QColor graphic(const scene::Control& c, scene::Color color) {
    const scene::ColorScheme scheme = c.form().program().colorScheme();
    return qcolor(drawnColor(scheme, color, scene::Ink::Graphic,
                             scene::pageColor(scheme, c.form().backColor())));
}

static void paintLine(QPainter& p, const scene::LineControl& l, const Fit& fit) {
    QPen pen(graphic(l, l.BorderColor), std::max(1.0, l.borderWidth * fit.scale),
             penStyle(l.borderStyle));
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    p.drawLine(fit.strokePx(drawnTwips(l.X1), drawnTwips(l.Y1)),
               fit.strokePx(drawnTwips(l.X2), drawnTwips(l.Y2)));
}

static void paintShape(QPainter& p, const scene::Shape& sh, const Fit& fit) {
    QRectF r = drawnRect(sh, fit);
    if (r.width() <= 0 || r.height() <= 0) return;
    if (sh.shape == 1 || sh.shape == 3 || sh.shape == 5) {
        // Squares and circles are the largest that fit the box, centred in it.
        double d = std::min(r.width(), r.height());
        r = QRectF(r.center().x() - d / 2, r.center().y() - d / 2, d, d);
    }
    if (sh.fillStyle == 0)
        p.setBrush(graphic(sh, sh.FillColor));
    else if (sh.backStyle == 1)
        p.setBrush(graphic(sh, sh.BackColor));
    else
        p.setBrush(Qt::NoBrush);
    const double w = std::max(1.0, sh.borderWidth * fit.scale);
    if (sh.borderStyle == 0) {
        p.setPen(Qt::NoPen);
    } else {
        p.setPen(QPen(graphic(sh, sh.BorderColor), w, penStyle(sh.borderStyle)));
        r = r.adjusted(w / 2, w / 2, -w / 2, -w / 2);  // the border lies inside the box
    }
    switch (sh.shape) {
        case 2:
        case 3:
            p.drawEllipse(r);
            break;
        case 4:
        case 5: {
            double rad = std::min(r.width(), r.height()) / 6;
            p.drawRoundedRect(r, rad, rad);
            break;
        }
        default:
            p.drawRect(r);
    }
}

void paintCanvasControls(QPainter& p, const scene::Form& form, const Fit& fit) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    auto order = form.canvasOrder();
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        const Control& c = **it;
        if (!c.Visible) continue;
        switch (c.kind()) {
            case Kind::Label:
                paintLabel(p, static_cast<const scene::Label&>(c), fit);
                break;
            case Kind::Line:
                paintLine(p, static_cast<const scene::LineControl&>(c), fit);
                break;
            case Kind::Shape:
                paintShape(p, static_cast<const scene::Shape&>(c), fit);
                break;
            default:
                break;
        }
    }
}

void paintPointer(QPainter& p, QPointF at, double scale) {
    const double k = std::max(1.0, scale);
    QPainterPath arrow;
    arrow.moveTo(0, 0);
    arrow.lineTo(0, 16);
    arrow.lineTo(4, 12);
    arrow.lineTo(7, 19);
    arrow.lineTo(9, 18);
    arrow.lineTo(6, 11);
    arrow.lineTo(11, 11);
    arrow.closeSubpath();
    p.save();
    p.translate(at);
    p.scale(k, k);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(Qt::black, 1.0 / k * 1.2));
    p.setBrush(Qt::white);
    p.drawPath(arrow);
    p.restore();
}

}  // namespace desktop
