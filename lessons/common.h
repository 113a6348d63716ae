#pragma once
// What the lessons share: the earth as the gravity lessons compute with it, the beeps, the
// colours several lessons paint with, and the pointer the self-playing lessons move.
#include <cstdint>

#include "scene/color.h"
#include "scene/control.h"
#include "scene/form.h"
#include "scene/pointer.h"

namespace lessons {

// --- The earth ---------------------------------------------------------------------------------

inline constexpr double kGravitationalConstant = 6.6e-11;  // G [N m^2/kg^2]
inline constexpr double kEarthMass = 5.95e24;              // M [kg]
inline constexpr double kEarthRadius = 6370000;            // R [m]
inline constexpr double kEarthRadiusKm = 6370;  // R [km], as the drawings' scales take it

// Pi to two decimals: the lessons turn degrees into radians and count turns with it.
inline constexpr double kPi = 3.14;

// --- Beeps -------------------------------------------------------------------------------------

// Every beep of the lessons has this pitch [Hz].
inline constexpr int kBeepHz = 440;
// A countdown tick and the cue that a new stage begins [ms].
inline constexpr int kCountdownBeepMs = 25;

// --- Colours (&H00BBGGRR&) ---------------------------------------------------------------------

inline constexpr scene::Color kBlue = scene::rgb(0, 0, 255);
inline constexpr scene::Color kRed = scene::rgb(255, 0, 0);
inline constexpr scene::Color kGreen = scene::rgb(0, 128, 0);
inline constexpr scene::Color kBrightGreen = scene::rgb(0, 192, 0);
inline constexpr scene::Color kOrange = scene::rgb(255, 128, 0);  // "WAIT!" and other notices
inline constexpr scene::Color kTeal = scene::rgb(0, 192, 192);
inline constexpr scene::Color kGrey = scene::rgb(128, 128, 128);
inline constexpr scene::Color kPaleBlue = scene::rgb(192, 192, 255);  // most earth discs
inline constexpr scene::Color kLavender = scene::rgb(128, 128, 255);
inline constexpr scene::Color kClockFace = scene::rgb(255, 128, 128);

// Colours of drawn paths, as the signed values the line method is given.
inline constexpr std::int32_t kPathColour = -2000000;      // &H00E17B80&: a launch's path
inline constexpr std::int32_t kExtendedColour = -5000000;  // &H00B3B4C0&: a path continued
inline constexpr std::int32_t kVioletTrace = 0x00F551A0;   // an orbit traced after its flight
inline constexpr std::int32_t kGreenTrace = 0x0085D2A8;    // the smaller orbit traced

// Line styles besides solid.
inline constexpr int kDot = 3;
inline constexpr int kDashDot = 4;

// --- The pointer -------------------------------------------------------------------------------

// Moves the pointer to (px, py), a screen pixel of the classic desktop, on a screen of tpp
// twips per pixel.
inline void pointerTo(scene::Form& f, double px, double py, int tpp) {
    f.MoveCursor(px * scene::kClassicTwipsPerPixel / tpp, py * scene::kClassicTwipsPerPixel / tpp);
}

// Where the pointer aims at a control: the classic screen pixel over its middle, so that it
// lands well inside the control at any size of the window.
inline scene::PixelPoint middleOf(const scene::Control& c) {
    return scene::classicScreenPixel(c.Left + c.Width / 2, c.Top + c.Height / 2);
}

// Step k of a straight glide of n steps: `from` at step 0, `to` at step n (at once when n is not
// positive).
inline scene::PixelPoint along(scene::PixelPoint from, scene::PixelPoint to, double k, double n) {
    if (!(n > 0)) return to;
    return {from.x + k * (to.x - from.x) / n, from.y + k * (to.y - from.y) / n};
}

// Lessons 8 and 12 start each launch as a student would: the pointer rests on the speed box,
// glides onto the check box beside it in kGlideSteps ticks, and after the flight glides back.
inline constexpr int kGlideSteps = 21;

// The pointer at `step` of that glide: over the middle of the box at 0, over the middle of the
// check box at kGlideSteps.
inline void glideToCheckBox(scene::Form& f, const scene::Control& box, const scene::Control& check,
                            int step, int tpp) {
    const scene::PixelPoint at = along(middleOf(box), middleOf(check), step, kGlideSteps);
    pointerTo(f, at.x, at.y, tpp);
}

// --- The script --------------------------------------------------------------------------------

// A stage of a self-playing script: the ticks first to last, both included.
struct Ticks {
    int first, last;
    constexpr bool contains(long t) const { return first <= t && t <= last; }
};

}  // namespace lessons
