#include "voice/WaveFile.h"

#include "fakes/WaveBytes.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

using test::formatBody;
using test::littleEndian;
using test::riffChunk;
using test::riffFile;

// The extensible form of a format chunk: the real tag opens the sub-format.
std::string extensibleBody(int realTag, int channels, int rate, int bits) {
    return formatBody(0xFFFE, channels, rate, bits) + littleEndian(22, 2) + littleEndian(bits, 2) +
           littleEndian(0x3, 4) + littleEndian(realTag, 2) +
           std::string("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
}

TEST(WaveFile, ReadsTheFormatAndFindsTheSamples) {
    const std::string samples(1600, 'x');
    struct Case {
        const char* what;
        std::string file;
        WaveFormat format;
        std::size_t dataOffset;
        std::size_t dataLength;
    };
    const std::string pcm16 = riffChunk("fmt ", formatBody(1, 1, 8000, 16));
    const Case cases[] = {
        {"16-bit mono",
         riffFile(pcm16 + riffChunk("data", samples)),
         {WaveSampleFormat::Int16, 1, 8000},
         44,
         1600},
        {"8-bit stereo",
         riffFile(riffChunk("fmt ", formatBody(1, 2, 11025, 8)) + riffChunk("data", samples)),
         {WaveSampleFormat::UInt8, 2, 11025},
         44,
         1600},
        {"24-bit, whole frames only",
         riffFile(riffChunk("fmt ", formatBody(1, 2, 48000, 24)) + riffChunk("data", samples)),
         {WaveSampleFormat::Int24, 2, 48000},
         44,
         1596},
        {"32-bit float",
         riffFile(riffChunk("fmt ", formatBody(3, 1, 44100, 32)) + riffChunk("data", samples)),
         {WaveSampleFormat::Float32, 1, 44100},
         44,
         1600},
        {"extensible PCM",
         riffFile(riffChunk("fmt ", extensibleBody(1, 2, 44100, 32)) + riffChunk("data", samples)),
         {WaveSampleFormat::Int32, 2, 44100},
         68,
         1600},
        {"other chunks first, one of odd length",
         riffFile(riffChunk("LIST", "INFOabc") + pcm16 + riffChunk("fact", "1234") +
                  riffChunk("data", samples)),
         {WaveSampleFormat::Int16, 1, 8000},
         72,
         1600},
        {"data cut short",
         riffFile(pcm16 + "data" + littleEndian(100000, 4) + std::string(1001, 'x')),
         {WaveSampleFormat::Int16, 1, 8000},
         44,
         1000},
        {"a wrong RIFF length",
         "RIFF" + littleEndian(7, 4) + "WAVE" + pcm16 + riffChunk("data", samples),
         {WaveSampleFormat::Int16, 1, 8000},
         44,
         1600},
    };
    for (const Case& c : cases) {
        const WaveReading r = parseWave(c.file);
        ASSERT_TRUE(r.audio) << c.what << ": " << r.error;
        EXPECT_EQ(r.audio->format, c.format) << c.what;
        EXPECT_EQ(r.audio->dataOffset, c.dataOffset) << c.what;
        EXPECT_EQ(r.audio->dataLength, c.dataLength) << c.what;
    }
}

TEST(WaveFile, RefusesWhatItCannotPlay) {
    const std::string pcm16 = riffChunk("fmt ", formatBody(1, 1, 8000, 16));
    const std::string data = riffChunk("data", std::string(100, 'x'));
    struct Case {
        std::string file;
        const char* error;
    };
    const Case cases[] = {
        {"", "not a wave file"},
        {std::string("RIFF\0\0\0\0AVI LIST", 16), "not a wave file"},
        {"ID3\x03 an mp3 file with a tag", "not a wave file"},
        {riffFile(riffChunk("fmt ", formatBody(2, 1, 8000, 4)) + data),
         "unsupported wave format (format 2, 4 bits)"},
        {riffFile(riffChunk("fmt ", formatBody(1, 1, 8000, 12)) + data),
         "unsupported wave format (format 1, 12 bits)"},
        {riffFile(riffChunk("fmt ", formatBody(3, 1, 8000, 64)) + data),
         "unsupported wave format (format 3, 64 bits)"},
        {riffFile(riffChunk("fmt ", formatBody(1, 0, 8000, 16)) + data),
         "unsupported wave format (0 channels at 8000 Hz)"},
        {riffFile(riffChunk("fmt ", formatBody(1, 1, 0, 16)) + data),
         "unsupported wave format (1 channels at 0 Hz)"},
        {riffFile(riffChunk("fmt ", "short") + data), "the wave format chunk is too short"},
        {riffFile(data), "the wave file has no format chunk"},
        {riffFile(pcm16), "the wave file has no sound data"},
        {riffFile(pcm16 + "da"), "the wave file has no sound data"},
    };
    for (const Case& c : cases) {
        const WaveReading r = parseWave(c.file);
        EXPECT_FALSE(r.audio) << c.error;
        EXPECT_EQ(r.error, c.error);
    }
}

TEST(WaveFile, DurationAndWideningOf24BitSamples) {
    const WaveReading r = parseWave(test::silentWave(250, 44100, 2, 16));
    ASSERT_TRUE(r.audio);
    EXPECT_EQ(r.audio->durationMicroseconds(), 250000);

    EXPECT_EQ(widen24To32(std::string("\x01\x02\x03\xFD\xFE\xFF\x07", 7)),
              std::string("\x00\x01\x02\x03\x00\xFD\xFE\xFF", 8));
}

} // namespace
} // namespace qv
