#include "scene/control.h"

#include <algorithm>

#include "scene/form.h"
#include "scene/program.h"

namespace scene {

const char* kindName(Kind k) {
    switch (k) {
        case Kind::Label:
            return "Label";
        case Kind::Line:
            return "Line";
        case Kind::Shape:
            return "Shape";
        case Kind::Timer:
            return "Timer";
        case Kind::TextBox:
            return "TextBox";
        case Kind::CheckBox:
            return "CheckBox";
        case Kind::CommandButton:
            return "CommandButton";
        case Kind::Menu:
            return "Menu";
    }
    return "?";
}

Control::Control(Form& form, Kind kind, std::string name, int index)
    : form_(form), kind_(kind), name_(std::move(name)), index_(index) {}

Control::~Control() = default;

std::string Control::fullName() const {
    return index_ < 0 ? name_ : name_ + "(" + std::to_string(index_) + ")";
}

void Control::changed(const void*) { form_.noteChange(); }

void Control::changedQuietly() { form_.noteChangeQuietly(); }

void Control::ZOrder(int position) {
    if (position == 1)
        z_ = --form_.bottomZ_;
    else
        z_ = ++form_.topZ_;
    form_.noteChange();
}

void Control::SetFocus() {
    if (!Visible || !Enabled || !form_.visible()) return;
    form_.setFocus(this);
}

void Control::properties(PropList& out) const {
    out.emplace_back("Left", double(Left.get()));
    out.emplace_back("Top", double(Top.get()));
    out.emplace_back("Width", double(Width.get()));
    out.emplace_back("Height", double(Height.get()));
    out.emplace_back("Visible", Visible.get());
    out.emplace_back("Enabled", Enabled.get());
}

void Label::properties(PropList& out) const {
    Control::properties(out);
    out.emplace_back("Caption", Caption.get());
    out.emplace_back("BackColor", double(BackColor.get()));
    out.emplace_back("ForeColor", double(ForeColor.get()));
}

void LineControl::properties(PropList& out) const {
    out.emplace_back("X1", double(X1.get()));
    out.emplace_back("Y1", double(Y1.get()));
    out.emplace_back("X2", double(X2.get()));
    out.emplace_back("Y2", double(Y2.get()));
    out.emplace_back("Visible", Visible.get());
    out.emplace_back("BorderColor", double(BorderColor.get()));
}

void Shape::properties(PropList& out) const {
    Control::properties(out);
    out.emplace_back("BackColor", double(BackColor.get()));
    out.emplace_back("BorderColor", double(BorderColor.get()));
    out.emplace_back("FillColor", double(FillColor.get()));
}

Timer::Timer(Form& f, std::string name, int index)
    : Control(f, Kind::Timer, std::move(name), index) {}

void Timer::properties(PropList& out) const {
    out.emplace_back("Enabled", Enabled.get());
    out.emplace_back("Interval", double(Interval.get()));
}

void Timer::changed(const void* prop) {
    // Enabling a timer or changing its interval starts a fresh period; disabling stops it at once.
    if (prop == &Enabled || prop == &Interval) rearm(form().program().time());
}

void Timer::rearm(double now) {
    armed_ = Enabled && Interval > 0;
    due_ = now + Interval;
}

void Timer::advanceAfterTick(double now) {
    // Ticks that fell due meanwhile do not pile up: at most one is pending.
    due_ += Interval;
    if (due_ <= now) due_ = now + Interval;
}

void TextBox::properties(PropList& out) const {
    Control::properties(out);
    out.emplace_back("Text", Text.get());
    out.emplace_back("SelStart", double(SelStart.get()));
    out.emplace_back("BackColor", double(BackColor.get()));
    out.emplace_back("ForeColor", double(ForeColor.get()));
}

void CheckBox::properties(PropList& out) const {
    Control::properties(out);
    out.emplace_back("Caption", Caption.get());
    out.emplace_back("Value", double(Value.get()));
    out.emplace_back("BackColor", double(BackColor.get()));
}

void CommandButton::properties(PropList& out) const {
    Control::properties(out);
    out.emplace_back("Caption", Caption.get());
    out.emplace_back("BackColor", double(BackColor.get()));
}

bool MenuItem::hasShortcut(const std::string& keys) const {
    if (keys.empty()) return false;
    return shortcut == keys ||
           std::find(otherShortcuts.begin(), otherShortcuts.end(), keys) != otherShortcuts.end();
}

void MenuItem::changed(const void* prop) {
    if (quiet)
        changedQuietly();
    else
        Control::changed(prop);
}

void MenuItem::properties(PropList& out) const {
    out.emplace_back("Caption", caption);
    out.emplace_back("Enabled", Enabled.get());
}

}  // namespace scene

// --- Kept for a seek ---------------------------------------------------------------------------

namespace scene {

std::function<void()> Control::keep() {
    return [this, v = Visible.get(), e = Enabled.get(), l = Left.get(), t = Top.get(),
            w = Width.get(), h = Height.get(), z = z_] {
        Visible = v;
        Enabled = e;
        Left = l;
        Top = t;
        Width = w;
        Height = h;
        z_ = z;
    };
}

std::function<void()> Label::keep() {
    return [this, base = Control::keep(), c = Caption.get(), b = BackColor.get(),
            f = ForeColor.get()] {
        base();
        Caption = c;
        BackColor = b;
        ForeColor = f;
    };
}

std::function<void()> LineControl::keep() {
    return [this, base = Control::keep(), x1 = X1.get(), y1 = Y1.get(), x2 = X2.get(),
            y2 = Y2.get(), c = BorderColor.get()] {
        base();
        X1 = x1;
        Y1 = y1;
        X2 = x2;
        Y2 = y2;
        BorderColor = c;
    };
}

std::function<void()> Shape::keep() {
    return [this, base = Control::keep(), b = BackColor.get(), c = BorderColor.get(),
            f = FillColor.get()] {
        base();
        BackColor = b;
        BorderColor = c;
        FillColor = f;
    };
}

std::function<void()> Timer::keep() {
    // Its next tick too: a page's first tick falls where it fell when the page began.
    return [this, base = Control::keep(), i = Interval.get(), armed = armed_, due = due_] {
        base();
        Interval = i;
        armed_ = armed;
        due_ = due;
    };
}

std::function<void()> TextBox::keep() {
    return [this, base = Control::keep(), t = Text.get(), s = SelStart.get(), b = BackColor.get(),
            f = ForeColor.get()] {
        base();
        Text = t;
        SelStart = s;
        BackColor = b;
        ForeColor = f;
    };
}

std::function<void()> CheckBox::keep() {
    return [this, base = Control::keep(), v = Value.get(), c = Caption.get(), b = BackColor.get(),
            f = ForeColor.get()] {
        base();
        Value = v;
        Caption = c;
        BackColor = b;
        ForeColor = f;
    };
}

std::function<void()> CommandButton::keep() {
    return [this, base = Control::keep(), c = Caption.get(), b = BackColor.get()] {
        base();
        Caption = c;
        BackColor = b;
    };
}

// The menus are the program's (its playback, the page's place in the course), not the script's.
std::function<void()> MenuItem::keep() {
    return [] {};
}

}  // namespace scene
