#include "desktop/accessible.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <QWindow>
#include <algorithm>

#include "desktop/buttonwidget.h"
#include "desktop/checkboxwidget.h"
#include "desktop/formwindow.h"
#include "desktop/linkwidget.h"

namespace desktop {

using scene::ReaderRole;

namespace {

QString qtext(const std::string& s) { return QString::fromStdString(s); }

// A text or formula the canvas paints, or (without a control) the notification object. It has no
// widget of its own: the canvas's reader answers for it.
class PaintedAccessible : public QAccessibleInterface, public QAccessibleTextInterface {
public:
    PaintedAccessible(CanvasReader& reader, const scene::Control* c) : reader_(reader), c_(c) {}
    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return reader_.canvas().window()->windowHandle(); }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(&reader_.canvas());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) return {};
        return c_ ? reader_.itemName(reader_.indexOfItem(c_)) : reader_.status();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return c_ ? reader_.itemRect(reader_.indexOfItem(c_)) : QRect(); }
    QAccessible::Role role() const override {
        return c_ ? QAccessible::StaticText : QAccessible::Notification;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.readOnly = true;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                               : nullptr;
    }

    // Its words as text too, for a reader's review by word and character: nothing to select,
    // no caret.
    QString text(int start, int end) const override {
        const QString all = text(QAccessible::Name);
        start = std::clamp(start, 0, int(all.size()));
        end = end < 0 ? int(all.size()) : std::clamp(end, start, int(all.size()));
        return all.mid(start, end - start);
    }
    int characterCount() const override { return int(text(QAccessible::Name).size()); }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    CanvasReader& reader_;
    const scene::Control* c_;
};

Canvas* canvasOf(QObject* o) { return dynamic_cast<Canvas*>(o); }

// The canvas: its children are the page's items in reading order, not its widgets as stacked.
class CanvasAccessible : public QAccessibleWidget {
public:
    explicit CanvasAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Client) {}
    int childCount() const override {
        Canvas* c = canvasOf(object());
        if (c && !c->reader().read()) c->readAgain();
        return c ? c->reader().childCount() : 0;
    }
    QAccessibleInterface* child(int i) const override {
        Canvas* c = canvasOf(object());
        return c ? c->reader().child(i) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        Canvas* c = canvasOf(object());
        return c ? c->reader().indexOf(child) : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = childCount() - 1; i >= 0; --i)
            if (QAccessibleInterface* c = child(i); c && c->rect().contains(x, y)) return c;
        return nullptr;
    }
};

// A clickable label, a button or a check box the canvas paints into its own widget.
class ControlAccessible : public QAccessibleWidget {
public:
    ControlAccessible(QWidget* w, QAccessible::Role r) : QAccessibleWidget(w, r) {}
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (auto* box = dynamic_cast<CheckBoxWidget*>(widget())) {
            s.checkable = true;
            s.checked = box->box().Value == 1;
            s.checkStateMixed = box->box().Value == 2;
        }
        return s;
    }
    QStringList actionNames() const override {
        if (!widget()->isEnabled()) return {};
        return {role() == QAccessible::CheckBox ? toggleAction() : pressAction()};
    }
    void doAction(const QString& name) override {
        if (!widget()->isEnabled()) return;
        if (name == pressAction() || name == toggleAction()) {
            if (auto* l = dynamic_cast<LinkWidget*>(widget())) l->activate();
            if (auto* b = dynamic_cast<ButtonWidget*>(widget())) b->activate();
            if (auto* c = dynamic_cast<CheckBoxWidget*>(widget())) c->activate();
        } else {
            QAccessibleWidget::doAction(name);
        }
    }
};

