#include "app/KeyDispatch.h"

#include "Form1Fixture.h"

namespace qv {
namespace {

using test::Form1Fixture;

struct RecordingKeyers : ShortcutWindows, VoiceKeyer {
    std::vector<std::string> calls;
    bool voiceArmed = false, voicePlaying = false, cwArmed = false, cwSending = false,
         keyboard = false, winOpen = false;
    KeyingSelection selection = KeyingSelection::None;
    int winStatus = 0, wpm = 15;
    std::string buffer;

    void open(ShortcutWindow w) override { calls.push_back("open " + std::to_string(int(w))); }
    bool repeatArmed() const override { return voiceArmed; }
    void cancelRepeat() override {
        voiceArmed = false;
        calls.push_back("voice cancel");
    }
    void FKeyPhone(int code) override { calls.push_back("phone " + std::to_string(code)); }
    bool playing() const override { return voicePlaying; }
    void stop() override { calls.push_back("stop"); }
};

// The CW and WinKeyer sides need their own names for repeatArmed/cancelRepeat/open.
struct Cw : CwKeyer {
    RecordingKeyers& r;
    explicit Cw(RecordingKeyers& k) : r(k) {}
    KeyingSelection keyingSelection() const override { return r.selection; }
    bool repeatArmed() const override { return r.cwArmed; }
    void cancelRepeat() override {
        r.cwArmed = false;
        r.calls.push_back("cw cancel");
    }
    bool sending() const override { return r.cwSending; }
    bool bufferEmpty() const override { return r.buffer.empty(); }
    void clearBuffer() override { r.buffer.clear(); }
    void appendToBuffer(char ch) override { r.buffer.push_back(ch); }
    void removeLastFromBuffer() override { r.buffer.pop_back(); }
    void LoopThroughCWBuffer() override { r.calls.push_back("loop"); }
    bool keyboardMode() const override { return r.keyboard; }
    void setKeyboardMode(bool on) override { r.keyboard = on; }
    int UpDown1_UpClick() override { return ++r.wpm; }
    int UpDown1_DownClick() override { return --r.wpm; }
    int speedWpm() const override { return r.wpm; }
    void FKeyCW(int code) override { r.calls.push_back("cw " + std::to_string(code)); }
};
struct Wk : WinKeyer {
    RecordingKeyers& r;
    explicit Wk(RecordingKeyers& k) : r(k) {}
    bool open() const override { return r.winOpen; }
    int status() override { return r.winStatus; }
    void clearBuffer() override { r.calls.push_back("wk clear"); }
    void backspace() override { r.calls.push_back("wk backspace"); }
    void WKTransmit() override { r.calls.push_back("wk transmit"); }
    void speedChanged(int wpm) override { r.calls.push_back("wk wpm " + std::to_string(wpm)); }
    void close() override { r.calls.push_back("wk close"); }
};

class KeyDispatchTest : public Form1Fixture {
protected:
    RecordingKeyers rec;
    Cw cw{rec};
    Wk wk{rec};
    KeyDispatch dispatch{ui, op, main.entry(), Keyers{rec, rec, cw, wk}};

