#pragma once
#include <QPoint>
#include <QtGlobal>
#include <functional>
#include <string>

#include "scene/form.h"
#include "scene/program.h"

namespace desktop {

class FormWindow;

// What the windows need from the program they show: the desktop app, or the PNG renderer.
class Host {
public:
    virtual ~Host() = default;
    virtual scene::Program& program() = 0;
    // Runs an input's effect on the program, then brings the windows up to date.
    virtual void dispatch(const std::function<void()>& f) = 0;
    // The user brought a window to the front.
    virtual void userActivated(FormWindow&) {}
    // A form's canvas has just been painted (a frame presented).
    virtual void painted(scene::Form&) {}
    // A window's canvas moved or changed size on the screen.
    virtual void placed(FormWindow&) {}
    // The user chose a language in the Language menu ("en", "de", ...).
    virtual void chooseLanguage(const std::string& /*code*/) {}
    // Whether the pointer at this screen point is where the program itself put it (a lesson's
    // demonstration moves it): no sign of the user.
    virtual bool pointerPlacedAt(QPoint) const { return false; }
    // The user edited a text box.
    virtual void typed(scene::TextBox& box, const std::string& text) {
        dispatch([this, &box, text] { program().type(box, text); });
    }
    // The keyboard focus came to a control's widget. Where the user brought it (a click, Tab),
    // the model follows, so that the widgets are moved only where the lesson moves the focus.
    void focused(scene::Control& c, Qt::FocusReason why) {
        if (why == Qt::MouseFocusReason || why == Qt::TabFocusReason ||
            why == Qt::BacktabFocusReason || why == Qt::ShortcutFocusReason)
            dispatch([this, &c] { program().focus(c); });
    }
};

}  // namespace desktop
