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
