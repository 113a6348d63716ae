#include "scene/reader.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <set>

namespace scene {

const char* readerRoleName(ReaderRole r) {
    switch (r) {
        case ReaderRole::Text:
            return "text";
        case ReaderRole::Formula:
            return "formula";
        case ReaderRole::Link:
            return "link";
        case ReaderRole::TextBox:
            return "textbox";
        case ReaderRole::CheckBox:
            return "checkbox";
        case ReaderRole::Button:
            return "button";
    }
    return "text";
}

namespace {

// Captions keep runs of spaces as gaps for the small labels laid over them; a reader hears words.
std::string spoken(const std::string& caption) {
    std::string out;
    bool space = false;
    for (char c : caption) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            space = !out.empty();
            continue;
        }
        if (space) out += ' ';
        space = false;
        out += c;
    }
    return out;
}

Box boxOf(const Control& c) { return Box{c.Left, c.Top, c.Width, c.Height}; }

bool onPage(const Form& form, const Box& b) {
    return b.left + b.width > 0 && b.top + b.height > 0 && b.left < form.clientWidth() &&
           b.top < form.clientHeight();
}

float middle(const Box& b) { return b.top + b.height / 2; }

bool sameRow(const Box& a, const Box& b) {
    auto within = [](float y, const Box& r) { return y >= r.top && y <= r.top + r.height; };
    return within(middle(a), b) && within(middle(b), a);
}

// Top to bottom; boxes whose middles lie within each other share a row, read left to right.
void inRows(std::vector<ReaderItem>& items) {
    std::stable_sort(items.begin(), items.end(), [](const ReaderItem& a, const ReaderItem& b) {
        return a.box.top < b.box.top;
    });
    std::vector<ReaderItem> out;
    out.reserve(items.size());
    for (std::size_t i = 0; i < items.size();) {
        std::size_t end = i + 1;
        while (end < items.size() && sameRow(items[i].box, items[end].box)) ++end;
        std::stable_sort(
            items.begin() + long(i), items.begin() + long(end),
            [](const ReaderItem& a, const ReaderItem& b) { return a.box.left < b.box.left; });
        for (std::size_t k = i; k < end; ++k) out.push_back(std::move(items[k]));
        i = end;
    }
    items = std::move(out);
}

// A solid vertical line over nearly the page's whole height splits it into two columns (a
// comparison side by side): read the left column, then the right; a text lying across the line
// is read where it stands, after the columns above it.
std::optional<float> divider(const Form& form) {
    for (auto& c : form.controls()) {
        auto* l = dynamic_cast<const LineControl*>(c.get());
        if (l && l->Visible && l->borderStyle == 1 && l->X1 == l->X2 &&
            std::abs(l->Y2 - l->Y1) >= 0.9f * form.clientHeight())
            return float(l->X1);
    }
    return std::nullopt;
}

void inReadingOrder(const Form& form, std::vector<ReaderItem>& items) {
    inRows(items);
    const auto x = divider(form);
    if (!x) return;
    std::vector<ReaderItem> out, left, right;
    auto flush = [&] {
        for (auto* column : {&left, &right}) {
            for (auto& i : *column) out.push_back(std::move(i));
            column->clear();
        }
    };
    for (auto& i : items) {
        if (i.box.left + i.box.width <= *x)
            left.push_back(std::move(i));
        else if (i.box.left >= *x)
            right.push_back(std::move(i));
        else {
            flush();
            out.push_back(std::move(i));
        }
    }
    flush();
    items = std::move(out);
}

// The visible label nearest to a text box's left on its row, else the one just above it.
std::string labelFor(const Form& form, const Control& box, const std::set<const Control*>& parts) {
    const Box b = boxOf(box);
    const Control* best = nullptr;
    float bestGap = 0;
    for (auto& c : form.controls()) {
        auto* l = dynamic_cast<const Label*>(c.get());
        if (!l || !l->Visible || parts.count(l) || spoken(l->Caption).empty()) continue;
        const Box lb = boxOf(*l);
        float gap = -1e9f;  // neither beside nor above: not its label
        if (sameRow(lb, b) && lb.left + lb.width <= b.left + 30)
            gap = b.left - (lb.left + lb.width);
        else if (lb.top + lb.height <= b.top + 30 && lb.left < b.left + b.width &&
                 lb.left + lb.width > b.left)
            gap = b.top - (lb.top + lb.height) + 10000;  // a label above only where none is beside
        if (gap >= -30 && (!best || gap < bestGap)) {
            best = l;
            bestGap = gap;
        }
    }
    return best ? spoken(static_cast<const Label*>(best)->Caption) : std::string();
}

