#include "app/ProgramStart.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(ProgramStartTest, CommandLineWords) {
    const CommandLineReply usage{"Usage: quorvane-log [--help | --version]\n", true, 2};
    struct Case {
        std::vector<std::string> words;
        std::optional<CommandLineReply> reply;
    };
    const Case cases[] = {
        {{}, std::nullopt},
        {{"--version"}, CommandLineReply{"quorvane-log 1.5\n", false, 0}},
        {{"--version", "--version"}, usage},
        {{"--help", "--version"}, usage},
        {{"-v"}, usage},
        {{"--Version"}, usage},
        {{"-platform", "offscreen"}, usage},
        {{"log.txt"}, usage},
        {{""}, usage},
    };
    for (const Case& c : cases) {
        const std::string shown = c.words.empty() ? "(none)" : c.words[0];
        EXPECT_EQ(answerCommandLine(c.words, "1.5"), c.reply) << shown;
    }
}

TEST(ProgramStartTest, HelpGoesToStandardOutputAndNamesBothWords) {
    const auto reply = answerCommandLine({"--help"}, "1.5");
    ASSERT_TRUE(reply.has_value());
    EXPECT_FALSE(reply->toStandardError);
    EXPECT_EQ(reply->exitStatus, 0);
    EXPECT_EQ(reply->text.rfind("Usage: quorvane-log [--help | --version]\n", 0), 0u);
    EXPECT_NE(reply->text.find("  --version"), std::string::npos);
    EXPECT_NE(reply->text.find("~/QuorvaneLog"), std::string::npos);
}

TEST(ProgramStartTest, WorkingDirectory) {
    struct Case {
        const char* current;
        const char* home;
        const char* expected;
    };
    const Case cases[] = {
        {"/home/kid", "/home/kid", "/home/kid/QuorvaneLog"},
        {"/home/kid", "/home/kid/", "/home/kid/QuorvaneLog"},
        {"/home/kid/", "/home/kid", "/home/kid/QuorvaneLog"},
        {"/", "/", "/QuorvaneLog"},
        {"/home/kid/contest", "/home/kid", "/home/kid/contest"},
        {"/home/kid/QuorvaneLog", "/home/kid", "/home/kid/QuorvaneLog"},
        {"/home", "/home/kid", "/home"},
        {"/home/kidd", "/home/kid", "/home/kidd"},
        {"/home/kid", "", "/home/kid"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(workingDirectoryFor(c.current, c.home), c.expected)
            << c.current << " with home " << c.home;
    }
}

} // namespace
} // namespace qv
