#include "desktop/app.h"

#include <QAbstractButton>
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
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>
#include <algorithm>
#include <cmath>

#include "app/registry.h"
#include "desktop/beep.h"
#include "desktop/formwindow.h"
#include "desktop/picture.h"
#include "desktop/words.h"
#include "scene/pointer.h"

namespace desktop {

// Window-system activations that echo the program's own Show and Hide arrive a little later;
// within this time they are not taken for the user's.
constexpr double kActivationEchoMs = 400;

// Where the View menu's Projector Colours is kept between runs.
static const QString kProjectorKey = QStringLiteral("view/projectorColours");

App::App() {
    clock_.start();
    program_ = std::make_unique<scene::Program>(*this);
    app::registerForms(*program_);
    ticker_.setSingleShot(true);
    ticker_.setTimerType(Qt::PreciseTimer);
    connect(&ticker_, &QTimer::timeout, this,
            [this] { dispatch([this] { program_->fireDueTimers(); }); });
    drawPointer_ = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    rememberScheme_ = false;
    if (QSettings().value(kProjectorKey, false).toBool())
        program_->setColorScheme(scene::ColorScheme::Projector);
    rememberScheme_ = true;
}

App::~App() { windows_.clear(); }

void App::start(const std::string& form, bool fullScreen, bool projector) {
    fullScreen_ = fullScreen;
    useQtWords(scene::language());
    if (projector) {
        rememberScheme_ = false;
        program_->setColorScheme(scene::ColorScheme::Projector);
        rememberScheme_ = true;
    }
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

void App::openMessageBox(scene::Form& over, const std::string& text) {
    closeMessageBox();
    scene::Form* f = over.visible() ? &over : program_->active();
    if (f) showWindow(*f);
    FormWindow* page = f ? window(*f) : nullptr;
    auto* box = new QMessageBox(QMessageBox::NoIcon, QStringLiteral("Orbelune"),
                                QString::fromStdString(text), QMessageBox::Ok, page);
    // Above its page but not modal: the page's Navigation and Lessons menus stay open to the
    // teacher, and the page's shortcuts work from the box too (Ctrl+Space pauses, it does not
    // press OK; Space and Enter do).
    box->setWindowModality(Qt::NonModal);
    if (QAbstractButton* ok = box->button(QMessageBox::Ok))
        ok->setText(translate("Message box", "OK"));
    if (page) box->addActions(page->menuActions());
    box->setWindowIcon(saucerIcon());
    // Its text as large as the page's own text of the same size, so that the class reads it.
    const double scale = f ? sceneScale(*f) : 1.0;
    QFont font = box->font();
    const double px = font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * 96.0 / 72.0;
    font.setPixelSize(std::max(1, int(std::lround(px * scale))));
    box->setFont(font);
    keepTitleReadable(*box);
    connect(box, &QDialog::finished, this,
            [this] { dispatch([this] { program_->messageAnswered(); }); });
    messageBox_ = box;
    inMessageBox_ = true;
    if (page) page->canvas()->reader().announce(QString::fromStdString(text));
    messageOpened_ = now();
    box->show();
    box->raise();
    box->activateWindow();
}

void App::closeMessageBox() {
    QMessageBox* box = messageBox_;
    messageBox_ = nullptr;
    if (!box) return;
    // Closed by the program (the time is up, the page is left): that is no answer.
    disconnect(box, nullptr, this, nullptr);
    box->hide();
    box->deleteLater();  // it may be inside its own signal still
    inMessageBox_ = false;
    measuring_.messageBox(messageOpened_, now());
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

void App::colorSchemeChanged() {
    if (rememberScheme_)
        QSettings().setValue(kProjectorKey,
                             program_->colorScheme() == scene::ColorScheme::Projector);
    for (auto& [form, w] : windows_) {
        if (!form->visible()) continue;
        w->sync();
        w->canvas()->update();
        for (QWidget* child : w->canvas()->findChildren<QWidget*>()) child->update();
    }
}

void App::chooseLanguage(const std::string& code) {
    if (code == scene::language()) return;
    rememberLanguage(code);
    dispatch([this, code] { program_->setLanguage(code, compiledCatalogue(code)); });
}

void App::languageChanged() {
    useQtWords(scene::language());
    for (auto& [form, w] : windows_) {
        w->canvas()->reader().restart();  // the page's words are new, not its news
        w->languageChanged();
    }
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

scene::Form* App::shownPage() const {
    // A command that goes to another page shows that page (and runs its activation, which may
    // draw for seconds) before it hides the one it leaves: the page left is still visible to
    // the program meanwhile, but no longer on the screen.
    return page_ && page_->visible() ? page_ : nullptr;
}

void App::followVisibility() {
    if (!windowsDue_) return;
    windowsDue_ = false;
    // Shown before hidden, so that the desktop always has one of the program's pages to show.
    const scene::Form* page = shownPage();
    for (auto& [form, w] : windows_)
        if (!page || form == page || !form->maximized()) showWindow(*form);
    hideGoneWindows();
}

void App::hideGoneWindows() {
    const scene::Form* page = shownPage();
    for (auto& [form, w] : windows_) {
        const bool gone = !form->visible() || (page && form->maximized() && form != page);
        if (gone && w->isVisible()) {
            w->hide();
            releasePending_ = true;
        }
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
        if (scene::Form* under = shownPage(); under && under != &f)
            area = window(*under)->frameGeometry();
        w.move(area.center() - QPoint(w.width() / 2, w.height() / 2));
        w.setProperty("placed", true);
    }
    w.show();
}

void App::activated(scene::Form& f) {
    // Only this window: one that the same command hides and shows again (Replay while the
    // About box is open) stays as it is. A page activated is the one page on the screen from
    // now on: the page a command leaves goes as soon as the new one is there, before the new
    // one's activation draws its first frame.
    showWindow(f);
    if (f.maximized()) {
        page_ = &f;
        hideGoneWindows();
    }
    FormWindow* w = window(f);
    ignoreActivationUntil_ = now() + kActivationEchoMs;
    w->raise();
    w->activateWindow();
}

void App::sought(scene::Form& f) {
    // The page is at another moment: its widgets follow and it is drawn anew at once, also when
    // the seek lands inside a flight that goes on from there.
    if (auto it = windows_.find(&f); it != windows_.end() && f.visible()) {
        it->second->canvas()->reader().restart();  // what the new moment shows is not news
        it->second->sync();
        it->second->canvas()->update();
    }
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
