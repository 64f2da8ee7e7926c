#include "rig/HexText.h"

#include <string>

#include <gtest/gtest.h>

namespace qv {
namespace {

using namespace std::string_literals;

TEST(HexText, ReadsAPairAtEveryThirdCharacter) {
    struct Case {
        const char* text;
        std::string bytes;
    };
    const Case cases[] = {
        {"FE FE 64 E0 03 FD", "\xFE\xFE\x64\xE0\x03\xFD"s},
        {"00 00 00 00 03", "\0\0\0\0\x03"s},
        {"3F 41 0D ", "?A\r"s},
        {"fe-fe,5c", "\xFE\xFE\x5C"s}, // any separator, either case
        {"FE F", "\xFE\x0F"s},         // a lone last digit
        {"", ""s},
        {"FE FE 6G E0", ""s},   // one bad pair spoils all
        {"FE  FE", ""s},        // a doubled separator shifts the pairs
        {"FEFE64", "\xFE\xE6"s} // no separators: every third character starts a pair
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HexTextToBytes(c.text), c.bytes) << '"' << c.text << '"';
    }
}

TEST(HexText, ReadsPairsWithoutSeparators) {
    struct Case {
        const char* text;
        std::string bytes;
    };
    const Case cases[] = {
        {"FEFE64E00500500214", "\xFE\xFE\x64\xE0\x05\x00\x50\x02\x14"s},
        {"0140250001", "\x01\x40\x25\x00\x01"s},
        {"ABC", "\xAB\x0C"s},
        {"", ""s},
        {"0G", ""s},
        {"00 1", ""s},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HexPairsToBytes(c.text), c.bytes) << '"' << c.text << '"';
    }
}

TEST(HexText, WritesEveryByteAsTwoUpperCaseDigitsAndASpace) {
    EXPECT_EQ(BytesToHexText("\xFE\x03"s), "FE 03 ");
    EXPECT_EQ(BytesToHexText("\0\x0a"s), "00 0A ");
    EXPECT_EQ(BytesToHexText(""), "");
}

TEST(HexText, EveryByteReadsBackFromItsHexText) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all.push_back(static_cast<char>(b));
    }
    const std::string text = BytesToHexText(all);
    EXPECT_EQ(text.size(), 3 * all.size());
    EXPECT_EQ(HexTextToBytes(text), all);
}

} // namespace
} // namespace qv
