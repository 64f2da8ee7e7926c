#pragma once

// The main window's logic over fakes: a working directory in memory, a small
// prefix table, a clock the test sets, scripted dialogs.

#include "app/Program.h"
#include "core/LogFileFormat.h"
#include "fakes/FakeBeeper.h"
#include "fakes/FakeClipboard.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeDialogs.h"
#include "fakes/FakeEventWait.h"
#include "fakes/FakeSerialLink.h"
#include "fakes/FakeSettingsStore.h"
#include "fakes/MemoryFileStore.h"
#include "fakes/Records.h"

#include <gtest/gtest.h>

namespace qv::test {

inline const char* const kFixturePrefixes = "\"4X\",\"Israel\",\"AS\",-35,31,20,39,-2\r\n"
                                            "\"DL\",\"Germany\",\"EU\",-10,51,14,28,-1\r\n"
                                            "\"EA\",\"Spain\",\"EU\",3.7,40.4,14,37,-1\r\n"
                                            "\"JA\",\"Japan\",\"AS\",-139.7,35.7,25,45,-9\r\n"
                                            "\"K\",\"USA\",\"NA\",91.87,37.6,5,8,5\r\n"
                                            "\"KH6\",\"Hawaii\",\"OC\",157.48,21.12,31,61,10\r\n"
                                            "\"KL7\",\"Alaska\",\"NA\",148.87,61.4,1,1,8\r\n"
                                            "\"VE\",\"Canada\",\"NA\",80,45,5,9,5\r\n"
                                            "\"W\",\"USA\",\"NA\",95,38,5,8,5\r\n";

class RecordingVoice : public VoiceNavigation {
public:
    std::vector<std::string> words;
    void BlindKeyPhone(const std::string& word) override { words.push_back(word); }
};

class RecordingWindows : public Form1Windows {
public:
    std::vector<std::string> calls;
    std::function<void()> onStationWindow;
    EditOutcome editAnswer;
    bool confirm = true; // "Done"; false for the close box
    bool showStationWindow() override {
        calls.push_back("station");
        if (onStationWindow) {
            onStationWindow();
        }
        return confirm;
    }
    EditOutcome editContact(std::size_t k) override {
        calls.push_back("edit " + std::to_string(k));
        return editAnswer;
    }
    void showSummarySheet() override { calls.push_back("summary"); }
    void showText(const std::string& title, const std::string&) override {
        calls.push_back("text " + title);
    }
};

// The fakes around the program, and the start the program is given over them.
struct Form1Fakes {
    MemoryFileStore files;
    MemoryFileStore data;
    ShippedFiles shipped{files, {&data}};
    FakeClock clock;
    FakeBeeper beeper;
    FakeDialogs dialogs;
    FakeSettingsStore settings;
    FakeClipboard clipboard;
    RecordingVoice voice;
    RecordingWindows windows;
    FakeSerialLink rigLink;
    FakeEventWait wait{clock};
    MemoryFileStore pegasus;

    void prepare(Program& program) {
        program.windows.attach(&windows);
        data.files["arrlpre2.txt"] = kFixturePrefixes;
        // The clocks agree with the profile's offset of 5 hours, so start-up asks nothing.
        program.profile.utcOffsetHours = 5;
        clock.setLocal(2007, 1, 13, 9, 0, 0);
        clock.utc = *DateTime::fromFields(2007, 1, 13, 14, 0, 0);
    }
};

class Form1Fixture : public ::testing::Test, protected Form1Fakes {
protected:
    Program program{{clock, clock, dialogs, beeper, files, shipped, settings, clipboard},
                    {&voice},
                    {&rigLink, &wait, &pegasus}};
    ContestLog& log = program.log;
    OperatingState& op = program.op;
    const MultiplierTable& multipliers = program.multipliers;
    StationProfile& profile = program.profile;
    Preferences& prefs = program.prefs;
    PrefixTable& prefixes = program.prefixes;
    WorkingLog& working = program.working;
    Form1State& ui = program.ui;
    Form1Logic& main = program.form1;

    Form1Fixture() { prepare(program); }

    void givenLog(const std::vector<ContactRecord>& records) {
        files.files["log.txt"] = *formatLog(records);
    }
    std::string onDisk() { return files.files["log.txt"]; }

    // Start-up answered Yes to "Open existing log?", then Time On.
    void startLogging() {
        files.files["Quorvpref.txt"] = *formatPreferences(profile, prefs, op);
        ASSERT_EQ(main.start(), Form1Logic::Started::Ready);
        main.cmdLogOn_Click();
        dialogs.shown.clear();
        beeper.beeps = 0;
    }

    void type(EntryField field, std::string_view text) {
        for (char ch : text) {
            main.entry().keyPress(field, static_cast<unsigned char>(ch));
        }
    }
    void press(EntryField field, int key) { main.entry().keyPress(field, key); }
    // Moves the focus the way the window does: the old field is left, the new one entered.
    void focus(EntryField from, EntryField to) {
        main.entry().left(from);
        main.entry().entered(to);
    }
    // Types a whole contact field by field, moving on with Space, and logs it with Enter.
    void logContact(std::string_view call, std::string_view spc, std::string_view cat,
                    std::string_view name) {
        type(EntryField::Call, call);
        press(EntryField::Call, keys::kSpace);
        focus(EntryField::Call, EntryField::Spc);
        type(EntryField::Spc, spc);
        ui.txtCntry.select(ui.txtCntry.text.size(), 0);
        focus(EntryField::Spc, EntryField::Category);
        ui.txtRSTR.clear();
        type(EntryField::Category, cat);
        focus(EntryField::Category, EntryField::Name);
        ui.txtSec.clear();
        type(EntryField::Name, name);
        press(EntryField::Name, keys::kEnter);
    }
};

} // namespace qv::test
