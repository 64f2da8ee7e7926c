#include "cw/winkeyer/WinKeyerFile.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(WinKeyerFile, WritesEightLinesAndReadsThemBack) {
    const WinKeyerFile s{7, "25", "55", "3", "12", "40", 8, 32};
    std::string text;
    ASSERT_TRUE(formatWinKeyerFile(s, text).ok());
    EXPECT_EQ(text, "7\r\n\"25\"\r\n\"55\"\r\n\"3\"\r\n\"12\"\r\n\"40\"\r\n8\r\n32\r\n");
    EXPECT_EQ(parseWinKeyerFile(text), s);
}

TEST(WinKeyerFile, ASixLineFileKeepsTheDefaultPinsAndMode) {
    const WinKeyerFile s =
        parseWinKeyerFile("3\r\n\"20\"\r\n\"45\"\r\n\"1\"\r\n\"2\"\r\n\"60\"\r\n");
    EXPECT_EQ(s, (WinKeyerFile{3, "20", "45", "1", "2", "60", 6, 0}));
}

TEST(WinKeyerFile, ALineThatDoesNotReadKeepsWhatCameBefore) {
    // The tail's closing quote is missing: port, speed, weight and lead-in stay.
    const WinKeyerFile s =
        parseWinKeyerFile("9\r\n\"20\"\r\n\"45\"\r\n\"1\"\r\n\"2\r\n\"60\"\r\n4\r\n");
    EXPECT_EQ(s, (WinKeyerFile{9, "20", "45", "1", "0", "50", 6, 0}));
    // A port that is no byte stops at once.
    EXPECT_EQ(parseWinKeyerFile("300\r\n\"20\"\r\n"), WinKeyerFile{});
}

TEST(WinKeyerFile, AQuoteInAFieldIsRefused) {
    WinKeyerFile s;
    s.ratio = "5\"0";
    std::string text = "untouched";
    EXPECT_FALSE(formatWinKeyerFile(s, text).ok());
    EXPECT_EQ(text, "untouched");
}

} // namespace
} // namespace qv
