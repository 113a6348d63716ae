// The pages' magnification: where a magnified scene lands, and what the pointer and drags do.
#include "scene/zoom.h"

#include <gtest/gtest.h>

using scene::Placement;
using scene::Zoom;

namespace {

// Lesson 1's page in a 1920 x 1050 view: wider than the scene, so it is fitted by its height.
constexpr double kW = 11580, kH = 8235, kVW = 1920, kVH = 1050;

Placement place(const Zoom& z) { return z.place(kW, kH, kVW, kVH); }

TEST(Zoom, MagnifyingAboutAPointKeepsTheScenePointUnderItWithinOneAndFourTimes) {
    struct Case {
        double factor, px, py;
    };
    for (Case c :
         {Case{2, 960, 525}, Case{3, 1200, 700}, Case{1.5, 700, 300}, Case{4, 1000, 500}}) {
        Zoom z;
        const Placement before = place(z);
        const double tx = before.toTwipsX(c.px), ty = before.toTwipsY(c.py);
        z.zoomAbout(c.factor, c.px, c.py, kW, kH, kVW, kVH);
        const Placement after = place(z);
        EXPECT_NEAR(after.scale, before.scale * c.factor, 1e-9);
        EXPECT_NEAR(after.toPxX(tx), c.px, 1e-6) << c.factor;
        EXPECT_NEAR(after.toPxY(ty), c.py, 1e-6) << c.factor;
    }
    Zoom z;
    z.zoomAbout(10, 960, 525, kW, kH, kVW, kVH);
    EXPECT_EQ(z.factor(), Zoom::kMax);
    z.zoomAbout(0.1, 960, 525, kW, kH, kVW, kVH);
    EXPECT_EQ(z.factor(), 1);
    EXPECT_FALSE(z.magnified());
}

TEST(Zoom, AtOneTimesTheSceneIsFittedWholeAndCentredWhateverWasDoneBefore) {
    Zoom z;
    z.zoomAbout(3, 100, 100, kW, kH, kVW, kVH);
    z.panBy(-500, 200, kW, kH, kVW, kVH);
    z.fit();
    const Placement p = place(z);
    EXPECT_NEAR(p.scale, kVH / (kH / 15), 1e-9);
    EXPECT_NEAR(p.oy, 0, 1e-9);
    EXPECT_NEAR(p.ox, (kVW - kW / 15 * p.scale) / 2, 1e-9);
}

TEST(Zoom, AMagnifiedSceneCoversTheViewNoPanOrZoomNearAnEdgeShowsBeyondIt) {
    Zoom z;
    // About the top-left corner: the scene's corner stays in the view's corner.
    z.zoomAbout(2, 0, 0, kW, kH, kVW, kVH);
    Placement p = place(z);
    EXPECT_LE(p.ox, 0);
    EXPECT_NEAR(p.oy, 0, 1e-9);
    for (auto [dx, dy] : {std::pair{5000.0, 5000.0}, {-5000.0, -5000.0}, {300.0, -120.0}}) {
        z.panBy(dx, dy, kW, kH, kVW, kVH);
        p = place(z);
        const double w = kW / 15 * p.scale, h = kH / 15 * p.scale;
        EXPECT_LE(p.ox, 1e-9) << dx;
        EXPECT_LE(p.oy, 1e-9) << dy;
        EXPECT_GE(p.ox + w, kVW - 1e-9) << dx;
        EXPECT_GE(p.oy + h, kVH - 1e-9) << dy;
    }
    // A drag moves the scene with the pointer while it has room to.
    z.fit();
    z.zoomAbout(2, 960, 525, kW, kH, kVW, kVH);
    const Placement before = place(z);
    z.panBy(40, -30, kW, kH, kVW, kVH);
    EXPECT_NEAR(place(z).ox, before.ox + 40, 1e-6);
    EXPECT_NEAR(place(z).oy, before.oy - 30, 1e-6);
    // The menu's Zoom In magnifies about the middle of what is shown.
    const double midX = place(z).toTwipsX(kVW / 2), midY = place(z).toTwipsY(kVH / 2);
    z.zoomBy(Zoom::kStep);
    EXPECT_NEAR(place(z).toTwipsX(kVW / 2), midX, 1e-6);
    EXPECT_NEAR(place(z).toTwipsY(kVH / 2), midY, 1e-6);
}

}  // namespace
