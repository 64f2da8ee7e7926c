#include "rig/RigProtocol.h"

#include "rig/HexText.h"
#include "rig/RadioTable.h"

#include <string>

#include <gtest/gtest.h>

namespace qv {
namespace {

using namespace std::string_literals;

RigQueries queries(std::string_view rigType, std::string_view frequencyQuery,
                   std::string_view modeQuery, bool convertToHex = false) {
    return {rigType, frequencyQuery, modeQuery, convertToHex};
}

RigQueries defaultsOf(std::string_view rigType) {
    const Radio* radio = findRadio(rigType);
    return queries(rigType, radio->frequencyQuery, radio->modeQuery, radio->convertToHex);
}

std::string bytes(const char* hexText) {
    return HexTextToBytes(hexText);
}

TEST(RigQueries, SendTickOfEveryFamily) {
    struct Case {
        RigQueries queries;
        std::uint8_t phaseBefore;
        std::string bytes;
        std::uint8_t phaseAfter;
    };
    const Case cases[] = {
        {defaultsOf("Kenwood"), 0, "FA;MD;", 0},
        {defaultsOf("Elecraft"), 1, "FA;MD;", 1},
        {defaultsOf("Kenwood 2"), 0, "IF;", 0},
        {defaultsOf("Icom"), 0, bytes("FE FE 64 E0 03 FD"), 1},
        {defaultsOf("Icom"), 1, bytes("FE FE 64 E0 04 FD"), 0},
        {defaultsOf("Ten Tec Omni VI"), 0, bytes("FE FE 04 E0 03 FD"), 1},
        {queries("Icom 735", "FE FE 64 E0 03 FD 00", "FE FE 64 E0 04 FD"), 0,
         bytes("FE FE 64 E0 03 FD"), 1},
        // A query too short is not sent, but the turn passes to the other one.
        {queries("Icom", "FE FE 64 E0 03 F", "FE FE 64 E0 04 FD"), 0, "", 1},
        {queries("Icom", "FE FE XX E0 03 FD", "FE FE 64 E0 04 FD"), 0, "", 1},
        {defaultsOf("Yaesu"), 0, bytes("00 00 00 00 03"), 0},
        {defaultsOf("Yaesu 890"), 1, bytes("00 00 00 02 10"), 1},
        {queries("Yaesu 757 GX II", "00 00 00 00 1", ""), 0, "", 0},
        {defaultsOf("Yaesu FTdx9000"), 0, "FA;", 1},
        {defaultsOf("Yaesu FTdx9000"), 1, "MD0;", 0},
        {queries("Yaesu FTdx9000", "F", "MD0;"), 0, "", 1},
        {defaultsOf("Ten Tec Fnt Pnl"), 0, bytes("3F 41 0D"), 1},
        {defaultsOf("Ten Tec Fnt Pnl"), 1, bytes("3F 4D 0D"), 0},
        {defaultsOf("Ten Tec Orion"), 0, "?AF\r?RMM\r", 0},
        {queries("Other", "FE FE 64 E0 03 FD", "", true), 0, bytes("FE FE 64 E0 03 FD"), 0},
        {queries("Other", "FE FE", "00 01", true), 0, bytes("FE FE 00 01"), 0},
        {queries("Other", "FA;", "MD;", false), 0, "FA;MD;", 0},
        {queries("Other", "", "", false), 0, "", 0},
        {queries("Ten Tec Pegasus", "FA;", "MD;"), 0, "", 0},
        {queries("None", "FA;", "MD;"), 0, "", 0},
        {queries("Yaesu 2000", "00 00 00 00 03", ""), 0, "", 0},
    };
    for (const Case& c : cases) {
        const SendTick tick = queriesFor(c.queries, c.phaseBefore);
        EXPECT_EQ(BytesToHexText(tick.bytes), BytesToHexText(c.bytes))
            << c.queries.rigType << " phase " << int(c.phaseBefore);
        EXPECT_EQ(tick.queryPhase, c.phaseAfter)
            << c.queries.rigType << " phase " << int(c.phaseBefore);
    }
}

// A reading that no test reply produces, so that "unchanged" shows.
constexpr float kBefore = 3.5f;
constexpr const char* kModeBefore = "AM";

struct DecodeCase {
    RigQueries queries;
    std::uint8_t phase;
    std::string rx;
    float frequencyMHz;
    const char* modeText;
    std::uint8_t kenwoodVfo = 10;
};

void expectDecodes(const DecodeCase& c) {
    RigReading reading{kBefore, kModeBefore, 10};
    decodeReply(c.queries, c.phase, c.rx, reading);
    const std::string where = std::string(c.queries.rigType) + " phase " + std::to_string(c.phase) +
                              ": " + BytesToHexText(c.rx);
    EXPECT_EQ(reading.frequencyMHz, c.frequencyMHz) << where;
    EXPECT_EQ(reading.modeText, c.modeText) << where;
    EXPECT_EQ(reading.kenwoodVfo, c.kenwoodVfo) << where;
}

TEST(RigDecode, KenwoodAndElecraft) {
    const RigQueries kenwood = defaultsOf("Kenwood");
    const DecodeCase cases[] = {
        {kenwood, 0, "FA00014025000;MD3;", 14.025f, "CW"},
        {kenwood, 0, "MD7;", kBefore, "CW"},
        {kenwood, 0, "MD2;", kBefore, "PH"},
        {kenwood, 0, "MDx", kBefore, "PH"},
        {kenwood, 0, "FA00007030000;", 7.03f, kModeBefore},
        {defaultsOf("Elecraft"), 0, "FA00003550000;MD3;", 3.55f, "CW"},
        {kenwood, 0, "\x13?;FA00014025000;MD1;", 14.025f, "PH"},
        // Cut after ten digits, or without anything after the eleventh: no frequency.
        {kenwood, 0, "FA0001402500", kBefore, kModeBefore},
        {kenwood, 0, "FA00014025000", kBefore, kModeBefore},
        {kenwood, 0, "FA0001402500X;MD3;", kBefore, "CW"},
        {kenwood, 0, "FA00014025000;MD", 14.025f, kModeBefore},
        // Rounded to 10 Hz, halves to the even neighbour.
        {kenwood, 0, "FA00014025005;", 14.025f, kModeBefore},
        {kenwood, 0, "FA00014025015;", 14.02502f, kModeBefore},
        {kenwood, 0, "FA00014025006;", 14.02501f, kModeBefore},
        {kenwood, 0, "FA99999999999;", 100000.0f, kModeBefore},
        // The frequency answer is looked for by the query's first two characters.
        {queries("Kenwood", "FB;", "MD;"), 0, "FA00007000000;FB00014025000;", 14.025f, kModeBefore},
        {queries("Kenwood", "FA", "MD;"), 0, "FA00014025000;", kBefore, kModeBefore},
    };
    for (const DecodeCase& c : cases) {
        expectDecodes(c);
    }
}

TEST(RigDecode, KenwoodInformationAnswer) {
    const RigQueries kenwood2 = defaultsOf("Kenwood 2");
    // IF, eleven digits of Hz, sixteen characters to the mode, then the VFO digit.
    const std::string head = "IF00014025000     +0000000000";
    const DecodeCase cases[] = {
        {kenwood2, 0, head + "3100000 ;", 14.025f, "CW", 1},
        {kenwood2, 0, head + "2000000 ;", 14.025f, "PH", 0},
        {kenwood2, 0, head + "7000000 ;", 14.025f, "PH", 0},
        {kenwood2, 0, head + "3", 14.025f, "CW", 10},
        {kenwood2, 0, "IF00007030000     +00;", 7.03f, "PH", 10},
        {kenwood2, 0, "IF0001402500", kBefore, kModeBefore, 10},
        {kenwood2, 0, "IF0001402500X     +0000000000310;", kBefore, kModeBefore, 10},
        {kenwood2, 0, "FA00014025000;MD3;", kBefore, kModeBefore, 10},
    };
    for (const DecodeCase& c : cases) {
        expectDecodes(c);
    }
}

TEST(RigDecode, IcomFrames) {
    const RigQueries icom = defaultsOf("Icom");
    const DecodeCase cases[] = {
        // The echo of the query, then the answer.
        {icom, 1, bytes("FE FE 64 E0 03 FD FE FE E0 64 03 00 50 02 14 00 FD"), 14.025f,
         kModeBefore},
        {icom, 1, bytes("FE FE E0 64 03 00 00 30 44 01 FD"), 144.3f, kModeBefore},
        {icom, 1, bytes("FE FE E0 64 03 00 00 83 01 00 FD"), 1.83f, kModeBefore},
        {icom, 1, bytes("FE FE E0 64 03 00 00 00 00 00 FD"), 0.0f, kModeBefore},
        // A late answer and the new one: the last one read wins.
        {icom, 1, bytes("FE FE E0 64 03 00 00 03 07 00 FD FE FE E0 64 03 00 50 02 14 00 FD"),
         14.025f, kModeBefore},
        {defaultsOf("Ten Tec Omni VI"), 1, bytes("FE FE E0 04 03 00 50 02 14 00 FD"), 14.025f,
         kModeBefore},
        {defaultsOf("Icom 735"), 1, bytes("FE FE 64 E0 03 FD FE FE E0 04 03 00 50 02 14 FD"),
         14.025f, kModeBefore},
        {icom, 1, bytes("FE FE 64 E0 03 FD"), kBefore, kModeBefore},
        {icom, 1, bytes("FE FE E0 64 03 00 5A 02 14 00 FD"), kBefore, kModeBefore},
        {icom, 1, bytes("FE FE E0 64 04 03 01 FD"), kBefore, kModeBefore},
        {icom, 1, bytes("FE 00 E0 64 03 00 50 02 14 00 FD"), kBefore, kModeBefore},
        {icom, 0, bytes("FE FE 64 E0 04 FD FE FE E0 64 04 07 01 FD"), kBefore, "PH"},
        {icom, 0, bytes("FE FE 64 E0 04 FD FE FE E0 64 04 03 01 FD"), kBefore, "CW"},
        {icom, 0, bytes("FE FE 64 E0 04 FD"), kBefore, kModeBefore},
        {icom, 0, bytes("FE FE E0 64 03 00 50 02 14 00 FD"), kBefore, kModeBefore},
        // The address bytes are skipped whatever they hold.
        {icom, 0, bytes("FE FE FD FE 04 03 FD"), kBefore, "CW"},
    };
    for (const DecodeCase& c : cases) {
        expectDecodes(c);
    }
}

TEST(RigDecode, YaesuBcd) {
    const RigQueries yaesu = defaultsOf("Yaesu");
    const DecodeCase cases[] = {
        {yaesu, 0, bytes("01 40 25 00 02"), 14.025f, "CW"},
        {yaesu, 0, bytes("00 70 30 00 83"), 7.03f, "CW"},
        {yaesu, 0, bytes("14 43 00 00 01"), 144.3f, "PH"},
        {yaesu, 0, bytes("01 40 25 00 88"), 14.025f, "PH"},
        {yaesu, 0, bytes("01 40 25 00 05"), 14.025f, kModeBefore},
        {yaesu, 0, bytes("01 40 25 00 0A"), kBefore, kModeBefore},
        // Below 1 MHz the point goes with the third zero: the digits 4 to 8 as they stand.
        {yaesu, 0, bytes("00 05 00 00 00"), 50000.0f, "PH"},
        {yaesu, 0, bytes("01 40 25 00"), kBefore, kModeBefore},
        {yaesu, 0, bytes("01 4A 25 00 02"), kBefore, kModeBefore},
    };
    for (const DecodeCase& c : cases) {
        expectDecodes(c);
    }
}

TEST(RigDecode, YaesuStatusBlocks) {
    const DecodeCase cases[] = {
        // 757 GX II: BCD in bytes 6 to 9, least significant first; the mode in byte 10.
        {defaultsOf("Yaesu 757 GX II"), 0, bytes("00 00 00 00 00 00 25 40 01 02"), 14.025f, "CW"},
        {defaultsOf("Yaesu 757 GX II"), 0, bytes("00 00 00 00 00 00 30 70 00 04"), 7.03f, "AM"},
        {defaultsOf("Yaesu 757 GX II"), 0, bytes("00 00 00 00 00 00 00 90 02 05"), 29.0f, "FM"},
        {defaultsOf("Yaesu 757 GX II"), 0, bytes("00 00 00 00 00 00 25 40 01 00"), 14.025f, "PH"},
        {defaultsOf("Yaesu 757 GX II"), 0, bytes("00 00 00 00 00 00 25 40 01 09"), 14.025f,
         kModeBefore},
        {defaultsOf("Yaesu 757 GX II"), 0, bytes("00 00 00 00 00 00 25 40 01"), 14.025f,
         kModeBefore},
        {defaultsOf("Yaesu 757 GX II"), 0, bytes("00 00 00 00 00 00 25 40"), kBefore, kModeBefore},
        {defaultsOf("Yaesu 757 GX II"), 0, bytes("00 00 00 00 00 00 2B 40 01 02"), kBefore,
         kModeBefore},
        // The others: a run of hex digits as one binary number.
        {defaultsOf("Yaesu 890"), 0, bytes("00 00 15 66 84 00 00 02"), 14.025f, "CW"},
        {defaultsOf("Yaesu 890"), 0, bytes("00 00 15 66 84 00 00 F7"), 14.025f, "PH"},
        {defaultsOf("Yaesu 890"), 0, bytes("00 00 15 66 84 00 00 08"), 14.025f, kModeBefore},
        {defaultsOf("Yaesu 890"), 0, bytes("00 00 15 66 84 00 00"), 14.025f, kModeBefore},
        {defaultsOf("Yaesu 890"), 0, bytes("00 00 15 66"), kBefore, kModeBefore},
        {defaultsOf("Yaesu 1000"), 0, bytes("00 01 56 68 40 00 00 02"), 14.025f, "CW"},
        {defaultsOf("Yaesu 990"), 0, bytes("00 15 66 84 00 00 00 00"), 14.025f, "PH"},
        {defaultsOf("Yaesu 1000 D"), 0, bytes("00 0A BA 18 00"), 7.03f, kModeBefore},
        // The 920 reports whole Hz.
        {defaultsOf("Yaesu 920"), 0, bytes("00 00 D6 01 28 00 00 01"), 14.025f, "CW"},
        {defaultsOf("Yaesu 920"), 0, bytes("00 00 D6 01 2E 00 00 0A"), 14.02501f, "PH"},
    };
    for (const DecodeCase& c : cases) {
        expectDecodes(c);
    }
}

TEST(RigDecode, Ftdx9000) {
    const RigQueries ftdx = defaultsOf("Yaesu FTdx9000");
    const DecodeCase cases[] = {
        {ftdx, 1, "FA14025000;", 14.025f, kModeBefore},
        {ftdx, 0, "MD03;", kBefore, "CW"},
        {ftdx, 0, "FA07030000;MD02;", 7.03f, "PH"},
        {ftdx, 0, "FA14025000", 14.025f, kModeBefore},
        // A frequency that cannot be read does not keep the mode from being read.
        {ftdx, 0, "FA1402500;MD03;", kBefore, "CW"},
        {ftdx, 0, "FA1402500", kBefore, kModeBefore},
        {ftdx, 0, "MD0", kBefore, kModeBefore},
        {queries("Yaesu FTdx9000", "FB;", "MD1;"), 0, "FA07030000;FB14025000;MD03;MD13;", 14.025f,
         "CW"},
    };
    for (const DecodeCase& c : cases) {
        expectDecodes(c);
    }
}

TEST(RigDecode, TenTecFrontPanelAndOrion) {
    const RigQueries panel = defaultsOf("Ten Tec Fnt Pnl");
    const RigQueries orion = defaultsOf("Ten Tec Orion");
    const DecodeCase cases[] = {
        {panel, 1, bytes("41 00 D6 01 28 0D"), 14.025f, kModeBefore},
        {panel, 1, bytes("41 00 6B 44 F0"), 7.03f, kModeBefore},
        {panel, 1, bytes("41 00 D6 01"), kBefore, kModeBefore},
        {panel, 0, bytes("4D 03 01 0D"), kBefore, "CW"},
        {panel, 0, bytes("4D 04 03 0D"), kBefore, "PH"},
        {panel, 0, bytes("4D 05 03 0D"), kBefore, kModeBefore},
        {panel, 0, bytes("4D 03"), kBefore, kModeBefore},
        {orion, 0, "@AF14025000\r@RMM3\r", 14.025f, "CW"},
        {orion, 0, "@RMM2\r", kBefore, "CW"},
        {orion, 0, "@RMM0\r@AF7030000\r", 7.03f, "PH"},
        {orion, 0, "@RMM", kBefore, "PH"},
        {orion, 0, "@AF14025000", kBefore, kModeBefore},
        {orion, 0, "@AF\r@RMM3\r", kBefore, kModeBefore},
        {orion, 0, "@AF14.025\r@RMM3\r", kBefore, kModeBefore},
    };
    for (const DecodeCase& c : cases) {
        expectDecodes(c);
    }
}

TEST(RigDecode, RadiosWithoutADecoderReadNothing) {
    for (const char* rigType : {"Other", "None", "Ten Tec Pegasus", "Yaesu 2000"}) {
        expectDecodes(
            {queries(rigType, "FA;", "MD;"), 0, "FA00014025000;MD3;", kBefore, kModeBefore});
    }
}

TEST(RigDecode, PegasusFile) {
    struct Case {
        const char* text;
        float frequencyMHz;
        const char* modeText;
    };
    const Case cases[] = {
        {"14.025\r\nUSB\r\n", 14.025f, "PH"},
        {"7.03,\"CW\"\r\n", 7.03f, "CW"},
        {"\"3.55\"\nCW\n", 3.55f, "CW"},
        {"14.025\r\n\r\n", 14.025f, ""},
        {"14.025\r\n\"cw\"\r\n", 14.025f, "PH"},
        {"14.025", kBefore, kModeBefore},
        {"", kBefore, kModeBefore},
        {"abc\r\nCW\r\n", kBefore, kModeBefore},
        {"1e300\r\nCW\r\n", kBefore, kModeBefore},
        {"\"14.025\r\nCW\r\n", kBefore, kModeBefore},
    };
    for (const Case& c : cases) {
        RigReading reading{kBefore, kModeBefore, 10};
        decodePegasusFile(c.text, reading);
        EXPECT_EQ(reading.frequencyMHz, c.frequencyMHz) << c.text;
        EXPECT_EQ(reading.modeText, c.modeText) << c.text;
    }
}

} // namespace
} // namespace qv
