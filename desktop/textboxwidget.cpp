#include "desktop/textboxwidget.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

#include "desktop/focusring.h"
#include "desktop/formwindow.h"

namespace desktop {

TextBoxWidget::TextBoxWidget(Host& app, FormWindow& win, scene::TextBox& box, QWidget* parent)
    : QLineEdit(parent), app_(app), win_(win), box_(box) {
    setFrame(true);
    connect(this, &QLineEdit::textEdited, this, [this](const QString& t) {
        // What the user typed is on show already: its echo from the model leaves the caret.
        synced_ = t.toStdString();
        app_.typed(box_, synced_);
    });
}

void TextBoxWidget::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    app_.focused(box_, e->reason());
}

void TextBoxWidget::paintEvent(QPaintEvent* e) {
    QLineEdit::paintEvent(e);
    if (!hasFocus()) return;
    QPainter p(this);
    paintFocusRing(p, QRectF(rect()), scale_);
}

void TextBoxWidget::sync(const Fit& fit) {
    if (scale_ != fit.scale) {
        scale_ = fit.scale;
        update();
    }
    QFont f = faceFor(box_.font, emPx(box_.font) * fit.scale);
    if (font() != f) setFont(f);
    // Only what changed is set: QLineEdit repaints on every setAlignment, and a text box
    // repainted repaints the canvas behind it, a second whole frame each time.
    const Qt::Alignment align = box_.alignment == 2   ? Qt::AlignCenter
                                : box_.alignment == 1 ? Qt::AlignRight
                                                      : Qt::AlignLeft;
    if (alignment() != align) setAlignment(align);
    const scene::Color back =
        scene::drawnColor(schemeOf(box_), box_.BackColor, scene::Ink::Ground, drawnPage(box_));
    const QColor base = qcolor(back),
                 ink = drawnQColor(box_, box_.ForeColor, scene::Ink::Text, back);
    if (palette().color(QPalette::Base) != base || palette().color(QPalette::Text) != ink) {
        QPalette pal = palette();
        pal.setColor(QPalette::Base, base);
        pal.setColor(QPalette::Text, ink);
        setPalette(pal);
    }
    const std::string& t = box_.Text.get();
    if (t != synced_) {
        synced_ = t;
        QString q = QString::fromStdString(t);
        if (text() != q) setText(q);
        setCursorPosition(std::clamp(int(box_.SelStart), 0, int(q.size())));
    } else if (box_.SelStart != syncedSel_) {
        setCursorPosition(std::clamp(int(box_.SelStart), 0, int(text().size())));
    }
    syncedSel_ = box_.SelStart;
}

bool TextBoxWidget::event(QEvent* e) {
    if (e->type() == QEvent::ShortcutOverride && win_.isMenuShortcut(static_cast<QKeyEvent*>(e))) {
        e->ignore();
        return true;
    }
    return QLineEdit::event(e);
}

}  // namespace desktop
