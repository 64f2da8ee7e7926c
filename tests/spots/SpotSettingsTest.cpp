// PackSpot.txt byte for byte, and what reading it keeps and refuses.

#include "spots/SpotSettings.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

const char* const kTelnetFile =
    "\"9600\"\r\n\"N\"\r\n\"8\"\r\n\"1\"\r\n3\r\n\"R\"\r\n\"Telnet\"\r\n"
    "0\r\n2\r\n1\r\n#TRUE#\r\n\"1B\"\r\n\"7300\"\r\n"
    "\"dxc.example.org\"\r\n";

SpotSettings telnet() {
    SpotSettings s;
    s.port = 3;
    s.powerLine = 'R';
    s.kind = "Telnet";
    s.handshaking = 2;
    s.dxOnly = 1;
    s.listDisplay = true;
    s.commandModeHex = "1B";
    s.telnetPort = "7300";
    s.telnetHost = "dxc.example.org";
    return s;
}

TEST(SpotSettings, ATelnetSourceIsWrittenByteForByteAndReadBack) {
    std::string text;
    ASSERT_TRUE(formatSpotSettings(telnet(), text));
    EXPECT_EQ(text, kTelnetFile);
    EXPECT_EQ(parseSpotSettings(text), telnet());

    SpotSettings tnc;
    tnc.baud = "1200";
    tnc.parity = 'E';
    tnc.dataBits = '7';
    tnc.stopBits = '2';
    tnc.port = 10;
    tnc.powerLine = 'D';
    tnc.kind = "TNC";
    tnc.convertToHex = 1;
    tnc.handshaking = 4;
    ASSERT_TRUE(formatSpotSettings(tnc, text));
    EXPECT_EQ(text, "\"1200\"\r\n\"E\"\r\n\"7\"\r\n\"2\"\r\n10\r\n\"D\"\r\n\"TNC\"\r\n1\r\n4\r\n"
                    "0\r\n#FALSE#\r\n\"03\"\r\n\"\"\r\n\"\"\r\n");
    EXPECT_EQ(parseSpotSettings(text), tnc);
}

TEST(SpotSettings, TheSerialSettingsTextDropsTheBaudsTrailingBlanks) {
    SpotSettings s;
    EXPECT_EQ(spotSerialSettings(s), "9600,N,8,1");
    s.baud = "1200  ";
    s.parity = 'E';
    s.dataBits = '7';
    s.stopBits = '2';
    EXPECT_EQ(spotSerialSettings(s), "1200,E,7,2");
}

TEST(SpotSettings, AShortOrDamagedFileGivesNothing) {
    const std::string good = kTelnetFile;
    const auto replaced = [&](const std::string& from, const std::string& to) {
        std::string text = good;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    struct Case {
        const char* what;
        std::string text;
    };
    const Case cases[] = {
        {"empty", ""},
        {"thirteen records", good.substr(0, good.rfind("\"dxc"))},
        {"a quote left open", replaced("\"dxc.example.org\"", "\"dxc.example.org")},
        {"a stray quote", replaced("\"Telnet\"", "\"Tel\"net\"")},
        {"the port is not a number", replaced("\r\n3\r\n", "\r\nx\r\n")},
        {"the port is out of range", replaced("\r\n3\r\n", "\r\n11\r\n")},
        {"handshaking out of range", replaced("\r\n2\r\n", "\r\n5\r\n")},
        {"a parity the window does not offer", replaced("\"N\"", "\"X\"")},
        {"the list display is not a truth value", replaced("#TRUE#", "1")},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(parseSpotSettings(c.text)) << c.what;
    }
    EXPECT_TRUE(parseSpotSettings(good + "\"more\"\r\n")) << "what follows is not looked at";
}

TEST(SpotSettings, ATextThatCannotBeWrittenIsRefused) {
    SpotSettings s = telnet();
    s.telnetHost = "dxc\"example";
    std::string text = "kept";
    EXPECT_FALSE(formatSpotSettings(s, text));
    EXPECT_EQ(text, "kept");
}

} // namespace
} // namespace qv