    bool key(int code, int ch = keys::kNone, bool ctrl = false) {
        return dispatch.handle(KeyDown{code, ctrl, false, false}, ch);
    }
};

TEST_F(KeyDispatchTest, CtrlShortcutsOpenWindowsAndTypeNothing) {
    const std::pair<int, ShortcutWindow> cases[] = {
        {'B', ShortcutWindow::SpectrumMap}, {'D', ShortcutWindow::Spotting},
        {'F', ShortcutWindow::Privileges},  {'G', ShortcutWindow::Tuning},
        {'P', ShortcutWindow::VoiceKeyer},  {'R', ShortcutWindow::Rig},
    };
    for (const auto& [letter, window] : cases) {
        rec.calls.clear();
        EXPECT_TRUE(key(letter, 'r' - 'a' + 1, true));
        EXPECT_EQ(rec.calls, std::vector<std::string>{"open " + std::to_string(int(window))});
    }
    // Another Ctrl key opens nothing; it types no character but keeps its editing command.
    EXPECT_FALSE(key('V', keys::kNone, true));
    EXPECT_FALSE(key('W', 'w')); // the next key is not discarded
}

TEST_F(KeyDispatchTest, PhoneModeFunctionKeys) {
    op.currentMode = "PH";
    EXPECT_TRUE(key(keycodes::kF1));
    EXPECT_TRUE(key(120));
    EXPECT_TRUE(key(keycodes::kF10)); // does nothing
    EXPECT_FALSE(key(122));           // F11 and F12 reach the field
    EXPECT_FALSE(key(keycodes::kF12));
    EXPECT_EQ(rec.calls, (std::vector<std::string>{"phone 112", "phone 120"}));
}

TEST_F(KeyDispatchTest, AnyKeyCancelsPendingRepeats) {
    rec.voiceArmed = true;
    rec.cwArmed = true;
    rec.winOpen = true;
    rec.buffer = "CQ TEST";
    EXPECT_FALSE(key('A', 'A'));
    EXPECT_FALSE(rec.voiceArmed);
    EXPECT_FALSE(rec.cwArmed);
    EXPECT_EQ(rec.buffer, "");
    EXPECT_EQ(rec.calls, (std::vector<std::string>{"wk clear", "cw cancel", "voice cancel"}));
}

TEST_F(KeyDispatchTest, EscapeMeanings) {
    startLogging();
    ui.txtCall.setText("W1AW");
    rec.voicePlaying = true;
    EXPECT_TRUE(key(27, keys::kEscape));
    EXPECT_EQ(rec.calls, std::vector<std::string>{"stop"});
    EXPECT_EQ(ui.txtCall.text, "W1AW"); // a playing message is stopped, the line kept
    rec.voicePlaying = false;
    EXPECT_TRUE(key(27, keys::kEscape));
    EXPECT_EQ(ui.txtCall.text, ""); // idle: the line is cleared
    ui.txtCall.setText("K1A");
    rec.cwSending = true;
    rec.buffer = "TEST";
    EXPECT_TRUE(key(27, keys::kEscape));
    EXPECT_EQ(rec.buffer, "");
    EXPECT_EQ(ui.txtCall.text, "K1A");
}

TEST_F(KeyDispatchTest, CwModeWithoutAKeyingLineLeavesKeysToTheField) {
    op.currentMode = "CW";
    EXPECT_FALSE(key(keycodes::kDown));
    EXPECT_FALSE(key(keycodes::kF1));
    EXPECT_TRUE(rec.calls.empty());
}

TEST_F(KeyDispatchTest, CwModeKeysWithAKeyingLine) {
    op.currentMode = "cw";
    rec.selection = KeyingSelection::SerialRts;
    EXPECT_TRUE(key(keycodes::kDown));
    EXPECT_EQ(ui.lblDialog, "14 WPM");
    EXPECT_TRUE(key(keycodes::kUp));
    EXPECT_EQ(ui.lblDialog, "15 WPM");
    EXPECT_TRUE(key(keycodes::kF10));
    EXPECT_TRUE(key(keycodes::kF1));
    EXPECT_EQ(rec.calls, (std::vector<std::string>{"cw 124", "cw 112"}));
    EXPECT_TRUE(key(keycodes::kF12));
    EXPECT_EQ(ui.lblDialog, "Keyboard CW mode is ON!  Press F12 to exit keyboard CW mode.");
    EXPECT_EQ(ui.lblDialogBack, kKeyboardCwYellow);
    // Keyboard CW: characters go to the send buffer, capitalised.
    EXPECT_TRUE(key('T', 't'));
    EXPECT_EQ(rec.buffer, "T");
    EXPECT_EQ(rec.calls.back(), "loop");
    rec.cwSending = true;
    EXPECT_TRUE(key(8, keys::kBackspace));
    EXPECT_EQ(rec.buffer, "");
    EXPECT_TRUE(key(keycodes::kF12));
    EXPECT_EQ(ui.lblDialog, "");
    EXPECT_EQ(ui.lblDialogBack, kStatusTeal);
}

} // namespace
} // namespace qv