QAccessibleInterface* factory(const QString& key, QObject* o) {
    // These widgets carry no meta-object of their own: they ask as plain widgets.
    if (key != QLatin1String("QWidget")) return nullptr;
    auto* w = static_cast<QWidget*>(o);
    if (canvasOf(o)) return new CanvasAccessible(w);
    if (dynamic_cast<LinkWidget*>(o)) return new ControlAccessible(w, QAccessible::Link);
    if (dynamic_cast<ButtonWidget*>(o)) return new ControlAccessible(w, QAccessible::Button);
    if (dynamic_cast<CheckBoxWidget*>(o)) return new ControlAccessible(w, QAccessible::CheckBox);
    return nullptr;
}

bool sameReading(const scene::ReaderItem& a, const scene::ReaderItem& b) {
    return a.control == b.control && a.role == b.role && a.name == b.name && a.value == b.value &&
           a.checked == b.checked;
}

void send(QAccessibleInterface* iface, QAccessible::Event type) {
    if (!iface) return;
    QAccessibleEvent e(iface, type);
    QAccessible::updateAccessibility(&e);
}

}  // namespace

// A screen reader started after the pages were shown finds them read at once, not at their
// next change, which a still page never has.
class ReadWhenActive : public QAccessible::ActivationObserver {
public:
    void accessibilityActiveChanged(bool active) override {
        if (!active) return;
        QTimer::singleShot(0, qApp, [] {
            for (QWidget* w : QApplication::allWidgets())
                if (auto* c = canvasOf(w); c && c->isVisible()) c->readAgain();
        });
    }
};

void installAccessibility() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(factory);
    static ReadWhenActive observer;
    QAccessible::installActivationObserver(&observer);
}

void forgetEarlyAccessibility(QWidget* w) {
    if (!QAccessible::isActive()) return;
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    if (iface && !dynamic_cast<CanvasAccessible*>(iface) &&
        !dynamic_cast<ControlAccessible*>(iface) &&
        (canvasOf(w) || dynamic_cast<LinkWidget*>(w) || dynamic_cast<ButtonWidget*>(w) ||
         dynamic_cast<CheckBoxWidget*>(w)))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
}

CanvasReader::CanvasReader(Canvas& canvas) : canvas_(canvas) {}

CanvasReader::~CanvasReader() {
    for (auto& [c, id] : ids_) QAccessible::deleteAccessibleInterface(id);
    if (statusId_) QAccessible::deleteAccessibleInterface(statusId_);
}

QAccessible::Id CanvasReader::itemId(const scene::Control* c) {
    if (!c) {
        if (!statusId_)
            statusId_ = QAccessible::registerAccessibleInterface(new PaintedAccessible(*this, c));
        return statusId_;
    }
    auto it = ids_.find(c);
    if (it != ids_.end()) return it->second;
    const QAccessible::Id id =
        QAccessible::registerAccessibleInterface(new PaintedAccessible(*this, c));
    ids_[c] = id;
    return id;
}

QAccessibleInterface* CanvasReader::child(int i) const {
    auto* self = const_cast<CanvasReader*>(this);
    if (i == int(entries_.size())) return QAccessible::accessibleInterface(self->itemId(nullptr));
    if (i < 0 || i > int(entries_.size())) return nullptr;
    const Entry& e = entries_[std::size_t(i)];
    if (e.widget) return QAccessible::queryAccessibleInterface(e.widget);
    return QAccessible::accessibleInterface(self->itemId(e.control));
}

int CanvasReader::indexOf(const QAccessibleInterface* child) const {
    if (!child) return -1;
    for (int i = 0; i < childCount(); ++i)
        if (this->child(i) == child) return i;
    return -1;
}

int CanvasReader::indexOfItem(const scene::Control* c) const {
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].control == c) return int(i);
    return -1;
}

QString CanvasReader::itemName(int i) const {
    if (i < 0 || i >= int(entries_.size())) return {};
    return qtext(entries_[std::size_t(i)].item.name);
}

