#pragma once

namespace scene {

// The lessons compute pointer positions for a maximised window on a classic desktop: the client
// area starts at the screen's left edge, below a title bar and a menu bar 34 pixels tall
// together, at 15 twips per pixel. Front ends map those pixels through their real window.
constexpr int kClassicTwipsPerPixel = 15;
constexpr int kClassicClientLeftPx = 0;
constexpr int kClassicClientTopPx = 34;

struct TwipPoint {
    double x, y;
};

// A screen position in pixels; fractional until the pointer is moved there.
struct PixelPoint {
    double x, y;
};

inline TwipPoint classicClientPoint(int px, int py, int twipsPerPixel = kClassicTwipsPerPixel) {
    return {double(px - kClassicClientLeftPx) * twipsPerPixel,
            double(py - kClassicClientTopPx) * twipsPerPixel};
}

// The screen pixel over the client point (x, y) [twips] of the classic window.
constexpr PixelPoint classicScreenPixel(double x, double y) {
    return {kClassicClientLeftPx + x / kClassicTwipsPerPixel,
            kClassicClientTopPx + y / kClassicTwipsPerPixel};
}

// One presented frame of a paced long handler.
constexpr double kFrameMs = 1000.0 / 60.0;

}  // namespace scene
