#pragma once
#include <QPainter>
#include <QRectF>
#include <algorithm>

namespace desktop {

// Where the keyboard is: a dark ring 2 design pixels wide inside the control's edge, with a white
// line within it, so that it stands out on any page colour and on any face.
inline void paintFocusRing(QPainter& p, const QRectF& r, double scale) {
    const double outer = std::max(2.0, 2 * scale), inner = std::max(1.0, scale);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 96), outer, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(r.adjusted(outer / 2, outer / 2, -outer / 2, -outer / 2));
    p.setPen(QPen(QColor(255, 255, 255), inner, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(
        r.adjusted(outer + inner / 2, outer + inner / 2, -outer - inner / 2, -outer - inner / 2));
    p.restore();
}

}  // namespace desktop
