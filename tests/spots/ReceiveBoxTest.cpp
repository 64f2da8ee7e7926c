// The spotting window's receive box: bounded, caret on the newest text, and the
// repeat check over its recent text.

#include "spots/ReceiveBox.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

std::string numbered(std::size_t length) {
    std::string text;
    for (std::size_t i = 0; text.size() < length; ++i) {
        text += std::to_string(i) + ",";
    }
    text.resize(length);
    return text;
}

TEST(ReceiveBox, PastTenThousandCharactersTheLastNineThousandAreKept) {
    struct Case {
        std::size_t length;
        std::size_t kept;
    };
    const Case cases[] = {{10000, 10000}, {10001, 9000}, {25000, 9000}, {3, 3}};
    for (const Case& c : cases) {
        const std::string text = numbered(c.length);
        ReceiveBox box;
        box.append(text);
        EXPECT_EQ(box.text(), text.substr(c.length - c.kept)) << c.length;
        EXPECT_EQ(box.caret(), c.kept - 1) << c.length;
    }

    ReceiveBox grown;
    grown.append(numbered(9999));
    grown.append("ab");
    EXPECT_EQ(grown.text().size(), 9000u);
    EXPECT_EQ(grown.text().substr(8998), "ab");
}

TEST(ReceiveBox, TheCaretMovesOnlyOnceThereAreThreeCharacters) {
    ReceiveBox box;
    box.replace("help text\r\n\r\n");
    box.setCaret(1);
    const std::size_t before = box.revision();
    box.append("");
    EXPECT_EQ(box.caret(), 12u);
    EXPECT_GT(box.revision(), before);

    ReceiveBox small;
    small.append("ab");
    EXPECT_EQ(small.caret(), 0u);
    small.append("c");
    EXPECT_EQ(small.caret(), 2u);
}

TEST(ReceiveBox, RepeatsAreLookedForInTheLast801CharactersIgnoringCase) {
    struct Case {
        std::size_t filler; // characters after the text
        const char* sought;
        bool found;
    };
    const Case cases[] = {
        {0, "dx de k1ttt", true},           {790, "DX DE K1TTT", true}, {791, "dx de k1ttt", false},
        {791, "X DE K1TTT", true},          {792, "X DE K1TTT", false}, {0, "DX de K1TTU", false},
        {0, "DX de K1TTT and more", false},
    };
    for (const Case& c : cases) {
        ReceiveBox box;
        box.append("DX de K1TTT");
        box.append(std::string(c.filler, '.'));
        EXPECT_EQ(box.holdsRecent(c.sought), c.found) << c.filler << " " << c.sought;
    }
}

TEST(ReceiveBox, AccentedLettersMatchTheirCapitals) {
    ReceiveBox box;
    box.append("de \xC9QUIPE");
    EXPECT_TRUE(box.holdsRecent("\xE9quipe"));
}

} // namespace
} // namespace qv
