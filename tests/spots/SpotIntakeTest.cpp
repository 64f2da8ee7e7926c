// Text from the three spot sources into the receive box and the spot routine.

#include "spots/SpotIntake.h"

#include "SpotLines.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

using test::RecordingSink;
using test::spotLine;

const std::string kLine1 = spotLine("K1TTT", "14025.0", "JA1ABC");
const std::string kLine2 = spotLine("W3LPL", "7003.5", "VP2/W1AW", "UP 2");

TEST(SplitSpotLine, FieldsAtTheirColumns) {
    struct Case {
        std::string line;
        const char* frequency;
        const char* call;
        const char* spotText;
    };
    const Case cases[] = {
        {kLine1, "14025.0", "JA1ABC",
         "de K1TTT:     14025.0  JA1ABC       CQ CQ                          1234Z"},
        {"DX de X:  is this a spot?\r\nnext", "is a spot", "\nnext", "de X:  is this a spot?"},
        {"DX", "", "", ""},
        {"", "", "", ""},
        {"DX   padded   \r", "", "", "padded   "},
    };
    for (const Case& c : cases) {
        const SpotLine s = splitSpotLine(c.line);
        EXPECT_EQ(s.frequencyText, c.frequency) << c.line;
        EXPECT_EQ(s.call, c.call) << c.line;
        EXPECT_EQ(s.spotText, c.spotText) << c.line;
    }
}

TEST(TncLineAssembler, ALineIsTakenOnceItsLineFeedHasArrived) {
    const std::string stream = kLine1 + kLine2;
    const std::size_t cuts[] = {
        0, 5, 20, kLine1.size() - 1, kLine1.size(), kLine1.size() + 1, stream.size() - 1};
    for (const std::size_t cut : cuts) {
        TncLineAssembler tnc;
        ReceiveBox box;
        RecordingSink sink;
        tnc.receive(stream.substr(0, cut), box, false, sink);
        EXPECT_EQ(sink.spots.size(), cut >= kLine1.size() ? 1u : 0u) << cut;
        tnc.receive(stream.substr(cut), box, false, sink);
        ASSERT_EQ(sink.spots.size(), 2u) << cut;
        EXPECT_EQ(sink.spots[0].call, "JA1ABC") << cut;
        EXPECT_EQ(sink.spots[1].call, "VP2/W1AW") << cut;
        EXPECT_EQ(sink.spots[1].frequencyText, "7003.5") << cut;
        EXPECT_EQ(box.text(), stream) << cut;
        EXPECT_EQ(tnc.buffer(), "\n") << cut;
    }

    TncLineAssembler tnc;
    ReceiveBox box;
    RecordingSink sink;
    for (const char c : stream) {
        tnc.receive(std::string_view(&c, 1), box, false, sink);
    }
    EXPECT_EQ(sink.spots.size(), 2u);
    EXPECT_EQ(box.text(), stream);
}

TEST(TncLineAssembler, RepeatsInTheBoxsRecentTextAreDropped) {
    TncLineAssembler tnc;
    ReceiveBox box;
    RecordingSink sink;
    std::string lower = kLine1;
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    tnc.receive(kLine1 + kLine2 + kLine1 + lower, box, false, sink);
    EXPECT_EQ(sink.spots.size(), 2u);
    EXPECT_EQ(box.text(), kLine1 + kLine2);

    // Once more than 800 characters have come since, the line is new again.
    const std::string chatter = std::string(79, '-') + "\r\n";
    for (int i = 0; i < 10; ++i) {
        tnc.receive(std::to_string(i) + chatter, box, false, sink);
    }
    tnc.receive(kLine1, box, false, sink);
    EXPECT_EQ(sink.spots.size(), 3u);
}

TEST(TncLineAssembler, WhatIsShownAndPassedOn) {
    struct Case {
        std::string line;
        bool dxOnly;
        bool shown;
        bool passedOn;
    };
    const std::string lowerDx = "dx de k1ttt:     14025.0  ja1abc       cq\r\n";
    const std::string notice = "DX de K1TTT: cluster going down for maintenance\r\n";
    const std::string talk = "K1TTT de W1AW: hello\r\n";
    const Case cases[] = {
        {kLine1, false, true, true},  {kLine1, true, true, true},
        {lowerDx, false, true, true}, {lowerDx, true, true, true},
        {notice, true, true, true},   {talk, false, true, false},
        {talk, true, false, false},   {" DX de K1TTT: x\r\n", true, false, false},
    };
    for (const Case& c : cases) {
        TncLineAssembler tnc;
        ReceiveBox box;
        RecordingSink sink;
        tnc.receive(c.line, box, c.dxOnly, sink);
        EXPECT_EQ(box.text(), c.shown ? c.line : "") << c.line;
        EXPECT_EQ(sink.spots.size(), c.passedOn ? 1u : 0u) << c.line;
    }
}

