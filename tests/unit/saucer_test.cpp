#include "shell/saucer.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <map>
#include <vector>

namespace {

using shell::kSaucerSize;
using shell::kTransparent;

constexpr uint8_t kBlack = 0, kDarkGrey = 8, kBrightRed = 12, kBrightYellow = 14;

uint8_t at(int x, int y) { return shell::saucerPixels()[y][x]; }
bool opaque(int x, int y) {
    return x >= 0 && y >= 0 && x < kSaucerSize && y < kSaucerSize && at(x, y) != kTransparent;
}

TEST(SaucerPicture, IsThirtyTwoSquareOfPaletteIndices) {
    const auto& px = shell::saucerPixels();
    ASSERT_EQ(px.size(), 32u);
    for (const auto& row : px) {
        ASSERT_EQ(row.size(), 32u);
        for (uint8_t i : row) EXPECT_TRUE(i < 16 || i == kTransparent) << int(i);
    }
}

TEST(SaucerPicture, TransparentOutsideTheShape) {
    for (int x : {0, 1, kSaucerSize - 2, kSaucerSize - 1})
        for (int y : {0, 1, kSaucerSize - 2, kSaucerSize - 1})
            EXPECT_FALSE(opaque(x, y)) << x << "," << y;

    int count = 0;
    for (int y = 0; y < kSaucerSize; ++y)
        for (int x = 0; x < kSaucerSize; ++x) count += opaque(x, y);
    EXPECT_GT(count, kSaucerSize * kSaucerSize / 4) << "too little picture";
    EXPECT_LT(count, kSaucerSize * kSaucerSize * 3 / 4) << "too little transparency";
}

TEST(SaucerPicture, SilhouetteIsOutlinedInBlack) {
    for (int y = 0; y < kSaucerSize; ++y)
        for (int x = 0; x < kSaucerSize; ++x) {
            if (!opaque(x, y)) continue;
            const bool edge =
                !opaque(x - 1, y) || !opaque(x + 1, y) || !opaque(x, y - 1) || !opaque(x, y + 1);
            if (edge) {
                EXPECT_EQ(at(x, y), kBlack) << "unoutlined edge at " << x << "," << y;
            }
        }
}

TEST(SaucerPicture, SilhouetteIsMirrorSymmetric) {
    for (int y = 0; y < kSaucerSize; ++y)
        for (int x = 0; x < kSaucerSize / 2; ++x)
            EXPECT_EQ(opaque(x, y), opaque(kSaucerSize - 1 - x, y)) << x << "," << y;
}

TEST(SaucerPicture, SmallDomeOnAWideDisc) {
    std::vector<int> width(kSaucerSize, 0);
    int top = -1, widest = 0;
    for (int y = 0; y < kSaucerSize; ++y) {
        for (int x = 0; x < kSaucerSize; ++x) width[y] += opaque(x, y);
        if (width[y] > 0 && top < 0) top = y;
        if (width[y] > width[widest]) widest = y;
    }
    ASSERT_GE(top, 0);
    EXPECT_GE(width[widest], kSaucerSize - 2) << "disc spans the picture";
    EXPECT_LE(width[top], kSaucerSize / 4) << "dome is small";
    EXPECT_LT(top, widest);

    // The hull is dark grey: its commonest colour.
    std::map<int, int> colours;
    for (int y = 0; y < kSaucerSize; ++y)
        for (int x = 0; x < kSaucerSize; ++x)
            if (opaque(x, y)) ++colours[at(x, y)];
    int commonest = -1;
    for (auto [c, n] : colours)
        if (commonest < 0 || n > colours[commonest]) commonest = c;
    EXPECT_EQ(commonest, kDarkGrey);
}

TEST(SaucerPicture, RowOfAlternatingRedAndYellowLights) {
    int lightRows = 0;
    for (int y = 0; y < kSaucerSize; ++y) {
        // The lights in this row in order, one entry per run of equal light pixels.
        std::vector<uint8_t> lights;
        for (int x = 0; x < kSaucerSize; ++x) {
            const uint8_t c = at(x, y);
            const bool light = c == kBrightRed || c == kBrightYellow;
            if (light && (x == 0 || at(x - 1, y) != c)) lights.push_back(c);
        }
        if (lights.empty()) continue;
        ++lightRows;
        EXPECT_GE(lights.size(), 5u) << "row " << y;
        for (size_t i = 1; i < lights.size(); ++i)
            EXPECT_NE(lights[i], lights[i - 1]) << "row " << y << ": light " << i << " repeats";
        // Lit on the hull, between dark grey, not floating at the edge.
        for (int x = 0; x < kSaucerSize; ++x) {
            const uint8_t c = at(x, y);
            if (c != kBrightRed && c != kBrightYellow) continue;
            EXPECT_TRUE(opaque(x - 1, y) && opaque(x + 1, y)) << x << "," << y;
        }
    }
    EXPECT_GE(lightRows, 1);
    EXPECT_LE(lightRows, 2) << "one band of lights";
}

TEST(SaucerPointer, HotspotIsTheTipOfTheDome) {
    const shell::Hotspot h = shell::saucerHotspot();
    ASSERT_TRUE(opaque(h.x, h.y)) << h.x << "," << h.y;
    for (int y = 0; y < h.y; ++y)
        for (int x = 0; x < kSaucerSize; ++x)
            EXPECT_FALSE(opaque(x, y)) << "above the hotspot: " << x << "," << y;
    EXPECT_NEAR(h.x, kSaucerSize / 2, 1);
}

TEST(Palette, SixteenColoursDarkBrightAndGreys) {
    EXPECT_EQ(shell::paletteRgb(0), 0x000000u);
    EXPECT_EQ(shell::paletteRgb(7), 0xC0C0C0u);
    EXPECT_EQ(shell::paletteRgb(8), 0x808080u);
    EXPECT_EQ(shell::paletteRgb(15), 0xFFFFFFu);
    // 1..6 and 9..14 share their hues: bit 0 blue, bit 1 green, bit 2 red, at 0x80 or 0xFF.
    for (int i = 1; i <= 6; ++i) {
        const uint32_t want =
            (i & 4 ? 0x800000u : 0) | (i & 2 ? 0x008000u : 0) | (i & 1 ? 0x000080u : 0);
        EXPECT_EQ(shell::paletteRgb(i), want) << i;
        EXPECT_EQ(shell::paletteRgb(i + 8), want / 0x80 * 0xFF) << i + 8;
    }
    EXPECT_EQ(shell::paletteRgb(kBrightRed), 0xFF0000u);
    EXPECT_EQ(shell::paletteRgb(kBrightYellow), 0xFFFF00u);
    EXPECT_EQ(shell::paletteRgb(-1), 0u);
    EXPECT_EQ(shell::paletteRgb(16), 0u);
    EXPECT_EQ(shell::paletteRgb(kTransparent), 0u);
}

}  // namespace
