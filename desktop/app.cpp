#include "desktop/app.h"

#include <QApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QUrl>
#include <cmath>

#include "app/registry.h"
#include "desktop/beep.h"
#include "desktop/formwindow.h"
#include "scene/pointer.h"

namespace desktop {

// Window-system activations that echo the program's own Show and Hide arrive a little later;
// within this time they are not taken for the user's.
constexpr double kActivationEchoMs = 400;

App::App() {
    clock_.start();
    program_ = std::make_unique<scene::Program>(*this);
    app::registerForms(*program_);
    ticker_.setSingleShot(true);
    ticker_.setTimerType(Qt::PreciseTimer);
    connect(&ticker_, &QTimer::timeout, this,
            [this] { dispatch([this] { program_->fireDueTimers(); }); });
    drawPointer_ = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

App::~App() { windows_.clear(); }

void App::start() {
    // A lesson may be opened directly, for measuring it; a name the program lacks is ignored.
    std::string first = app::kStartForm;
    if (program_->exists(measuring_.startForm())) first = measuring_.startForm();
    dispatch([this, first] { program_->start(first); });
}

void App::dispatch(const std::function<void()>& f) {
    f();
    if (!program_->busy()) {
        syncAll();
        reschedule();
        // From the event loop itself, so that no event of a window being released is still
        // being handled further up the stack.
        if (releasePending_) QTimer::singleShot(0, this, [this] { releaseHidden(); });
    }
}

void App::releaseHidden() {
    if (program_->busy() || program_->ended() || !releasePending_)
        return;  // retried after the handler
    releasePending_ = false;
    for (auto& [form, w] : windows_)
        if (!form->visible()) w->releaseNative();
}

void App::syncAll() {
    for (auto& [form, w] : windows_)
        if (form->visible()) w->sync();
}

void App::reschedule() {
    auto due = program_->nextDue();
    if (!due || program_->ended()) {
        ticker_.stop();
        return;
    }
    double wait = std::max(0.0, *due - now());
    ticker_.start(int(std::ceil(wait)));
}

FormWindow* App::window(scene::Form& f) {
    auto it = windows_.find(&f);
    if (it != windows_.end()) return it->second.get();
    auto w = std::make_unique<FormWindow>(*this, f);
    auto* raw = w.get();
    windows_[&f] = std::move(w);
    return raw;
}

void App::userActivated(FormWindow& w) {
    if (now() < ignoreActivationUntil_ || inMessageBox_ || !w.form().visible()) return;
    if (program_->active() == &w.form()) return;
    dispatch([this, &w] { program_->windowActivated(w.form()); });
}

double App::now() { return double(clock_.nsecsElapsed()) / 1e6; }

void App::beep(int hz, double ms) {
    const int wallMs = int(std::lround(ms));
    measuring_.beep(now(), wallMs);
    desktop::beep(hz, wallMs);
}

void App::setCursorPos(int px, int py) {
    scene::Form* f = program_->active();
    if (!f) return;
    FormWindow* w = window(*f);
    auto tw = scene::classicClientPoint(px, py, twipsPerPixelX());
    if (drawPointer_) {
        w->canvas()->setPointer(QPointF(tw.x, tw.y));
        return;
    }
    cursor_.form = f;
    cursor_.at = now();
    placeCursor(*w, QPointF(tw.x, tw.y));
}

void App::placeCursor(FormWindow& w, QPointF twips) {
    QPointF local = w.canvas()->fit().toPx(twips.x(), twips.y());
    QPoint global = w.canvas()->mapToGlobal(local.toPoint());
    QCursor::setPos(w.screen(), global);
    cursor_.twips = twips;
    cursor_.global = global;
}

void App::placed(FormWindow& w) {
    // Only shortly after the request: a window moved much later has no pointer to bring along.
    constexpr double kSettleMs = 2000;
    if (drawPointer_ || cursor_.form != &w.form() || now() - cursor_.at > kSettleMs) return;
    if (QCursor::pos(w.screen()) != cursor_.global) {
        cursor_.form = nullptr;  // the user has taken the pointer
        return;
    }
    placeCursor(w, cursor_.twips);
}

void App::messageBox(const std::string& text) {
    scene::Form* f = program_->active();
    QWidget* parent = f ? window(*f) : nullptr;
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Orbelune"), QString::fromStdString(text),
                    QMessageBox::Ok, parent);
    box.setWindowIcon(saucerIcon());
    inMessageBox_ = true;
    const double opened = now();
    box.exec();
    inMessageBox_ = false;
    measuring_.messageBox(opened, now());
    ignoreActivationUntil_ = now() + kActivationEchoMs;
}

bool App::openUrl(const std::string& url) {
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(url), QUrl::TolerantMode));
}

void App::end() {
    ticker_.stop();
    for (auto& [form, w] : windows_) w->hide();
    QCoreApplication::exit(0);
}

void App::frame(scene::Form& f) {
    // Show what the long handler has done so far, then let the window system in until the next
    // frame is due: the window repaints, and commands that leave the lesson can stop it.
    if (auto it = windows_.find(&f); it != windows_.end() && f.visible()) it->second->present();
    double next = lastFrame_ + scene::kFrameMs;
    double t = now();
    if (next < t - scene::kFrameMs) next = t;  // a late frame does not make the next ones rush
    if (next > t) {
        QEventLoop loop;
        QTimer::singleShot(int(std::ceil(next - t)), Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();
    } else {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    lastFrame_ = std::max(next, now() - 1);
}

void App::visibilityChanged(scene::Form& f) {
    FormWindow* w = window(f);
    ignoreActivationUntil_ = now() + kActivationEchoMs;
    if (f.visible()) {
        w->sync();
        if (f.maximized()) {
            w->showMaximized();
        } else {
            // A small window such as the About box opens over the middle of the lesson.
            if (!w->property("placed").toBool()) {
                scene::Form* under = program_->active();
                QRect area = under && under != &f ? window(*under)->frameGeometry()
                                                  : w->screen()->availableGeometry();
                w->move(area.center() - QPoint(w->width() / 2, w->height() / 2));
                w->setProperty("placed", true);
            }
            w->show();
        }
    } else {
        w->hide();
        releasePending_ = true;
    }
}

void App::activated(scene::Form& f) {
    FormWindow* w = window(f);
    ignoreActivationUntil_ = now() + kActivationEchoMs;
    w->raise();
    w->activateWindow();
}

void App::formChanged(scene::Form& f) {
    auto it = windows_.find(&f);
    if (it != windows_.end()) it->second->canvas()->update();
}

void App::handlerRan(scene::Form& f, const std::string& name, double start, double end) {
    measuring_.handler(start, end, f.name(), name);
}

void App::painted(scene::Form& f) {
    if (measuring_.painted(now(), f.name(), program_->busy()))
        QMetaObject::invokeMethod(
            qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

}  // namespace desktop
