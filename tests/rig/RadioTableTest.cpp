#include "rig/RadioTable.h"

#include "rig/HexText.h"

#include <string>

#include <gtest/gtest.h>

namespace qv {
namespace {

using namespace std::string_literals;

TEST(RadioTable, ListsTheRadiosInListOrder) {
    const char* names[] = {
        "None",         "Elecraft",        "Icom",           "Icom 735",        "Kenwood",
        "Kenwood 2",    "Ten Tec Omni VI", "Ten Tec Orion",  "Ten Tec Fnt Pnl", "Ten Tec Pegasus",
        "Yaesu",        "Yaesu 757 GX II", "Yaesu 890",      "Yaesu 920",       "Yaesu 990",
        "Yaesu 1000 D", "Yaesu 1000",      "Yaesu FTdx9000", "Other",           "Hamlib rigctld"};
    ASSERT_EQ(std::size(names), kRadios.size());
    for (std::size_t i = 0; i < kRadios.size(); ++i) {
        EXPECT_EQ(kRadios[i].rigType, names[i]) << i;
        EXPECT_EQ(findRadio(names[i]), &kRadios[i]);
    }
}

TEST(RadioTable, FindsARadioOnlyByItsExactText) {
    EXPECT_EQ(findRadio("kenwood"), nullptr);
    EXPECT_EQ(findRadio("Kenwood "), nullptr);
    EXPECT_EQ(findRadio("Yaesu 2000"), nullptr);
    EXPECT_EQ(findRadio(""), nullptr);
}

TEST(RadioTable, SelectionSetsTheListedSerialOptionsOnly) {
    struct Case {
        const char* rigType;
        RadioSerialDefaults serial;
    };
    const Case cases[] = {
        {"None", {}},
        {"Ten Tec Pegasus", {}},
        {"Other", {}},
        {"Yaesu FTdx9000", {4800, std::nullopt, std::nullopt, std::nullopt}},
        {"Kenwood", {4800, 8, 2, 'N'}},
        {"Yaesu 1000", {4800, 8, 2, 'N'}},
        {"Icom 735", {1200, 8, 1, 'N'}},
        {"Ten Tec Orion", {56000, 8, 1, 'N'}},
    };
    for (const Case& c : cases) {
        const Radio* radio = findRadio(c.rigType);
        ASSERT_NE(radio, nullptr) << c.rigType;
        EXPECT_EQ(radio->serial.baud, c.serial.baud) << c.rigType;
        EXPECT_EQ(radio->serial.dataBits, c.serial.dataBits) << c.rigType;
        EXPECT_EQ(radio->serial.stopBits, c.serial.stopBits) << c.rigType;
        EXPECT_EQ(radio->serial.parity, c.serial.parity) << c.rigType;
    }
}

TEST(RadioTable, QueryStringsOfTheRadiosThatNeedMoreThanOneShape) {
    const Radio* kenwood2 = findRadio("Kenwood 2");
    EXPECT_EQ(kenwood2->frequencyQuery, "IF;");
    EXPECT_EQ(kenwood2->modeQuery, "");
    const Radio* omni = findRadio("Ten Tec Omni VI");
    EXPECT_EQ(omni->frequencyQuery, "FE FE 04 E0 03 FD");
    EXPECT_EQ(findRadio("Yaesu FTdx9000")->modeQuery, "MD0;");
    EXPECT_EQ(findRadio("Yaesu 757 GX II")->frequencyQuery, "00 00 00 00 10");
    EXPECT_FALSE(findRadio("Other")->convertToHex);
}

// Every query the table marks as hex text reads back as the text it came from.
TEST(RadioTable, HexQueriesAreWellFormed) {
    int hexRadios = 0;
    for (const Radio& radio : kRadios) {
        if (!radio.convertToHex) {
            continue;
        }
        ++hexRadios;
        for (const std::string_view query : {radio.frequencyQuery, radio.modeQuery}) {
            if (!query.empty()) {
                EXPECT_EQ(BytesToHexText(HexTextToBytes(query)), std::string(query) + " ")
                    << radio.rigType;
            }
        }
    }
    EXPECT_EQ(hexRadios, 11); // the CI-V radios, the front panel and the five-byte Yaesus
}

TEST(RadioTable, Families) {
    struct Case {
        const char* rigType;
        bool kenwood, icom, yaesu, handshake;
    };
    const Case cases[] = {
        {"Kenwood", true, false, false, false},
        {"Kenwood 2", true, false, false, false},
        {"Elecraft", true, false, false, false},
        {"Icom", false, true, false, false},
        {"Icom 735", false, true, false, false},
        {"Ten Tec Omni VI", false, true, false, false},
        {"Ten Tec Orion", false, false, false, true},
        {"Ten Tec Fnt Pnl", false, false, false, true},
        {"Yaesu", false, false, true, false},
        {"Yaesu 757 GX II", false, false, true, false},
        {"Yaesu 1000 D", false, false, true, false},
        {"Yaesu FTdx9000", false, false, false, false},
        {"Ten Tec Pegasus", false, false, false, false},
        {"Other", false, false, false, false},
        {"None", false, false, false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(isKenwoodText(c.rigType), c.kenwood) << c.rigType;
        EXPECT_EQ(isIcomFamily(c.rigType), c.icom) << c.rigType;
        EXPECT_EQ(isYaesuFiveByte(c.rigType), c.yaesu) << c.rigType;
        EXPECT_EQ(needsHardwareHandshake(c.rigType), c.handshake) << c.rigType;
    }
}

TEST(RadioTable, BytesAtOpenAndUnload) {
    struct Case {
        const char* rigType;
        std::string afterOpen;
        std::string atUnload;
    };
    const Case cases[] = {
        {"Yaesu", "\0\0\0\0\0"s, "\0\0\0\0\x80"s},
        {"Yaesu 890", "\0\0\0\0\0"s, "\0\0\0\0\x80"s},
        {"Yaesu FTdx9000", "", ""},
        {"Ten Tec Orion", "X\r", ""},
        {"Ten Tec Fnt Pnl", "", ""},
        {"Kenwood", "", ""},
        {"None", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(std::string(bytesAfterOpen(c.rigType)), c.afterOpen) << c.rigType;
        EXPECT_EQ(std::string(bytesAtUnload(c.rigType)), c.atUnload) << c.rigType;
    }
}

} // namespace
} // namespace qv
