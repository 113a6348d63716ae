#include "scene/form.h"

#include <algorithm>
#include <cmath>

#include "scene/numbers.h"
#include "scene/program.h"
#include "scene/words.h"

namespace scene {

Form::Form(Program& program, std::string name, std::string caption, float clientWidth,
           float clientHeight)
    : program_(program),
      name_(std::move(name)),
      caption_(std::move(caption)),
      clientWidth_(clientWidth),
      clientHeight_(clientHeight) {}

Form::~Form() = default;

void Form::retranslate() {
    auto again = [](auto& text) {
        if (auto entry = sourceOf(text))
            text = translate(entry->first.c_str(), entry->second.c_str());
    };
    auto againProp = [](Prop<std::string>& p) {
        if (auto entry = sourceOf(p.get()))
            p = translate(entry->first.c_str(), entry->second.c_str());
    };
    again(caption_);
    for (auto& c : controls_) {
        if (auto* l = dynamic_cast<Label*>(c.get()))
            againProp(l->Caption);
        else if (auto* b = dynamic_cast<CheckBox*>(c.get()))
            againProp(b->Caption);
        else if (auto* b = dynamic_cast<CommandButton*>(c.get()))
            againProp(b->Caption);
        else if (auto* t = dynamic_cast<TextBox*>(c.get()))
            againProp(t->Text);
    }
    for (auto& m : menu_) again(m->caption);
    for (auto& f : readerNotes_.formulas) again(f.reading);
    for (auto& [control, name] : readerNotes_.names) again(name);
    noteChangeQuietly();
}

void Form::formula(const Control& main, const std::string& reading,
                   std::vector<const Control*> parts) {
    readerNotes_.formulas.push_back({&main, reading, std::move(parts)});
}

void Form::readAs(const Control& c, const std::string& name) { readerNotes_.names[&c] = name; }

void Form::ticking(const Control& c) { readerNotes_.ticking.insert(&c); }

template <class T>
T& Form::add(std::unique_ptr<T> c) {
    T& ref = *c;
    ref.z_ = -long(controls_.size());
    bottomZ_ = std::min(bottomZ_, ref.z_);
    byName_[ref.fullName()] = &ref;
    controls_.push_back(std::move(c));
    return ref;
}

static void place(Control& c, Box b) {
    c.Left = b.left;
    c.Top = b.top;
    c.Width = b.width;
    c.Height = b.height;
}

Label& Form::label(const std::string& name, Box b, const std::string& caption) {
    auto& l = add(std::make_unique<Label>(*this, name, -1));
    place(l, b);
    l.Caption = caption;
    l.BackColor = backColor_;
    return l;
}

Label& Form::label(ControlArray<Label>& a, int i, Box b, const std::string& caption) {
    auto& l = add(std::make_unique<Label>(*this, a.name(), i));
    place(l, b);
    l.Caption = caption;
    l.BackColor = backColor_;
    a.put(i, &l);
    return l;
}

static void ends(LineControl& l, float x1, float y1, float x2, float y2) {
    l.X1 = x1;
    l.Y1 = y1;
    l.X2 = x2;
    l.Y2 = y2;
}

LineControl& Form::line(const std::string& name, float x1, float y1, float x2, float y2) {
    auto& l = add(std::make_unique<LineControl>(*this, name, -1));
    ends(l, x1, y1, x2, y2);
    return l;
}

LineControl& Form::line(ControlArray<LineControl>& a, int i, float x1, float y1, float x2,
                        float y2) {
    auto& l = add(std::make_unique<LineControl>(*this, a.name(), i));
    ends(l, x1, y1, x2, y2);
    a.put(i, &l);
    return l;
}

Shape& Form::shape(const std::string& name, Box b, int shapeKind) {
    auto& s = add(std::make_unique<Shape>(*this, name, -1));
    place(s, b);
    s.shape = shapeKind;
    return s;
}

Shape& Form::shape(ControlArray<Shape>& a, int i, Box b, int shapeKind) {
    auto& s = add(std::make_unique<Shape>(*this, a.name(), i));
    place(s, b);
    s.shape = shapeKind;
    a.put(i, &s);
    return s;
}

Timer& Form::timer(const std::string& name, int interval, bool enabled) {
    auto& t = add(std::make_unique<Timer>(*this, name, -1));
    t.Interval = interval;
    t.Enabled = enabled;
    t.rearm(program_.time());
    return t;
}

TextBox& Form::textBox(const std::string& name, Box b, const std::string& text) {
    auto& t = add(std::make_unique<TextBox>(*this, name, -1));
    place(t, b);
    t.Text = text;
    return t;
}

CheckBox& Form::checkBox(const std::string& name, Box b, const std::string& caption) {
    auto& c = add(std::make_unique<CheckBox>(*this, name, -1));
    place(c, b);
    c.Caption = caption;
    c.BackColor = backColor_;
    return c;
}

CheckBox& Form::checkBox(ControlArray<CheckBox>& a, int i, Box b, const std::string& caption) {
    auto& c = add(std::make_unique<CheckBox>(*this, a.name(), i));
    place(c, b);
    c.Caption = caption;
    c.BackColor = backColor_;
    a.put(i, &c);
    return c;
}

CommandButton& Form::button(const std::string& name, Box b, const std::string& caption) {
    auto& c = add(std::make_unique<CommandButton>(*this, name, -1));
    place(c, b);
    c.Caption = caption;
    return c;
}

CommandButton& Form::button(ControlArray<CommandButton>& a, int i, Box b,
                            const std::string& caption) {
    auto& c = add(std::make_unique<CommandButton>(*this, a.name(), i));
    place(c, b);
    c.Caption = caption;
    a.put(i, &c);
    return c;
}

MenuItem& Form::menuItem(const std::string& name, const std::string& caption,
                         const std::string& shortcut) {
    menu_.push_back(std::make_unique<MenuItem>(*this, name, caption, shortcut));
    return *menu_.back();
}

Control* Form::find(const std::string& fullName) const {
    auto it = byName_.find(fullName);
    return it == byName_.end() ? nullptr : it->second;
}

MenuItem* Form::menuItem(const std::string& name) const {
    for (auto& m : menu_)
        if (m->name() == name) return m.get();
    return nullptr;
}

std::vector<Timer*> Form::timers() const {
    std::vector<Timer*> out;
    for (auto& c : controls_)
        if (c->kind() == Kind::Timer) out.push_back(static_cast<Timer*>(c.get()));
    return out;
}

std::vector<Control*> Form::canvasOrder() const {
    std::vector<Control*> out;
    for (auto& c : controls_)
        if (c->kind() == Kind::Label || c->kind() == Kind::Line || c->kind() == Kind::Shape)
            out.push_back(c.get());
    std::stable_sort(out.begin(), out.end(),
                     [](const Control* a, const Control* b) { return a->zKey() > b->zKey(); });
    return out;
}

void Form::noteChange() {
    ++version_;
    program_.platform().formChanged(*this);
    program_.sceneChanged(*this);
}

void Form::noteChangeQuietly() {
    ++version_;
    program_.platform().formChanged(*this);
}

void Form::setFocus(Control* c) {
    if (focus_ == c) return;
    focus_ = c;
    noteChange();
}

void Form::Show() { program_.show(*this); }
void Form::Hide() { program_.hide(*this); }

void Form::Line(double x1, double y1, double x2, double y2, std::int32_t colour) {
    if (!finite(x1) || !finite(y1) || !finite(x2) || !finite(y2)) return;
    constexpr double kFar = 1e9;  // far outside any window; keeps the view's arithmetic sane
    if (std::fabs(x1) > kFar || std::fabs(y1) > kFar || std::fabs(x2) > kFar ||
        std::fabs(y2) > kFar)
        return;
    surface_.add({float(x1), float(y1), float(x2), float(y2), lineColor(colour)});
    noteChange();
}

void Form::Beep(int hz, int ms) { program_.beep(hz, ms); }

void Form::MoveCursor(double x, double y) {
    // A page played again to a moment leaves the real pointer where the user has it.
    if (program_.seeking()) return;
    program_.platform().setCursorPos(toLong(toSingle(x)), toLong(toSingle(y)));
}

void Form::MsgBox(const std::string& text) { program_.messageBox(*this, text); }

void Form::End() { program_.end(); }

int Form::TwipsPerPixelX() const { return program_.platform().twipsPerPixelX(); }

void Form::StageBegins(const std::string& name) { program_.stageBegins(*this, name); }

std::function<void()> Form::keepScene() {
    std::vector<std::function<void()>> each;
    each.reserve(controls_.size());
    for (auto& c : controls_) each.push_back(c->keep());
    // Usually nothing is drawn when a page begins; a page the About box covered keeps its lines.
    std::vector<Segment> drawn;
    surface_.forEach(0, [&](const Segment& s) { drawn.push_back(s); });
    return [this, each = std::move(each), drawn = std::move(drawn), focus = focus_, top = topZ_,
            bottom = bottomZ_] {
        for (auto& restore : each) restore();
        topZ_ = top;
        bottomZ_ = bottom;
        focus_ = focus;
        surface_.clear();
        for (auto& s : drawn) surface_.add(s);
        noteChangeQuietly();
    };
}

}  // namespace scene
