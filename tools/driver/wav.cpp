#include "tools/driver/wav.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "scene/files.h"
#include "scene/tone.h"

namespace driver {

namespace {

// Highest rate anyone would record at; above it the sample arithmetic is pointless.
constexpr int kMaxSampleRate = 384000;

bool validRate(int sampleRate) { return sampleRate > 0 && sampleRate <= kMaxSampleRate; }

size_t startSample(double startMs, int sampleRate) {
    if (!std::isfinite(startMs) || startMs < 0.0) startMs = 0.0;
    return static_cast<size_t>(std::llround(startMs * sampleRate / 1000.0));
}

void putLe16(std::vector<unsigned char>& b, uint32_t v) {
    b.push_back(static_cast<unsigned char>(v & 0xff));
    b.push_back(static_cast<unsigned char>((v >> 8) & 0xff));
}

void putLe32(std::vector<unsigned char>& b, uint32_t v) {
    putLe16(b, v & 0xffff);
    putLe16(b, v >> 16);
}

void putTag(std::vector<unsigned char>& b, const char (&tag)[5]) {
    b.insert(b.end(), tag, tag + 4);
}

}  // namespace

std::vector<int16_t> renderTones(const std::vector<Tone>& tones, int sampleRate) {
    if (!validRate(sampleRate)) return {};
    const size_t limit = startSample(kMaxRecordingMs, sampleRate);

    size_t total = 0;
    for (const Tone& t : tones) {
        const size_t start = startSample(t.startMs, sampleRate);
        if (start > limit) continue;
        total = std::max(total, std::min(limit, start + scene::toneSampleCount(t.ms, sampleRate)));
    }

    // Mix in 32 bits and clip once, so the order of overlapping tones does not matter.
    std::vector<int32_t> mix(total, 0);
    std::vector<int16_t> one;
    for (const Tone& t : tones) {
        const size_t start = startSample(t.startMs, sampleRate);
        if (start >= total) continue;
        // Synthesise the whole tone even if the end is cut off, so its shape is unchanged.
        one.resize(scene::toneSampleCount(t.ms, sampleRate));
        scene::synthTone(one.data(), one.size(), t.hz, sampleRate, scene::kToneAmplitude);
        const size_t n = std::min(one.size(), total - start);
        for (size_t i = 0; i < n; ++i) mix[start + i] += one[i];
    }

    std::vector<int16_t> out(total);
    std::transform(mix.begin(), mix.end(), out.begin(), [](int32_t v) {
        return static_cast<int16_t>(std::clamp<int32_t>(v, std::numeric_limits<int16_t>::min(),
                                                        std::numeric_limits<int16_t>::max()));
    });
    return out;
}

bool writeWav(const std::string& path, const std::vector<Tone>& tones, int sampleRate,
              std::string* why) {
    if (!validRate(sampleRate)) {
        if (why) *why = "no such sample rate";
        return false;
    }
    const std::vector<int16_t> samples = renderTones(tones, sampleRate);

    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * sizeof(int16_t));
    std::vector<unsigned char> header;
    putTag(header, "RIFF");
    putLe32(header, 36 + dataBytes);
    putTag(header, "WAVE");
    putTag(header, "fmt ");
    putLe32(header, 16);  // fmt chunk size
    putLe16(header, 1);   // PCM
    putLe16(header, 1);   // mono
    putLe32(header, static_cast<uint32_t>(sampleRate));
    putLe32(header, static_cast<uint32_t>(sampleRate) * 2);  // bytes per second
    putLe16(header, 2);                                      // bytes per frame
    putLe16(header, 16);                                     // bits per sample
    putTag(header, "data");
    putLe32(header, dataBytes);

    scene::FileWrite file(path);
    bool ok = file.open() && file.write(header.data(), header.size());
    // Samples go out byte by byte in chunks: little-endian whatever the host is, without
    // a second full-size copy of a long recording.
    std::vector<unsigned char> chunk;
    for (size_t i = 0; ok && i < samples.size(); i += 4096) {
        chunk.clear();
        const size_t end = std::min(samples.size(), i + 4096);
        for (size_t j = i; j < end; ++j) putLe16(chunk, static_cast<uint16_t>(samples[j]));
        ok = file.write(chunk.data(), chunk.size());
    }
    ok = ok && file.commit();
    if (!ok && why) *why = file.error();
    return ok;
}

}  // namespace driver
