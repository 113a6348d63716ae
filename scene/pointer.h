#pragma once

namespace scene {

// The lessons compute pointer positions for a maximised window on a classic desktop: the client
// area starts at the screen's left edge, below a title bar and a menu bar 34 pixels tall
// together, at 15 twips per pixel. Front ends map those pixels through their real window.
constexpr int kClassicClientLeftPx = 0;
constexpr int kClassicClientTopPx = 34;

struct TwipPoint {
    double x, y;
};

inline TwipPoint classicClientPoint(int px, int py, int twipsPerPixel = 15) {
    return {double(px - kClassicClientLeftPx) * twipsPerPixel,
            double(py - kClassicClientTopPx) * twipsPerPixel};
}

// One presented frame of a paced long handler.
constexpr double kFrameMs = 1000.0 / 60.0;

}  // namespace scene
