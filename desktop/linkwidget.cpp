#include "desktop/linkwidget.h"

#include <QKeyEvent>
#include <QPainter>

#include "desktop/focusring.h"
#include "desktop/formwindow.h"

namespace desktop {

LinkWidget::LinkWidget(Host& app, scene::Label& label, QWidget* parent)
    : QWidget(parent), app_(app), label_(label) {
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void LinkWidget::paintEvent(QPaintEvent*) {
    if (!hasFocus()) return;
    QPainter p(this);
    auto* canvas = dynamic_cast<const Canvas*>(parentWidget());
    paintFocusRing(p, QRectF(rect()), canvas ? canvas->fit().scale : 1.0);
}

void LinkWidget::activate() {
    app_.dispatch([this] { app_.program().click(label_); });
}

void LinkWidget::keyPressEvent(QKeyEvent* e) {
    const int key = e->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)
        activate();
    else
        QWidget::keyPressEvent(e);
}

// The frame shows where the keyboard is, and only then.
void LinkWidget::focusInEvent(QFocusEvent*) { update(); }
void LinkWidget::focusOutEvent(QFocusEvent*) { update(); }

}  // namespace desktop
