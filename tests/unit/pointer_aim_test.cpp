// Where the self-playing lessons' pointer glides end, in the driver's record of the pointer: each
// end lies in the middle half of its target, across and down, so that no window size or rounding
// puts it off the box.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scene/pointer.h"
#include "tools/driver/driver.h"

namespace {

struct Aim {
    const char* form;
    std::vector<std::string> targets;  // the control each glide ends on, in order
};

std::vector<std::string> alternating(const char* a, const char* b, int ends) {
    std::vector<std::string> out;
    for (int k = 0; k < ends; ++k) out.push_back(k % 2 == 0 ? a : b);
    return out;
}

const Aim kAims[] = {
    {"Lesson2", {"Ratio", "ck(0)", "Ratio", "ck(1)", "Ratio", "ck(2)"}},
    // On the speed box as the page opens, then onto the check box and back for each glide.
    {"Lesson8", alternating("vinit", "ck", 10)},
    {"Lesson12", alternating("vinit", "ck", 14)},
};

// The last point of each glide: where the pointer rests for longer than a tick of the glide.
std::vector<driver::CursorRecord> glideEnds(const std::vector<driver::CursorRecord>& all) {
    std::vector<driver::CursorRecord> out;
    for (size_t k = 0; k < all.size(); ++k)
        if (k + 1 == all.size() || all[k + 1].t - all[k].t > 250) out.push_back(all[k]);
    return out;
}

bool inMiddleHalf(const scene::Control& c, scene::TwipPoint p) {
    return c.Left + c.Width / 4 <= p.x && p.x <= c.Left + 3 * c.Width / 4 &&
           c.Top + c.Height / 4 <= p.y && p.y <= c.Top + 3 * c.Height / 4;
}

TEST(PointerAim, EveryGlideEndsInTheMiddleHalfOfItsTarget) {
    int checked = 0;
    for (const Aim& aim : kAims) {
        SCOPED_TRACE(aim.form);
        driver::Session s;
        if (!s.program().exists(aim.form)) continue;
        std::string err;
        ASSERT_TRUE(s.start(aim.form));
        ASSERT_TRUE(s.run(120000, {}, err)) << err;
        const auto ends = glideEnds(s.platform().cursor);
        ASSERT_EQ(ends.size(), aim.targets.size());
        for (size_t k = 0; k < ends.size(); ++k) {
            const scene::Control* target = s.program().form(aim.form)->find(aim.targets[k]);
            ASSERT_NE(target, nullptr) << aim.targets[k];
            const auto at = scene::classicClientPoint(ends[k].px, ends[k].py);
            EXPECT_TRUE(inMiddleHalf(*target, at))
                << "glide " << k << " ends at " << at.x << ", " << at.y << " on " << aim.targets[k];
            ++checked;
        }
    }
    if (checked == 0) GTEST_SKIP() << "none of the self-playing lessons is in this build";
}

}  // namespace
