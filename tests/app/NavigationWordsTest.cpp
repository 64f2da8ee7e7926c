// The main window speaking through voice navigation with the words shipped in
// data/voice, on a player that plays until the test ends the word.

#include "Form1Fixture.h"
#include "fakes/FakeWavePlayer.h"
#include "platform/posix/PosixFileStore.h"
#include "voice/Navigator.h"
#include "voice/WaveFile.h"

#include <numeric>

namespace qv {
namespace {

class NavigationWordsTest : public ::testing::Test {
protected:
    NavigationWordsTest() {
        navigator.follow(program.prefs);
        program.windows.attach(&windows);
        program.profile.utcOffsetHours = 5;
        clock.setLocal(2007, 1, 13, 9, 0, 0);
        clock.utc = *DateTime::fromFields(2007, 1, 13, 14, 0, 0);
    }

    void startWith(int mode) {
        program.prefs.navigationMode = static_cast<std::uint8_t>(mode);
        files.files["Quorvpref.txt"] =
            *formatPreferences(program.profile, program.prefs, program.op);
        ASSERT_EQ(main.start(), Form1Logic::Started::Ready);
        main.cmdLogOn_Click();
        player.stop();
        player.played.clear();
        player.stops = 0;
        wait.sleeps.clear();
    }
    // The words heard, by file name; each from the shipped folder.
    std::vector<std::string> heard() const {
        std::vector<std::string> words;
        for (const std::string& path : player.played) {
            EXPECT_EQ(path.rfind(std::string(QV_DATA_DIR) + "/voice/", 0), 0u) << path;
            words.push_back(path.substr(path.rfind('/') + 1));
        }
        return words;
    }
    void focus(EntryField from, EntryField to) {
        main.entry().left(from);
        main.entry().entered(to);
    }
    std::uint32_t waited() const {
        return std::accumulate(wait.sleeps.begin(), wait.sleeps.end(), 0u);
    }

    test::MemoryFileStore files;
    PosixFileStore data{QV_DATA_DIR};
    ShippedFiles shipped{files, {&data}};
    test::FakeClock clock;
    test::FakeBeeper beeper;
    test::FakeDialogs dialogs;
    test::FakeSettingsStore settings;
    test::FakeClipboard clipboard;
    test::FakeEventWait wait{clock};
    test::FakeWavePlayer player;
    test::RecordingWindows windows;
    Navigator navigator{{player, wait, files, {&data}}};
    Program program{{clock, clock, dialogs, beeper, files, shipped, settings, clipboard},
                    {&navigator},
                    {nullptr, &wait}};
    Form1Logic& main = program.form1;
};

TEST_F(NavigationWordsTest, TabbingThroughTheEntryLineSpeaksTheFieldsOfTheMode) {
    struct Case {
        int mode;
        std::vector<std::string> words;
    };
    const Case cases[] = {
        {0, {}},
        {1, {"Call.wav", "Call.wav"}},
        {2, {"Call.wav", "SPC.wav", "Class.wav", "Name.wav", "Call.wav"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        startWith(c.mode);
        main.entry().entered(EntryField::Call);
        focus(EntryField::Call, EntryField::Spc);
        focus(EntryField::Spc, EntryField::Category);
        focus(EntryField::Category, EntryField::Name);
        focus(EntryField::Name, EntryField::Call);
        EXPECT_EQ(heard(), c.words);
        // Nobody waits for a field's word; each new one cuts off the one before.
        EXPECT_EQ(waited(), 0u);
        EXPECT_EQ(player.stops, std::max<int>(0, static_cast<int>(c.words.size()) - 1));
    }
}

TEST_F(NavigationWordsTest, ADuplicateIsAnnouncedAndWaitedForOnlyWithNavigationOn) {
    files.files["log.txt"] = *formatLog({test::contact("W1AW", "CT")});
    for (int mode : {0, 1, 2}) {
        SCOPED_TRACE(mode);
        startWith(mode);
        auto end = clock.create(
            700, [this] { player.finish(); }, true);
        end->start();
        program.ui.txtCall.setText("W1AW");
        main.entry().left(EntryField::Call);
        ASSERT_EQ(heard(), std::vector<std::string>{"Dupe.wav"});
        EXPECT_EQ(program.ui.txtCall.text, "") << "the duplicate handling went on";
        if (mode == 0) {
            EXPECT_EQ(waited(), 0u);
            EXPECT_TRUE(player.playing());
        } else {
            EXPECT_GE(waited(), 700u);
            EXPECT_FALSE(player.playing());
        }
        player.stop();
        clock.advance(5000); // past the hold after the duplicate
    }
}

TEST_F(NavigationWordsTest, EveryShippedWordIsAShortSixteenBitMonoWave) {
    for (const char* word : {"Call", "SPC", "Class", "RstSnt", "Name", "Dupe", "NavDis", "NavEn"}) {
        SCOPED_TRACE(word);
        const std::string path = navigator.wordFile(word);
        ASSERT_FALSE(path.empty());
        FileContents file = data.read(path);
        ASSERT_EQ(file.error, FileContents::Error::None);
        const WaveReading wave = parseWave(file.bytes);
        ASSERT_TRUE(wave.audio) << wave.error;
        EXPECT_EQ(wave.audio->format.sample, WaveSampleFormat::Int16);
        EXPECT_EQ(wave.audio->format.channels, 1);
        EXPECT_GT(wave.audio->durationMicroseconds(), 200'000);
        EXPECT_LT(wave.audio->durationMicroseconds(), 2'000'000);
    }
}

} // namespace
} // namespace qv
