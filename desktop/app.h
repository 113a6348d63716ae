#pragma once
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "desktop/formwindow.h"
#include "desktop/measuring.h"
#include "scene/platform.h"
#include "scene/program.h"

namespace desktop {

// The desktop machine under the runtime: real windows, real time, the real speaker, pointer
// and mail handler. One per program run.
class App : public QObject, public scene::Platform, public Host {
public:
    App();
    ~App() override;

    scene::Program& program() override { return *program_; }
    // Shows the main menu, or the form named (from the command line); pages that open maximised
    // open full screen instead when asked.
    // `projector` draws in projector colours for this run, whatever the View menu last chose.
    void start(const std::string& form = {}, bool fullScreen = false, bool projector = false);

    // Runs an input's effect on the program, then brings the windows and the timer up to date.
    void dispatch(const std::function<void()>& f) override;
    // The user brought a window to the front (not the echo of one the program raised itself).
    void userActivated(FormWindow& w) override;
    FormWindow* window(scene::Form& f);  // created on first use

    // scene::Platform
    double now() override;
    void beep(int hz, double ms) override;
    void setCursorPos(int px, int py) override;
    void openMessageBox(scene::Form& over, const std::string& text) override;
    void closeMessageBox() override;
    bool openUrl(const std::string& url) override;
    void end() override;
    void frame(scene::Form&) override;
    bool waitUntil(std::optional<double> wall) override;
    void playbackChanged() override;
    void colorSchemeChanged() override;
    void languageChanged() override;
    void chooseLanguage(const std::string& code) override;
    void toggleFullScreen(scene::Form&) override;
    void savePicture(scene::Form&) override;
    void copyPicture(scene::Form&) override;
    void zoomChanged() override;
    void visibilityChanged(scene::Form&) override;
    void activated(scene::Form&) override;
    void formChanged(scene::Form&) override;
    void handlerRan(scene::Form&, const std::string& name, double start, double end) override;
    void painted(scene::Form&) override;
    void placed(FormWindow&) override;
    void typed(scene::TextBox& box, const std::string& text) override;
    bool pointerPlacedAt(QPoint global) const override {
        return cursor_.form && global == cursor_.global;
    }
    void sought(scene::Form&) override;

    // Where the pointer could not be moved (Wayland), it is drawn into the scene instead; so it
    // is for the rest of a page's run once the user has moved the real one.
    bool drawsPointer(const scene::Form& f) const { return drawPointer_ || pointerTaken_ == &f; }

private:
    void syncAll();
    void reschedule();
    void releaseHidden();
    static void keepTitleReadable(QMessageBox& box);
    // The pages' scale as a form's window shows it: fitted, not magnified.
    double sceneScale(scene::Form& f);
    bool launch(const QString& launcher, const QUrl& url);  // true when a program took the link
    void followVisibility();  // the windows shown and hidden as their forms are
    void showWindow(scene::Form& f);
    void hideGoneWindows();
    scene::Form* shownPage() const;

    std::unique_ptr<scene::Program> program_;
    std::map<scene::Form*, std::unique_ptr<FormWindow>> windows_;
    QElapsedTimer clock_;
    QTimer ticker_;
    scene::FramePacer pacer_;
    QEventLoop* waiting_ = nullptr;  // a held handler's wait, which every input ends
    double ignoreActivationUntil_ = 0;
    bool drawPointer_ = false;
    bool fullScreen_ = false;
    bool rememberScheme_ = true;  // a choice in the View menu is kept for the next run
    bool inMessageBox_ = false;
    QPointer<QMessageBox> messageBox_;
    double messageOpened_ = 0;
    bool windowsDue_ = false;      // a form was shown or hidden since the windows followed
    bool releasePending_ = false;  // a window was hidden: give back its buffers when idle
    // Where a lesson last put the pointer. A lesson often does so while its window is still
    // being maximised; the point is mapped again when the window settles, unless the user has
    // moved the pointer since.
    struct CursorRequest {
        scene::Form* form = nullptr;
        QPointF twips;
        QPoint global;
        double at = 0;
    };
    CursorRequest cursor_;
    scene::Form* pointerTaken_ = nullptr;  // the page whose run the user took the pointer from
    scene::Form* page_ = nullptr;          // the maximised form activated last
    void placeCursor(FormWindow& w, QPointF twips);
    void userTookPointer(scene::Form& f);
    Measuring measuring_;
};

}  // namespace desktop