TEST(TncLineAssembler, AFrequencyThatIsNotANumberStillReachesTheSpotRoutine) {
    TncLineAssembler tnc;
    ReceiveBox box;
    RecordingSink sink;
    tnc.receive("DX de K1TTT: cluster going down for maintenance\r\n", box, true, sink);
    ASSERT_EQ(sink.spots.size(), 1u);
    EXPECT_EQ(sink.spots[0].frequencyText, "uster goi");
    EXPECT_EQ(sink.spots[0].spotText, "de K1TTT: cluster going down for maintenance");
}

TEST(TncLineAssembler, AnEndlessLineIsDroppedAndTheBufferStaysSmall) {
    TncLineAssembler tnc;
    ReceiveBox box;
    RecordingSink sink;
    const std::string chunk(64 * 1024, 'x');
    for (int i = 0; i < 16; ++i) {
        tnc.receive(chunk, box, false, sink);
        EXPECT_LE(tnc.buffer().size(), TncLineAssembler::kMaxLine + 1);
    }
    tnc.receive("tail of the long line\r\n" + kLine1, box, false, sink);
    EXPECT_EQ(box.text(), kLine1);
    EXPECT_EQ(sink.spots.size(), 1u);

    // A megabyte line complete in one piece goes the same way.
    ReceiveBox box2;
    tnc.receive(std::string(1 << 20, 'y') + "\r\n" + kLine2, box2, false, sink);
    EXPECT_EQ(box2.text(), kLine2);
    EXPECT_EQ(tnc.buffer(), "\n");
}

TEST(TncLineAssembler, TheLongestLineKeptHasMaxLineCharacters) {
    for (const std::size_t length : {TncLineAssembler::kMaxLine, TncLineAssembler::kMaxLine + 1}) {
        const std::string line = std::string(length - 2, 'z') + "\r\n";
        for (const std::size_t cut : {std::size_t{0}, length - 1}) {
            TncLineAssembler tnc;
            ReceiveBox box;
            RecordingSink sink;
            tnc.receive(line.substr(0, cut), box, false, sink);
            tnc.receive(line.substr(cut) + "next\n", box, false, sink);
            const std::string expected = length <= TncLineAssembler::kMaxLine ? line : "";
            EXPECT_EQ(box.text(), expected + "next\n") << length << " cut " << cut;
        }
    }
}

TEST(TncLineAssembler, NulBytesAreCharactersLikeAnyOther) {
    TncLineAssembler tnc;
    ReceiveBox box;
    RecordingSink sink;
    std::string line = spotLine("K1TTT", "14025.0", "JA1ABC", std::string("CQ\0CQ", 5));
    const std::string input = std::string("\0\0\r\n", 4) + line;
    tnc.receive(input, box, false, sink);
    EXPECT_EQ(box.text(), input);
    ASSERT_EQ(sink.spots.size(), 1u);
    EXPECT_EQ(sink.spots[0].call, "JA1ABC");
    EXPECT_NE(sink.spots[0].spotText.find(std::string("CQ\0CQ", 5)), std::string::npos);
}

TEST(TelnetArrival, OneArrivalIsOneLineParsedByItsFirstLine) {
    ReceiveBox box;
    RecordingSink sink;
    telnetArrival(kLine1 + kLine2, box, false, sink);
    ASSERT_EQ(sink.spots.size(), 1u);
    EXPECT_EQ(sink.spots[0].call, "JA1ABC");
    EXPECT_EQ(sink.spots[0].spotText, splitSpotLine(kLine1).spotText);
    EXPECT_EQ(box.text(), kLine1 + kLine2);

    // A short first line lets the columns run on into the next one.
    RecordingSink sink2;
    telnetArrival("DX de K1TTT:\r\n" + kLine2, box, false, sink2);
    ASSERT_EQ(sink2.spots.size(), 1u);
    EXPECT_EQ(sink2.spots[0].frequencyText,
              splitSpotLine("DX de K1TTT:\r\n" + kLine2).frequencyText);
    EXPECT_EQ(sink2.spots[0].spotText, "de K1TTT:");
}

