#pragma once

// The contents of a RIFF wave file: the sample format and where the samples
// are. Uncompressed PCM (8, 16, 24 or 32 bits) and 32-bit float are read;
// compressed formats are refused.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qv {

enum class WaveSampleFormat { UInt8, Int16, Int24, Int32, Float32 };

struct WaveFormat {
    WaveSampleFormat sample = WaveSampleFormat::Int16;
    int channels = 1;
    int sampleRate = 8000;

    int bytesPerFrame() const;
    bool operator==(const WaveFormat&) const = default;
};

struct WaveAudio {
    WaveFormat format;
    // The samples: this many bytes at this offset of the file, whole frames only.
    std::size_t dataOffset = 0;
    std::size_t dataLength = 0;

    std::int64_t durationMicroseconds() const;
};

struct [[nodiscard]] WaveReading {
    std::optional<WaveAudio> audio;
    std::string error; // why the file cannot be played, when audio is empty
};

// Reads the file's chunks. A data chunk cut short (a recording that was not
// finished) gives the samples that are there; the RIFF length field, often
// wrong, is ignored.
WaveReading parseWave(std::string_view file);

// 24-bit samples as 32-bit ones (the low byte zero), for sound outputs that
// take no 24-bit samples.
std::string widen24To32(std::string_view samples);

} // namespace qv
