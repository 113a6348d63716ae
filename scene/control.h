#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

#include "scene/color.h"

namespace scene {

class Form;
class Control;

enum class Kind { Label, Line, Shape, Timer, TextBox, CheckBox, CommandButton, Menu };
const char* kindName(Kind);

// A property that tells its control when it changes, so the form can be repainted and a long
// handler paced. Assigning the value it already has does nothing.
template <class T>
class Prop {
public:
    Prop(Control* owner, T v) : owner_(owner), v_(std::move(v)) {}
    Prop(const Prop&) = delete;
    Prop& operator=(const Prop& o) { return assign(T(o.v_)); }
    template <class U>
    Prop& operator=(U&& v) {
        return assign(std::forward<U>(v));
    }

    operator const T&() const { return v_; }
    const T& get() const { return v_; }

    template <class U>
    Prop& operator+=(const U& d) {
        return assign(v_ + d);
    }
    template <class U>
    Prop& operator-=(const U& d) {
        return assign(v_ - d);
    }

    friend bool operator==(const Prop& a, const T& b) { return a.v_ == b; }

private:
    template <class U>
    Prop& assign(U&& v);
    friend class Control;
    Control* owner_;
    T v_;
};

// Positions and sizes hold what was assigned as a single-precision number; they become whole
// twips only where they are drawn.
using Twips = Prop<float>;

struct FontLook {
    double size = 8.25;
    bool bold = false;
    bool italic = false;
};

// A property as the driver and the checks see it.
using PropValue = std::variant<double, std::string, bool>;
using PropList = std::vector<std::pair<const char*, PropValue>>;

class Control {
public:
    Control(Form& form, Kind kind, std::string name, int index);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Form& form() const { return form_; }
    Kind kind() const { return kind_; }
    const std::string& name() const { return name_; }
    int index() const { return index_; }  // -1 when the control is not in an array
    std::string fullName() const;         // "Label5(25)" or "jam"

    Prop<bool> Visible{this, true};
    Prop<bool> Enabled{this, true};
    Twips Left{this, 0.0f}, Top{this, 0.0f}, Width{this, 0.0f}, Height{this, 0.0f};

    // Canvas layering: larger lies above. Stored order gives the start; ZOrder moves shapes.
    void ZOrder(int position = 0);
    long zKey() const { return z_; }

    void SetFocus();

    // Every property the driver reports, under the names the lessons use.
    virtual void properties(PropList& out) const;
    // What a script may change of it, to be put back as it is now (a seek plays the page again
    // from where its run began).
    virtual std::function<void()> keep();

    // Events; an array member's handler receives its index.
    std::function<void(int)> onClick;

    // Called by Prop after a real change.
    virtual void changed(const void* prop);

protected:
    // A change the view shows but a running handler is not paced by.
    void changedQuietly();

    // Non-finite or unrepresentable positions are refused: the control keeps its old one.
    template <class T, class U>
    bool accept(T& slot, U&& v) {
        if constexpr (std::is_same_v<T, float>) {
            double d = double(v);
            if (!(d - d == 0) || d > 3.4028234663852886e38 || d < -3.4028234663852886e38)
                return false;
            float f = float(d);
            if (slot == f) return false;
            slot = f;
            return true;
        } else {
            T nv(std::forward<U>(v));
            if (slot == nv) return false;
            slot = std::move(nv);
            return true;
        }
    }

private:
    template <class T>
    friend class Prop;
    friend class Form;
    Form& form_;
    Kind kind_;
    std::string name_;
    int index_;
    long z_ = 0;
};

template <class T>
template <class U>
Prop<T>& Prop<T>::assign(U&& v) {
    if (owner_->accept(v_, std::forward<U>(v))) owner_->changed(this);
    return *this;
}

class Label : public Control {
public:
    Label(Form& f, std::string name, int index) : Control(f, Kind::Label, std::move(name), index) {}
    Prop<std::string> Caption{this, ""};
    Prop<Color> BackColor{this, kButtonFace};
    Prop<Color> ForeColor{this, kBlack};
    FontLook font;
    int alignment = 0;         // 0 left, 1 right, 2 centre
    bool transparent = false;  // BackStyle 0
    int borderStyle = 0;       // 1 draws a single black frame
    bool linkPointer = false;  // the pointer turns into the program's saucer over it
    void properties(PropList& out) const override;
    std::function<void()> keep() override;

    // Design-time look, written as the layout tables give it.
    Label& size(double pt) {
        font.size = pt;
        return *this;
    }
    Label& bold() {
        font.bold = true;
        return *this;
    }
    Label& italic() {
        font.italic = true;
        return *this;
    }
    Label& center() {
        alignment = 2;
        return *this;
    }
    Label& right() {
        alignment = 1;
        return *this;
    }
    Label& back(Color c) {
        BackColor = c;
        return *this;
    }
    Label& fore(Color c) {
        ForeColor = c;
        return *this;
    }
    Label& see_through() {
        transparent = true;
        return *this;
    }
    Label& framed() {
        borderStyle = 1;
        return *this;
    }
    Label& hidden() {
        Visible = false;
        return *this;
    }
};

class LineControl : public Control {
public:
    LineControl(Form& f, std::string name, int index)
        : Control(f, Kind::Line, std::move(name), index) {}
    Twips X1{this, 0.0f}, Y1{this, 0.0f}, X2{this, 0.0f}, Y2{this, 0.0f};
    Prop<Color> BorderColor{this, kBlack};
    int borderStyle = 1;  // 1 solid, 2 dash, 3 dot, 4 dash-dot
    int borderWidth = 1;  // pixels
    void properties(PropList& out) const override;
    std::function<void()> keep() override;

