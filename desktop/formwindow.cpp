#include "desktop/formwindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QGestureEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMoveEvent>
#include <QNativeGestureEvent>
#include <QPainter>
#include <QPinchGesture>
#include <QResizeEvent>
#include <QScreen>
#include <QStyle>
#include <cmath>

#include "desktop/buttonwidget.h"
#include "desktop/checkboxwidget.h"
#include "desktop/linkwidget.h"
#include "desktop/textboxwidget.h"
#include "desktop/timelinebar.h"
#include "desktop/words.h"
#include "scene/keyboard.h"
#include "scene/program.h"
#include "shell/navigation.h"

namespace desktop {

using scene::Control;
using scene::Kind;

// --- Canvas ------------------------------------------------------------------------------------

Canvas::Canvas(Host& app, scene::Form& form, QWidget* parent)
    : QWidget(parent), app_(app), form_(form), reader_(std::make_unique<CanvasReader>(*this)) {
    installAccessibility();
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
            case Kind::Label:
                if (c->onClick) w = new LinkWidget(app, static_cast<scene::Label&>(*c), this);
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
    setTabOrder();
    // Asked for while still being made, the canvas and its widgets answered as plain widgets.
    forgetEarlyAccessibility(this);
    for (auto& [c, w] : widgets_) forgetEarlyAccessibility(w);
    if (form.maximized())
        if (const scene::Timeline* t = app.program().timeline(form.name()))
            timeline_ = new TimelineBar(app, form, *t, this);
    // A pinch on a touch screen magnifies as one on a touchpad does.
    setAttribute(Qt::WA_AcceptTouchEvents);
    grabGesture(Qt::PinchGesture);
}

void Canvas::setTabOrder() {
    // Tab goes in screen order; a control off the page still takes the focus the lesson gives it.
    for (auto& [c, w] : widgets_)
        if (w->focusPolicy() & Qt::TabFocus)
            w->setFocusPolicy(c->kind() == Kind::Label ? Qt::NoFocus : Qt::ClickFocus);
    QWidget* previous = nullptr;
    for (Control* c : scene::tabOrder(form_)) {
        auto it = widgets_.find(c);
        if (it == widgets_.end()) continue;
        QWidget* w = it->second;
        w->setFocusPolicy(c->kind() == Kind::Label ? Qt::TabFocus : Qt::StrongFocus);
        if (previous) QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

Fit Canvas::fit() const {
    if (!zoomable() || !app_.program().zoom().magnified()) return fitScene(form_, size());
    const scene::Placement at =
        app_.program().zoom().place(form_.clientWidth(), form_.clientHeight(), width(), height());
    Fit f;
    f.scale = at.scale;
    f.origin = QPointF(at.ox, at.oy);
    return f;
}

// The pages magnify; a small window such as the About box stays as it is.
bool Canvas::zoomable() const { return form_.maximized(); }

void Canvas::zoomAbout(double factor, QPointF at) {
    app_.dispatch([this, factor, at] {
        app_.program().zoom().zoomAbout(factor, at.x(), at.y(), form_.clientWidth(),
                                        form_.clientHeight(), width(), height());
        app_.program().platform().zoomChanged();
    });
}

void Canvas::wheelEvent(QWheelEvent* e) {
    if (!zoomable() || !(e->modifiers() & Qt::ControlModifier)) {
        e->ignore();
        return;
    }
    // One notch of a wheel is 120; a touchpad sends smaller steps more often.
    const double notches = e->angleDelta().y() / 120.0;
    if (notches == 0) return;
    zoomAbout(app_.program().zoom().factor() * std::pow(scene::Zoom::kStep, notches),
              e->position());
}

bool Canvas::event(QEvent* e) {
    if (zoomable() && e->type() == QEvent::NativeGesture) {
        auto* g = static_cast<QNativeGestureEvent*>(e);
        if (g->gestureType() == Qt::ZoomNativeGesture) {
            zoomAbout(app_.program().zoom().factor() * (1 + g->value()), g->position());
            return true;
        }
    }
    if (zoomable() && e->type() == QEvent::Gesture) {
        auto* ge = static_cast<QGestureEvent*>(e);
        if (auto* pinch = static_cast<QPinchGesture*>(ge->gesture(Qt::PinchGesture))) {
            if (pinch->changeFlags() & QPinchGesture::ScaleFactorChanged)
                zoomAbout(app_.program().zoom().factor() * pinch->scaleFactor(),
                          mapFromGlobal(pinch->centerPoint()));
            ge->accept(pinch);
            return true;
        }
    }
    return QWidget::event(e);
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
    syncFocus();
    reader_->update(form_, widgets_);
}

void Canvas::syncFocus() {
    // Only where the lesson moved the focus since: in between, the keyboard stays where the
    // user put it. Not while a menu is open, which has the keyboard then.
    Control* focus = form_.focused();
    if (!focus || focus == focusApplied_ || !window()->isActiveWindow() ||
        QApplication::activePopupWidget())
        return;
    auto it = widgets_.find(focus);
    if (it == widgets_.end() || !it->second->isVisible()) return;
    focusApplied_ = focus;
    if (!it->second->hasFocus()) it->second->setFocus(Qt::OtherFocusReason);
}

void Canvas::showEvent(QShowEvent*) {
    // A page shown again starts with the keyboard where it started the first time.
    focusApplied_ = nullptr;
    if (QWidget* w = window()->focusWidget()) w->clearFocus();
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

void Canvas::resizeEvent(QResizeEvent*) {
    sync();
    if (timeline_) timeline_->place();
}

void Canvas::showTimeline() {
    if (timeline_) timeline_->wake();
}

// A hidden page keeps its segments in the scene, not a screen-sized image of them: walking
// through a course would otherwise hold one such image per page it has passed.
void Canvas::hideEvent(QHideEvent*) { segments_ = SegmentLayer{}; }

bool Canvas::openNumberedLink(const QString& key) {
    if (key.size() != 1 || !key[0].isDigit()) return false;
    const std::string prefix = key.toStdString() + ".";
    for (auto& [c, w] : widgets_) {
        if (c->kind() != Kind::Label || !c->Visible) continue;
        auto* link = static_cast<scene::Label*>(c);
        if (!link->Caption.get().starts_with(prefix)) continue;
        app_.dispatch([this, link] { app_.program().click(*link); });
        return true;
    }
    return false;
}

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
    if (zoomable() && app_.program().zoom().magnified()) {
        // A drag moves the magnified scene; a press released where it began stays a click.
        press_ = e->position();
        dragging_ = false;
        return;
    }
    if (auto* l = linkAt(e->position())) app_.dispatch([this, l] { app_.program().click(*l); });
}

void Canvas::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || !press_) return;
    const bool click = !dragging_;
    press_.reset();
    dragging_ = false;
    unsetCursor();
    if (!click) return;
    if (auto* l = linkAt(e->position())) app_.dispatch([this, l] { app_.program().click(*l); });
}

void Canvas::mouseMoveEvent(QMouseEvent* e) {
    if (!app_.pointerPlacedAt(e->globalPosition().toPoint())) showTimeline();
    if (press_ && (e->buttons() & Qt::LeftButton)) {
        const QPointF delta = e->position() - *press_;
        if (!dragging_ && delta.manhattanLength() < QApplication::startDragDistance()) return;
        dragging_ = true;
        press_ = e->position();
        setCursor(Qt::ClosedHandCursor);
        app_.dispatch([this, delta] {
            app_.program().zoom().panBy(delta.x(), delta.y(), form_.clientWidth(),
                                        form_.clientHeight(), width(), height());
            app_.program().platform().zoomChanged();
        });
        return;
    }
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
            titles_[item.get()] = menu;
            continue;
        }
        if (!menu) menu = menuBar()->addMenu(translate("Navigation", "&Navigation"));
        QAction* a = menu->addAction(qtext(item->caption));
        a->setCheckable(item->checkable);
        if (!item->shortcut.empty()) {
            QList<QKeySequence> keys{QKeySequence(qtext(item->shortcut))};
            for (auto& k : item->otherShortcuts) keys << QKeySequence(qtext(k));
            a->setShortcuts(keys);
            a->setShortcutContext(Qt::WindowShortcut);
        }
        scene::MenuItem* m = item.get();
        // The timeline's own keys show it, so that the teacher sees where they went.
        const bool onTimeline = m->name() == "back" || m->name() == "forward" ||
                                m->name() == "prevstage" || m->name() == "nextstage";
        connect(a, &QAction::triggered, this, [this, m, onTimeline] {
            if (onTimeline) canvas_->showTimeline();
            app_.dispatch([this, m] { app_.program().menu(*m); });
        });
        actions_[m] = a;
    }
    if (form.menu().empty()) {
        menuBar()->hide();
    } else {
        addLanguageMenu();
        // The keyboard's way into the menu, also where its title has no Alt mnemonic.
        auto* openMenu = new QAction(this);
        openMenu->setShortcut(Qt::Key_F10);
        openMenu->setShortcutContext(Qt::WindowShortcut);
        connect(openMenu, &QAction::triggered, this,
                [this] { menuBar()->setActiveAction(menuBar()->actions().value(0)); });
        addAction(openMenu);
        badge_ = new QLabel(menuBar());
        badge_->setContentsMargins(8, 0, 8, 0);
        badge_->setStyleSheet(QStringLiteral("font-weight: bold"));
        menuBar()->setCornerWidget(badge_, Qt::TopRightCorner);
        syncMenus();
    }
    canvas_ = new Canvas(app, form, this);
    setCentralWidget(canvas_);
    if (!form.maximized()) {
        // A small window is a dialog: no minimising or maximising, and its text as large as
        // the pages' text on this screen.
        setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowCloseButtonHint);
        const double scale = dialogScale(screen()->availableGeometry().size());
        const QSize size(int(std::lround(form.clientWidth() / 15.0 * scale)),
                         int(std::lround(form.clientHeight() / 15.0 * scale)));
        canvas_->setFixedSize(size);
        setFixedSize(sizeHint());
    } else {
        resize(1024, 768);
    }
}

