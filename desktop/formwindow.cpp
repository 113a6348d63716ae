#include "desktop/formwindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMoveEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QStyle>

#include "scene/program.h"

namespace desktop {

using scene::Control;
using scene::Kind;

namespace {

// A text box: what the user types becomes the box's Text.
class TextBoxWidget : public QLineEdit {
public:
    TextBoxWidget(Host& app, FormWindow& win, scene::TextBox& box, QWidget* parent)
        : QLineEdit(parent), app_(app), win_(win), box_(box) {
        setFrame(true);
        connect(this, &QLineEdit::textEdited, this, [this](const QString& t) {
            std::string text = t.toStdString();
            app_.dispatch([this, text] { app_.program().type(box_, text); });
        });
    }
    void sync(const Fit& fit) {
        QFont f = faceFor(box_.font, emPx(box_.font) * fit.scale);
        if (font() != f) setFont(f);
        // Only what changed is set: QLineEdit repaints on every setAlignment, and a text box
        // repainted repaints the canvas behind it, a second whole frame each time.
        const Qt::Alignment align = box_.alignment == 2   ? Qt::AlignCenter
                                    : box_.alignment == 1 ? Qt::AlignRight
                                                          : Qt::AlignLeft;
        if (alignment() != align) setAlignment(align);
        const QColor base = qcolor(box_.BackColor), ink = qcolor(box_.ForeColor);
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

protected:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::ShortcutOverride &&
            win_.isMenuShortcut(static_cast<QKeyEvent*>(e))) {
            e->ignore();
            return true;
        }
        return QLineEdit::event(e);
    }

private:
    Host& app_;
    FormWindow& win_;
    scene::TextBox& box_;
    std::string synced_;
    int syncedSel_ = -1;
};

// A check box drawn as the lessons show it: value 2 is a greyed tick. Its value is the
// model's; a click asks the model to toggle it.
class CheckBoxWidget : public QWidget {
public:
    CheckBoxWidget(Host& app, scene::CheckBox& box, QWidget* parent)
        : QWidget(parent), app_(app), box_(box) {
        setFocusPolicy(Qt::StrongFocus);
    }
    double scale = 1;

protected:
    void paintEvent(QPaintEvent*) override {
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
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) app_.dispatch([this] { app_.program().click(box_); });
    }
    void keyPressEvent(QKeyEvent* e) override {
        if (e->key() == Qt::Key_Space)
            app_.dispatch([this] { app_.program().click(box_); });
        else
            QWidget::keyPressEvent(e);
    }

private:
    Host& app_;
    scene::CheckBox& box_;
};

// A command button; the graphical style shows its BackColor. No focus frame is drawn.
class ButtonWidget : public QWidget {
public:
    ButtonWidget(Host& app, scene::CommandButton& b, QWidget* parent)
        : QWidget(parent), app_(app), b_(b) {
        setFocusPolicy(Qt::StrongFocus);
    }
    double scale = 1;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        QRectF r = QRectF(rect());
        p.fillRect(r, qcolor(b_.BackColor));
        const double w = std::max(1.0, scale);
        QColor light(255, 255, 255), dark(64, 64, 64);
        if (pressed_) std::swap(light, dark);
        p.setPen(QPen(light, w));
        p.drawLine(r.topLeft() + QPointF(w / 2, w / 2), r.topRight() + QPointF(-w / 2, w / 2));
        p.drawLine(r.topLeft() + QPointF(w / 2, w / 2), r.bottomLeft() + QPointF(w / 2, -w / 2));
        p.setPen(QPen(dark, w));
        p.drawLine(r.bottomLeft() + QPointF(w / 2, -w / 2),
                   r.bottomRight() + QPointF(-w / 2, -w / 2));
        p.drawLine(r.topRight() + QPointF(-w / 2, w / 2),
                   r.bottomRight() + QPointF(-w / 2, -w / 2));
        if (!b_.Caption.get().empty() && b_.style == 0) {
            p.setPen(b_.Enabled ? QColor(0, 0, 0) : QColor(128, 128, 128));
            p.setFont(faceFor(b_.font, emPx(b_.font) * scale));
            p.drawText(r, Qt::AlignCenter, QString::fromStdString(b_.Caption));
        }
    }
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() != Qt::LeftButton) return;
        pressed_ = true;
        update();
        int button = 1;
        app_.dispatch([this, button] { app_.program().mouseDown(b_, button); });
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (!pressed_) return;
        pressed_ = false;
        update();
        if (rect().contains(e->position().toPoint()))
            app_.dispatch([this] { app_.program().click(b_); });
    }
    void keyPressEvent(QKeyEvent* e) override {
        int key = e->key();
        app_.dispatch([this, key] { app_.program().keyDown(b_, key); });
        if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)
            app_.dispatch([this] { app_.program().click(b_); });
    }

