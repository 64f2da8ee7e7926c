#include "scp/MasterList.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace qv {
namespace {

using ::testing::ElementsAre;

TEST(MasterList, ReadsCallsInOrderPassingOverCommentsAndBlankLines) {
    const MasterListText list = parseMasterList("\xEF\xBB\xBF# Release 1\r\n#\r\nW1AW\r\n\r\n"
                                                "  k1abc \r\ndl1abc/p\nW1AW\nVE3ABC");
    ASSERT_TRUE(list.ok()) << list.problem;
    EXPECT_THAT(list.calls, ElementsAre("W1AW", "K1ABC", "DL1ABC/P", "VE3ABC"));
    EXPECT_EQ(list.skipped, 0u);
}

TEST(MasterList, SkipsAndCountsLinesThatHoldNoCall) {
    std::string text = "W1AW\nK1-ABC\nK1ABCDEFGHIJK\nW1 AW\n";
    for (int i = 0; i < 40; ++i) {
        text += "K" + std::to_string(i) + "XX\n";
    }
    const MasterListText list = parseMasterList(text);
    ASSERT_TRUE(list.ok()) << list.problem;
    EXPECT_EQ(list.skipped, 3u);
    EXPECT_EQ(list.calls.size(), 41u);
    EXPECT_EQ(list.calls.front(), "W1AW");
}

TEST(MasterList, RefusesFilesThatAreNoCallList) {
    std::string binary = "W1AW\nK1ABC\n";
    binary += std::string("\x7F"
                          "ELF\0\x01\x02",
                          7);
    std::string prose;
    for (int i = 0; i < 10; ++i) {
        prose += "W" + std::to_string(i) + "AW\nThis line is prose, not a call.\n";
    }
    for (const std::string& bytes : {binary, prose, std::string("# only a comment\r\n\r\n"),
                                     std::string(), std::string(kMaxMasterListBytes + 1, 'K')}) {
        const MasterListText list = parseMasterList(bytes);
        EXPECT_FALSE(list.ok()) << bytes.substr(0, 40);
        EXPECT_FALSE(list.problem.empty());
        EXPECT_TRUE(list.calls.empty());
    }
}

TEST(MasterList, RandomBytesNeverCrashAndGiveOnlyCalls) {
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        std::string bytes(random() % 400, '\0');
        for (char& c : bytes) {
            // Mostly call characters and line breaks, so that some pass.
            const unsigned pick = random() % 8;
            c = pick == 0   ? static_cast<char>(random() % 256)
                : pick == 1 ? '\n'
                            : "KW1/A#ab"[random() % 8];
        }
        const MasterListText list = parseMasterList(bytes);
        for (const std::string& call : list.calls) {
            ASSERT_FALSE(call.empty());
            ASSERT_LE(call.size(), kMaxListedCall);
            ASSERT_EQ(call.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789/"),
                      std::string::npos);
        }
    }
}

TEST(MasterList, ReadsTheInstalledCommunityList) {
    const std::filesystem::path path = "/usr/share/hamradio-files/MASTER.SCP";
    if (!std::filesystem::exists(path)) {
        GTEST_SKIP() << path << " is not installed (Debian package hamradio-files)";
    }
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    const MasterListText list = parseMasterList(bytes.str());
    ASSERT_TRUE(list.ok()) << list.problem;
    // The Debian copy holds about 85,000 calls; a few every list carries.
    EXPECT_GT(list.calls.size(), 50000u);
    EXPECT_LT(list.skipped * 100, list.calls.size());
    for (const char* known : {"W1AW", "K1TTT", "N1MM", "K6TU"}) {
        EXPECT_NE(std::find(list.calls.begin(), list.calls.end(), known), list.calls.end())
            << known;
    }
}

} // namespace
} // namespace qv
