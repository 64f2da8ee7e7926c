#include "rig/RigCommands.h"

#include "rig/HexText.h"
#include "rig/RadioTable.h"

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace qv {
namespace {

using namespace std::string_literals;

CommandContext context(std::string_view rigType, std::string_view frequencyQuery,
                       std::string_view modeQuery, std::uint8_t kenwoodVfo = 10,
                       std::string_view modeText = {}) {
    return {rigType, frequencyQuery, modeQuery, kenwoodVfo, modeText};
}

std::string hex(const char* hexText) {
    return HexTextToBytes(hexText);
}

CommandContext defaultsOf(std::string_view rigType) {
    const Radio* radio = findRadio(rigType);
    return context(rigType, radio->frequencyQuery, radio->modeQuery);
}

TEST(RigCommands, FrequencyCommandOfEveryRadio) {
    struct Case {
        CommandContext context;
        float frequencyMHz;
        std::vector<std::uint32_t> pausesMs;
        std::string bytes;
        std::string pegasusFile = {};
    };
    const std::vector<std::uint32_t> standard{205};
    const Case cases[] = {
        {defaultsOf("Kenwood"), 14.025f, standard, "FA00014025000;"},
        {context("Kenwood", "FB;", "MD;"), 14.025f, standard, "FB00014025000;"},
        {context("Kenwood 2", "IF;", "", 1), 14.025f, standard, "FB00014025000;"},
        {context("Kenwood 2", "IF;", "", 0), 14.025f, standard, "FA00014025000;"},
        {context("Kenwood 2", "IF;", "", 10), 1.83f, standard, "FA00001830000;"},
        {context("Elecraft", "FB;", "MD;"), 14.025f, {205, 1000}, "FA00014025000;"},
        {defaultsOf("Icom"), 14.025f, {140}, hex("FE FE 64 E0 05 00 50 02 14 00 FD")},
        {context("Icom", "FE FE 5C E0 03 FD", ""),
         14.025f,
         {140},
         hex("FE FE 5C E0 05 00 50 02 14 00 FD")},
        // The single nearest 144.3 is 144.300003 and that nearest 21.026 is
        // 21.0259991: the radio goes to the frequency as typed all the same.
        {defaultsOf("Icom 735"), 144.3f, {140}, hex("FE FE 64 E0 05 00 00 30 44 01 FD")},
        {defaultsOf("Kenwood"), 21.026f, standard, "FA00021026000;"},
        {defaultsOf("Yaesu"), 14.0251f, standard, hex("01 40 25 10 01")},
        {defaultsOf("Ten Tec Omni VI"), 7.03f, {140, 220}, hex("FE FE 04 E0 05 00 00 03 07 00 FD")},
        {defaultsOf("Ten Tec Fnt Pnl"), 14.025f, standard, hex("2A 41 00 D6 01 28 0D")},
        {defaultsOf("Ten Tec Fnt Pnl"), 4000.0f, standard, hex("2A 41 EE 6B 28 00 0D")},
        {defaultsOf("Ten Tec Orion"), 14.025f, standard, "*AF14.025\r"},
        {context("Ten Tec Pegasus", "", "", 10, "  CW "), 14.025f, standard, "",
         "14.025\r\nCW\r\n"},
        {context("Ten Tec Pegasus", "", "", 10, ""), 7.0f, standard, "", "7\r\n\r\n"},
        {defaultsOf("Yaesu"), 14.025f, standard, hex("01 40 25 00 01")},
        {defaultsOf("Yaesu"), 0.5f, standard, hex("00 05 00 00 01")},
        {defaultsOf("Yaesu 757 GX II"), 14.025f, standard, hex("00 25 40 01 0A")},
        {defaultsOf("Yaesu 890"), 14.025f, standard, hex("00 25 40 01 0A")},
        {defaultsOf("Yaesu 920"), 144.3f, standard, hex("00 00 43 14 0A")},
        {defaultsOf("Yaesu 990"), 14.025f, standard, hex("00 25 40 01 0A")},
        {defaultsOf("Yaesu 1000 D"), 14.025f, standard, hex("00 25 40 01 0A")},
        {defaultsOf("Yaesu 1000"), 14.025f, {10}, hex("00 25 40 01 0A")},
        {defaultsOf("Yaesu FTdx9000"), 14.025f, standard, "FA14025000;"},
        {defaultsOf("Other"), 14.025f, {}, ""},
        {defaultsOf("None"), 14.025f, {}, ""},
    };
    for (const Case& c : cases) {
        const FrequencyCommand command = frequencyCommand(c.context, c.frequencyMHz);
        const std::string where =
            std::string(c.context.rigType) + " " + std::to_string(c.frequencyMHz);
        EXPECT_EQ(command.pausesMs, c.pausesMs) << where;
        EXPECT_EQ(BytesToHexText(command.bytes), BytesToHexText(c.bytes)) << where;
        EXPECT_EQ(command.pegasusFile, c.pegasusFile) << where;
        EXPECT_EQ(command.refusal, std::nullopt) << where;
    }
}

// Hz and 10 Hz units count the frequency as typed: the shortest decimal that
// reads back as the same single, not the single's own value, which is often a
// little off (1296.1f is 1296.0999756 MHz, 24 Hz low).
TEST(RigCommands, TunesToTheFrequencyAsTyped) {
    struct Case {
        float frequencyMHz;
        const char* kenwood;
    };
    const Case cases[] = {
        {14.025f, "FA00014025000;"},
        {7.0001f, "FA00007000100;"},
        {0.0f, "FA00000000000;"},
        {1296.1f, "FA01296100000;"},
        {99999.99f, "FA99999990000;"},
        // 1/128 and 3/128 MHz are whole Hz and a half: halves go to the even neighbour.
        {0.0078125f, "FA00000007812;"},
        {0.0234375f, "FA00000023438;"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(frequencyCommand(defaultsOf("Kenwood"), c.frequencyMHz).bytes, c.kenwood)
            << c.frequencyMHz;
    }
}

TEST(RigCommands, RefusesAFrequencyThatDoesNotFitTheCommand) {
    struct Case {
        const char* rigType;
        float frequencyMHz;
        const char* refusal;
    };
    const float infinity = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const Case cases[] = {
        {"Yaesu", 1000.0f, "1000.000 MHz does not fit the radio's frequency command."},
        {"Yaesu 890", 14025.0f, "14025.000 MHz does not fit the radio's frequency command."},
        {"Yaesu FTdx9000", 100.0f, "100.000 MHz does not fit the radio's frequency command."},
        {"Icom", 14025.0f, "14025.000 MHz does not fit the radio's frequency command."},
        {"Kenwood", 100000.0f, "100000.000 MHz does not fit the radio's frequency command."},
        {"Ten Tec Fnt Pnl", 4300.0f, "4300.000 MHz does not fit the radio's frequency command."},
        {"Kenwood", -1.0f, "-1.000 MHz does not fit the radio's frequency command."},
        {"Ten Tec Orion", infinity, "That frequency does not fit the radio's frequency command."},
        {"Ten Tec Pegasus", nan, "That frequency does not fit the radio's frequency command."},
        {"Elecraft", std::numeric_limits<float>::max(),
         "340282346638528859811704183484516925440.000 MHz does not fit the radio's frequency "
         "command."},
    };
    for (const Case& c : cases) {
        const FrequencyCommand command = frequencyCommand(defaultsOf(c.rigType), c.frequencyMHz);
        ASSERT_TRUE(command.refusal) << c.rigType << ' ' << c.frequencyMHz;
        EXPECT_EQ(*command.refusal, c.refusal);
        EXPECT_EQ(command.bytes, "") << c.rigType;
        EXPECT_EQ(command.pegasusFile, "") << c.rigType;
    }
    // The largest values that still fit.
    EXPECT_FALSE(frequencyCommand(defaultsOf("Yaesu"), 999.99f).refusal);
    EXPECT_FALSE(frequencyCommand(defaultsOf("Yaesu FTdx9000"), 99.99f).refusal);
    EXPECT_FALSE(frequencyCommand(defaultsOf("Icom"), 9999.99f).refusal);
}

TEST(RigCommands, RefusesAnIcomQueryWithoutAnAddress) {
    for (const char* query : {"FE FE", "FE FE 6", "FE FE XY E0 03 FD"}) {
        const FrequencyCommand command = frequencyCommand(context("Icom", query, ""), 14.025f);
        EXPECT_TRUE(command.refusal) << query;
        EXPECT_EQ(command.bytes, "") << query;
        EXPECT_EQ(modeCommand(context("Icom", query, ""), "CW"), std::nullopt) << query;
    }
}

// The mode table, one row per mode; "-" where the radio has no command for it.
TEST(RigCommands, ModeTable) {
    struct Row {
        const char* mode;
        const char* kenwood;     // "Kenwood", "Kenwood 2", "Elecraft": text
        const char* icom;        // "Icom", "Ten Tec Omni VI" at address 5C: hex text
        const char* yaesu;       // "Yaesu": hex text
        const char* statusBlock; // the other five-byte Yaesus: hex text
        const char* ftdx9000;    // text, with the mode query "MD0;"
    };
    const Row rows[] = {
        {"LSB", "MD1;", "FE FE 5C E0 06 00 FD", "00 00 00 00 07", "00 00 00 00 0C", "MD01;"},
        {"USB", "MD2;", "FE FE 5C E0 06 01 FD", "01 00 00 00 07", "00 00 00 01 0C", "MD02;"},
        {"CW", "MD3;", "FE FE 5C E0 06 03 FD", "02 00 00 00 07", "00 00 00 02 0C", "MD03;"},
        {"FM", "MD4;", "FE FE 5C E0 06 05 FD", "08 00 00 00 07", "00 00 00 06 0C", "MD04;"},
        {"AM", "MD5;", "FE FE 5C E0 06 02 FD", "04 00 00 00 07", "00 00 00 04 0C", "MD05;"},
        {"RTTY", "MD6;", "FE FE 5C E0 06 04 FD", "0A 00 00 00 07", "00 00 00 08 0C", "MD06;"},
        {"FSK", "MD6;", "-", "-", "-", "-"},
        {"CW-R", "-", "FE FE 5C E0 06 07 FD", "-", "00 00 00 03 0C", "MD07;"},
        {"RTTY-R", "-", "FE FE 5C E0 06 08 FD", "-", "-", "-"},
        {"DIG", "-", "-", "0A 00 00 00 07", "-", "-"},
        {"PKT", "-", "-", "0C 00 00 00 07", "00 00 00 0A 0C", "-"},
    };
    const auto expectCommand = [](std::string_view rigType, std::string_view frequencyQuery,
                                  std::string_view modeQuery, const Row& row, const char* cell,
                                  bool hex) {
        const auto command = modeCommand(context(rigType, frequencyQuery, modeQuery), row.mode);
        if (std::string_view(cell) == "-") {
            EXPECT_EQ(command, std::nullopt) << rigType << ' ' << row.mode;
        } else {
            EXPECT_EQ(command, hex ? HexTextToBytes(cell) : std::string(cell))
                << rigType << ' ' << row.mode;
        }
    };
    const char* icomQuery = "FE FE 5C E0 03 FD";
    for (const Row& row : rows) {
        for (const char* rigType : {"Kenwood", "Kenwood 2", "Elecraft"}) {
            expectCommand(rigType, "FA;", "MD;", row, row.kenwood, false);
        }
        for (const char* rigType : {"Icom", "Ten Tec Omni VI"}) {
            expectCommand(rigType, icomQuery, "", row, row.icom, true);
        }
        expectCommand("Yaesu", "00 00 00 00 03", "", row, row.yaesu, true);
        for (const char* rigType : {"Yaesu 757 GX II", "Yaesu 890", "Yaesu 920", "Yaesu 990",
                                    "Yaesu 1000", "Yaesu 1000 D"}) {
            expectCommand(rigType, "00 00 00 02 10", "", row, row.statusBlock, true);
        }
        expectCommand("Yaesu FTdx9000", "FA;", "MD0;", row, row.ftdx9000, false);
        for (const char* rigType :
             {"Icom 735", "Ten Tec Orion", "Ten Tec Fnt Pnl", "Ten Tec Pegasus", "Other", "None"}) {
            expectCommand(rigType, icomQuery, "MD0;", row, "-", false);
        }
    }
}

TEST(RigCommands, ModeTextsAreComparedExactly) {
    for (const char* mode : {"cw", "CW ", "", "SSB", "DATA"}) {
        EXPECT_EQ(modeCommand(defaultsOf("Kenwood"), mode), std::nullopt) << '"' << mode << '"';
        EXPECT_EQ(modeCommand(defaultsOf("Yaesu"), mode), std::nullopt) << '"' << mode << '"';
    }
    // The FTdx9000 prefix is the mode query's first three characters, whatever they are.
    EXPECT_EQ(modeCommand(context("Yaesu FTdx9000", "FA;", "MD1;"), "USB"), "MD12;");
}

} // namespace
} // namespace qv
