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

} // namespace
} // namespace qv
