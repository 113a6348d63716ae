#include "desktop/app.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QDesktopServices>
#include <QEventLoop>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>
#include <algorithm>
#include <cmath>

#include "app/registry.h"
#include "desktop/beep.h"
#include "desktop/formwindow.h"
#include "desktop/picture.h"
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

void App::start(const std::string& form, bool fullScreen) {
    fullScreen_ = fullScreen;
    // A lesson may also be opened directly for measuring it; a name the program lacks is ignored.
    std::string first = app::kStartForm;
    if (program_->exists(form))
        first = form;
    else if (program_->exists(measuring_.startForm()))
        first = measuring_.startForm();
    dispatch([this, first] { program_->start(first); });
}

void App::dispatch(const std::function<void()>& f) {
    f();
    // A handler held at its frame looks again whether it may go on.
    if (waiting_) waiting_->quit();
    followVisibility();
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
    // A pointer that is no longer where this page's run put it was moved by the user: the
    // demonstration leaves it to them and draws its own for the rest of the run.
    if (cursor_.form == f && QCursor::pos(w->screen()) != cursor_.global) userTookPointer(*f);
    if (drawPointer_ || pointerTaken_ == f) {
        w->canvas()->setPointer(QPointF(tw.x, tw.y));
        return;
    }
    // Where the magnified scene has the spot outside the window, the pointer is drawn into the
    // scene's edge instead; it comes back to the real one once its spot is shown again.
    const QPointF local = w->canvas()->fit().toPx(tw.x, tw.y);
    if (f->maximized() && program_->zoom().magnified() &&
        !w->canvas()->rect().contains(local.toPoint())) {
        const QRectF shown(w->canvas()->fit().toTwips(QPointF(0, 0)),
                           w->canvas()->fit().toTwips(
                               QPointF(w->canvas()->size().width(), w->canvas()->size().height())));
        w->canvas()->setPointer(QPointF(std::clamp(tw.x, shown.left(), shown.right() - 15),
                                        std::clamp(tw.y, shown.top(), shown.bottom() - 15)));
        return;
    }
    if (w->canvas()->pointer()) w->canvas()->setPointer(std::nullopt);
    cursor_.form = f;
    cursor_.at = now();
    placeCursor(*w, QPointF(tw.x, tw.y));
}

void App::zoomChanged() {
    for (auto& [form, w] : windows_)
        if (form->visible() && form->maximized()) {
            w->canvas()->sync();
            w->canvas()->update();
        }
}

void App::placeCursor(FormWindow& w, QPointF twips) {
    QPointF local = w.canvas()->fit().toPx(twips.x(), twips.y());
    QCursor::setPos(w.screen(), w.canvas()->mapToGlobal(local.toPoint()));
    cursor_.twips = twips;
    cursor_.global = QCursor::pos(w.screen());  // where it landed: the screen's edge may stop it
}

void App::userTookPointer(scene::Form& f) {
    pointerTaken_ = &f;
    cursor_.form = nullptr;
}

void App::placed(FormWindow& w) {
    // Only shortly after the request: a window moved much later has no pointer to bring along.
    constexpr double kSettleMs = 2000;
    if (drawPointer_ || cursor_.form != &w.form() || now() - cursor_.at > kSettleMs) return;
    if (QCursor::pos(w.screen()) != cursor_.global) {
        userTookPointer(w.form());
        w.canvas()->setPointer(cursor_.twips);
        return;
    }
    placeCursor(w, cursor_.twips);
}

void App::messageBox(const std::string& text) {
    scene::Form* f = program_->active();
    if (f) showWindow(*f);
    QWidget* parent = f ? window(*f) : nullptr;
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Orbelune"), QString::fromStdString(text),
                    QMessageBox::Ok, parent);
    box.setWindowIcon(saucerIcon());
    // Its text as large as the page's own text of the same size, so that the class reads it.
    const double scale = f ? sceneScale(*f) : 1.0;
    QFont font = box.font();
    const double px = font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * 96.0 / 72.0;
    font.setPixelSize(std::max(1, int(std::lround(px * scale))));
    box.setFont(font);
    keepTitleReadable(box);
    inMessageBox_ = true;
    const double opened = now();
    box.exec();
    inMessageBox_ = false;
    measuring_.messageBox(opened, now());
    ignoreActivationUntil_ = now() + kActivationEchoMs;
}

double App::sceneScale(scene::Form& f) {
    FormWindow* w = window(f);
    if (!f.maximized()) return FormWindow::dialogScale(w->screen()->availableGeometry().size());
    return std::max(1.0, fitScene(f, w->canvas()->size()).scale);
}

