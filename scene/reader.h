#pragma once
// What a screen reader gets from a page: its texts and controls in reading order, each with a
// role and a name, and what is worth announcing when a script reveals something. Computed from
// the form alone, so every front end presents the same (the desktop through Qt's accessibility,
// the browser through page elements and a live region). No toolkit here.
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "scene/form.h"

namespace scene {

enum class ReaderRole { Text, Formula, Link, TextBox, CheckBox, Button };
const char* readerRoleName(
    ReaderRole);  // "text", "formula", "link", "textbox", "checkbox", "button"

struct ReaderItem {
    const Control* control;  // the control it speaks for (a formula's main caption)
    ReaderRole role;
    std::string name;   // what is read: the text, a formula's reading, a control's name
    std::string value;  // a text box's text
    int checked = -1;   // a check box's state: 0 clear, 1 ticked, 2 greyed; -1 for others
    Box box;            // where it lies on the page, in twips
};

// The page as read now: every visible text (a formula once, by its reading) and every visible
// control inside the page, top to bottom and, within a row, left to right. Hidden controls,
// empty captions and controls placed off the page are left out.
std::vector<ReaderItem> readPage(const Form& form);

// One line per item ("text: WAIT!"), for the driver and the tests.
std::string describe(const std::vector<ReaderItem>& items);

// Tells what a page newly shows between two looks: a text revealed, a caption changed. Numbers
// that tick as the script runs (ReaderNotes::ticking), the controls' own states and a text
// announced once on this showing that comes back as it was are not announced, and a hidden page
// says nothing. The first look at a page, after it is shown again (Replay, the next page) or
// after restart() sets what is already there without announcing it.
class Announcer {
public:
    // The texts to announce since the last look, in reading order.
    std::vector<std::string> look(const Form& form);
    // The page starts again (shown, replayed, moved on the timeline, another language).
    void restart() { primed_ = false; }

private:
    bool primed_ = false;
    const Form* form_ = nullptr;
    std::uint64_t activations_ = 0;
    std::map<const Control*, std::string> shown_;            // at the last look
    std::set<std::pair<const Control*, std::string>> said_;  // announced on this showing
};

}  // namespace scene