    LineControl& style(int s) {
        borderStyle = s;
        return *this;
    }
    LineControl& color(Color c) {
        BorderColor = c;
        return *this;
    }
    LineControl& width(int px) {
        borderWidth = px;
        return *this;
    }
    LineControl& hidden() {
        Visible = false;
        return *this;
    }
};

// The Shape kind the lessons draw their bodies, balls and dots with.
inline constexpr int kCircle = 3;

class Shape : public Control {
public:
    Shape(Form& f, std::string name, int index) : Control(f, Kind::Shape, std::move(name), index) {}
    Prop<Color> BackColor{this, kWhite};
    Prop<Color> BorderColor{this, kBlack};
    Prop<Color> FillColor{this, kBlack};
    int shape =
        0;  // 0 rectangle, 1 square, 2 oval, 3 circle, 4 rounded rectangle, 5 rounded square
    int fillStyle = 1;    // 0 solid FillColor, 1 transparent
    int backStyle = 0;    // 1 opaque BackColor
    int borderStyle = 1;  // 0 none, 1 solid, 2 dash, 3 dot, 4 dash-dot
    int borderWidth = 1;
    void properties(PropList& out) const override;
    std::function<void()> keep() override;

    Shape& fill(Color c) {
        FillColor = c;
        fillStyle = 0;
        return *this;
    }
    Shape& back(Color c) {
        BackColor = c;
        backStyle = 1;
        return *this;
    }
    Shape& border(Color c) {
        BorderColor = c;
        return *this;
    }
    Shape& borderLine(int style, int widthPx = 1) {
        borderStyle = style;
        borderWidth = widthPx;
        return *this;
    }
    Shape& hidden() {
        Visible = false;
        return *this;
    }
};

class Timer : public Control {
public:
    Timer(Form& f, std::string name, int index);
    Prop<int> Interval{this, 0};
    std::function<void()> onTimer;
    void properties(PropList& out) const override;
    std::function<void()> keep() override;
    void changed(const void* prop) override;

    // Scheduling, kept by the program's dispatcher.
    bool armed() const { return armed_; }
    double due() const { return due_; }
    void rearm(double now);
    void disarm() { armed_ = false; }
    void advanceAfterTick(double now);

private:
    bool armed_ = false;
    double due_ = 0;
};

class TextBox : public Control {
public:
    TextBox(Form& f, std::string name, int index)
        : Control(f, Kind::TextBox, std::move(name), index) {}
    Prop<std::string> Text{this, ""};
    Prop<int> SelStart{this, 0};
    Prop<Color> BackColor{this, kWhite};
    Prop<Color> ForeColor{this, kBlack};
    FontLook font;
    int alignment = 0;
    void properties(PropList& out) const override;
    std::function<void()> keep() override;

    TextBox& size(double pt) {
        font.size = pt;
        return *this;
    }
    TextBox& bold() {
        font.bold = true;
        return *this;
    }
    TextBox& center() {
        alignment = 2;
        return *this;
    }
    TextBox& hidden() {
        Visible = false;
        return *this;
    }
};

class CheckBox : public Control {
public:
    CheckBox(Form& f, std::string name, int index)
        : Control(f, Kind::CheckBox, std::move(name), index) {}
    Prop<int> Value{this, 0};  // 0 clear, 1 ticked, 2 greyed tick
    Prop<std::string> Caption{this, ""};
    Prop<Color> BackColor{this, kButtonFace};
    Prop<Color> ForeColor{this, kBlack};
    FontLook font;
    void properties(PropList& out) const override;
    std::function<void()> keep() override;

    CheckBox& hidden() {
        Visible = false;
        return *this;
    }
};

class CommandButton : public Control {
public:
    CommandButton(Form& f, std::string name, int index)
        : Control(f, Kind::CommandButton, std::move(name), index) {}
    Prop<std::string> Caption{this, ""};
    Prop<Color> BackColor{this, kButtonFace};
    FontLook font;
    int style = 0;                              // 1 graphical: the face shows BackColor
    std::function<void(int, int)> onKeyDown;    // index, key code
    std::function<void(int, int)> onMouseDown;  // index, button
    void properties(PropList& out) const override;
    std::function<void()> keep() override;

    CommandButton& graphical(Color c) {
        style = 1;
        BackColor = c;
        return *this;
    }
    CommandButton& size(double pt) {
        font.size = pt;
        return *this;
    }
    CommandButton& hidden() {
        Visible = false;
        return *this;
    }
};

class MenuItem : public Control {
public:
    MenuItem(Form& f, std::string name, std::string caption, std::string shortcut)
        : Control(f, Kind::Menu, std::move(name), -1),
          caption(std::move(caption)),
          shortcut(std::move(shortcut)) {}
    int level = 1;         // 0 for a menu title on the bar, 1 for an item under it
    std::string caption;   // with its & mnemonic
    std::string shortcut;  // "Ctrl+N", "Ctrl+-", "Ctrl+Shift+C", "F11" or ""
    std::vector<std::string> otherShortcuts;  // further keys that choose it
    std::function<void()> onMenu;
    // A command that leaves or restarts the lesson stops a running handler; others wait for it.
    bool stopsHandler = true;
    // A command on the program clock or the window (Pause, Full Screen): carried out at once,
    // also while a handler runs, which it neither waits for nor stops.
    bool immediate = false;
    // Its state is no scene change: setting it does not count against a running handler's pace.
    bool quiet = false;
    // A check item (Continue after Messages) shows whether its setting is on.
    bool checkable = false;
    bool checked = false;
    bool hasShortcut(const std::string& keys) const;
    void properties(PropList& out) const override;
    std::function<void()> keep() override;
    void changed(const void* prop) override;
};

}  // namespace scene