void App::keepTitleReadable(QMessageBox& box) {
    // A short text ("6 hours passed") makes a box too narrow for its title beside the window's
    // icon and buttons: it is widened to the title and room for them and their spacing.
    QFont bold = box.font();
    bold.setBold(true);
    const QFontMetrics fm(bold);
    const int wide = fm.horizontalAdvance(box.windowTitle()) + 8 * fm.height();
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(wide, 0, QSizePolicy::Fixed, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
}

bool App::openUrl(const std::string& url) {
    const QUrl u(QString::fromStdString(url), QUrl::TolerantMode);
    // Qt starts the desktop's launcher without waiting for its answer; asked directly, the
    // launcher says whether a program took the link. Without one, Qt knows the desktop's way
    // (a portal, a handler set for the scheme).
    const QString launcher = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    return launcher.isEmpty() ? QDesktopServices::openUrl(u) : launch(launcher, u);
}

bool App::launch(const QString& launcher, const QUrl& url) {
    // The launcher answers at once when nothing takes the link; one still running after this
    // has handed it over, and may well wait for the mail program to end.
    constexpr int kAnswerMs = 2000;
    auto* p = new QProcess;
    p->setProcessChannelMode(QProcess::ForwardedChannels);
    QEventLoop answer;
    connect(p, &QProcess::finished, &answer, &QEventLoop::quit);
    connect(p, &QProcess::errorOccurred, &answer, &QEventLoop::quit);
    QTimer::singleShot(kAnswerMs, &answer, &QEventLoop::quit);
    p->start(launcher, {QString::fromUtf8(url.toEncoded())});
    if (p->state() != QProcess::NotRunning) answer.exec();
    if (p->state() != QProcess::NotRunning) {
        // Not owned by the program: ending the program must not end the mail program with it.
        connect(p, &QProcess::finished, p, &QObject::deleteLater);
        return true;
    }
    const bool taken = p->error() == QProcess::UnknownError &&
                       p->exitStatus() == QProcess::NormalExit && p->exitCode() == 0;
    delete p;
    return taken;
}

void App::end() {
    ticker_.stop();
    for (auto& [form, w] : windows_) w->hide();
    QCoreApplication::exit(0);
}

void App::frame(scene::Form& f) {
    // Show what the long handler has done so far, then let the window system in until the next
    // frame is due on the program clock: the window repaints, the teacher's controls act, and
    // commands that leave the lesson can stop it.
    const auto due = pacer_.next(*program_);
    if (!due) return;
    followVisibility();
    if (auto it = windows_.find(&f); it != windows_.end() && f.visible()) it->second->present();
    if (!program_->holdUntil(*due)) QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    pacer_.held(*program_, *due);
}

bool App::waitUntil(std::optional<double> wall) {
    QEventLoop loop;
    if (wall) {
        const double ms = *wall - now();
        if (ms <= 0) return true;
        QTimer::singleShot(int(std::ceil(ms)), Qt::PreciseTimer, &loop, &QEventLoop::quit);
    }
    QEventLoop* outer = waiting_;
    waiting_ = &loop;
    loop.exec();
    waiting_ = outer;
    return true;
}

void App::playbackChanged() {
    // Also while a handler is held: the badge and the Pause item show at once.
    for (auto& [form, w] : windows_)
        if (form->visible()) w->syncMenus();
}

void App::toggleFullScreen(scene::Form&) {
    // For every page from now on, as the command line's --fullscreen.
    fullScreen_ = !fullScreen_;
    for (auto& [form, w] : windows_) {
        if (!form->visible() || !form->maximized() || !w->isVisible()) continue;
        if (fullScreen_)
            w->showFullScreen();
        else
            w->showMaximized();
    }
}

void App::savePicture(scene::Form& f) {
    FormWindow* w = window(f);
    savePictureAs(scenePicture(f, w->canvas()->size()), w->windowTitle(), w);
}

void App::copyPicture(scene::Form& f) {
    QGuiApplication::clipboard()->setImage(scenePicture(f, window(f)->canvas()->size()));
}

void App::visibilityChanged(scene::Form& f) {
    // The page's run ends (or starts again, as Replay does): its demonstration has the real
    // pointer again, and what it drew of one goes.
    if (pointerTaken_ == &f) pointerTaken_ = nullptr;
    if (cursor_.form == &f) cursor_ = {};
    window(f)->canvas()->setPointer(std::nullopt);
    ignoreActivationUntil_ = now() + kActivationEchoMs;
    // The windows follow once the command has done its work: a page that Replay hides and
    // shows again keeps its window as it is, where unmapping and mapping it anew could come
    // back from the window manager no longer maximised.
    windowsDue_ = true;
}

void App::followVisibility() {
    if (!windowsDue_) return;
    windowsDue_ = false;
    // Shown before hidden, so that the desktop always has one of the program's pages to show.
    for (auto& [form, w] : windows_) showWindow(*form);
    for (auto& [form, w] : windows_)
        if (!form->visible() && w->isVisible()) {
            w->hide();
            releasePending_ = true;
        }
}

void App::showWindow(scene::Form& f) {
    FormWindow& w = *window(f);
    if (!f.visible() || w.isVisible()) return;
    w.sync();
    if (f.maximized() && fullScreen_) {
        w.showFullScreen();
        return;
    }
    if (f.maximized()) {
        w.showMaximized();
        return;
    }
    // A small window such as the About box opens over the middle of the page beneath it.
    if (!w.property("placed").toBool()) {
        QRect area = w.screen()->availableGeometry();
        for (scene::Form* under : program_->visibleForms())
            if (under != &f && under->maximized()) area = window(*under)->frameGeometry();
        w.move(area.center() - QPoint(w.width() / 2, w.height() / 2));
        w.setProperty("placed", true);
    }
    w.show();
}

void App::activated(scene::Form& f) {
    // Only this window: one that the same command hides and shows again (Replay while the
    // About box is open) stays as it is.
    showWindow(f);
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

void App::typed(scene::TextBox& box, const std::string& text) {
    measuring_.typed(now(), box.form().name(), box.fullName(), text);
    Host::typed(box, text);
}

void App::painted(scene::Form& f) {
    if (measuring_.painted(now(), f.name(), program_->busy()))
        QMetaObject::invokeMethod(
            qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

}  // namespace desktop
