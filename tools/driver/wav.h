#pragma once
// Renders the beeps a script run produced into a WAV file, so a headless run can be
// listened to (and checked) afterwards.

#include <cstdint>
#include <string>
#include <vector>

namespace driver {

// One beep: hz for ms milliseconds, starting startMs after the run began.
struct Tone {
    double startMs;
    int hz;
    int ms;
};

// Recordings are cut off at one hour; a start time beyond that is a script fault, and
// rendering it would mean allocating gigabytes of silence.
inline constexpr double kMaxRecordingMs = 60.0 * 60.0 * 1000.0;

// Silence with every tone mixed in at its start time (overlaps add, clipped to 16 bits).
// The result ends where the last tone ends. Tones are clamped as the speaker clamps them;
// a negative or non-finite start counts as 0. An invalid sampleRate gives no samples.
std::vector<int16_t> renderTones(const std::vector<Tone>& tones, int sampleRate);

// Writes renderTones(tones, sampleRate) as a 16-bit mono PCM WAV, whole or not at all (an
// existing file stays as it was). Returns false, with the reason in *why when given, if the
// file cannot be written or sampleRate is not positive.
bool writeWav(const std::string& path, const std::vector<Tone>& tones, int sampleRate = 22050,
              std::string* why = nullptr);

}  // namespace driver