// A formula without a reading: its visible pieces' captions joined left to right.
std::string joined(const ReaderNotes::Formula& f) {
    std::vector<const Control*> pieces{f.main};
    for (auto* p : f.parts)
        if (p->Visible) pieces.push_back(p);
    std::stable_sort(pieces.begin(), pieces.end(),
                     [](const Control* a, const Control* b) { return a->Left < b->Left; });
    std::string out;
    for (auto* p : pieces)
        if (auto* l = dynamic_cast<const Label*>(p)) out += spoken(l->Caption);
    return out;
}

}  // namespace

std::vector<ReaderItem> readPage(const Form& form) {
    const ReaderNotes& notes = form.readerNotes();
    std::set<const Control*> parts;
    std::map<const Control*, const ReaderNotes::Formula*> readings;
    for (auto& f : notes.formulas) {
        parts.insert(f.parts.begin(), f.parts.end());
        readings[f.main] = &f;
    }
    auto named = [&](const Control& c, const std::string& fallback) {
        auto it = notes.names.find(&c);
        return it != notes.names.end() ? it->second : fallback;
    };

    std::vector<ReaderItem> items;
    for (auto& owned : form.controls()) {
        const Control& c = *owned;
        if (!c.Visible || parts.count(&c)) continue;
        const Box box = boxOf(c);
        if (!onPage(form, box)) continue;
        ReaderItem item{&c, ReaderRole::Text, {}, {}, -1, box};
        if (auto* l = dynamic_cast<const Label*>(&c)) {
            if (auto r = readings.find(&c); r != readings.end()) {
                item.role = ReaderRole::Formula;
                item.name = r->second->reading.empty() ? joined(*r->second) : r->second->reading;
            } else {
                item.role = l->linkPointer && l->onClick ? ReaderRole::Link : ReaderRole::Text;
                item.name = named(c, spoken(l->Caption));
            }
        } else if (auto* t = dynamic_cast<const TextBox*>(&c)) {
            item.role = ReaderRole::TextBox;
            item.name = named(c, labelFor(form, c, parts));
            item.value = t->Text;
        } else if (auto* k = dynamic_cast<const CheckBox*>(&c)) {
            item.role = ReaderRole::CheckBox;
            item.name = named(c, spoken(k->Caption));
            item.checked = k->Value;
        } else if (auto* b = dynamic_cast<const CommandButton*>(&c)) {
            item.role = ReaderRole::Button;
            item.name = named(c, spoken(b->Caption));
        } else {
            continue;  // lines, shapes and timers say nothing
        }
        if (item.name.empty() && item.role != ReaderRole::TextBox) continue;
        items.push_back(std::move(item));
    }
    inReadingOrder(form, items);
    return items;
}

std::string describe(const std::vector<ReaderItem>& items) {
    std::string out;
    for (auto& i : items) {
        out += readerRoleName(i.role);
        out += ": ";
        out += i.name;
        if (i.role == ReaderRole::TextBox) out += " [" + i.value + "]";
        if (i.checked >= 0) out += i.checked ? " (checked)" : " (not checked)";
        out += '\n';
    }
    return out;
}

std::vector<std::string> Announcer::look(const Form& form) {
    // A page being built or hidden says nothing; its showing starts afresh.
    if (!form.visible()) {
        primed_ = false;
        return {};
    }
    if (&form != form_ || form.activations() != activations_) {
        form_ = &form;
        activations_ = form.activations();
        primed_ = false;
    }
    if (!primed_) {
        shown_.clear();
        said_.clear();
    }
    std::vector<std::string> news;
    std::map<const Control*, std::string> now;
    for (auto& item : readPage(form)) {
        if (item.role != ReaderRole::Text && item.role != ReaderRole::Formula) continue;
        now[item.control] = item.name;
        if (!primed_ || form.readerNotes().ticking.count(item.control)) continue;
        auto before = shown_.find(item.control);
        if (before != shown_.end() && before->second == item.name) continue;
        // A text said once on this showing is not said again when it comes back as it was (a
        // formula hidden and revealed for each throw).
        if (said_.insert({item.control, item.name}).second) news.push_back(item.name);
    }
    shown_ = std::move(now);
    primed_ = true;
    return news;
}

}  // namespace scene
