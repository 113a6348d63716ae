#include "shell/saucer.h"

#include <cstddef>
#include <stdexcept>

namespace shell {

namespace {

// One character per pixel; edit the picture here by eye.
//   .  transparent       K  black (outline)    D  dark grey (hull)
//   L  light grey (lit top of the hull)        W  white (glint on the glass)
//   C  bright cyan (glass)                     B  cyan (glass in shadow)
//   R  bright red light                        Y  bright yellow light
constexpr const char* kArt[kSaucerSize] = {
    "................................", "................................",
    "................................", "................................",
    "................................", "................................",
    "..............KKKK..............", "............KKCCCCKK............",
    "...........KCWWCCCCBK...........", "..........KCWWCCCCCCBK..........",
    "..........KCWCCCCCCCBK..........", ".........KCCCCCCCCCCCBK.........",
    ".........KCCCCCCCCCCCBK.........", ".........KCCCCCCCCCCCBK.........",
    "......KKKKBBBBBBBBBBBBKKKK......", "...KKKLLLLKKKKKKKKKKKKLLLLKKK...",
    "..KLLWWLLLLLLLLLLLLLLLLLLLLLLK..", ".KLLLLLLLLLLLLLLLLLLLLLLLLLLLLK.",
    "KDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDK", "KDDRRDDYYDDRRDDYYDDRRDDYYDDRRDDK",
    "KDDRRDDYYDDRRDDYYDDRRDDYYDDRRDDK", "KDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDK",
    ".KKDDDDDDDDDDDDDDDDDDDDDDDDDDKK.", "...KKKDDDDDDDDDDDDDDDDDDDDKKK...",
    "......KKKKKKDDDDDDDDKKKKKK......", "............KKKKKKKK............",
    "................................", "................................",
    "................................", "................................",
    "................................", "................................",
};

constexpr uint8_t indexFor(char c) {
    switch (c) {
        case '.':
            return kTransparent;
        case 'K':
            return 0;
        case 'B':
            return 3;
        case 'L':
            return 7;
        case 'D':
            return 8;
        case 'C':
            return 11;
        case 'R':
            return 12;
        case 'Y':
            return 14;
        case 'W':
            return 15;
    }
    // Reached only while compiling kPixels: an unknown character breaks the build.
    throw std::logic_error("saucer art: character missing from the legend");
}

using Pixels = std::array<std::array<uint8_t, kSaucerSize>, kSaucerSize>;

constexpr Pixels fromArt() {
    Pixels p{};
    for (int y = 0; y < kSaucerSize; ++y) {
        const char* row = kArt[y];
        for (int x = 0; x < kSaucerSize; ++x) {
            // A short row hits its terminator here and fails the build as well.
            p[y][x] = indexFor(row[x]);
        }
        if (row[kSaucerSize] != '\0') throw std::logic_error("saucer art: row too long");
    }
    return p;
}

constexpr Pixels kPixels = fromArt();

}  // namespace

const Pixels& saucerPixels() { return kPixels; }

Hotspot saucerHotspot() {
    for (int y = 0; y < kSaucerSize; ++y)
        for (int x = 0; x < kSaucerSize; ++x)
            if (kPixels[y][x] != kTransparent) {
                // Topmost row of the dome; its outline is an even run, take the left middle.
                int right = x;
                while (right + 1 < kSaucerSize && kPixels[y][right + 1] != kTransparent) ++right;
                return {(x + right) / 2, y};
            }
    return {kSaucerSize / 2, kSaucerSize / 2};
}

uint32_t paletteRgb(int index) {
    static constexpr uint32_t kPalette[16] = {
        0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
        0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
    };
    return index >= 0 && index < 16 ? kPalette[index] : 0;
}

}  // namespace shell
