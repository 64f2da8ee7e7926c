// RigCntrl.txt byte for byte, and what reading it keeps and refuses.

#include "rig/RigConfig.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

const char* const kKenwoodFile =
    "\"4800 \"\r\n\"N\"\r\n\"8\"\r\n\"2\"\r\n\"MD;\"\r\n\"FA;\"\r\n"
    "\"4800,N,8,2\"\r\n2\r\n\"N\"\r\n\"M\"\r\n\"Kenwood\"\r\n0\r\n1\r\n1\r\n";

RigConfig kenwood() {
    RigConfig c;
    c.baud = paddedBaud("4800");
    c.parity = 'N';
    c.dataBits = '8';
    c.stopBits = '2';
    c.modeQuery = "MD;";
    c.frequencyQuery = "FA;";
    c.settingsText = settingsTextOf(c);
    c.portNumber = 2;
    c.rigType = "Kenwood";
    return c;
}

TEST(RigConfig, AKenwoodOnPortTwoIsWrittenByteForByte) {
    const RigConfig c = kenwood();
    EXPECT_EQ(c.settingsText, "4800,N,8,2");
    std::string text;
    ASSERT_TRUE(formatRigConfig(c, text));
    EXPECT_EQ(text, kKenwoodFile);
    EXPECT_EQ(parseRigConfig(text), c);
}

TEST(RigConfig, TheBaudKeepsFiveCharacters) {
    EXPECT_EQ(paddedBaud("56000"), "56000");
    EXPECT_EQ(paddedBaud("9600"), "9600 ");
    EXPECT_EQ(paddedBaud("1200000"), "12000");
    RigConfig c;
    c.baud = paddedBaud("9600");
    c.pollRate = 'F';
    c.modeSource = 3;
    c.useFrequency = false;
    c.convertToHex = true;
    c.frequencyQuery = "FE FE 64 E0 03 FD";
    c.settingsText = settingsTextOf(c);
    EXPECT_EQ(c.settingsText, "9600,N,8,1");
    std::string text;
    ASSERT_TRUE(formatRigConfig(c, text));
    EXPECT_EQ(text.substr(0, 9), "\"9600 \"\r\n");
    EXPECT_EQ(parseRigConfig(text), c);
}

TEST(RigConfig, ReadingKeepsAnUnknownRadioAndRefusesWhatIsNotTheFile) {
    std::string unknown = kKenwoodFile;
    unknown.replace(unknown.find("Kenwood"), 7, "Kenwood TS-999");
    const auto read = parseRigConfig(unknown);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->rigType, "Kenwood TS-999");

    const std::string cut = std::string(kKenwoodFile).substr(0, 60);
    EXPECT_FALSE(parseRigConfig(cut)) << "fewer than fourteen values";
    EXPECT_FALSE(parseRigConfig("\"4800 \r\n")) << "a quote left open";
    std::string notANumber = kKenwoodFile;
    notANumber.replace(notANumber.find("\r\n2\r\n"), 5, "\r\nx\r\n");
    EXPECT_FALSE(parseRigConfig(notANumber)) << "the port is a number";
}

TEST(RigConfig, ATextThatCannotBeWrittenIsRefused) {
    RigConfig c = kenwood();
    c.frequencyQuery = "FA\";";
    std::string text = "kept";
    EXPECT_FALSE(formatRigConfig(c, text));
    EXPECT_EQ(text, "kept");
}

TEST(RigConfig, ThePollTimerTicksTwicePerCycle) {
    EXPECT_EQ(pollIntervalMs('F'), 50u);
    EXPECT_EQ(pollIntervalMs('M'), 250u);
    EXPECT_EQ(pollIntervalMs('S'), 1000u);
    EXPECT_EQ(pollIntervalMs('R'), 5000u);
    EXPECT_FALSE(pollIntervalMs('X'));
}

} // namespace
} // namespace qv
