#include "app/CWFrmLogic.h"

#include "Form1Fixture.h"
#include "app/Program.h"
#include "app/frmCWStringsLogic.h"
#include "core/Preferences.h"
#include "cw/MorseTable.h"
#include "fakes/FakeBeeper.h"
#include "fakes/FakeClipboard.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeDialogs.h"
#include "fakes/FakeEventWait.h"
#include "fakes/FakeKeyingTimebase.h"
#include "fakes/FakeParallelPort.h"
#include "fakes/FakeSerialLink.h"
#include "fakes/FakeSettingsStore.h"
#include "fakes/MemoryFileStore.h"

#include <chrono>
#include <thread>

#include <gtest/gtest.h>

namespace qv {
namespace {

using namespace test;

// Takes each character's elements and finishes it when the test says so, as
// the keying thread's completion would arrive between window events.
class SteppedSender : public ElementSender {
public:
    std::vector<std::string> sent; // the element strings, one per character
    bool inHand = false;
    int halts = 0;

    Status send(std::vector<KeyingElement> sequence, KeyingTiming) override {
        std::string digits;
        for (const KeyingElement& e : sequence) {
            digits.push_back(e.state == KeyState::Down ? '1' : '0');
        }
        sent.push_back(digits);
        inHand = true;
        return Status::success();
    }
    void halt() override {
        ++halts;
        inHand = false;
    }
    bool busy() const override { return inHand; }
};

class RecordingWinKeyer : public NoWinKeyer {
public:
    int transmits = 0;
    void WKTransmit() override { ++transmits; }
};

// The characters the sender was given, read back through the table.
std::string decode(const std::vector<std::string>& sent) {
    std::string text;
    for (const std::string& digits : sent) {
        char found = '?';
        for (const char c : std::string_view("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 /")) {
            if (MorseTable::elements(c) == digits) {
                found = c;
                break;
            }
        }
        text.push_back(found);
    }
    return text;
}

class CWFrmLogicTest : public ::testing::Test, protected Form1Fakes {
protected:
    FakeSerialLink cwLink;
    FakeSerialLink voiceLink;
    FakeParallelPort parallel;
    SelectedKeyingLine line{cwLink, parallel};
    FakeKeyingTimebase time;
    SteppedSender sender;
    CwSendBuffer buffer;
    RecordingWinKeyer winKeyer;
    CwPortRule rule{{cwLink, sender, voiceLink}};
    CWFrmLogic cw{{{sender, line, cwLink, parallel, time, &rule, dialogs, beeper},
                   buffer,
                   winKeyer,
                   clock,
                   files,
                   settings}};

    Program program{{clock, clock, dialogs, beeper, files, shipped, settings, clipboard},
                    Subsystems{.voice = &voice, .keyerCall = &cw, .cw = &cw, .winKeyer = &winKeyer},
                    {&rigLink, &wait, &pegasus}};
    Form1State& ui = program.ui;
    Form1Logic& main = program.form1;
    CWFrmState& s = cw.state();

    CWFrmLogicTest() {
        prepare(program);
        cw.attachMainWindow(&main);
    }

    // Start-up with a log, Time On, CW mode and RTS keying on port 3.
    void startKeying() {
        files.files["Quorvpref.txt"] =
            *formatPreferences(program.profile, program.prefs, program.op);
        ASSERT_EQ(main.start(), Form1Logic::Started::Ready);
        main.cmdLogOn_Click();
        cw.startUp();
        program.op.currentMode = "CW";
        cw.optionClick(KeyingSelection::SerialRts);
        s[CWFrmControl::Text10].setText("3");
        dialogs.shown.clear();
    }

