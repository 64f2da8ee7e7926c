// wave2.txt byte for byte, and what reading a short or damaged file keeps.

#include "voice/WaveSettings.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

const char* const kFile = "\"C:\\waves\\cq.wav\"\r\n\"\"\r\n\"/home/op/call.wav\"\r\n"
                          "\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"/x/f9.wav\"\r\n"
                          "\"3\"\r\n2\r\n\"2.5\"\r\n\"&H278\"\r\n"
                          "\"\"\r\n\"QRZ\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n"
                          "\"thank you\"\r\n";

WaveSettings sample() {
    WaveSettings s;
    s.files[0] = "C:\\waves\\cq.wav";
    s.files[2] = "/home/op/call.wav";
    s.files[8] = "/x/f9.wav";
    s.port = "3";
    s.line = PttLine::Parallel;
    s.loopSeconds = "2.5";
    s.parallelBase = "&H278";
    s.speak[1] = "QRZ";
    s.speak[8] = "thank you";
    return s;
}

TEST(WaveSettings, IsWrittenByteForByteAndReadBack) {
    std::string text;
    ASSERT_TRUE(formatWaveSettings(sample(), text));
    EXPECT_EQ(text, kFile);
    EXPECT_EQ(parseWaveSettings(text), sample());

    ASSERT_TRUE(formatWaveSettings(WaveSettings{}, text));
    EXPECT_EQ(text, "\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n"
                    "\"0\"\r\n0\r\n\"0\"\r\n\"&H378\"\r\n"
                    "\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n");
}

TEST(WaveSettings, PathsAreWrittenTrimmedAndAQuoteFails) {
    WaveSettings s;
    s.files[0] = "  /a b.wav ";
    std::string text;
    ASSERT_TRUE(formatWaveSettings(s, text));
    EXPECT_EQ(text.substr(0, 12), "\"/a b.wav\"\r\n");
    s.speak[3] = "say \"hi\"";
    text = "kept";
    EXPECT_FALSE(formatWaveSettings(s, text));
    EXPECT_EQ(text, "kept");
}

TEST(WaveSettings, AFileOfThirteenLinesReadsWithNoSpokenTexts) {
    std::string text = kFile;
    text = text.substr(0, text.find("\"&H278\"\r\n") + 9);
    WaveSettings expected = sample();
    expected.speak = {};
    EXPECT_EQ(parseWaveSettings(text), expected);
}

TEST(WaveSettings, ShortDamagedOrOddFilesKeepTheDefaults) {
    WaveSettings defaults;
    defaults.line = PttLine::Dtr;
    const auto lineReads = [&](const std::string& line) {
        std::string text = kFile;
        text.replace(text.find("\r\n2\r\n") + 2, 1, line);
        return parseWaveSettings(text, defaults).line;
    };
    EXPECT_EQ(lineReads("0"), PttLine::Rts);
    EXPECT_EQ(lineReads("1"), PttLine::Dtr);
    EXPECT_EQ(lineReads("3"), PttLine::Dtr);
    EXPECT_EQ(lineReads("2.0"), PttLine::Dtr);

    EXPECT_EQ(parseWaveSettings("", defaults), defaults);
    EXPECT_EQ(parseWaveSettings("\"open\r\n", defaults), defaults);
    // A file cut after the port keeps the defaults of the lines it lacks.
    std::string cut = kFile;
    cut = cut.substr(0, cut.find("\"3\"\r\n") + 5);
    WaveSettings expected = sample();
    expected.line = PttLine::Dtr;
    expected.loopSeconds = "0";
    expected.parallelBase = "&H378";
    expected.speak = {};
    EXPECT_EQ(parseWaveSettings(cut, defaults), expected);
}

TEST(WaveSettings, TheRepeatIntervalIsAThousandTimesTheSeconds) {
    const std::pair<const char*, std::uint32_t> cases[] = {
        {"0", 0}, {"2", 2000}, {"2.5", 2500}, {"0.0005", 0},   {"0.0015", 2},
        {"", 0},  {"x", 0},    {"-3", 0},     {"59.9", 59900}, {"1e20", 4294967295U},
    };
    for (const auto& [text, ms] : cases) {
        EXPECT_EQ(repeatIntervalOf(text), ms) << text;
    }
}

} // namespace
} // namespace qv
