#include "cw/winkeyer/WinKeyerCodec.h"

#include <functional>

#include <gtest/gtest.h>

namespace qv::winkeyer {
namespace {

std::string hex(const std::string& bytes) {
    std::string out;
    char buf[4];
    for (unsigned char c : bytes) {
        std::snprintf(buf, sizeof buf, "%02X ", c);
        out += buf;
    }
    return out;
}

TEST(WinKeyerCodec, CommandsAreTheKeyersHostModeBytes) {
    const struct {
        std::function<std::string()> make;
        const char* bytes;
    } cases[] = {
        {[] { return hostOpen(); }, "00 02 "},
        {[] { return hostClose(); }, "00 03 "},
        {[] { return echoTest(0x55); }, "00 04 55 "},
        {[] { return resync(); }, "13 13 13 "},
        {[] { return speed(18); }, "02 12 "},
        {[] { return weight(50); }, "03 32 "},
        {[] { return pttLeadTail(4, 7); }, "04 04 07 "},
        {[] { return ditDahRatio(67); }, "17 43 "},
        {[] { return pinConfig(6); }, "09 06 "},
        {[] { return mode(48); }, "0E 30 "},
        {[] { return clearBuffer(); }, "0A "},
        {[] { return backspace(); }, "08 "},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(hex(c.make()), c.bytes);
    }
}

TEST(WinKeyerCodec, OnlyPrintableCharactersAreQueued) {
    EXPECT_EQ(character('A'), std::optional<std::string>("A"));
    EXPECT_EQ(character('!'), std::optional<std::string>("!"));
    EXPECT_EQ(character(0x7F), std::optional<std::string>("\x7F"));
    // A control code would be read as a command, and the top half means nothing.
    for (int code : {0x00, 0x08, 0x0A, 0x0D, 0x1F, 0x80, 0xC0, 0xFF}) {
        EXPECT_FALSE(character(static_cast<std::uint8_t>(code))) << code;
    }
}

TEST(WinKeyerCodec, EachIncomingByteIsStatusPotOrData) {
    using K = Reply::Kind;
    const struct {
        std::uint8_t byte;
        Reply reply;
    } cases[] = {
        {0xC0, {K::Status, 0x00}}, {0xC1, {K::Status, 0x01}}, {0xC4, {K::Status, 0x04}},
        {0xD5, {K::Status, 0x15}}, {0x80, {K::SpeedPot, 0}},  {0x92, {K::SpeedPot, 18}},
        {0xBF, {K::SpeedPot, 63}}, {0x55, {K::Data, 0x55}},   {0x1F, {K::Data, 31}},
        {0x00, {K::Data, 0}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(decodeByte(c.byte), c.reply) << int(c.byte);
    }
    EXPECT_EQ(decode(std::string("\xC4\x17\x92", 3)),
              (std::vector<Reply>{{K::Status, 4}, {K::Data, 0x17}, {K::SpeedPot, 18}}));
}

TEST(WinKeyerCodec, StatusValueTellsIdleBusyAndFull) {
    const struct {
        std::uint8_t flags;
        int value;
    } cases[] = {
        {0x00, kStatusIdle},       {0x04, kStatusBusy}, {0x02, kStatusBusy},
        {0x08, kStatusBusy},       {0x10, kStatusBusy}, {0x01, kStatusBufferFull},
        {0x05, kStatusBufferFull},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(statusValue(c.flags), c.value) << int(c.flags);
    }
    EXPECT_EQ(statusFlags(0x15), (StatusFlags{true, false, true, false, true}));
}

} // namespace
} // namespace qv::winkeyer
