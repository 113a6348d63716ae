#include "tools/driver/report.h"

#include "scene/pointer.h"

namespace driver {

using scene::Form;

namespace {

Json propValue(const scene::PropValue& v) {
    if (auto* d = std::get_if<double>(&v)) return Json(*d);
    if (auto* s = std::get_if<std::string>(&v)) return Json(*s);
    return Json(std::get<bool>(v));
}

// Beeps, pointer moves, message boxes, slow handlers and opened addresses, in order.
void addRecords(Json& r, const VirtualPlatform& platform) {
    Json beeps = Json::array();
    for (auto& b : platform.beeps) beeps.push(Json::Object{{"t", b.t}, {"hz", b.hz}, {"ms", b.ms}});
    r["beeps"] = beeps;
    Json cursor = Json::array();
    for (auto& c : platform.cursor) {
        auto at = scene::classicClientPoint(c.px, c.py);
        cursor.push(Json::Object{{"t", c.t}, {"px", c.px}, {"py", c.py}, {"x", at.x}, {"y", at.y}});
    }
    r["cursor"] = cursor;
    Json messages = Json::array();
    for (auto& m : platform.messages) messages.push(Json::Object{{"t", m.t}, {"text", m.text}});
    r["messages"] = messages;
    Json handlers = Json::array();
    for (auto& h : platform.handlers)
        handlers.push(Json::Object{{"t", h.t}, {"form", h.form}, {"name", h.name}, {"ms", h.ms}});
    r["handlers"] = handlers;
    Json urls = Json::array();
    for (auto& u : platform.urls) urls.push(u);
    r["urls"] = urls;
}

// A form's menu, its controls with every property, and what is drawn on it.
void addForm(Json& r, const Form* shown, bool withSegments) {
    Json menu = Json::object();
    Json controls = Json::object();
    Json segments = Json::object();
    if (shown) {
        for (auto& m : shown->menu()) {
            Json::Object item{
                {"caption", m->caption}, {"shortcut", m->shortcut}, {"enabled", m->Enabled.get()}};
            if (m->checkable) item.emplace_back("checked", m->checked);
            menu[m->name()] = item;
        }
        for (auto& c : shown->controls()) {
            Json entry = Json::object();
            entry["kind"] = scene::kindName(c->kind());
            scene::PropList props;
            c->properties(props);
            for (auto& [k, v] : props) entry[k] = propValue(v);
            controls[c->fullName()] = entry;
        }
        auto& segs = shown->surface();
        segments["count"] = segs.size();
        if (withSegments) {
            Json items = Json::array();
            segs.forEach(0, [&](const scene::Segment& s) {
                items.push(Json::Array{double(s.x1), double(s.y1), double(s.x2), double(s.y2),
                                       double(s.color)});
            });
            segments["items"] = items;
        }
    } else {
        segments["count"] = 0;
    }
    r["menu"] = menu;
    r["controls"] = controls;
    r["segments"] = segments;
}

// The demonstration of the form described: its length and stages; null without a script.
void addTimeline(Json& r, scene::Program& p, const Form* shown) {
    const scene::Timeline* t = shown ? p.timeline(shown->name()) : nullptr;
    if (!t) {
        r["timeline"] = Json();
        return;
    }
    Json stages = Json::array();
    for (auto& s : t->stages) stages.push(Json::Object{{"t", s.t}, {"name", s.name}});
    r["timeline"] = Json::Object{{"length_ms", t->lengthMs}, {"stages", stages}};
}

}  // namespace

Json report(const Session& session, const std::string& startForm, bool withSegments) {
    const auto& p = session.program();
    Json r = Json::object();
    r["form"] = startForm;
    r["time_ms"] = session.platform().clock;
    Form* active = p.active();
    r["active"] = active ? Json(active->name()) : Json();
    Json vis = Json::array();
    for (Form* f : p.visibleForms()) vis.push(f->name());
    r["visible_forms"] = vis;
    r["ended"] = p.ended();
    r["playback"] = Json::Object{{"paused", p.paused()}, {"speed", p.speed()}};
    addRecords(r, session.platform());
    // A program that closed every window is described by the form it started on.
    Form* shown = shownForm(p);
    const Form* described = shown ? shown : p.created(startForm);
    addForm(r, described, withSegments);
    addTimeline(r, const_cast<scene::Program&>(p), described);
    return r;
}

}  // namespace driver