private:
    Host& app_;
    scene::CommandButton& b_;
    bool pressed_ = false;
};

}  // namespace

// --- Canvas ------------------------------------------------------------------------------------

Canvas::Canvas(Host& app, scene::Form& form, QWidget* parent)
    : QWidget(parent), app_(app), form_(form) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    auto* win = static_cast<FormWindow*>(parent);
    for (auto& c : form.controls()) {
        QWidget* w = nullptr;
        switch (c->kind()) {
            case Kind::TextBox:
                w = new TextBoxWidget(app, *win, static_cast<scene::TextBox&>(*c), this);
                break;
            case Kind::CheckBox:
                w = new CheckBoxWidget(app, static_cast<scene::CheckBox&>(*c), this);
                break;
            case Kind::CommandButton:
                w = new ButtonWidget(app, static_cast<scene::CommandButton&>(*c), this);
                break;
            default:
                break;
        }
        if (w) widgets_[c.get()] = w;
    }
    // Earlier in the stored order lies above: raise the widgets from the last to the first.
    for (auto it = form.controls().rbegin(); it != form.controls().rend(); ++it) {
        auto w = widgets_.find(it->get());
        if (w != widgets_.end()) w->second->raise();
    }
}

static void rescale(double& scale, double now, QWidget* w) {
    if (scale == now) return;
    scale = now;
    w->update();
}

void Canvas::sync() {
    const Fit f = fit();
    for (auto& [c, w] : widgets_) {
        QRectF r = f.rectPx(drawnTwips(c->Left), drawnTwips(c->Top), drawnTwips(c->Width),
                            drawnTwips(c->Height));
        QRect g = r.toAlignedRect();
        if (w->geometry() != g) w->setGeometry(g);
        bool vis = c->Visible;
        if (w->isVisibleTo(this) != vis) w->setVisible(vis);
        if (w->isEnabled() != bool(c->Enabled)) w->setEnabled(c->Enabled);
        switch (c->kind()) {
            case Kind::TextBox:
                static_cast<TextBoxWidget*>(w)->sync(f);
                break;
            // Their looks follow the model through the canvas's repaint; only a new scale
            // repaints them here, so an idle tick paints nothing.
            case Kind::CheckBox:
                rescale(static_cast<CheckBoxWidget*>(w)->scale, f.scale, w);
                break;
            case Kind::CommandButton:
                rescale(static_cast<ButtonWidget*>(w)->scale, f.scale, w);
                break;
            default:
                break;
        }
    }
    if (Control* focus = form_.focused()) {
        auto it = widgets_.find(focus);
        if (it != widgets_.end() && it->second->isVisible() && !it->second->hasFocus() &&
            window()->isActiveWindow())
            it->second->setFocus(Qt::OtherFocusReason);
    }
}

void Canvas::setPointer(std::optional<QPointF> twips) {
    pointer_ = twips;
    update();
}

void Canvas::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const Fit f = fit();
    segments_.paint(p, form_, f, size(), devicePixelRatioF());
    paintCanvasControls(p, form_, f);
    if (pointer_) paintPointer(p, f.toPx(pointer_->x(), pointer_->y()), f.scale);
    app_.painted(form_);
}

void Canvas::resizeEvent(QResizeEvent*) { sync(); }

