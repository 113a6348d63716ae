#include "desktop/beep.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <thread>
#include <vector>

#include "scene/tone.h"

namespace desktop {

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr unsigned kRate = 48000;
// Buffer latency asked of ALSA; small enough that a beep starts promptly.
constexpr unsigned kLatencyUs = 60000;
// How long past its nominal end a beep may wait for the device to finish the fade-out
// before the rest is dropped. A sound server can report far more delay than it really
// has (seconds on a null sink), so this is a hard cap, not a drain.
constexpr auto kTailGrace = 20ms;
// After the device failed to open, machines without sound would otherwise pay for a
// fresh configuration parse and open attempt on every beep.
constexpr auto kRetryAfter = 3s;

// ALSA prints its errors to stderr by default; on machines without a card that would be
// a complaint per beep.
void quietAlsa(const char*, int, const char*, int, const char*, ...) {}

void sleepUntil(Clock::time_point t) {
    // One sleep can wake a hair early on some clocks; the caller's promise is "never early".
    for (auto now = Clock::now(); now < t; now = Clock::now()) std::this_thread::sleep_for(t - now);
}

int msUntil(Clock::time_point t) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(t - Clock::now()).count();
    return static_cast<int>(std::clamp<long long>(left, 0, 1000));
}

class Speaker {
public:
    Speaker() = default;
    Speaker(const Speaker&) = delete;
    Speaker& operator=(const Speaker&) = delete;
    // The device stays open between beeps (opening "default" can cost tens of ms through a
    // sound server); this runs at exit, which also lets the file plugin finish its header.
    ~Speaker() { close(); }

    // An open PCM, or null while the device is unavailable.
    snd_pcm_t* acquire() {
        if (pcm_ != nullptr) return pcm_;
        if (failedOnce_ && Clock::now() - lastFailure_ < kRetryAfter) return nullptr;

        static const bool silenced = (snd_lib_error_set_handler(quietAlsa), true);
        (void)silenced;

        // Non-blocking open: a busy hardware device must not freeze the UI thread.
        snd_pcm_t* pcm = nullptr;
        if (snd_pcm_open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0) {
            fail();
            return nullptr;
        }
        if (snd_pcm_set_params(pcm, SND_PCM_FORMAT_S16, SND_PCM_ACCESS_RW_INTERLEAVED, 1, kRate, 1,
                               kLatencyUs) < 0) {
            snd_pcm_close(pcm);
            fail();
            return nullptr;
        }
        pcm_ = pcm;
        return pcm_;
    }

    // The open device stopped working: let go of it and wait before trying again.
    void fail() {
        close();
        failedOnce_ = true;
        lastFailure_ = Clock::now();
    }

private:
    void close() {
        if (pcm_ == nullptr) return;
        snd_pcm_drop(pcm_);
        snd_pcm_close(pcm_);
        pcm_ = nullptr;
    }

    snd_pcm_t* pcm_ = nullptr;
    bool failedOnce_ = false;
    Clock::time_point lastFailure_{};
};

Speaker& speaker() {
    static Speaker s;
    return s;
}

// Feeds the tone without blocking, keeps going until the tone's end, then drops whatever
// the device still holds. Returns false when the device fails and should be given up.
bool play(snd_pcm_t* pcm, const std::vector<int16_t>& samples, Clock::time_point end) {
    // After the previous beep's drop the PCM is merely set up; this is a no-op if prepared.
    if (snd_pcm_prepare(pcm) < 0) return false;

    const auto giveUp = end + kTailGrace;
    size_t done = 0;
    bool wokeForNothing = false;
    while (done < samples.size() && Clock::now() < giveUp) {
        const snd_pcm_sframes_t n =
            snd_pcm_writei(pcm, samples.data() + done, samples.size() - done);
        if (n > 0) {
            done += static_cast<size_t>(n);
            wokeForNothing = false;
            // Short tones never reach the default start threshold (a full buffer).
            if (snd_pcm_state(pcm) == SND_PCM_STATE_PREPARED && snd_pcm_start(pcm) < 0)
                return false;
            continue;
        }
        if (n == -EAGAIN || n == 0) {
            // Some plugins report "ready" while there is still no room: do not spin on them.
            if (wokeForNothing) std::this_thread::sleep_for(2ms);
            const int waited = snd_pcm_wait(pcm, std::clamp(msUntil(giveUp), 1, 20));
            wokeForNothing = waited > 0;
            if (waited >= 0 || waited == -EAGAIN) continue;
            if (snd_pcm_recover(pcm, waited, 1) < 0) return false;
            continue;
        }
        // Underrun or suspend: recover and carry on with the rest of the tone.
        if (snd_pcm_recover(pcm, static_cast<int>(n), 1) < 0) return false;
    }

    sleepUntil(end);
    // Let the fade-out leave the device if it is nearly there, within the grace period.
    for (;;) {
        snd_pcm_sframes_t delay = 0;
        if (snd_pcm_state(pcm) != SND_PCM_STATE_RUNNING || snd_pcm_delay(pcm, &delay) < 0 ||
            delay <= 0)
            break;
        const auto now = Clock::now();
        if (now >= giveUp) break;
        const auto left =
            std::chrono::microseconds(static_cast<long long>(delay) * 1000000 / kRate);
        std::this_thread::sleep_for(
            std::min<Clock::duration>({left, giveUp - now, Clock::duration(5ms)}));
    }
    snd_pcm_drop(pcm);
    return true;
}

}  // namespace

void beep(int hz, int ms) {
    const auto start = Clock::now();
    hz = scene::clampToneHz(hz);
    ms = scene::clampToneMs(ms);
    if (ms == 0) return;
    const auto end = start + std::chrono::milliseconds(ms);

    Speaker& sp = speaker();
    if (snd_pcm_t* pcm = sp.acquire()) {
        std::vector<int16_t> samples(scene::toneSampleCount(ms, kRate));
        scene::synthTone(samples.data(), samples.size(), hz, kRate, scene::kToneAmplitude);
        if (!play(pcm, samples, end)) sp.fail();
    }
    // Whatever happened above, the beep lasts its full duration.
    sleepUntil(end);
}

}  // namespace desktop
