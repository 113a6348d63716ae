#pragma once
#include <QMainWindow>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "desktop/accessible.h"
#include "desktop/host.h"
#include "desktop/look.h"
#include "desktop/scenepaint.h"
#include "scene/form.h"
#include "scene/program.h"

class QAction;
class QLabel;

namespace desktop {

class TimelineBar;

// The scene of one form, scaled to fit, with its text boxes, check boxes and buttons as real
// widgets above it, and a keyboard frame over each clickable label.
class Canvas : public QWidget {
public:
    Canvas(Host& app, scene::Form& form, QWidget* parent);
    // Fitted to the canvas, and for a page magnified as the program's zoom says.
    Fit fit() const;
    void sync();  // model -> widgets
    void syncFocus();
    // A number key opens the clickable label numbered so ("1. Gravity"); false if none is.
    bool openNumberedLink(const QString& key);
    void setPointer(std::optional<QPointF> twips);
    std::optional<QPointF> pointer() const { return pointer_; }  // the drawn one, in twips
    // The timeline bar of a page with a script (nullptr without one), shown for a while.
    TimelineBar* timeline() const { return timeline_; }
    void showTimeline();
    // What a screen reader finds on the page and hears announced.
    CanvasReader& reader() { return *reader_; }
    void readAgain() { reader_->update(form_, widgets_); }

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void wheelEvent(QWheelEvent*) override;
    bool event(QEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void hideEvent(QHideEvent*) override;
    void showEvent(QShowEvent*) override;

private:
    scene::Label* linkAt(QPointF pos) const;
    bool zoomable() const;
    void zoomAbout(double factor, QPointF at);
    void setTabOrder();
    Host& app_;
    scene::Form& form_;
    SegmentLayer segments_;
    std::map<scene::Control*, QWidget*> widgets_;
    std::optional<QPointF> pointer_;
    scene::Control* focusApplied_ = nullptr;  // the model's focus, last given to its widget
    // A press on the magnified scene: where it was, and whether it has become a drag since.
    std::optional<QPointF> press_;
    bool dragging_ = false;
    TimelineBar* timeline_ = nullptr;
    std::unique_ptr<CanvasReader> reader_;
};

class FormWindow : public QMainWindow {
public:
    FormWindow(Host& app, scene::Form& form);
    scene::Form& form() const { return form_; }
    Canvas* canvas() const { return canvas_; }
    void sync();       // model -> window: caption, menu states, widgets
    void syncMenus();  // menu captions and states, and the playback badge
    // The language changed: the title, the menus' titles and the Language menu's tick.
    void languageChanged();
    void present();  // sync and repaint now
    // The menu's commands with their shortcuts, for a message box over the page to offer too.
    QList<QAction*> menuActions() const;
    // A hidden window gives back its native window and backing store (a screen-sized buffer
    // each); showing it again makes new ones. Not while one of its events is being handled.
    void releaseNative();
    // Keeps a focused text box from taking the menu's shortcuts for itself.
    bool isMenuShortcut(const QKeyEvent* e) const;
    // How much larger than designed a small window (the About box) is on a screen this size.
    static double dialogScale(QSize screen);

protected:
    void closeEvent(QCloseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    void changeEvent(QEvent*) override;
    void moveEvent(QMoveEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    Host& app_;
    scene::Form& form_;
    Canvas* canvas_;
    std::map<scene::MenuItem*, QAction*> actions_;
    std::map<scene::MenuItem*, QMenu*> titles_;  // the menus on the bar, by their title item
    QMenu* languageMenu_ = nullptr;
    void addLanguageMenu();
    QLabel* badge_ = nullptr;  // "Paused", "2×": in the menu bar's right-hand corner
};

// What the badge says: the pause, else a speed other than normal; "" at normal speed.
QString playbackBadge(const scene::Program& p);

}  // namespace desktop