    void typeInto(CWFrmControl box, std::string_view text) {
        s.focus = box;
        for (const char ch : text) {
            cw.keyPressed(box, static_cast<unsigned char>(ch));
        }
    }
    void typeCall(std::string_view call) {
        for (const char ch : call) {
            main.entry().keyPress(EntryField::Call, static_cast<unsigned char>(ch));
        }
    }
    // A key on the main window, down then its character.
    bool key(int code, int ch = keys::kNone) { return main.keys().handle(KeyDown{code}, ch); }
    // The keying thread finishing the character in hand.
    void finish() {
        ASSERT_TRUE(sender.inHand);
        sender.inHand = false;
        cw.characterSent({});
    }
    void finishAll() {
        while (sender.inHand) {
            finish();
        }
    }
    std::string sent() const { return decode(sender.sent); }
};

TEST_F(CWFrmLogicTest, SettingsFileRoundTripsAndEndsEarlyWithTheDefaults) {
    const std::string file = "\"CQ TEST $\"\r\n\"TU $ 5NN\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n"
                             "\"\"\r\n\"\"\r\n\"TEST\"\r\n\"3\"\r\n\"25\"\r\n\"F10 TEXT\"\r\n"
                             "\"F11\"\r\n\"-2\"\r\n2\r\n\"&H278\"\r\n1\r\n\"5\"\r\n";
    files.files["CW.txt"] = file;
    cw.startUp();
    EXPECT_EQ(s[CWFrmControl::Text1].text, "CQ TEST $");
    EXPECT_EQ(s[CWFrmControl::Text12].text, "F10 TEXT");
    EXPECT_EQ(s.selection, KeyingSelection::SerialDtr);
    EXPECT_EQ(cw.speedWpm(), 25);
    EXPECT_TRUE(s.check1);
    EXPECT_EQ(cw.repeatInterval(), 5000u);
    cw.cmdDoneClick();
    EXPECT_EQ(files.files["CW.txt"], file);
    EXPECT_FALSE(s.visible);

    // A file that ends early keeps what it gave; an empty F9 gets its default.
    CwSettings shortFile = parseCwSettings("\"CQ\"\r\n\"\"\r\n");
    EXPECT_EQ(shortFile.messages[0], "CQ");
    EXPECT_EQ(shortFile.messages[8], "VVV DE ");
    EXPECT_EQ(shortFile.wpm, "13");
    EXPECT_EQ(shortFile.selection, KeyingSelection::None);
}

TEST_F(CWFrmLogicTest, FieldFilters) {
    struct Case {
        CWFrmControl box;
        std::string_view typed;
        std::string shown;
    };
    const Case cases[] = {
        {CWFrmControl::Text1, "cq \"de\" k1", "CQ DE K1"}, // capitals, no double quote
        {CWFrmControl::Text10, "a3:x", "3:"},
        {CWFrmControl::Text11, "2-5", "25"},
        {CWFrmControl::txtSpace, "-9", "-8"}, // below -8 is set back to -8
        {CWFrmControl::txtCWLoop, "1.5s-", "1.5"},
    };
    for (const Case& c : cases) {
        s[c.box].clear();
        typeInto(c.box, c.typed);
        EXPECT_EQ(s[c.box].text, c.shown) << c.typed;
    }
    // Leaving a speed that is no number writes 0; a repeat of 60 s or more is refused.
    s[CWFrmControl::Text11].setText(":");
    s.focus = CWFrmControl::Text11;
    cw.moveFocus(CWFrmControl::txtCWLoop);
    EXPECT_EQ(s[CWFrmControl::Text11].text, "0");
    s[CWFrmControl::txtCWLoop].setText("60");
    cw.moveFocus(CWFrmControl::Text1);
    EXPECT_EQ(s[CWFrmControl::txtCWLoop].text, "0");
    EXPECT_EQ(beeper.beeps, 1);
}

TEST_F(CWFrmLogicTest, Substitutions) {
    struct Case {
        const char* message;
        const char* call;
        const char* rst;
        const char* sent;
    };
    const Case cases[] = {
        {"CQ $", "", "", "CQ "},
        {"CQ $", " K1ABC ", "", "CQ K1ABC"},
        {"$ *", "W1AW", "599", "W1AW 5NN"},
        {"*", "", "579 ", "579"},
        {"NR #1", "", "", "NR 1"},
        // Each pass goes on after the position it replaced: of two marks in a
        // row the second is passed over.
        {"##", "", "", "#"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(substituteCwMessage(c.message, c.call, c.rst), c.sent) << c.message;
    }

    // Through the main window: the call as typed, "*" as 5NN.
    startKeying();
    s[CWFrmControl::Text2].setText("$ *");
    typeCall("k1abc");
    EXPECT_TRUE(key(113));
    finishAll();
    EXPECT_EQ(sent(), "K1ABC 5NN");
    EXPECT_TRUE(cwLink.opened);
    EXPECT_EQ(cwLink.portNumber, 3);
}

TEST_F(CWFrmLogicTest, F2InterruptsF1AfterTheCharacterInProgress) {
    startKeying();
    s[CWFrmControl::Text1].setText("CQ TEST");
    s[CWFrmControl::Text2].setText("TU");
    EXPECT_TRUE(key(112));
    EXPECT_TRUE(cw.sending());
    finish();              // C
    EXPECT_TRUE(key(113)); // while Q is keyed
    EXPECT_EQ(sender.sent.size(), 2u) << "the character in progress is not cut";
    finishAll();
    EXPECT_EQ(sent(), "CQTU");
    EXPECT_FALSE(cw.sending());
    EXPECT_TRUE(buffer.empty());
}

TEST_F(CWFrmLogicTest, EscapeStopsAfterTheCharacterAndF10SendsItsOwnMessage) {
    startKeying();
    s[CWFrmControl::Text12].setText("NO");
    s[CWFrmControl::Text13].setText("EE");
    EXPECT_TRUE(key(121));
    EXPECT_TRUE(key(27, keys::kEscape));
    finishAll();
    EXPECT_EQ(sent(), "N");
    EXPECT_EQ(ui.txtCall.text, "") << "Esc while sending does not clear the entry";
    EXPECT_TRUE(key(122));
    finishAll();
    EXPECT_EQ(sent(), "NEE");
}

TEST_F(CWFrmLogicTest, F1RepeatsUntilAnyKey) {
    startKeying();
    s[CWFrmControl::Text1].setText("EE");
    typeInto(CWFrmControl::txtCWLoop, "5");
    cw.moveFocus(CWFrmControl::Text1);
    EXPECT_EQ(cw.repeatInterval(), 5000u);

    EXPECT_TRUE(key(112));
    EXPECT_TRUE(cw.repeatArmed());
    finishAll();
    clock.advance(4999);
    EXPECT_EQ(sent(), "EE");
    clock.advance(1); // 5 s after the end: sent again
    EXPECT_EQ(sent(), "EEE");
    finishAll();
    clock.advance(5000);
    EXPECT_EQ(sent(), "EEEEE");

    // Shift ends the loop and discards the rest of the message.
    EXPECT_FALSE(key(16));
    EXPECT_FALSE(cw.repeatArmed());
    finishAll();
    clock.advance(20000);
    EXPECT_EQ(sent(), "EEEEE");
}

TEST_F(CWFrmLogicTest, KeyboardCw) {
    startKeying();
    EXPECT_TRUE(key(123));
    EXPECT_TRUE(cw.keyboardMode());
    EXPECT_TRUE(key('A', 'a'));
    EXPECT_TRUE(key('B', 'b')); // appended while A is keyed
    EXPECT_TRUE(key(8, keys::kBackspace));
    EXPECT_TRUE(key('C', 'c'));
    finishAll();
    EXPECT_EQ(sent(), "AC");
    EXPECT_FALSE(cw.sending());
    EXPECT_EQ(ui.txtCall.text, "");

    // In phone mode nothing is sent: the keys go to the field.
    program.op.currentMode = "PH";
    EXPECT_FALSE(key('D', 'd'));
    EXPECT_EQ(sent(), "AC");
}

TEST_F(CWFrmLogicTest, EchoOnTheMainWindow) {
    startKeying();
    cw.check1Click(true);
    s[CWFrmControl::Text1].setText("TEST");
    EXPECT_TRUE(key(112));
    EXPECT_EQ(ui.lblDialog, "EST");
    finish();
    EXPECT_EQ(ui.lblDialog, "ST");
    finishAll();
    EXPECT_EQ(ui.lblDialog, "");
    cw.setKeyboardMode(true);
    EXPECT_TRUE(key('E', 'e'));
    finishAll();
    EXPECT_EQ(ui.lblDialog, kKeyboardCwOnText);
}

TEST_F(CWFrmLogicTest, ExclamationMarkLogsTheContactWhenReached) {
    startKeying();
    s[CWFrmControl::Text3].setText("TU!");
    typeCall("W1AW");
    ui.txtCntry.setText("CT");
    ui.txtRSTR.setText("M");
    ui.txtSec.setText("JOHN");
    EXPECT_TRUE(key(114));
    finish(); // T
    EXPECT_EQ(program.log.size(), 0u);
    finish(); // U, then "!"
    EXPECT_EQ(program.log.size(), 1u);
    EXPECT_FALSE(cw.sending());
    EXPECT_EQ(sent(), "TU");

    // The WinKeyer is handed the buffer after the contact is logged.
    cw.optionClick(KeyingSelection::WinKeyer);
    EXPECT_TRUE(s.confWinkeyVisible);
    typeCall("K1ABC");
    ui.txtCntry.setText("MA");
    ui.txtRSTR.setText("M");
    ui.txtSec.setText("BOB");
    EXPECT_TRUE(key(114));
    EXPECT_EQ(program.log.size(), 2u);
    EXPECT_EQ(winKeyer.transmits, 1);
    EXPECT_EQ(buffer.text(), "TU!");
}

TEST_F(CWFrmLogicTest, ASpeedOfZeroSendsNothingAndSaysSo) {
    startKeying();
    s[CWFrmControl::Text11].setText("1");
    s[CWFrmControl::Text1].setText("CQ CQ");
    EXPECT_TRUE(key(40)); // Down arrow: 0 WPM
    EXPECT_EQ(ui.lblDialog, "0 WPM");
    EXPECT_TRUE(key(112));
    EXPECT_TRUE(sender.sent.empty());
    EXPECT_FALSE(cw.sending());
    EXPECT_TRUE(buffer.empty());
    ASSERT_EQ(dialogs.shown.size(), 1u) << "told once, not once per character";
    EXPECT_EQ(dialogs.shown[0].title, kInvalidCwSpeedTitle);
    EXPECT_FALSE(cwLink.rts());
}

TEST_F(CWFrmLogicTest, NoneSendsNothingAndTheStringsWindow) {
    startKeying();
    s[CWFrmControl::Text9].setText("VVV");
    s[CWFrmControl::Text12].setText("F10");
    frmCWStringsLogic strings(cw);
    strings.activated();
    EXPECT_EQ(strings.state().lblCWString[8], "VVV");
    EXPECT_EQ(strings.state().lblCWString[9], "F10");
    EXPECT_EQ(strings.state().lblCWString[11], "Keyboard");
    strings.labelClicked(11); // F12 does nothing here
    EXPECT_FALSE(cw.keyboardMode());
    strings.labelClicked(9);
    finishAll();
    EXPECT_EQ(sent(), "F10");

    cw.cmdTestClick();
    EXPECT_TRUE(s.label23Visible);
    finishAll();
    EXPECT_FALSE(s.label23Visible);
    EXPECT_EQ(sent(), "F10VVV");

    cw.optionClick(KeyingSelection::None);
    strings.labelClicked(0);
    EXPECT_FALSE(key(112)) << "F1 goes on to the field";
    EXPECT_FALSE(key(38));
    EXPECT_EQ(sent(), "F10VVV");
}

TEST_F(CWFrmLogicTest, LoopTimingCalibratesOnceAndTheSettingsAreSaved) {
    time.msPerPass = 0.0001;
    cw.timingClick(TimingMethod::Loop);
    EXPECT_TRUE(s.loopControlsEnabled);
    EXPECT_EQ(s[CWFrmControl::txtLoop].text, "600000");
    cw.cmdLoopFasterClick();
    EXPECT_EQ(s[CWFrmControl::txtLoop].text, "540000");
    EXPECT_EQ(s.focus, CWFrmControl::cmdDone);
    cw.cmdDoneClick();
    EXPECT_EQ(settings.values["Velmark_Software/Settings/UserCWSelection"], "Loop");
    EXPECT_EQ(settings.values["Velmark_Software/Settings/UserCWLoopOffset"], "540000");
    cw.timingClick(TimingMethod::Sleep);
    EXPECT_FALSE(s.loopControlsEnabled);
}

TEST(CWFrmLogicExit, ClosingWhileACharacterIsKeyedLeavesTheLineUp) {
    FakeSerialLink link;
    FakeParallelPort parallel;
    SelectedKeyingLine line(link, parallel);
    FakeClock clock;
    FakeDialogs dialogs;
    FakeBeeper beeper;
    CwSendBuffer buffer;
    NoWinKeyer winKeyer;
    MemoryFileStore files;
    FakeSettingsStore settings;
    const auto start = std::chrono::steady_clock::now();
    {
        KeyingThread keying(line, nullptr);
        SteadyTimebase time;
        CWFrmLogic cw({{keying, line, link, parallel, time, nullptr, dialogs, beeper},
                       buffer,
                       winKeyer,
                       clock,
                       files,
                       settings});
        cw.optionClick(KeyingSelection::SerialRts);
        cw.state()[CWFrmControl::Text10].setText("1");
        cw.state()[CWFrmControl::Text11].setText("1"); // T: key down for 3.6 s
        cw.state()[CWFrmControl::Text1].setText("TT");
        cw.FKeyCW(kCwKeyF1);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (!link.rts() && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        ASSERT_TRUE(link.rts());
    }
    EXPECT_FALSE(link.rts());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

} // namespace
} // namespace qv
