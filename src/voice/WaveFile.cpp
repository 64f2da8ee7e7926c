#include "voice/WaveFile.h"

#include <algorithm>
#include <utility>

namespace qv {
namespace {

constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatFloat = 3;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;

std::uint32_t little(std::string_view bytes, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    }
    return value;
}

WaveReading failure(std::string why) {
    return {std::nullopt, std::move(why)};
}

std::optional<WaveSampleFormat> sampleFormat(std::uint16_t tag, std::uint32_t bits) {
    if (tag == kFormatPcm) {
        switch (bits) {
        case 8:
            return WaveSampleFormat::UInt8;
        case 16:
            return WaveSampleFormat::Int16;
        case 24:
            return WaveSampleFormat::Int24;
        case 32:
            return WaveSampleFormat::Int32;
        default:
            return std::nullopt;
        }
    }
    if (tag == kFormatFloat && bits == 32) {
        return WaveSampleFormat::Float32;
    }
    return std::nullopt;
}

} // namespace

int WaveFormat::bytesPerFrame() const {
    int bytes = 4;
    switch (sample) {
    case WaveSampleFormat::UInt8:
        bytes = 1;
        break;
    case WaveSampleFormat::Int16:
        bytes = 2;
        break;
    case WaveSampleFormat::Int24:
        bytes = 3;
        break;
    case WaveSampleFormat::Int32:
    case WaveSampleFormat::Float32:
        break;
    }
    return bytes * channels;
}

std::int64_t WaveAudio::durationMicroseconds() const {
    const auto frames =
        static_cast<std::int64_t>(dataLength / static_cast<std::size_t>(format.bytesPerFrame()));
    return frames * 1000000 / format.sampleRate;
}

WaveReading parseWave(std::string_view file) {
    if (file.size() < 12 || file.substr(0, 4) != "RIFF" || file.substr(8, 4) != "WAVE") {
        return failure("not a wave file");
    }
    std::optional<WaveFormat> format;
    std::string formatProblem;
    std::optional<std::size_t> dataOffset;
    std::size_t dataLength = 0;

    std::size_t at = 12;
    while (at + 8 <= file.size()) {
        const std::string_view id = file.substr(at, 4);
        const std::size_t size = little(file, at + 4, 4);
        const std::size_t body = at + 8;
        const std::size_t present = std::min(size, file.size() - body);
        if (id == "fmt " && !format && formatProblem.empty()) {
            if (present < 16) {
                return failure("the wave format chunk is too short");
            }
            std::uint16_t tag = static_cast<std::uint16_t>(little(file, body, 2));
            const auto channels = static_cast<int>(little(file, body + 2, 2));
            const auto rate = static_cast<int>(little(file, body + 4, 4));
            const std::uint32_t bits = little(file, body + 14, 2);
            // The extensible form keeps the real format tag at the start of its
            // sub-format identifier.
            if (tag == kFormatExtensible && present >= 26) {
                tag = static_cast<std::uint16_t>(little(file, body + 24, 2));
            }
            const auto sample = sampleFormat(tag, bits);
            if (!sample) {
                formatProblem = "unsupported wave format (format " + std::to_string(tag) + ", " +
                                std::to_string(bits) + " bits)";
            } else if (channels < 1 || channels > 8 || rate < 1 || rate > 768000) {
                formatProblem = "unsupported wave format (" + std::to_string(channels) +
                                " channels at " + std::to_string(rate) + " Hz)";
            } else {
                format = WaveFormat{*sample, channels, rate};
            }
        } else if (id == "data" && !dataOffset) {
            dataOffset = body;
            dataLength = present;
        }
        if (size > file.size() - body) {
            break;
        }
        // Chunks are padded to an even length.
        at = body + size + (size & 1);
    }

    if (!formatProblem.empty()) {
        return failure(formatProblem);
    }
    if (!format) {
        return failure("the wave file has no format chunk");
    }
    if (!dataOffset) {
        return failure("the wave file has no sound data");
    }
    const auto frame = static_cast<std::size_t>(format->bytesPerFrame());
    return {WaveAudio{*format, *dataOffset, dataLength - dataLength % frame}, {}};
}

std::string widen24To32(std::string_view samples) {
    std::string wide;
    wide.reserve(samples.size() / 3 * 4);
    for (std::size_t i = 0; i + 3 <= samples.size(); i += 3) {
        wide.push_back('\0');
        wide.append(samples.substr(i, 3));
    }
    return wide;
}

} // namespace qv
