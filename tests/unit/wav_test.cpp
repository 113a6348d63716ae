#include "tools/driver/wav.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

#include "scene/tone.h"

namespace {

namespace fs = std::filesystem;
using driver::Tone;

uint32_t le32(const std::vector<unsigned char>& b, size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (uint32_t(b[at + 3]) << 24);
}
uint16_t le16(const std::vector<unsigned char>& b, size_t at) { return b[at] | (b[at + 1] << 8); }
std::string tag(const std::vector<unsigned char>& b, size_t at) {
    return std::string(b.begin() + at, b.begin() + at + 4);
}

std::vector<unsigned char> readFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Sign changes, skipping exact zeros, so a sine of f over s seconds gives about 2·f·s.
int zeroCrossings(const int16_t* s, size_t n) {
    int crossings = 0, last = 0;
    for (size_t i = 0; i < n; ++i) {
        const int sign = (s[i] > 0) - (s[i] < 0);
        if (sign == 0) continue;
        if (last != 0 && sign != last) ++crossings;
        last = sign;
    }
    return crossings;
}

int peak(const int16_t* s, size_t n) {
    int m = 0;
    for (size_t i = 0; i < n; ++i) m = std::max(m, std::abs(int(s[i])));
    return m;
}

class WavFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string tmpl = (fs::temp_directory_path() / "orbelune-wav-XXXXXX").string();
        ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
        dir_ = tmpl;
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path dir_;
};

TEST_F(WavFileTest, HeaderDescribesSixteenBitMonoPcm) {
    const fs::path p = dir_ / "a.wav";
    ASSERT_TRUE(driver::writeWav(p.string(), {{0, 440, 100}}, 22050));
    const auto b = readFile(p);
    ASSERT_GE(b.size(), 44u);
    const uint32_t samples = 2205;  // 100 ms at 22050 Hz

    EXPECT_EQ(tag(b, 0), "RIFF");
    EXPECT_EQ(le32(b, 4), b.size() - 8);
    EXPECT_EQ(tag(b, 8), "WAVE");
    EXPECT_EQ(tag(b, 12), "fmt ");
    EXPECT_EQ(le32(b, 16), 16u);
    EXPECT_EQ(le16(b, 20), 1u);      // PCM
    EXPECT_EQ(le16(b, 22), 1u);      // mono
    EXPECT_EQ(le32(b, 24), 22050u);  // sample rate
    EXPECT_EQ(le32(b, 28), 44100u);  // byte rate
    EXPECT_EQ(le16(b, 32), 2u);      // block align
    EXPECT_EQ(le16(b, 34), 16u);     // bits per sample
    EXPECT_EQ(tag(b, 36), "data");
    EXPECT_EQ(le32(b, 40), samples * 2);
    EXPECT_EQ(b.size(), 44u + samples * 2);
}

TEST_F(WavFileTest, DataIsTheRenderedSamplesLittleEndian) {
    const std::vector<Tone> tones = {{10, 523, 40}, {30, 659, 40}};
    const fs::path p = dir_ / "b.wav";
    ASSERT_TRUE(driver::writeWav(p.string(), tones, 8000));
    const auto b = readFile(p);
    const auto expected = driver::renderTones(tones, 8000);
    ASSERT_EQ(b.size(), 44 + expected.size() * 2);
    EXPECT_EQ(le32(b, 24), 8000u);
    for (size_t i = 0; i < expected.size(); ++i)
        ASSERT_EQ(int16_t(le16(b, 44 + 2 * i)), expected[i]) << "sample " << i;
}

TEST_F(WavFileTest, EmptyListGivesAValidEmptyWav) {
    const fs::path p = dir_ / "empty.wav";
    ASSERT_TRUE(driver::writeWav(p.string(), {}));
    const auto b = readFile(p);
    ASSERT_EQ(b.size(), 44u);
    EXPECT_EQ(tag(b, 0), "RIFF");
    EXPECT_EQ(le32(b, 4), 36u);
    EXPECT_EQ(le32(b, 24), 22050u);
    EXPECT_EQ(tag(b, 36), "data");
    EXPECT_EQ(le32(b, 40), 0u);
    EXPECT_TRUE(driver::renderTones({}, 22050).empty());
}

