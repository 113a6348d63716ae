#pragma once
// The program's emblem: a little flying saucer, used as the window icon and as the
// pointer shown over links. Kept as palette indices so the desktop side can build an
// icon, a cursor or a bitmap from it without this code knowing any toolkit.

#include <array>
#include <cstdint>

namespace shell {

constexpr int kSaucerSize = 32;

// Pixel value for "not part of the picture".
constexpr uint8_t kTransparent = 255;

// Row-major, [y][x]: an index 0..15 into the 16-colour palette (see paletteRgb),
// or kTransparent.
const std::array<std::array<uint8_t, kSaucerSize>, kSaucerSize>& saucerPixels();

struct Hotspot {
    int x, y;
};

// The pixel a pointer made from the picture clicks with: the tip of the dome, so the
// point of the pointer is where its top is, as with an arrow.
Hotspot saucerHotspot();

// 0xRRGGBB of the 16 palette colours: 0 black, 1 blue, 2 green, 3 cyan, 4 red, 5 magenta,
// 6 brown, 7 light grey, 8 dark grey, 9..14 the bright versions of 1..6, 15 white. Dark
// components are 0x80, bright 0xFF, light grey 0xC0. Anything else gives 0 (black).
uint32_t paletteRgb(int index);

}  // namespace shell
