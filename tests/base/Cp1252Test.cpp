#include "base/Cp1252.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(Cp1252, RoundTripsEveryByteThroughUnicode) {
    for (int b = 0; b < 256; ++b) {
        const std::string one(1, static_cast<char>(b));
        const auto back = utf8ToCp1252(cp1252ToUtf8(one));
        ASSERT_TRUE(back.has_value()) << b;
        EXPECT_EQ(*back, one) << b;
    }
}

TEST(Cp1252, ConvertsAccentedNamesAndTypographicMarks) {
    EXPECT_EQ(utf8ToCp1252("Jos\xC3\xA9"), std::optional<std::string>("Jos\xE9"));
    // En dash and right single quotation mark live in the 0x80..0x9F range.
    EXPECT_EQ(utf8ToCp1252("\xE2\x80\x93\xE2\x80\x99"), std::optional<std::string>("\x96\x92"));
    EXPECT_EQ(cp1252ToUtf8("\x80"), "\xE2\x82\xAC");
}

TEST(Cp1252, RefusesWhatTheCodePageLacksAndBrokenUtf8) {
    EXPECT_FALSE(utf8ToCp1252("\xE4\xB8\xAD").has_value()); // a CJK character
    EXPECT_FALSE(utf8ToCp1252("\xC3").has_value());         // cut sequence
    EXPECT_FALSE(utf8ToCp1252("\xC0\x80").has_value());     // overlong
    EXPECT_FALSE(utf8ToCp1252("\xF0\x9F\x98\x80").has_value());
}

TEST(Cp1252, StorableCharactersExcludeQuoteControlsAndGaps) {
    EXPECT_TRUE(isStorableChar(U'A'));
    EXPECT_TRUE(isStorableChar(U'\u00E9'));
    EXPECT_TRUE(isStorableChar(U'\u2013'));
    EXPECT_FALSE(isStorableChar(U'"'));
    EXPECT_FALSE(isStorableChar(U'\r'));
    EXPECT_FALSE(isStorableChar(U'\u0081'));
    EXPECT_FALSE(isStorableChar(U'\u4E2D'));
}

TEST(Cp1252, CaseFoldingCoversAccentedLetters) {
    EXPECT_EQ(toUpper("w1aw jos\xE9 \xFF\x9A"), "W1AW JOS\xC9 \x9F\x8A");
    EXPECT_EQ(toUpper("\xF7\xDF"), "\xF7\xDF"); // division sign and sharp s have no capital
    EXPECT_TRUE(equalsIgnoreCase("Germany", "GERMANY"));
    EXPECT_FALSE(equalsIgnoreCase("Germany", "German"));
    EXPECT_TRUE(startsWithIgnoreCase("kh6xx", "KH6"));
    EXPECT_EQ(toLower('\xC9'), '\xE9');
}

TEST(Cp1252, FoldsToAscii) {
    const struct {
        const char* cp1252;
        const char* ascii;
    } cases[] = {
        {"W1AW Joe 14.025 ~!", "W1AW Joe 14.025 ~!"}, // ASCII passes unchanged
        {"Jos\xE9", "Jose"},
        {"J\xF6rg", "Jorg"},
        {"Zo\xE9 \xC0\xC9\xCE\xD5\xDC\xDD\xD1\xC7", "Zoe AEIOUYNC"},
        {"\xE0\xE1\xE2\xE3\xE4\xE5 \xE8\xEB \xEC\xEF \xF2\xF8 \xF9\xFC \xFD\xFF",
         "aaaaaa ee ii oo uu yy"},
        {"\x8A\x9A\x8E\x9E\x9F\x83", "SsZzYf"},
        {"Gro\xDF", "Gross"},
        {"\xC6sa \xE6", "AEsa ae"},
        {"\x8C\x9C", "OEoe"},
        {"\xDE\xFE\xD0\xF0", "THthDd"},
        {"\x91O\x92 \x93Q\x94 \x84L\x82 \xABG\xBB \x8Bg\x9B", "'O' \"Q\" \"L' \"G\" 'g'"},
        {"x\x96y\x97z\x85", "x-y-z..."},
        {"\xA0\xAD\x88\x98", " -^~"},
        {"\x80\x81\x8D\x8F\x90\x9D\x95\x99\xA4\xA9\xB0\xBF\xD7\xF7", "??????????????"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(foldToAscii(c.cp1252), c.ascii) << cp1252ToUtf8(c.cp1252);
    }
    for (int b = 0x80; b < 0x100; ++b) {
        const std::string folded = foldToAscii(std::string(1, static_cast<char>(b)));
        ASSERT_FALSE(folded.empty()) << b;
        for (const char c : folded) {
            EXPECT_TRUE(c >= 0x20 && c < 0x7F) << b;
        }
    }
}

} // namespace
} // namespace qv
