#include "desktop/buttonwidget.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "desktop/focusring.h"
#include "desktop/look.h"
#include "desktop/scenepaint.h"

namespace desktop {

ButtonWidget::ButtonWidget(Host& app, scene::CommandButton& b, QWidget* parent)
    : QWidget(parent), app_(app), b_(b) {
    setFocusPolicy(Qt::StrongFocus);
}

void ButtonWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QRectF r = QRectF(rect());
    const scene::Color face =
        scene::drawnColor(schemeOf(b_), b_.BackColor, scene::Ink::Face, drawnPage(b_));
    p.fillRect(r, qcolor(face));
    const double w = std::max(1.0, scale);
    QColor light(255, 255, 255), dark(64, 64, 64);
    if (pressed_) std::swap(light, dark);
    p.setPen(QPen(light, w));
    p.drawLine(r.topLeft() + QPointF(w / 2, w / 2), r.topRight() + QPointF(-w / 2, w / 2));
    p.drawLine(r.topLeft() + QPointF(w / 2, w / 2), r.bottomLeft() + QPointF(w / 2, -w / 2));
    p.setPen(QPen(dark, w));
    p.drawLine(r.bottomLeft() + QPointF(w / 2, -w / 2), r.bottomRight() + QPointF(-w / 2, -w / 2));
    p.drawLine(r.topRight() + QPointF(-w / 2, w / 2), r.bottomRight() + QPointF(-w / 2, -w / 2));
    if (hasFocus()) paintFocusRing(p, r, scale);
    const std::string& caption = b_.Caption.get();
    if (caption.empty()) return;
    const QColor ink = drawnQColor(b_, b_.Enabled ? scene::kBlack : scene::rgb(128, 128, 128),
                                   scene::Ink::Text, face);
    if (b_.style == 0) {
        p.setPen(ink);
        p.setFont(faceFor(b_.font, emPx(b_.font) * scale));
        p.drawText(r, Qt::AlignCenter, QString::fromStdString(caption));
        return;
    }
    // The graphical style shows its caption over its face, placed as the page's labels are and
    // drawn smaller where its words need more room than the face has.
    const double inset = scene::text::kButtonCaptionInsetPx;
    const double roomW = drawnTwips(b_.Width) / 15.0 - 2 * inset,
                 roomH = drawnTwips(b_.Height) / 15.0 - 2 * inset;
    if (roomW <= 0 || roomH <= 0) return;
    const auto fitted = fitText(caption, b_.font, roomW, roomH, 2);
    const double s = scale * fitted.scale;
    const double blockH = double(fitted.layout.lines.size()) * fitted.layout.lineHeight * s;
    const QPointF topLeft(r.center().x() - roomW * scale / 2, r.center().y() - blockH / 2);
    p.setClipRect(r.adjusted(inset * scale, inset * scale, -inset * scale, -inset * scale));
    p.setRenderHint(QPainter::TextAntialiasing, true);
    drawLaidOutText(p, fitted.layout, topLeft, s, b_.font, ink);
}

void ButtonWidget::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    pressed_ = true;
    update();
    int button = 1;
    app_.dispatch([this, button] { app_.program().mouseDown(b_, button); });
}

void ButtonWidget::mouseReleaseEvent(QMouseEvent* e) {
    if (!pressed_) return;
    pressed_ = false;
    update();
    if (rect().contains(e->position().toPoint()))
        app_.dispatch([this] { app_.program().click(b_); });
}

void ButtonWidget::keyPressEvent(QKeyEvent* e) {
    int key = e->key();
    app_.dispatch([this, key] { app_.program().keyDown(b_, key); });
    if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)
        app_.dispatch([this] { app_.program().click(b_); });
}

void ButtonWidget::activate() {
    app_.dispatch([this] { app_.program().click(b_); });
}

void ButtonWidget::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    app_.focused(b_, e->reason());
}

}  // namespace desktop
