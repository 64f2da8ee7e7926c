#include "spots/AgwEngine.h"

#include "fakes/FakeClock.h"
#include "fakes/FakeSettingsStore.h"
#include "fakes/FakeTcpLink.h"

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace qv {
namespace {

using namespace std::string_literals;

std::string frameBytes(char kind, std::string from, std::string to = {}, std::string data = {}) {
    AgwFrame frame;
    frame.kind = kind;
    frame.callFrom = std::move(from);
    frame.callTo = std::move(to);
    frame.data = std::move(data);
    return encodeAgwFrame(frame);
}

class AgwEngineTest : public ::testing::Test {
public:
    void start(const std::string& ownCall = "W1AW") {
        engine.AGWStartPoll(ownCall, "Velmark's Quorvane Log 1.5",
                            [this](bool accepted) { outcomes.push_back(accepted); });
    }
    // Started and accepted, with what the start sent cleared.
    void open() {
        start();
        link.accept();
        link.receive(frameBytes('X', "W1AW", "", "\x01"));
        ASSERT_EQ(outcomes, std::vector<bool>{true});
        link.sent.clear();
    }
    // The frames the engine sent, decoded.
    std::vector<AgwFrame> sentFrames() {
        AgwFrameDecoder decoder;
        std::vector<AgwFrame> frames;
        EXPECT_TRUE(decoder.feed(link.sent, [&](AgwFrame&& f) { frames.push_back(f); }).ok());
        EXPECT_EQ(decoder.pending(), 0u);
        return frames;
    }
    std::vector<EngineFrame> fetchAll() {
        std::vector<EngineFrame> frames;
        while (std::optional<EngineFrame> f = engine.AGWGetData()) {
            frames.push_back(*f);
        }
        return frames;
    }

    test::FakeTcpLink link;
    test::FakeSettingsStore settings;
    test::FakeClock clock;
    AgwEngine engine{link, settings, clock};
    std::vector<bool> outcomes;
};

TEST_F(AgwEngineTest, RegistersTheCallThenTurnsMonitoringOnAndReportsAcceptance) {
    settings.save("Velmark_Software", "Settings", "AGWHost", "10.0.0.5");
    settings.save("Velmark_Software", "Settings", "AGWPort", "8010");
    start(" w1aw ");
    EXPECT_EQ(link.host, "10.0.0.5");
    EXPECT_EQ(link.port, 8010);
    EXPECT_TRUE(link.sent.empty());

    link.accept();
    EXPECT_EQ(link.sent,
              "\0\0\0\0X\0\0\0W1AW\0\0\0\0\0\0"s + std::string(10, '\0') + "\0\0\0\0\0\0\0\0"s)
        << "the own call, trimmed and in capitals, registered on the first port";
    EXPECT_TRUE(outcomes.empty());
    EXPECT_FALSE(engine.open());

    link.sent.clear();
    link.receive(frameBytes('X', "W1AW", "", "\x01"));
    EXPECT_EQ(link.sent,
              "\0\0\0\0m\0\0\0W1AW\0\0\0\0\0\0"s + std::string(10, '\0') + "\0\0\0\0\0\0\0\0"s);
    EXPECT_EQ(outcomes, std::vector<bool>{true});
    EXPECT_TRUE(engine.open());

    clock.advance(AgwEngine::kStartTimeoutMs * 2);
    EXPECT_EQ(outcomes, std::vector<bool>{true}) << "the deadline is off once accepted";
}

TEST_F(AgwEngineTest, TheEngineAddressFallsBackToItsDefaults) {
    struct Case {
        const char* host; // nullptr: not stored
        const char* port;
        std::string wantHost;
        std::uint16_t wantPort;
    };
    const Case cases[] = {
        {nullptr, nullptr, "127.0.0.1", 8000},    {"  ", "abc", "127.0.0.1", 8000},
        {"dw.local", " 8001 ", "dw.local", 8001}, {"dw.local", "70000", "dw.local", 8000},
        {"dw.local", "0", "dw.local", 8000},      {"dw.local", "80x", "dw.local", 8000},
    };
    for (const Case& c : cases) {
        settings.values.clear();
        if (c.host) {
            settings.save("Velmark_Software", "Settings", "AGWHost", c.host);
        }
        if (c.port) {
            settings.save("Velmark_Software", "Settings", "AGWPort", c.port);
        }
        start();
        EXPECT_EQ(link.host, c.wantHost);
        EXPECT_EQ(link.port, c.wantPort) << (c.port ? c.port : "(none)");
    }
}

TEST_F(AgwEngineTest, EveryWayOfNotStartingIsReportedExactlyOnce) {
    struct Case {
        const char* name;
        std::string ownCall;
        std::function<void(AgwEngineTest&)> then;
    };
    const Case cases[] = {
        {"refused", "W1AW",
         [](AgwEngineTest& t) { t.link.fail(TcpError::ConnectionRefused, "refused"); }},
        {"unknown host", "W1AW",
         [](AgwEngineTest& t) { t.link.fail(TcpError::HostNotFound, "not found"); }},
        {"call refused", "W1AW",
         [](AgwEngineTest& t) {
             t.link.accept();
             t.link.receive(frameBytes('X', "W1AW", "", "\x00"s));
         }},
        {"empty answer", "W1AW",
         [](AgwEngineTest& t) {
             t.link.accept();
             t.link.receive(frameBytes('X', "W1AW"));
         }},
        {"closed before answering", "W1AW",
         [](AgwEngineTest& t) {
             t.link.accept();
             t.link.remoteClose();
         }},
        {"garbage header", "W1AW",
         [](AgwEngineTest& t) {
             t.link.accept();
             t.link.receive(std::string(28, 'X') + "\xFF\xFF\xFF\xFF" + std::string(4, '\0'));
         }},
        {"no connection in time", "W1AW",
         [](AgwEngineTest& t) {
             t.clock.advance(AgwEngine::kStartTimeoutMs - 1);
             EXPECT_TRUE(t.outcomes.empty());
             t.clock.advance(1);
         }},
        {"no answer in time", "W1AW",
         [](AgwEngineTest& t) {
             t.link.accept();
             t.link.receive(frameBytes('R', "", "", std::string(8, '\0'))); // not the answer
             t.clock.advance(AgwEngine::kStartTimeoutMs);
         }},
        {"no own call", "  ",
         [](AgwEngineTest& t) {
             EXPECT_TRUE(t.outcomes.empty()) << "reported from the event loop, not the call";
             EXPECT_EQ(t.link.state(), TcpState::Closed) << "nothing to connect for";
             t.clock.advance(0);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        outcomes.clear();
        start(c.ownCall);
        c.then(*this);
        EXPECT_EQ(outcomes, std::vector<bool>{false});
        EXPECT_EQ(link.state(), TcpState::Closed);
        EXPECT_FALSE(engine.open());
        // Nothing more comes of it: not the deadline, not a late answer.
        clock.advance(AgwEngine::kStartTimeoutMs * 2);
        link.receive(frameBytes('X', "W1AW", "", "\x01"));
        EXPECT_EQ(outcomes, std::vector<bool>{false});
        EXPECT_FALSE(engine.open());
    }
}

TEST_F(AgwEngineTest, AnAnswerSplitAcrossArrivalsAndAFrameRightBehindIt) {
    start();
    link.accept();
    const std::string answer = frameBytes('X', "W1AW", "", "\x01");
    const std::string monitor = frameBytes('U', "K1TTT", "CQ", " 1:Fm K1TTT To CQ\rDX de\r\0"s);
    link.receive(answer.substr(0, 30));
    EXPECT_TRUE(outcomes.empty());
    link.receive(answer.substr(30) + monitor.substr(0, 40));
    EXPECT_EQ(outcomes, std::vector<bool>{true});
    EXPECT_FALSE(engine.AGWGetData());
    link.receive(monitor.substr(40) + monitor);
    const std::vector<EngineFrame> frames = fetchAll();
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[1].data, " 1:Fm K1TTT To CQ\rDX de\r");
}

TEST_F(AgwEngineTest, ReceivedFramesReachTheProgramInItsKinds) {
    open();
    struct Case {
        char engineKind;
        std::string data;
        char programKind;
        std::string programData;
    };
    const Case cases[] = {
        {'C', "*** CONNECTED With Station K1ABC\r\0"s, 'c', "*** CONNECTED With Station K1ABC\r"},
        {'D', "line one\r\0"s, 'D', "line one\r\0"s}, // connected data passes untouched
        {'d', "*** DISCONNECTED From Station K1ABC\r\0"s, 'd',
         "*** DISCONNECTED From Station K1ABC\r"},
        {'U', " 1:Fm K1ABC To CQ <UI pid=F0 Len=5 >[12:00:00]\rhello\r\0"s, 'U',
         " 1:Fm K1ABC To CQ <UI pid=F0 Len=5 >[12:00:00]\rhello\r"},
        {'I', "info\r", 'I', "info\r"},
        {'S', "", 'S', ""},
        {'T', "own\r\0\0"s, 'T', "own\r"},
    };
    std::string arrival;
    for (const Case& c : cases) {
        arrival += frameBytes(c.engineKind, "K1ABC", "W1AW", c.data);
    }
    arrival += frameBytes('X', "W1AW", "", "\x01"); // answers are the link's own
    link.receive(arrival);
    const std::vector<EngineFrame> frames = fetchAll();
    ASSERT_EQ(frames.size(), std::size(cases));
    for (std::size_t i = 0; i < frames.size(); ++i) {
        EXPECT_EQ(frames[i].kind, cases[i].programKind) << i;
        EXPECT_EQ(frames[i].from, "K1ABC");
        EXPECT_EQ(frames[i].data, cases[i].programData) << i;
    }
    EXPECT_FALSE(engine.AGWGetData());
}

TEST_F(AgwEngineTest, TheQueueKeepsTheNewestFrames) {
    open();
    std::string arrival;
    for (std::size_t i = 0; i < AgwEngine::kMaxQueued + 3; ++i) {
        arrival += frameBytes('U', "K1TTT", "CQ", std::to_string(i));
    }
    link.receive(arrival);
    const std::vector<EngineFrame> frames = fetchAll();
    ASSERT_EQ(frames.size(), AgwEngine::kMaxQueued);
    EXPECT_EQ(frames.front().data, "3");
    EXPECT_EQ(frames.back().data, std::to_string(AgwEngine::kMaxQueued + 2));
}

TEST_F(AgwEngineTest, TheProgramsFramesMapOntoTheEngines) {
    open();
    engine.AGWPutData("K1ABC", "", 'c');
    engine.AGWPutData("K1ABC", "", 'P');
    engine.AGWPutData("K1ABC", "hello\r", 'D');
    engine.AGWPutData("K1ABC", "", 'D');
    engine.AGWPutData("K1ABC", "", 'd');
    engine.AGWPutData("K1ABC", "x", 'Q');
    const std::vector<AgwFrame> sent = sentFrames();
    const std::vector<AgwFrame> want = {
        {0, 'C', 0, "W1AW", "K1ABC", ""},
        {0, 'D', 0xF0, "W1AW", "K1ABC", "hello\r"},
        {0, 'd', 0, "W1AW", "K1ABC", ""},
    };
    EXPECT_EQ(sent, want);
}

TEST_F(AgwEngineTest, LongDataGoesOutInPacketSizedFrames) {
    open();
    std::string text;
    for (int i = 0; text.size() < 600; ++i) {
        text += std::to_string(i) + ' ';
    }
    engine.AGWPutData("K1ABC", text, 'D');
    const std::vector<AgwFrame> sent = sentFrames();
    ASSERT_EQ(sent.size(), 3u);
    std::string joined;
    for (const AgwFrame& f : sent) {
        EXPECT_EQ(f.kind, 'D');
        EXPECT_LE(f.data.size(), AgwEngine::kMaxDataPerFrame);
        joined += f.data;
    }
    EXPECT_EQ(joined, text);
}

TEST_F(AgwEngineTest, NothingIsSentUnlessOpen) {
    engine.AGWPutData("K1ABC", "", 'c');
    start();
    link.accept();
    link.sent.clear();
    engine.AGWPutData("K1ABC", "hello\r", 'D');
    EXPECT_TRUE(link.sent.empty()) << "not before the call is accepted";
}

TEST_F(AgwEngineTest, CloseIsQuietAndForgetsWhatWasNotFetched) {
    start();
    engine.AGWClose();
    clock.advance(AgwEngine::kStartTimeoutMs * 2);
    EXPECT_TRUE(outcomes.empty()) << "a start closed before its outcome is never reported";
    EXPECT_EQ(link.state(), TcpState::Closed);

    open();
    link.receive(frameBytes('U', "K1TTT", "CQ", "spot"));
    engine.AGWClose();
    EXPECT_FALSE(engine.open());
    EXPECT_EQ(link.state(), TcpState::Closed);
    EXPECT_FALSE(engine.AGWGetData());
    engine.AGWPutData("K1ABC", "", 'd');
    EXPECT_TRUE(link.sent.empty());
}

TEST_F(AgwEngineTest, AnEndedConnectionKeepsWhatArrivedBeforeIt) {
    open();
    link.receive(frameBytes('U', "K1TTT", "CQ", "spot"));
    link.remoteClose();
    EXPECT_FALSE(engine.open());
    EXPECT_EQ(fetchAll().size(), 1u);
}

TEST_F(AgwEngineTest, AHostileLengthEndsAnOpenLink) {
    open();
    std::string hostile = frameBytes('U', "EVIL", "CQ");
    hostile.replace(28, 4, "\x00\x00\x00\x10"s); // 256 MiB announced
    link.receive(frameBytes('U', "K1TTT", "CQ", "spot") + hostile);
    EXPECT_FALSE(engine.open());
    EXPECT_EQ(link.state(), TcpState::Closed);
    EXPECT_EQ(fetchAll().size(), 1u);
}

TEST_F(AgwEngineTest, BytesOfAnAbandonedConnectionDoNotAnswerTheNextStart) {
    // The program starts again from inside the refusal; the acceptance behind the
    // refusal in the same arrival belongs to the old connection.
    engine.AGWStartPoll("W1AW", "", [this](bool accepted) {
        outcomes.push_back(accepted);
        if (!accepted) {
            start();
        }
    });
    link.accept();
    link.receive(frameBytes('X', "W1AW", "", "\x00"s) + frameBytes('X', "W1AW", "", "\x01"));
    EXPECT_EQ(outcomes, std::vector<bool>{false});
    EXPECT_EQ(link.connects, 2);
    link.accept();
    link.receive(frameBytes('X', "W1AW", "", "\x01"));
    EXPECT_EQ(outcomes, (std::vector<bool>{false, true}));
}

} // namespace
} // namespace qv