// A hidden page keeps its segments in the scene, not a screen-sized image of them: walking
// through a course would otherwise hold one such image per page it has passed.
void Canvas::hideEvent(QHideEvent*) { segments_ = SegmentLayer{}; }

scene::Label* Canvas::linkAt(QPointF pos) const {
    const Fit f = fit();
    QPointF tw = f.toTwips(pos);
    for (Control* c : form_.canvasOrder()) {
        if (!c->Visible || c->kind() != Kind::Label) continue;
        bool inside = tw.x() >= c->Left && tw.x() < c->Left + c->Width && tw.y() >= c->Top &&
                      tw.y() < c->Top + c->Height;
        if (!inside) continue;
        auto* l = static_cast<scene::Label*>(c);
        return l->onClick ? l : nullptr;  // the topmost label under the pointer takes the click
    }
    return nullptr;
}

void Canvas::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    if (auto* l = linkAt(e->position())) app_.dispatch([this, l] { app_.program().click(*l); });
}

void Canvas::mouseMoveEvent(QMouseEvent* e) {
    auto* l = linkAt(e->position());
    if (l && l->linkPointer)
        setCursor(saucerCursor());
    else
        unsetCursor();
}

// --- FormWindow --------------------------------------------------------------------------------

static QString qtext(const std::string& s) { return QString::fromStdString(s); }

FormWindow::FormWindow(Host& app, scene::Form& form) : app_(app), form_(form) {
    setWindowTitle(qtext(form.caption()));
    setWindowIcon(saucerIcon());
    setAttribute(Qt::WA_DeleteOnClose, false);
    QMenu* menu = nullptr;
    for (auto& item : form.menu()) {
        if (item->level == 0) {
            menu = menuBar()->addMenu(qtext(item->caption));
            continue;
        }
        if (!menu) menu = menuBar()->addMenu(QStringLiteral("&Navigation"));
        QAction* a = menu->addAction(qtext(item->caption));
        if (!item->shortcut.empty()) {
            a->setShortcut(QKeySequence(qtext(item->shortcut)));
            a->setShortcutContext(Qt::WindowShortcut);
        }
        scene::MenuItem* m = item.get();
        connect(a, &QAction::triggered, this,
                [this, m] { app_.dispatch([this, m] { app_.program().menu(*m); }); });
        actions_[m] = a;
    }
    if (form.menu().empty()) menuBar()->hide();
    canvas_ = new Canvas(app, form, this);
    setCentralWidget(canvas_);
    if (!form.maximized()) {
        const QSize design(int(std::lround(form.clientWidth() / 15.0)),
                           int(std::lround(form.clientHeight() / 15.0)));
        canvas_->setFixedSize(design);
        setFixedSize(sizeHint());
    } else {
        resize(1024, 768);
    }
}

bool FormWindow::isMenuShortcut(const QKeyEvent* e) const {
    if (!(e->modifiers() & Qt::ControlModifier)) return false;
    QKeySequence seq(e->keyCombination());
    for (auto& [m, a] : actions_)
        if (a->shortcut() == seq) return true;
    return false;
}

void FormWindow::sync() {
    for (auto& [m, a] : actions_)
        if (a->isEnabled() != bool(m->Enabled)) a->setEnabled(m->Enabled);
    canvas_->sync();
}

void FormWindow::present() {
    sync();
    canvas_->repaint();
}

void FormWindow::releaseNative() {
    if (!isVisible() && testAttribute(Qt::WA_WState_Created)) destroy();
}

void FormWindow::closeEvent(QCloseEvent* e) {
    e->ignore();  // the form decides: the About box closes, a lesson ends the program
    app_.dispatch([this] { app_.program().closeButton(form_); });
}

void FormWindow::moveEvent(QMoveEvent* e) {
    QMainWindow::moveEvent(e);
    app_.placed(*this);
}

void FormWindow::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    app_.placed(*this);
}

void FormWindow::changeEvent(QEvent* e) {
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) app_.userActivated(*this);
}

}  // namespace desktop
