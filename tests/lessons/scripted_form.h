// A lesson form played tick by tick on the driver's virtual clock, and what the lesson tests
// read off it: a snapshot of every property, and where a control lies in the layering.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <variant>

#include "scene/form.h"
#include "scene/program.h"
#include "tools/driver/driver.h"

namespace lessontest {

// Starts the form F under `name`; F has a tick counter `tick` and an animation timer `jam`.
template <class F>
struct ScriptedForm : ::testing::Test {
    explicit ScriptedForm(const char* name) : name_(name) {}
    driver::Session s;
    std::string err;
    void SetUp() override { ASSERT_TRUE(s.start(name_)); }
    F& form() { return s.program().template get<F>(name_); }
    // One tick of the earliest due timer.
    void tick() {
        auto due = s.program().nextDue();
        ASSERT_TRUE(due.has_value()) << "no timer is due";
        s.advanceTo(*due);
    }
    // Ticks until the form has counted `n` ticks or its timer has stopped.
    void untilTick(double n) {
        while (form().tick < n && form().jam.Enabled) tick();
    }

private:
    const char* name_;
};

// Every property of every control, and whether each menu item is enabled, by name.
inline std::map<std::string, std::string> snapshot(const scene::Form& f) {
    std::map<std::string, std::string> out;
    for (auto& c : f.controls()) {
        scene::PropList props;
        c->properties(props);
        for (auto& [k, v] : props) {
            std::string text;
            if (auto* d = std::get_if<double>(&v))
                text = std::to_string(*d);
            else if (auto* str = std::get_if<std::string>(&v))
                text = *str;
            else
                text = std::get<bool>(v) ? "true" : "false";
            out[c->fullName() + "." + k] = text;
        }
    }
    for (auto& m : f.menu()) out["menu " + m->name()] = m->Enabled ? "on" : "off";
    return out;
}

// Where `c` lies in the canvas's layering: a smaller rank lies above a larger one.
inline long layer(const scene::Form& f, const scene::Control& c) {
    auto order = f.canvasOrder();
    return long(std::find(order.begin(), order.end(), &c) - order.begin());
}

}  // namespace lessontest
