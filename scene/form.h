#pragma once
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "scene/control.h"
#include "scene/surface.h"

namespace scene {

class Program;

// Controls sharing one name, told apart by index: Shape1(2) in the lessons.
template <class T>
class ControlArray {
public:
    explicit ControlArray(std::string name) : name_(std::move(name)) {}
    T& operator()(int i) const { return *at(i); }
    T& operator[](int i) const { return *at(i); }
    bool has(int i) const { return members_.count(i) != 0; }
    const std::string& name() const { return name_; }
    const std::map<int, T*>& members() const { return members_; }
    void put(int i, T* c) {
        members_[i] = c;
        if (i >= 0 && i < kDense) {
            if (dense_.size() <= std::size_t(i)) dense_.resize(std::size_t(i) + 1, nullptr);
            dense_[std::size_t(i)] = c;
        }
    }

private:
    // Lessons index their arrays inside flight loops, several times a step: small indices are
    // looked up directly.
    static constexpr int kDense = 1024;
    T* at(int i) const {
        if (i >= 0 && std::size_t(i) < dense_.size() && dense_[std::size_t(i)])
            return dense_[std::size_t(i)];
        auto it = members_.find(i);
        if (it == members_.end())
            throw std::out_of_range("no control " + name_ + "(" + std::to_string(i) + ")");
        return it->second;
    }
    std::string name_;
    std::map<int, T*> members_;
    std::vector<T*> dense_;
};

struct Box {
    float left, top, width, height;
};

// What a screen reader is told that the layout alone does not say. Lessons fill it beside their
// layout; the reader model (scene/reader.h) reads it.
struct ReaderNotes {
    // A caption with small labels laid over it (sub- and superscripts, exponents) is read once,
    // as `reading`; its parts are not read on their own. An empty reading reads the captions
    // of the main label and its visible parts joined, left to right (a number shown in pieces).
    struct Formula {
        const Control* main;
        std::string reading;
        std::vector<const Control*> parts;
    };
    std::vector<Formula> formulas;
    // A control's name where its caption does not say what it is (a check box's purpose, a light
    // source's colour and place, a text box's label).
    std::map<const Control*, std::string> names;
    // Captions that count as a script runs (clocks): read, but not announced at every change.
    std::set<const Control*> ticking;
};

class Form {
public:
    Form(Program& program, std::string name, std::string caption, float clientWidth,
         float clientHeight);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& name() const { return name_; }
    const std::string& caption() const { return caption_; }
    float clientWidth() const { return clientWidth_; }
    float clientHeight() const { return clientHeight_; }
    Color backColor() const { return backColor_; }
    bool maximized() const { return maximized_; }
    bool visible() const { return visible_; }
    // How often the form has become the active window.
    std::uint64_t activations() const { return activations_; }
    Program& program() const { return program_; }

    // Handlers the lessons override.
    virtual void Form_Activate() {}
    virtual void Form_Unload() {}
    // The program was paused or resumed, or its speed changed.
    virtual void playbackChanged() {}
    // The program's colour scheme changed (Program::colorScheme()).
    virtual void colorSchemeChanged() {}
    // The language changed: every caption, text and menu item the catalogue gave is looked up
    // again (what a script composed is composed again when the page starts again).
    virtual void retranslate();

    // The stored control list: its order is the layering order (earlier lies above later).
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
    const std::vector<std::unique_ptr<MenuItem>>& menu() const { return menu_; }
    Control* find(const std::string& fullName) const;
    // A stored control by name, as its kind; a name or kind the form lacks is a layout fault.
    template <class T>
    T& control(const std::string& fullName) const {
        auto* c = dynamic_cast<T*>(find(fullName));
        if (!c) throw std::logic_error("form " + name() + " has no such control " + fullName);
        return *c;
    }
    MenuItem* menuItem(const std::string& name) const;
    std::vector<Timer*> timers() const;
    Control* focused() const { return focus_; }

    // Canvas controls (labels, lines, shapes) front to back.
    std::vector<Control*> canvasOrder() const;

    const Surface& surface() const { return surface_; }

    // Changes since creation: a view repaints when this moves.
    std::uint64_t version() const { return version_; }
    void noteChange();

    // How many scene changes a long handler makes between two presented frames; 0 leaves the
    // handler unpaced.
    int pace() const { return pace_; }
    void setPace(int changesPerFrame) { pace_ = changesPerFrame; }

    // --- What the lessons call -------------------------------------------------------------
    void Show();
    void Hide();
    // Draws one segment; a non-finite end point draws nothing.
    void Line(double x1, double y1, double x2, double y2, std::int32_t colour);
    void Beep(int hz, int ms);
    void MoveCursor(double x, double y);
    void MsgBox(const std::string& text);
    void End();
    int TwipsPerPixelX() const;
    // The script begins a stage that the page's timeline marks, named for the people watching
    // ("Launch at 2000 m/s").
    void StageBegins(const std::string& name);

    // The scene as it is now, put back by the function returned: every control, the focus, the
    // layering and what is drawn.
    std::function<void()> keepScene();

    const ReaderNotes& readerNotes() const { return readerNotes_; }

protected:
    void setBackColor(Color c) { backColor_ = c; }
    void setMaximized(bool m) { maximized_ = m; }

    // Declaring the layout, one control per line in stored order.
    Label& label(const std::string& name, Box b, const std::string& caption = "");
    Label& label(ControlArray<Label>& a, int i, Box b, const std::string& caption = "");
    LineControl& line(const std::string& name, float x1, float y1, float x2, float y2);
    LineControl& line(ControlArray<LineControl>& a, int i, float x1, float y1, float x2, float y2);
    Shape& shape(const std::string& name, Box b, int shapeKind = 0);
    Shape& shape(ControlArray<Shape>& a, int i, Box b, int shapeKind = 0);
    Timer& timer(const std::string& name, int interval, bool enabled);
    TextBox& textBox(const std::string& name, Box b, const std::string& text = "");
    CheckBox& checkBox(const std::string& name, Box b, const std::string& caption = "");
    CheckBox& checkBox(ControlArray<CheckBox>& a, int i, Box b, const std::string& caption = "");
    CommandButton& button(const std::string& name, Box b, const std::string& caption = "");
    CommandButton& button(ControlArray<CommandButton>& a, int i, Box b,
                          const std::string& caption = "");
    MenuItem& menuItem(const std::string& name, const std::string& caption,
                       const std::string& shortcut);

    // For screen readers (see ReaderNotes): the texts come from the catalogue and are looked up
    // again with the captions when the language changes.
    void formula(const Control& main, const std::string& reading,
                 std::vector<const Control*> parts = {});
    void readAs(const Control& c, const std::string& name);
    void ticking(const Control& c);

private:
    friend class Program;
    friend class Control;
    template <class T>
    T& add(std::unique_ptr<T> c);
    void setVisible(bool v) { visible_ = v; }
    void clearSurface() { surface_.clear(); }
    void noteChangeQuietly();
    void setFocus(Control* c);

    Program& program_;
    std::string name_, caption_;
    float clientWidth_, clientHeight_;
    Color backColor_ = kButtonFace;
    bool maximized_ = true;
    bool visible_ = false;
    int pace_ = 0;
    std::uint64_t version_ = 0;
    std::uint64_t activations_ = 0;
    long topZ_ = 0, bottomZ_ = 0;
    Control* focus_ = nullptr;
    std::vector<std::unique_ptr<Control>> controls_;
    std::vector<std::unique_ptr<MenuItem>> menu_;
    std::map<std::string, Control*> byName_;
    Surface surface_;
    ReaderNotes readerNotes_;
};

}  // namespace scene
