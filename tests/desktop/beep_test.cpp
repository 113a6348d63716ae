#include "desktop/beep.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// Every beep runs in a forked child: ALSA reads ~/.asoundrc only once per process, and
// the speaker closes its device - which is when ALSA's file plugin completes the WAV it
// captured - only at exit. The test process itself never touches ALSA.
constexpr int kTooEarly = 2;  // child exit code: a beep returned before its duration

struct ChildResult {
    bool exited = false;
    int code = -1;
    std::string stderrText;
};

ChildResult beepInChild(const fs::path& home, const std::vector<std::pair<int, int>>& beeps) {
    const fs::path errFile = home / "stderr.txt";
    const pid_t pid = fork();
    if (pid == 0) {
        const int fd = open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (fd < 0 || dup2(fd, STDERR_FILENO) < 0) _exit(100);
        alarm(60);  // a hang ends as a signal, not as a stuck test run
        setenv("HOME", home.c_str(), 1);
        // Keep a developer's own ALSA setup out of it.
        setenv("XDG_CONFIG_HOME", (home / ".config").c_str(), 1);
        unsetenv("ALSA_CONFIG_PATH");
        for (auto [hz, ms] : beeps) {
            const auto t0 = Clock::now();
            desktop::beep(hz, ms);
            if (Clock::now() - t0 < std::chrono::milliseconds(std::clamp(ms, 0, 10000)))
                std::exit(kTooEarly);
        }
        std::exit(0);  // exit, not _exit: the speaker closes its device from a static destructor
    }

    ChildResult r;
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid) return r;
    r.exited = WIFEXITED(status);
    r.code = r.exited ? WEXITSTATUS(status) : -WTERMSIG(status);
    std::ifstream in(errFile);
    r.stderrText.assign(std::istreambuf_iterator<char>(in), {});
    return r;
}

// The child ran every beep to its end, printing nothing.
void expectCleanRun(const ChildResult& r) {
    EXPECT_TRUE(r.exited) << "killed by signal " << -r.code;
    EXPECT_NE(r.code, kTooEarly) << "a beep returned before its duration";
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.stderrText, "");
}

struct Wav {
    int format = 0, channels = 0, rate = 0, bits = 0;
    std::vector<int16_t> samples;
};

// Walks the RIFF chunks rather than assuming a 44-byte header.
bool readWav(const fs::path& p, Wav& w) {
    std::ifstream in(p, std::ios::binary);
    const std::vector<unsigned char> b{std::istreambuf_iterator<char>(in), {}};
    auto u16 = [&](size_t at) { return uint32_t(b[at] | (b[at + 1] << 8)); };
    auto u32 = [&](size_t at) { return u16(at) | (u16(at + 2) << 16); };
    auto is = [&](size_t at, const char* t) { return std::equal(t, t + 4, b.begin() + at); };
    if (b.size() < 12 || !is(0, "RIFF") || !is(8, "WAVE")) return false;
    bool haveFmt = false;
    for (size_t at = 12; at + 8 <= b.size();) {
        const size_t len = u32(at + 4), body = at + 8;
        if (is(at, "fmt ") && len >= 16 && body + 16 <= b.size()) {
            w.format = int(u16(body));
            w.channels = int(u16(body + 2));
            w.rate = int(u32(body + 4));
            w.bits = int(u16(body + 14));
            haveFmt = true;
        } else if (is(at, "data")) {
            if (!haveFmt || body + len > b.size()) return false;
            for (size_t i = body; i + 1 < body + len; i += 2) w.samples.push_back(int16_t(u16(i)));
            return true;
        }
        at = body + len + (len & 1);
    }
    return false;
}

int zeroCrossings(const std::vector<int16_t>& s, size_t from, size_t to) {
    int crossings = 0, last = 0;
    for (size_t i = from; i < to && i < s.size(); ++i) {
        const int sign = (s[i] > 0) - (s[i] < 0);
        if (sign == 0) continue;
        if (last != 0 && sign != last) ++crossings;
        last = sign;
    }
    return crossings;
}

int peak(const std::vector<int16_t>& s, size_t from, size_t to) {
    int m = 0;
    for (size_t i = from; i < to && i < s.size(); ++i) m = std::max(m, std::abs(int(s[i])));
    return m;
}

class BeepTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string tmpl = (fs::temp_directory_path() / "orbelune-beep-XXXXXX").string();
        ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
        home_ = tmpl;
        capture_ = home_ / "captured.wav";
    }
    void TearDown() override { fs::remove_all(home_); }

    void asoundrc(const std::string& text) { std::ofstream(home_ / ".asoundrc") << text << '\n'; }

    // "default" becomes a recorder in front of the null device: no sound card needed.
    void captureToFile() {
        asoundrc("pcm.!default { type file; slave.pcm \"null\"; file \"" + capture_.string() +
                 "\"; format \"wav\" }");
    }

    // "default" goes to a card that is not there, as on a machine without sound; left to
    // itself ALSA complains about that on stderr.
    void noDevice() { asoundrc("pcm.!default { type plug; slave.pcm \"hw:31\" }"); }

    Wav captured() {
        Wav w;
        EXPECT_TRUE(readWav(capture_, w)) << "no usable WAV at " << capture_;
        EXPECT_EQ(w.format, 1);
        EXPECT_EQ(w.channels, 1);
        EXPECT_EQ(w.bits, 16);
        EXPECT_GT(w.rate, 0);
        return w;
    }

    size_t samplesFor(const Wav& w, int ms) const { return size_t(int64_t(w.rate) * ms / 1000); }

    fs::path home_, capture_;
};

TEST_F(BeepTest, PlaysTheToneItWasAskedFor) {
    captureToFile();
    expectCleanRun(beepInChild(home_, {{440, 150}}));

    const Wav w = captured();
    ASSERT_GT(w.rate, 0);
    EXPECT_NEAR(double(w.samples.size()) / w.rate, 0.150, 0.002);
    EXPECT_NEAR(zeroCrossings(w.samples, 0, w.samples.size()), 2 * 440 * 0.150, 3);
    // Audible in the middle, faded at both ends so it does not click.
    EXPECT_GT(peak(w.samples, 0, w.samples.size()), 8000);
    ASSERT_GT(w.samples.size(), 100u);
    EXPECT_LT(std::abs(w.samples.front()), 500);
    EXPECT_LT(std::abs(w.samples.back()), 500);
    EXPECT_LT(peak(w.samples, 0, samplesFor(w, 1)), 4000);
}

TEST_F(BeepTest, ConsecutiveBeepsEachSoundInFull) {
    // The device stays open between beeps; the second must play as well as the first.
    captureToFile();
    expectCleanRun(beepInChild(home_, {{440, 100}, {880, 100}}));

    const Wav w = captured();
    ASSERT_GT(w.rate, 0);
    const size_t half = samplesFor(w, 100);
    EXPECT_NEAR(double(w.samples.size()), 2.0 * half, samplesFor(w, 2));
    EXPECT_NEAR(zeroCrossings(w.samples, 0, half), 88, 3);
    EXPECT_NEAR(zeroCrossings(w.samples, half, 2 * half), 176, 3);
    EXPECT_GT(peak(w.samples, half, 2 * half), 8000);
}

TEST_F(BeepTest, OutOfRangeArgumentsAreClamped) {
    captureToFile();
    // 5 Hz sounds as the lowest beep (37 Hz); a negative length plays nothing; an
    // ultrasonic pitch is silence that still lasts its duration.
    expectCleanRun(beepInChild(home_, {{5, 400}, {440, -30}, {0, 0}, {1000000, 50}}));

    const Wav w = captured();
    ASSERT_GT(w.rate, 0);
    const size_t low = samplesFor(w, 400);
    EXPECT_NEAR(double(w.samples.size()), double(low + samplesFor(w, 50)), samplesFor(w, 2));
    EXPECT_NEAR(zeroCrossings(w.samples, 0, low), 2 * 37 * 0.4, 2);
    EXPECT_EQ(peak(w.samples, low, w.samples.size()), 0);
}

TEST_F(BeepTest, WithoutADeviceItWaitsOutTheDurationSilently) {
    noDevice();
    expectCleanRun(beepInChild(home_, {{440, 120}, {440, 80}, {880, 1}, {-5, -5}, {440, 60}}));
    EXPECT_FALSE(fs::exists(capture_));
}

}  // namespace
