#include "desktop/checkboxwidget.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "desktop/look.h"

namespace desktop {

CheckBoxWidget::CheckBoxWidget(Host& app, scene::CheckBox& box, QWidget* parent)
    : QWidget(parent), app_(app), box_(box) {
    setFocusPolicy(Qt::StrongFocus);
}

void CheckBoxWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.fillRect(rect(), qcolor(box_.BackColor));
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
    const std::string& cap = box_.Caption.get();
    double textLeft = side + 4 * scale;
    if (!cap.empty() && textLeft < width()) {
        p.setPen(qcolor(box_.ForeColor));
        p.setFont(faceFor(box_.font, emPx(box_.font) * scale));
        p.drawText(QRectF(textLeft, 0, width() - textLeft, height()),
                   Qt::AlignVCenter | Qt::AlignLeft, QString::fromStdString(cap));
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

void CheckBoxWidget::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    app_.focused(box_, e->reason());
}

}  // namespace desktop
