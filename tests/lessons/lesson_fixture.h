#pragma once
// A lesson form played on the driver's virtual clock, and what the lesson tests read off it:
// its beeps, the frames a paced run presents, a snapshot of every property, and where a control
// lies in the layering.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "scene/form.h"
#include "scene/program.h"
#include "tools/driver/driver.h"

namespace lessontest {

struct Beep {
    double t;  // [virtual ms]
    int ms;
};

// The lesson form F, started under `name` from its first activation.
template <class F>
struct LessonRun : ::testing::Test {
    explicit LessonRun(std::string formName) : name(std::move(formName)) {}
    void SetUp() override { ASSERT_TRUE(s.start(name)); }

    F& form() { return s.program().template get<F>(name); }
    void runTo(std::optional<double> t) { ASSERT_TRUE(s.run(t, {}, err)) << err; }
    // One tick of the earliest due timer.
    void tick() {
        auto due = s.program().nextDue();
        ASSERT_TRUE(due.has_value()) << "no timer is due";
        s.advanceTo(*due);
    }
    // For a form with a tick counter `tick` and an animation timer `jam`: ticks until it has
    // counted `n` ticks or its timer has stopped.
    void untilTick(double n) {
        while (form().tick < n && form().jam.Enabled) tick();
    }
    // Every beep of the run so far: 440 Hz each, at these times and of these lengths.
    void expectBeeps(const std::vector<Beep>& expected) {
        const auto& beeps = s.platform().beeps;
        ASSERT_EQ(beeps.size(), expected.size());
        for (std::size_t i = 0; i < beeps.size(); ++i) {
            EXPECT_EQ(beeps[i].t, expected[i].t) << i;
            EXPECT_EQ(beeps[i].hz, 440) << i;
            EXPECT_EQ(beeps[i].ms, expected[i].ms) << i;
        }
    }
    // When the beeps after virtual time t began.
    std::vector<double> beepTimesAfter(double t) {
        std::vector<double> out;
        for (auto& b : s.platform().beeps)
            if (b.t > t) out.push_back(b.t);
        return out;
    }
    // Chooses a menu item at virtual time t.
    void menuAt(double t, const std::string& item = "rep") {
        ASSERT_TRUE(s.run(t, {*driver::parseAction(t, "menu:" + item, err)}, err)) << err;
    }
    // Chooses a menu item at the first frame a long handler presents once `when` holds.
    void menuDuringHandler(std::function<bool()> when, const std::string& item = "rep") {
        s.platform().onFrame = [this, when, item] {
            if (!chosen && when()) {
                chosen = true;
                s.program().menu(*form().menuItem(item));
            }
        };
    }
    // Plays paced, noting how many segments had been drawn at each frame presented.
    void recordPacedFrames() {
        s.platform().paced = true;
        s.platform().onFrame = [this] { frames.push_back(form().surface().size()); };
    }
    // How long the segments after `begin` up to `end` were on their way on screen [s]: the
    // frames presented meanwhile, at 60 a second.
    double secondsDrawing(std::size_t begin, std::size_t end) const {
        auto n = std::count_if(frames.begin(), frames.end(),
                               [&](std::size_t drawn) { return drawn > begin && drawn <= end; });
        return double(n) / 60;
    }

    std::string name;
    driver::Session s;
    std::string err;
    bool chosen = false;              // menuDuringHandler has chosen its item
    std::vector<std::size_t> frames;  // segments drawn at each frame presented
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
