#pragma once
// Sine tones as the program's beeps sound. Shared by the speaker (desktop/beep.cpp) and
// the script driver's WAV recorder (tools/driver/wav.cpp) so that what a recording holds
// is sample for sample what the speaker was asked to play.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace scene {

// The range a beep can sound in; anything outside it is clamped rather than refused, because
// lesson scripts compute their pitches and a stray value should still sound.
inline constexpr int kToneMinHz = 37;
inline constexpr int kToneMaxHz = 32767;
inline constexpr int kToneMaxMs = 10000;

// Each end is faded with a half cosine so a tone starts and stops without a click.
inline constexpr double kToneFadeMs = 5.0;

// Half of full scale: clearly audible, and two overlapping tones still fit.
inline constexpr double kToneAmplitude = 0.5;

constexpr int clampToneHz(int hz) { return std::clamp(hz, kToneMinHz, kToneMaxHz); }
constexpr int clampToneMs(int ms) { return std::clamp(ms, 0, kToneMaxMs); }

// Samples in a tone of ms milliseconds (after clamping) at sampleRate.
constexpr size_t toneSampleCount(int ms, int sampleRate) {
    if (sampleRate <= 0) return 0;
    return static_cast<size_t>(static_cast<int64_t>(clampToneMs(ms)) * sampleRate / 1000);
}

// Fills out[0..n) with a faded sine of hz at sampleRate; amplitude is a fraction of full
// scale (0..1). A pitch at or above the Nyquist frequency cannot be represented and would
// only alias into some other audible pitch, so it renders as silence.
inline void synthTone(int16_t* out, size_t n, int hz, int sampleRate, double amplitude) {
    if (out == nullptr || n == 0) return;
    hz = clampToneHz(hz);
    amplitude = std::clamp(amplitude, 0.0, 1.0);
    if (sampleRate <= 0 || 2 * static_cast<int64_t>(hz) >= sampleRate || amplitude == 0.0) {
        std::fill(out, out + n, int16_t{0});
        return;
    }

    constexpr double kPi = 3.14159265358979323846;
    const double peak = amplitude * 32767.0;
    const double step = 2.0 * kPi * hz / sampleRate;
    // A very short tone is all fade: never let the two ramps overlap.
    const size_t fade = std::min(static_cast<size_t>(kToneFadeMs * sampleRate / 1000.0), n / 2);

    for (size_t i = 0; i < n; ++i) {
        // Phase from the index, not an accumulator, so long tones do not drift.
        double v = std::sin(step * static_cast<double>(i));
        const size_t fromEnd = n - 1 - i;
        const size_t edge = std::min(i, fromEnd);
        if (edge < fade)
            v *= 0.5 - 0.5 * std::cos(kPi * static_cast<double>(edge) / static_cast<double>(fade));
        out[i] = static_cast<int16_t>(std::lround(v * peak));
    }
}

}  // namespace scene
