#include "desktop/checkboxwidget.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "desktop/focusring.h"
#include "desktop/look.h"
#include "desktop/scenepaint.h"

namespace desktop {

CheckBoxWidget::CheckBoxWidget(Host& app, scene::CheckBox& box, QWidget* parent)
    : QWidget(parent), app_(app), box_(box) {
    setFocusPolicy(Qt::StrongFocus);
}

void CheckBoxWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, true);
    const scene::Color back =
        scene::drawnColor(schemeOf(box_), box_.BackColor, scene::Ink::Ground, drawnPage(box_));
    p.fillRect(rect(), qcolor(back));
    const double side = std::min(13.0 * scale, double(std::min(width(), height())));
    QRectF sq(0.5, (height() - side) / 2, side - 1, side - 1);
    const bool grey = box_.Value == 2 || !box_.Enabled;
    p.setPen(QPen(QColor(64, 64, 64), std::max(1.0, scale * 0.8)));
    p.setBrush(grey ? QColor(192, 192, 192) : QColor(255, 255, 255));
    p.drawRect(sq);
    if (box_.Value != 0) {
        QPen tick(grey ? QColor(128, 128, 128) : QColor(0, 0, 0), std::max(1.5, side * 0.14));
        tick.setCapStyle(Qt::RoundCap);
        tick.setJoinStyle(Qt::RoundJoin);
        p.setPen(tick);
        QPolygonF mark{sq.topLeft() + QPointF(side * 0.22, side * 0.52),
                       sq.topLeft() + QPointF(side * 0.42, side * 0.72),
                       sq.topLeft() + QPointF(side * 0.78, side * 0.28)};
        p.drawPolyline(mark);
    }
    if (hasFocus()) paintFocusRing(p, QRectF(rect()), scale);
    // The caption shows in whole pixels of the box as laid out (its widget is rounded outwards),
    // so that a box too narrow for it leaves no sliver of a glyph beside the square; where it has
    // room but too little, the caption is drawn smaller until its words fit.
    const std::string& cap = box_.Caption.get();
    const double textLeft = side + 4 * scale;
    const double right = std::min(double(width()), drawnTwips(box_.Width) / 15.0 * scale);
    const int clipLeft = int(std::ceil(textLeft)), clipRight = int(std::floor(right));
    if (!cap.empty() && clipRight > clipLeft) {
        const double roomW = (right - textLeft) / scale, roomH = height() / scale;
        const auto fitted = fitText(cap, box_.font, roomW, roomH, 0);
        const double s = scale * fitted.scale;
        const double blockH = double(fitted.layout.lines.size()) * fitted.layout.lineHeight * s;
        p.setClipRect(QRect(clipLeft, 0, clipRight - clipLeft, height()));
        drawLaidOutText(p, fitted.layout, QPointF(textLeft, (height() - blockH) / 2), s, box_.font,
                        drawnQColor(box_, box_.ForeColor, scene::Ink::Text, back));
    }
}

void CheckBoxWidget::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) app_.dispatch([this] { app_.program().click(box_); });
}

void CheckBoxWidget::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Space)
        app_.dispatch([this] { app_.program().click(box_); });
    else
        QWidget::keyPressEvent(e);
}

void CheckBoxWidget::activate() {
    app_.dispatch([this] { app_.program().click(box_); });
}

void CheckBoxWidget::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    app_.focused(box_, e->reason());
}

}  // namespace desktop
