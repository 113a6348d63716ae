#pragma once
#include <cstdint>

namespace scene {

// A colour as the lessons write it: &H00BBGGRR& (red in the low byte).
using Color = std::uint32_t;

constexpr Color rgb(int r, int g, int b) {
    return Color(r & 0xFF) | (Color(g & 0xFF) << 8) | (Color(b & 0xFF) << 16);
}
constexpr int red(Color c) { return int(c & 0xFF); }
constexpr int green(Color c) { return int((c >> 8) & 0xFF); }
constexpr int blue(Color c) { return int((c >> 16) & 0xFF); }

// The 16-colour palette the lessons pick colours from by number: dark components 128, bright 255,
// light grey 192. Out-of-range indices fold into 0..15 rather than failing.
Color QBColor(int n);

// The line-drawing method takes a signed 32-bit value; only its low three bytes are the colour,
// so -2000000 shows as &H00E17B80&.
constexpr Color lineColor(std::int32_t v) { return Color(std::uint32_t(v) & 0xFFFFFFu); }

// The system's button face, the default background of forms and labels.
constexpr Color kButtonFace = rgb(192, 192, 192);
constexpr Color kBlack = 0x000000;
constexpr Color kWhite = 0xFFFFFF;

}  // namespace scene