TEST(TelnetArrival, NoRepeatCheckAndDxOnlyShowsSpotsOnly) {
    struct Case {
        std::string text;
        bool dxOnly;
        bool shown;
        bool passedOn;
    };
    const Case cases[] = {
        {kLine1, false, true, true},
        {kLine1, true, true, true},
        {"Please enter your call:", false, true, false},
        {"Please enter your call:", true, false, false},
        {"dx de k1ttt:     14025.0  ja1abc\r\n", true, true, true},
    };
    for (const Case& c : cases) {
        ReceiveBox box;
        RecordingSink sink;
        telnetArrival(c.text, box, c.dxOnly, sink);
        telnetArrival(c.text, box, c.dxOnly, sink);
        EXPECT_EQ(box.text(), c.shown ? c.text + c.text : "") << c.text;
        EXPECT_EQ(sink.spots.size(), c.passedOn ? 2u : 0u) << c.text;
    }
}

const std::string kHeader = "1:Fm K1TTT To DX <UI pid=F0 Len=75 >[12:34:56]";

std::string crLf(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == '\r' || c == '\n') {
            out += "\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

TEST(EngineFrameArrival, AMonitoredSpotLosesTheHeaderLine) {
    const std::string spot = kLine1.substr(0, kLine1.size() - 2);
    const EngineFrame frame{'U', "K1TTT", kHeader + "\r" + spot + "\r"};
    for (const bool dxOnly : {false, true}) {
        ReceiveBox box;
        RecordingSink sink;
        engineFrameArrival(frame, "", box, dxOnly, sink);
        engineFrameArrival(frame, "", box, dxOnly, sink);
        EXPECT_EQ(box.text(), spot + "\r\n") << dxOnly;
        ASSERT_EQ(sink.spots.size(), 1u) << dxOnly;
        EXPECT_EQ(sink.spots[0].call, "JA1ABC");
        EXPECT_EQ(sink.spots[0].frequencyText, "14025.0");
    }
}

TEST(EngineFrameArrival, OtherMonitoredFramesShowWithTheirHeader) {
    const EngineFrame frame{'U', "W1AW", "1:Fm W1AW To ID <UI>\rW1AW/R\r"};
    ReceiveBox box;
    RecordingSink sink;
    engineFrameArrival(frame, "", box, false, sink);
    EXPECT_EQ(box.text(), "UW1AW 1:Fm W1AW To ID <UI>\r\nW1AW/R\r\n");

    ReceiveBox quiet;
    engineFrameArrival(frame, "", quiet, true, sink);
    EXPECT_EQ(quiet.text(), "");
    EXPECT_TRUE(sink.spots.empty());
}

TEST(EngineFrameArrival, TheConnectedStationsTextIsShownAsItCame) {
    struct Case {
        const char* data;
        const char* shown;
    };
    const Case cases[] = {
        {"Hello\r", "Hello\r\n"},
        {"Hello\n", "Hello\r\n"},
        {"Hello\r\r", "Hello\r\n"},
        {"Hi\r\n", "Hi\r\n"},
        {"\r", ""},
        {"  two lines\rend", "  two lines\r\nend"},
    };
    for (const Case& c : cases) {
        ReceiveBox box;
        RecordingSink sink;
        engineFrameArrival({'D', "W1AW", c.data}, "W1AW", box, false, sink);
        EXPECT_EQ(box.text(), c.shown) << c.data;
        ReceiveBox other;
        engineFrameArrival({'D', "K1TTT", c.data}, "W1AW", other, false, sink);
        EXPECT_EQ(other.text(), "") << c.data;
        EXPECT_TRUE(sink.spots.empty());
    }
}

TEST(EngineFrameArrival, ASpotFromTheConnectedStationIsShownOnce) {
    ReceiveBox box;
    RecordingSink sink;
    engineFrameArrival({'D', "W1AW", kLine2}, "W1AW", box, false, sink);
    EXPECT_EQ(box.text(), crLf(kLine2).substr(0, crLf(kLine2).size() - 2));
    ASSERT_EQ(sink.spots.size(), 1u);
    EXPECT_EQ(sink.spots[0].call, "VP2/W1AW");
}

} // namespace
} // namespace qv
