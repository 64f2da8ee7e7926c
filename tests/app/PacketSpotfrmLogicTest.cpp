// The spotting window over scripted links: the settings file, the three source
// kinds opening and closing, what reaches the receive box and the spot routine,
// the keys, and the packet engine's connect commands.

#include "app/PacketSpotfrmLogic.h"

#include "fakes/FakeBeeper.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeDialogs.h"
#include "fakes/FakeSerialLink.h"
#include "fakes/FakeSettingsStore.h"
#include "fakes/FakeTcpLink.h"
#include "fakes/MemoryFileStore.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

using C = PacketSpotfrmControl;
using namespace std::string_literals;

struct Heard : SpotSink {
    std::vector<std::string> calls;
    void addSpot(const std::string&, const std::string& call, const std::string&) override {
        calls.push_back(call);
    }
};

struct Windows : SpotWindows {
    int modal = 0, layouts = 0, refreshes = 0;
    void showSpottingWindowModally() override { ++modal; }
    void layOutSpotDisplay() override { ++layouts; }
    void refreshBandMap() override { ++refreshes; }
};

const char* const kSpot =
    "DX de K1TTT:     14025.0  JA1ABC       CQ CQ                   1234Z\r\n";

class PacketSpotTest : public ::testing::Test {
protected:
    test::FakeSerialLink tnc;
    test::FakeTcpLink telnet;
    test::FakeTcpLink engineLink;
    test::FakeSettingsStore settings;
    test::FakeClock clock;
    AgwEngine engine{engineLink, settings, clock};
    test::MemoryFileStore files;
    test::FakeDialogs dialogs;
    test::FakeBeeper beeper;
    StationProfile profile;
    ContestLog log;
    Heard heard;
    Windows windows;
    PacketSpotfrmLogic spot{
        {tnc, telnet, engine, clock, clock, files, dialogs, beeper, profile, log, heard}};

    void SetUp() override { spot.setWindows(&windows); }

    void saved(const char* kind, const char* host = "", const char* port = "") {
        SpotSettings s;
        s.kind = kind;
        s.telnetHost = host;
        s.telnetPort = port;
        std::string text;
        ASSERT_TRUE(formatSpotSettings(s, text).ok());
        files.files[SpotSettings::kFileName] = text;
    }
    const std::string& box() const { return spot.state().received.text(); }
    void type(C c, std::string_view text) {
        for (char ch : text) {
            spot.keyPressed(c, static_cast<unsigned char>(ch));
        }
    }
};

TEST_F(PacketSpotTest, NoneStoredOpensNothingAndDoneDoesNotOpen) {
    saved("None");
    spot.show();
    EXPECT_FALSE(spot.state().listening);
    EXPECT_EQ(telnet.connects, 0);
    EXPECT_EQ(tnc.opens, 0);
    spot.cmdDoneClick();
    EXPECT_FALSE(spot.state().listening);
    EXPECT_EQ(windows.layouts, 1);
    EXPECT_TRUE(files.files.count(SpotSettings::kFileName));
}

TEST_F(PacketSpotTest, TheFirstShowingOpensTheSavedTelnetSourceAndSpotsArrive) {
    saved("Telnet", "dxc.example.org", "7300");
    spot.show();
    EXPECT_TRUE(spot.state().listening);
    EXPECT_EQ(telnet.host, "dxc.example.org");
    EXPECT_EQ(telnet.port, 7300);
    EXPECT_EQ(box(), "Attempting connection to: dxc.example.org:7300\r\n\r\n");
    spot.show(); // a second showing opens nothing more
    EXPECT_EQ(telnet.connects, 1);

    telnet.accept();
    telnet.receive("Please enter your call: ");
    type(C::txtSent, "W1AW");
    spot.keyPressed(C::txtSent, keys::kEnter);
    EXPECT_EQ(telnet.sent, "W1AW\r\n");
    EXPECT_EQ(spot.state()[C::txtSent].text, "");
    telnet.receive(kSpot);
    EXPECT_EQ(heard.calls, std::vector<std::string>{"JA1ABC"});
    EXPECT_NE(box().find("JA1ABC"), std::string::npos);
    EXPECT_EQ(spot.labelRefreshCounter(), 0);
}

TEST_F(PacketSpotTest, TelnetErrorsAndTheClustersGoodbyeCloseTheSource) {
    struct Case {
        TcpError error;
        const char* text;
    };
    for (const Case& c :
         {Case{TcpError::ConnectionRefused, "ERROR: Connection is forcefully rejected."},
          Case{TcpError::HostNotFound, "ERROR: Authoritative answer: Host not found."},
          Case{TcpError::TimedOut, "ERROR: Socket has been shut down."}}) {
        saved("Telnet", "dxc.example.org", "7300");
        test::FakeTcpLink cluster;
        PacketSpotfrmLogic fresh{
            {tnc, cluster, engine, clock, clock, files, dialogs, beeper, profile, log, heard}};
        fresh.show();
        beeper.beeps = 0;
        cluster.fail(c.error, "system text");
        const std::string& text = fresh.state().received.text();
        EXPECT_NE(text.find(c.text), std::string::npos) << text;
        EXPECT_FALSE(fresh.state().listening);
        EXPECT_EQ(beeper.beeps, 1);
    }
    saved("Telnet", "dxc.example.org", "7300");
    spot.show();
    telnet.accept();
    telnet.remoteClose();
    EXPECT_FALSE(spot.state().listening);
    EXPECT_NE(box().find("** Port Closed **"), std::string::npos);
}