TEST_F(WavFileTest, UnwritablePathReturnsFalse) {
    EXPECT_FALSE(driver::writeWav((dir_ / "no" / "such" / "dir.wav").string(), {{0, 440, 10}}));
    EXPECT_FALSE(fs::exists(dir_ / "no"));
    EXPECT_FALSE(driver::writeWav(dir_.string(), {{0, 440, 10}}));  // a directory
    EXPECT_TRUE(fs::is_directory(dir_));
}

TEST_F(WavFileTest, FullDiskReturnsFalseAndLeavesTheDeviceAlone) {
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    EXPECT_FALSE(driver::writeWav("/dev/full", {{0, 440, 500}}));
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
}

TEST_F(WavFileTest, InvalidSampleRateIsRefused) {
    const fs::path p = dir_ / "rate.wav";
    EXPECT_FALSE(driver::writeWav(p.string(), {{0, 440, 10}}, 0));
    EXPECT_FALSE(driver::writeWav(p.string(), {{0, 440, 10}}, -44100));
    EXPECT_FALSE(fs::exists(p));
    EXPECT_TRUE(driver::renderTones({{0, 440, 10}}, 0).empty());
}

TEST(RenderTones, ToneStartsAtItsSampleOffset) {
    const int rate = 22050;
    const auto s = driver::renderTones({{100, 440, 50}}, rate);
    const size_t start = 2205, len = 1102;  // 100 ms and 50 ms at 22050 Hz
    ASSERT_EQ(s.size(), start + len);
    EXPECT_EQ(peak(s.data(), start), 0) << "silence before the tone";
    // The fade begins at zero, so the first sample of the tone is still silent but the
    // next few are not.
    EXPECT_EQ(s[start], 0);
    EXPECT_GT(peak(s.data() + start, 10), 0);
    EXPECT_GT(peak(s.data() + start, len), 15000);
}

TEST(RenderTones, FrequencyMatchesByZeroCrossings) {
    for (int hz : {220, 440, 1000, 3000}) {
        const auto s = driver::renderTones({{0, hz, 1000}}, 22050);
        ASSERT_EQ(s.size(), 22050u);
        EXPECT_NEAR(zeroCrossings(s.data(), s.size()), 2 * hz, 3) << hz << " Hz";
    }
}

TEST(RenderTones, LengthIsTheLatestEndNotTheLastListed) {
    const int rate = 1000;  // one sample per millisecond keeps the arithmetic readable
    EXPECT_EQ(driver::renderTones({{0, 100, 500}, {100, 200, 50}}, rate).size(), 500u);
    EXPECT_EQ(driver::renderTones({{100, 200, 50}, {0, 100, 500}}, rate).size(), 500u);
    EXPECT_EQ(driver::renderTones({{0, 100, 50}, {300, 200, 50}}, rate).size(), 350u);
}

TEST(RenderTones, FractionalStartRoundsToTheNearestSample) {
    const auto s = driver::renderTones({{10.4, 100, 20}, {10.6, 100, 20}}, 1000);
    // 10.4 ms -> sample 10, 10.6 ms -> sample 11; the later tone ends at 31.
    EXPECT_EQ(s.size(), 31u);
}

TEST(RenderTones, OverlapsAddAndClipWithoutWrapping) {
    const int rate = 22050;
    const auto single = driver::renderTones({{0, 440, 200}}, rate);
    const auto doubled = driver::renderTones({{0, 440, 200}, {0, 440, 200}}, rate);
    const auto tripled = driver::renderTones({{0, 440, 200}, {0, 440, 200}, {0, 440, 200}}, rate);
    ASSERT_EQ(single.size(), doubled.size());
    ASSERT_EQ(single.size(), tripled.size());

    for (size_t i = 0; i < single.size(); ++i) {
        ASSERT_NEAR(doubled[i], 2 * single[i], 1) << "sample " << i;
        // Three half-scale tones overflow 16 bits: the peaks must flatten, not flip sign.
        const int want = std::clamp(3 * single[i], -32768, 32767);
        ASSERT_NEAR(tripled[i], want, 1) << "sample " << i;
    }
    EXPECT_EQ(*std::max_element(tripled.begin(), tripled.end()), 32767);
    EXPECT_EQ(*std::min_element(tripled.begin(), tripled.end()), -32768);
}

