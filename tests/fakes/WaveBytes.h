#pragma once

// Wave files made in the test, byte for byte.

#include <cstdint>
#include <string>

namespace qv::test {

inline std::string littleEndian(std::uint32_t value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
    return out;
}

inline std::string riffChunk(const std::string& id, const std::string& body) {
    std::string chunk = id + littleEndian(static_cast<std::uint32_t>(body.size()), 4) + body;
    if (body.size() % 2 != 0) {
        chunk.push_back('\0');
    }
    return chunk;
}

// The 16-byte body of a "fmt " chunk.
inline std::string formatBody(int tag, int channels, int rate, int bits) {
    const int block = channels * bits / 8;
    return littleEndian(tag, 2) + littleEndian(channels, 2) + littleEndian(rate, 4) +
           littleEndian(rate * block, 4) + littleEndian(block, 2) + littleEndian(bits, 2);
}

inline std::string riffFile(const std::string& chunks) {
    return "RIFF" + littleEndian(static_cast<std::uint32_t>(4 + chunks.size()), 4) + "WAVE" +
           chunks;
}

// A plain PCM file of silence lasting the given milliseconds.
inline std::string silentWave(int milliseconds, int rate = 8000, int channels = 1, int bits = 16) {
    const auto frames =
        static_cast<std::size_t>(rate) * static_cast<std::size_t>(milliseconds) / 1000;
    const std::string samples(frames * static_cast<std::size_t>(channels * bits / 8),
                              bits == 8 ? '\x80' : '\0');
    return riffFile(riffChunk("fmt ", formatBody(1, channels, rate, bits)) +
                    riffChunk("data", samples));
}

} // namespace qv::test