QRect CanvasReader::itemRect(int i) const {
    if (i < 0 || i >= int(entries_.size())) return {};
    const scene::Box& b = entries_[std::size_t(i)].item.box;
    const QRect local = canvas_.fit().rectPx(b.left, b.top, b.width, b.height).toAlignedRect();
    return QRect(canvas_.mapToGlobal(local.topLeft()), local.size());
}

void CanvasReader::update(const scene::Form& form,
                          const std::map<scene::Control*, QWidget*>& widgets) {
    if (!QAccessible::isActive()) {
        read_ = false;
        return;
    }
    read_ = true;
    std::vector<scene::ReaderItem> items = scene::readPage(form);
    const bool same = std::equal(
        items.begin(), items.end(), entries_.begin(), entries_.end(),
        [](const scene::ReaderItem& a, const Entry& b) { return sameReading(a, b.item); });
    if (!same) {
        std::vector<Entry> before = std::move(entries_);
        entries_.clear();
        for (auto& item : items) {
            auto w = widgets.find(const_cast<scene::Control*>(item.control));
            QWidget* widget = w != widgets.end() ? w->second : nullptr;
            entries_.push_back({item.control, std::move(item), widget});
        }
        // The widgets speak for their controls under the model's names.
        for (const Entry& e : entries_)
            if (e.widget && e.widget->accessibleName() != qtext(e.item.name))
                e.widget->setAccessibleName(qtext(e.item.name));
        // Items that stay in the same order keep their place; any other change of the list is
        // told as the old items gone and the new ones come.
        auto controls = [](const std::vector<Entry>& list) {
            std::vector<const scene::Control*> out;
            for (const Entry& e : list) out.push_back(e.control);
            return out;
        };
        const auto was = controls(before), now = controls(entries_);
        if (was != now) {
            auto has = [](const std::vector<const scene::Control*>& list, const scene::Control* c) {
                return std::find(list.begin(), list.end(), c) != list.end();
            };
            std::vector<const scene::Control*> keptWas, keptNow;
            for (auto* c : was)
                if (has(now, c)) keptWas.push_back(c);
            for (auto* c : now)
                if (has(was, c)) keptNow.push_back(c);
            const bool reordered = keptWas != keptNow;
            for (const Entry& e : before)
                if (reordered || !has(now, e.control))
                    send(e.widget ? QAccessible::queryAccessibleInterface(e.widget)
                                  : QAccessible::accessibleInterface(itemId(e.control)),
                         QAccessible::ObjectDestroyed);
            for (std::size_t i = 0; i < entries_.size(); ++i)
                if (reordered || !has(was, entries_[i].control))
                    send(child(int(i)), QAccessible::ObjectCreated);
        }
        // What stays but reads otherwise now: a painted text's new words, a box ticked.
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            const Entry& cur = entries_[i];
            auto old = std::find_if(before.begin(), before.end(),
                                    [&](const Entry& e) { return e.control == cur.control; });
            if (old == before.end()) continue;
            if (!cur.widget && cur.item.name != old->item.name)
                send(child(int(i)), QAccessible::NameChanged);
            if (cur.widget && cur.item.checked != old->item.checked) {
                QAccessible::State changed;
                changed.checked = true;
                QAccessibleStateChangeEvent e(cur.widget, changed);
                QAccessible::updateAccessibility(&e);
            }
        }
    }
    // Nothing read differently on the same showing of the page: nothing new to announce.
    if (same && form.activations() == activations_) return;
    activations_ = form.activations();
    for (const std::string& text : announcer_.look(form)) announce(qtext(text));
}

void CanvasReader::announce(const QString& text) {
    if (!QAccessible::isActive() || text.isEmpty()) return;
    status_ = text;
    QAccessibleInterface* status = QAccessible::accessibleInterface(itemId(nullptr));
    send(status, QAccessible::NameChanged);
    // Qt 6.4 has no announcement; a screen reader (Orca) speaks a notification as it shows.
    send(status, QAccessible::ObjectShow);
}

}  // namespace desktop
