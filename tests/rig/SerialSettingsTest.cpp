#include "rig/serial/SerialSettings.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(SerialSettings, ReadsTheFourValues) {
    struct Case {
        const char* text;
        std::optional<SerialSettings> expected;
    };
    const Case cases[] = {
        {"9600,N,8,1", SerialSettings{9600, Parity::None, 8, 1}},
        {"1200,E,7,2", SerialSettings{1200, Parity::Even, 7, 2}},
        {"19200,o,8,1", SerialSettings{19200, Parity::Odd, 8, 1}},
        {"4800,M,5,1", SerialSettings{4800, Parity::Mark, 5, 1}},
        {"38400,S,6,2", SerialSettings{38400, Parity::Space, 6, 2}},
        {"9600 ,N, 8 ,1 ", SerialSettings{9600, Parity::None, 8, 1}},
        {"4000000,N,8,1", SerialSettings{4000000, Parity::None, 8, 1}},
        {"", std::nullopt},
        {"9600,N,8", std::nullopt},
        {"9600,N,8,1,", std::nullopt},
        {"9600,N,8,1,1", std::nullopt},
        {"0,N,8,1", std::nullopt},
        {"4000001,N,8,1", std::nullopt},
        {"-9600,N,8,1", std::nullopt},
        {"96OO,N,8,1", std::nullopt},
        {",N,8,1", std::nullopt},
        {"9600,X,8,1", std::nullopt},
        {"9600,NE,8,1", std::nullopt},
        {"9600,N,4,1", std::nullopt},
        {"9600,N,9,1", std::nullopt},
        {"9600,N,8,0", std::nullopt},
        {"9600,N,8,1.5", std::nullopt},
        {"9600,N,8,3", std::nullopt},
        {"99999999999999999999,N,8,1", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(parseSerialSettings(c.text), c.expected) << '"' << c.text << '"';
    }
}

TEST(SerialSettings, WritesTheTextItReads) {
    for (const char* text : {"9600,N,8,1", "1200,E,7,2", "300,O,8,1", "57600,M,8,2", "110,S,5,1"}) {
        const auto settings = parseSerialSettings(text);
        ASSERT_TRUE(settings) << text;
        EXPECT_EQ(formatSerialSettings(*settings), text);
    }
}

} // namespace
} // namespace qv