TEST(RenderTones, TonesAtDifferentTimesDoNotDisturbEachOther) {
    const int rate = 8000;
    const auto a = driver::renderTones({{0, 300, 100}}, rate);
    const auto both = driver::renderTones({{0, 300, 100}, {200, 700, 100}}, rate);
    ASSERT_EQ(both.size(), 2400u);
    EXPECT_TRUE(std::equal(a.begin(), a.end(), both.begin()));
    EXPECT_EQ(peak(both.data() + 800, 800), 0);
    EXPECT_NEAR(zeroCrossings(both.data() + 1600, 800), 140, 3);
}

TEST(RenderTones, OutOfRangeValuesAreClampedLikeTheSpeaker) {
    const int rate = 1000;
    EXPECT_EQ(driver::renderTones({{0, 440, 60000}}, rate).size(), 10000u);  // 10 s at most
    EXPECT_TRUE(driver::renderTones({{0, 440, -5}}, rate).empty());
    EXPECT_EQ(driver::renderTones({{-300, 100, 20}}, rate).size(), 20u);
    EXPECT_EQ(driver::renderTones({{std::nan(""), 100, 20}}, rate).size(), 20u);
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(driver::renderTones({{inf, 100, 20}}, rate).size(), 20u);

    // A pitch of 0 or less is the lowest beep, not silence or a crash.
    const auto low = driver::renderTones({{0, 0, 1000}}, 22050);
    EXPECT_NEAR(zeroCrossings(low.data(), low.size()), 2 * scene::kToneMinHz, 2);
}

TEST(RenderTones, StartBeyondTheRecordingLimitIsDropped) {
    const double tooLate = driver::kMaxRecordingMs * 10;
    const auto s = driver::renderTones({{0, 440, 10}, {tooLate, 440, 10}}, 1000);
    EXPECT_EQ(s.size(), 10u);
}

TEST(SynthTone, FadesInAndOutWithoutAClick) {
    const int rate = 48000;
    std::vector<int16_t> s(scene::toneSampleCount(150, rate));
    ASSERT_EQ(s.size(), 7200u);
    scene::synthTone(s.data(), s.size(), 440, rate, scene::kToneAmplitude);
    EXPECT_EQ(s.front(), 0);
    EXPECT_EQ(s.back(), 0);
    // Within the fade the level climbs gradually: no jump bigger than the sine itself
    // could make between neighbouring samples.
    const double maxStep = 2 * std::numbers::pi * 440 / rate * 32767 * scene::kToneAmplitude + 2;
    for (size_t i = 1; i < s.size(); ++i) ASSERT_LE(std::abs(s[i] - s[i - 1]), maxStep) << i;
    EXPECT_LT(peak(s.data(), 48), 2000);                  // first millisecond
    EXPECT_LT(peak(s.data() + s.size() - 48, 48), 2000);  // last millisecond
    EXPECT_NEAR(peak(s.data(), s.size()), 16384, 100);    // half scale in the middle
}

TEST(SynthTone, PitchAboveNyquistIsSilent) {
    std::vector<int16_t> s(2000, 123);
    scene::synthTone(s.data(), s.size(), 12000, 22050, 0.5);
    EXPECT_EQ(peak(s.data(), s.size()), 0);
}

TEST(SynthTone, TinyBuffersAreSafe) {
    for (size_t n : {1u, 2u, 3u, 5u}) {
        std::vector<int16_t> s(n + 1, 777);
        scene::synthTone(s.data(), n, 440, 48000, 1.0);
        EXPECT_EQ(s[n], 777) << "wrote past " << n;
        EXPECT_EQ(s[0], 0);
    }
    scene::synthTone(nullptr, 0, 440, 48000, 1.0);
}

}  // namespace
