#include "scp/CallIndex.h"

#include "scp/MasterList.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace qv {
namespace {

using ::testing::ElementsAreArray;

// Deliberately not in alphabetical order: answers come in the list's order.
const std::vector<std::string> kCalls = {"W1AW", "K1ABC", "N1ABC",    "KA1ABC", "K1ABD",
                                         "W1AX", "K1K1",  "DL1ABC/P", "VE3ABC", "4X1AB",
                                         "K1AB", "G4ABC", "W1AWW",    "AA1AW"};

std::vector<std::string> callsOf(const CallIndex& index, const std::vector<std::uint32_t>& ids) {
    std::vector<std::string> out;
    for (std::uint32_t id : ids) {
        out.emplace_back(index.call(id));
    }
    return out;
}

TEST(CallIndex, FindsTheCallsContainingTheTypedTextInTheListsOrder) {
    const CallIndex index(kCalls);
    struct Case {
        const char* typed;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {"1AB", {"K1ABC", "N1ABC", "KA1ABC", "K1ABD", "DL1ABC/P", "4X1AB", "K1AB"}},
        {"1ab", {"K1ABC", "N1ABC", "KA1ABC", "K1ABD", "DL1ABC/P", "4X1AB", "K1AB"}},
        {"W1", {"W1AW", "W1AX", "W1AWW"}},
        {"ABC", {"K1ABC", "N1ABC", "KA1ABC", "DL1ABC/P", "VE3ABC", "G4ABC"}},
        {"/P", {"DL1ABC/P"}},
        {"C/", {"DL1ABC/P"}},
        {"4", {"4X1AB", "G4ABC"}},
        {"K1", {"K1ABC", "K1ABD", "K1K1", "K1AB"}}, // K1K1 holds it twice, listed once
        {"AW", {"W1AW", "W1AWW", "AA1AW"}},
        {"W1AWW", {"W1AWW"}},
        {"ZZ", {}},
        {"1ABCD", {}},
        {"", {}},
    };
    for (const Case& c : cases) {
        EXPECT_THAT(callsOf(index, index.containing(c.typed, 20)), ElementsAreArray(c.calls))
            << c.typed;
    }
}

TEST(CallIndex, KeepsTheFirstHitsOfTheListUpToTheLimit) {
    // Numbered calls in descending order: the first twenty of the list are the
    // twenty highest numbers, which sort last.
    std::vector<std::string> calls;
    for (int i = 99; i >= 0; --i) {
        calls.push_back("K" + std::to_string(i) + "XY");
    }
    const CallIndex index(calls);
    const std::vector<std::uint32_t> ids = index.containing("XY", 20);
    ASSERT_EQ(ids.size(), 20u);
    for (std::uint32_t i = 0; i < 20; ++i) {
        EXPECT_EQ(ids[i], i);
    }
    EXPECT_EQ(index.containing("XY", 0).size(), 0u);
    EXPECT_EQ(index.containing("XY", 500).size(), 100u);
}

TEST(CallIndex, FindsCallsOneEditAway) {
    const CallIndex index(kCalls);
    struct Case {
        const char* typed;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {"W1AY", {"W1AW", "W1AX"}},           // one character changed
        {"K1AC", {"K1ABC", "K1AB"}},          // one added (K1ABC), one changed (K1AB)
        {"W1AWX", {"W1AW", "W1AX", "W1AWW"}}, // two with one removed, one changed
        {"w1ay", {"W1AW", "W1AX"}},           // typed in lower case
        {"DL1ABC/Q", {"DL1ABC/P"}},           // "/" in the call
        {"4X1AC", {"4X1AB"}},                 // a digit first
        {"W1AW", {"W1AX", "W1AWW"}},          // the call itself is not one of them
        {"ZZ9ZZZ", {}},
    };
    for (const Case& c : cases) {
        EXPECT_THAT(callsOf(index, index.oneEditAway(c.typed, 20)), ElementsAreArray(c.calls))
            << c.typed;
    }
    EXPECT_THAT(callsOf(index, index.oneEditAway("W1AW", 2)), ElementsAreArray({"W1AX", "W1AWW"}));
}

TEST(CallIndex, FindsAWholeCallIgnoringCase) {
    const CallIndex index(kCalls);
    EXPECT_EQ(index.size(), kCalls.size());
    EXPECT_EQ(index.find("dl1abc/p"), 7u);
    EXPECT_EQ(index.find("W1AW"), 0u);
    EXPECT_EQ(index.find("W1A"), std::nullopt);
    EXPECT_EQ(CallIndex().find("W1AW"), std::nullopt);
    EXPECT_TRUE(CallIndex().containing("W1", 20).empty());
}

TEST(CallIndex, AnswersOverTheInstalledCommunityList) {
    const std::filesystem::path path = "/usr/share/hamradio-files/MASTER.SCP";
    if (!std::filesystem::exists(path)) {
        GTEST_SKIP() << path << " is not installed (Debian package hamradio-files)";
    }
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    const MasterListText list = parseMasterList(bytes.str());
    ASSERT_TRUE(list.ok());
    const CallIndex index(list.calls);
    // Every hit holds the text, and no earlier call of the list that holds it is missed.
    const std::vector<std::uint32_t> ids = index.containing("1AW", 20);
    ASSERT_FALSE(ids.empty());
    std::size_t expected = 0;
    for (std::uint32_t id = 0; id < list.calls.size() && expected < ids.size(); ++id) {
        if (list.calls[id].find("1AW") != std::string::npos) {
            EXPECT_EQ(ids[expected++], id);
        }
    }
    EXPECT_THAT(callsOf(index, index.containing("W1AW", 20)), ::testing::Contains("W1AW"));
    EXPECT_THAT(callsOf(index, index.oneEditAway("W1AX", 20)), ::testing::Contains("W1AW"));
}

} // namespace
} // namespace qv