double FormWindow::dialogScale(QSize screen) {
    // The pages fill the screen, laid out for one of 800 x 600.
    return std::max(1.0, std::min(screen.width() / 800.0, screen.height() / 600.0));
}

void FormWindow::keyPressEvent(QKeyEvent* e) {
    const int key = e->key();
    // Escape leaves full screen, as F11 does.
    if (key == Qt::Key_Escape && e->modifiers() == Qt::NoModifier && isFullScreen()) {
        app_.dispatch([this] { app_.program().platform().toggleFullScreen(form_); });
        return;
    }
    if (!form_.maximized() &&
        (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        close();  // as every dialog closes
        return;
    }
    if (e->modifiers() == Qt::NoModifier && canvas_->openNumberedLink(e->text())) return;
    QMainWindow::keyPressEvent(e);
}

bool FormWindow::isMenuShortcut(const QKeyEvent* e) const {
    // Plain keys are the text box's, but for the function keys and Pause.
    const int key = e->key();
    const bool bare = (key >= Qt::Key_F1 && key <= Qt::Key_F35) || key == Qt::Key_Pause;
    if (!(e->modifiers() & Qt::ControlModifier) && !bare) return false;
    // Ctrl++ arrives with Shift on most keyboards: the shifted symbol is the key.
    const QKeySequence seq(e->keyCombination()),
        unshifted(QKeyCombination(e->modifiers() & ~Qt::ShiftModifier, Qt::Key(key)));
    for (auto& [m, a] : actions_)
        for (const QKeySequence& k : a->shortcuts())
            if (k == seq || ((key < Qt::Key_A || key > Qt::Key_Z) && k == unshifted)) return true;
    return false;
}

QString playbackBadge(const scene::Program& p) {
    return QString::fromStdString(shell::playbackBadge(p));
}

void FormWindow::syncMenus() {
    for (auto& [m, a] : actions_) {
        if (a->isEnabled() != bool(m->Enabled)) a->setEnabled(m->Enabled);
        if (const QString t = qtext(m->caption); a->text() != t) a->setText(t);
        if (a->isCheckable() && a->isChecked() != m->checked) a->setChecked(m->checked);
    }
    if (!badge_) return;
    const QString text = playbackBadge(app_.program());
    if (badge_->text() != text) badge_->setText(text);
    badge_->setVisible(!text.isEmpty());
}

void FormWindow::addLanguageMenu() {
    // Each language in its own name, so that a student finds theirs whatever is shown now.
    languageMenu_ = menuBar()->addMenu(translate("Language menu", "&Language"));
    auto* group = new QActionGroup(languageMenu_);
    for (const scene::Language& l : scene::languages()) {
        QAction* a = languageMenu_->addAction(QString::fromUtf8(l.name.data(), l.name.size()));
        a->setCheckable(true);
        a->setActionGroup(group);
        const std::string code(l.code);
        a->setData(QString::fromStdString(code));
        a->setChecked(code == scene::language());
        connect(a, &QAction::triggered, this, [this, code] { app_.chooseLanguage(code); });
    }
}

void FormWindow::languageChanged() {
    setWindowTitle(qtext(form_.caption()));
    for (auto& [item, menu] : titles_) menu->setTitle(qtext(item->caption));
    if (languageMenu_) {
        languageMenu_->setTitle(translate("Language menu", "&Language"));
        for (QAction* a : languageMenu_->actions())
            a->setChecked(a->data().toString().toStdString() == scene::language());
    }
    syncMenus();
}

QList<QAction*> FormWindow::menuActions() const {
    QList<QAction*> out;
    for (auto& [m, a] : actions_) out << a;
    return out;
}

void FormWindow::sync() {
    syncMenus();
    canvas_->sync();
}

void FormWindow::present() {
    sync();
    canvas_->repaint();
}

void FormWindow::releaseNative() {
    if (isVisible() || !testAttribute(Qt::WA_WState_Created)) return;
    // The native window made when it is shown again starts in no state. Were the widget still
    // to hold the state it had, showing it maximised would change nothing, and it would be
    // mapped as a normal window where the maximised one was.
    setWindowState(Qt::WindowNoState);
    destroy();
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
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) {
        canvas_->syncFocus();
        app_.userActivated(*this);
    }
}

}  // namespace desktop
