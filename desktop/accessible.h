#pragma once
// The page as a screen reader meets it through Qt's accessibility (AT-SPI on Linux): the canvas's
// painted texts and formulas as static texts, its clickable labels as links, its text boxes,
// check boxes and buttons named as the reader model names them, all in the model's reading
// order, and a notification object whose name is what a script newly reveals.
#include <QAccessible>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "scene/form.h"
#include "scene/reader.h"

namespace desktop {

class Canvas;

// One canvas's part of the tree. Does nothing while no assistive technology listens.
class CanvasReader {
public:
    explicit CanvasReader(Canvas& canvas);
    ~CanvasReader();
    CanvasReader(const CanvasReader&) = delete;
    CanvasReader& operator=(const CanvasReader&) = delete;

    // Reads the page again; where the reading changed, the tree follows and its listeners are
    // told. What the scene newly shows is announced.
    void update(const scene::Form& form, const std::map<scene::Control*, QWidget*>& widgets);
    // The page starts again (a seek, another language): what it shows now is not news.
    void restart() {
        announcer_.restart();
        activations_ = UINT64_MAX;  // looks again at the next update, read differently or not
    }
    // Said through the notification object: a revealed text, a message box's text.
    void announce(const QString& text);

    // The tree under the canvas, in reading order; the notification object last.
    int childCount() const { return int(entries_.size()) + 1; }
    QAccessibleInterface* child(int i) const;
    int indexOf(const QAccessibleInterface* child) const;
    // The name of the painted item at index i, and where it lies on the screen.
    QString itemName(int i) const;
    QRect itemRect(int i) const;
    int indexOfItem(const scene::Control* c) const;
    QString status() const { return status_; }
    // Whether the page was read since assistive technology came: it may come at any time.
    bool read() const { return read_; }
    Canvas& canvas() const { return canvas_; }

private:
    struct Entry {
        const scene::Control* control;
        scene::ReaderItem item;
        QWidget* widget;  // the control's own widget; nullptr for a painted text
    };
    QAccessible::Id itemId(const scene::Control* c);
    Canvas& canvas_;
    std::vector<Entry> entries_;
    std::map<const scene::Control*, QAccessible::Id> ids_;  // painted items, made once
    QAccessible::Id statusId_ = 0;
    QString status_;
    scene::Announcer announcer_;
    std::uint64_t activations_ = 0;
    bool read_ = false;  // the page's showing the announcer last looked at
};

// Makes Qt ask this file for the canvas's and its controls' interfaces. Once per program.
void installAccessibility();
// Drops an interface Qt made for the widget before it was fully made (then as a plain widget).
void forgetEarlyAccessibility(QWidget* w);

}  // namespace desktop