TEST_F(PacketSpotTest, SendingBeforeTheClusterAnswersIsRefusedWithANote) {
    saved("Telnet", "dxc.example.org", "7300");
    spot.show();
    type(C::txtSent, "SH/DX");
    spot.keyPressed(C::txtSent, keys::kEnter);
    EXPECT_EQ(telnet.sent, "");
    EXPECT_NE(box().find("**  Connection not yet established.  Please wait a moment and try "
                         "again.\r\n\r\n"),
              std::string::npos);
}

TEST_F(PacketSpotTest, TncOpensWithItsSettingsReadsLinesOnTheTimerAndTakesItsCommandCharacter) {
    saved("None");
    spot.show();
    spot.List1Click(1); // TNC: 9600,N,8,1, RTS handshaking, "03"
    spot.optionClick(SpotOptionGroup::Comm, 2);
    spot.Command1Click();
    ASSERT_TRUE(tnc.opened);
    EXPECT_EQ(tnc.portNumber, 3);
    EXPECT_EQ(tnc.settings.baud, 9600);
    EXPECT_EQ(tnc.handshaking, Handshaking::RtsCts);
    EXPECT_NE(box().find("** TNC Serial Port Open **\r\n\r\n"), std::string::npos);

    tnc.input = std::string(kSpot).substr(0, 30);
    clock.advance(333);
    EXPECT_TRUE(heard.calls.empty());
    tnc.input = std::string(kSpot).substr(30) + kSpot; // the rest, then a repeat
    clock.advance(333);
    EXPECT_EQ(heard.calls, std::vector<std::string>{"JA1ABC"});

    EXPECT_TRUE(spot.escapeOrCtrlC());
    EXPECT_EQ(tnc.written, "\x03");
    spot.state()[C::txtHex].setText("1B");
    tnc.written.clear();
    EXPECT_TRUE(spot.escapeOrCtrlC());
    EXPECT_EQ(tnc.written, "\x1B");
}

TEST_F(PacketSpotTest, ATncThatDoesNotOpenIsReportedAndTheHiddenWindowShown) {
    saved("TNC");
    tnc.refuseOpen = "busy";
    spot.show();
    spot.closed();
    spot.Command1Click();
    EXPECT_FALSE(spot.state().listening);
    ASSERT_FALSE(dialogs.shown.empty());
    EXPECT_EQ(dialogs.shown.back().title, "Invalid Comm Settings.");
    EXPECT_EQ(windows.modal, 1);
    EXPECT_NE(box().find("** Unable to open TNC Serial Port **"), std::string::npos);
}

TEST_F(PacketSpotTest, SpotLastPreparesASpotOfTheLastContact) {
    ContactRecord r;
    r.call = "K1ABC";
    log.append(r);
    spot.Command3Click();
    const TextField& sent = spot.state()[C::txtSent];
    EXPECT_EQ(sent.text, "DX Frequency in kHz K1ABC");
    EXPECT_EQ(sent.selStart, 3u);
    EXPECT_EQ(sent.selLength, 16u);
    EXPECT_EQ(spot.state().focus, C::txtSent);
}

TEST_F(PacketSpotTest, AboutTwoMinutesWithoutASpotRefreshTheBandMap) {
    saved("Telnet", "h", "1");
    spot.show();
    clock.advance(333 * 360);
    EXPECT_EQ(windows.refreshes, 0);
    clock.advance(333);
    EXPECT_EQ(windows.refreshes, 1);
}

TEST_F(PacketSpotTest, TheEngineNeedsTheOwnCall) {
    saved("AGW Packet Engine");
    spot.show();
    EXPECT_EQ(engineLink.connects, 0);
    ASSERT_FALSE(dialogs.shown.empty());
    EXPECT_EQ(dialogs.shown.back().title, "Call Sign Required!");
    EXPECT_FALSE(spot.state().listening);
}

TEST_F(PacketSpotTest, AnEngineThatCannotBeReachedIsExplained) {
    profile.ownCall = "W1AW";
    saved("AGW Packet Engine");
    spot.show();
    EXPECT_EQ(engineLink.connects, 1);
    engineLink.fail(TcpError::ConnectionRefused, "refused");
    EXPECT_FALSE(spot.state().listening);
    ASSERT_FALSE(dialogs.shown.empty());
    EXPECT_EQ(dialogs.shown.back().title, "Unable to connect to the AGW Packet Engine.");
    EXPECT_NE(box().find("- Click Open from this program."), std::string::npos);
}

} // namespace
} // namespace qv
