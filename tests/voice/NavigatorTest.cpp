#include "voice/Navigator.h"

#include "fakes/FakeClock.h"
#include "fakes/FakeEventWait.h"
#include "fakes/FakeWavePlayer.h"
#include "fakes/MemoryFileStore.h"

#include <numeric>

#include <gtest/gtest.h>

namespace qv {
namespace {

// A folder in memory with a path of its own, so the test sees which one a word
// was played from.
class Folder : public test::MemoryFileStore {
public:
    explicit Folder(std::string path) : path_(std::move(path)) {}
    std::string directory() const override { return path_; }

private:
    std::string path_;
};

class NavigatorTest : public ::testing::Test {
protected:
    void shipAll(Folder& folder) {
        for (const char* word :
             {"Call", "SPC", "Class", "RstSnt", "Name", "Dupe", "NavDis", "NavEn"}) {
            folder.files[std::string("voice/") + word + ".wav"] = "RIFF";
        }
    }
    // The player reaches the end of the word `ms` from now.
    void wordEndsAfter(std::uint32_t ms) {
        ends_.push_back(clock.create(
            ms, [this] { player.finish(); }, true));
        ends_.back()->start();
    }
    std::uint32_t waited() const {
        return std::accumulate(wait.sleeps.begin(), wait.sleeps.end(), 0u);
    }

    test::FakeClock clock;
    test::FakeEventWait wait{clock};
    test::FakeWavePlayer player;
    Folder working{"/work/op"};
    Folder beside{"/opt/ql/bin"};
    Folder share{"/opt/ql/share/quorvane-log"};
    Preferences prefs;
    Navigator nav{{player, wait, working, {&beside, &share}}};

    void SetUp() override { nav.follow(prefs); }

private:
    std::vector<std::unique_ptr<Timer>> ends_;
};

TEST_F(NavigatorTest, TheOperatorsRecordingWinsThenTheShippedOnesInOrder) {
    struct Case {
        const char* name;
        std::vector<std::string> own; // in the working directory
        bool besideProgram;
        bool shareFolder;
        std::string played; // empty: silence
    };
    const Case cases[] = {
        {"own recording", {"Call.wav"}, true, true, "/work/op/Call.wav"},
        {"own recording, spelt otherwise", {"CALL.WAV"}, true, true, "/work/op/CALL.WAV"},
        {"beside the program", {"Name.wav"}, true, true, "/opt/ql/bin/voice/Call.wav"},
        {"installed", {}, false, true, "/opt/ql/share/quorvane-log/voice/Call.wav"},
        {"nowhere", {"Callx.wav"}, false, false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        working.files.clear();
        beside.files.clear();
        share.files.clear();
        player.played.clear();
        for (const std::string& f : c.own) {
            working.files[f] = "RIFF";
        }
        if (c.besideProgram) {
            shipAll(beside);
        }
        if (c.shareFolder) {
            shipAll(share);
        }
        nav.BlindKeyPhone("Call");
        if (c.played.empty()) {
            EXPECT_TRUE(player.played.empty());
            EXPECT_FALSE(player.playing());
        } else {
            EXPECT_EQ(player.played, std::vector<std::string>{c.played});
        }
    }
}

TEST_F(NavigatorTest, DupeWaitsForItsEndOnlyWithNavigationOn) {
    shipAll(share);
    for (int mode : {0, 1, 2}) {
        SCOPED_TRACE(mode);
        prefs.navigationMode = static_cast<std::uint8_t>(mode);
        wait.sleeps.clear();
        wordEndsAfter(660);
        nav.BlindKeyPhone("Dupe");
        if (mode == 0) {
            EXPECT_TRUE(player.playing()) << "returns while the word plays";
            EXPECT_EQ(waited(), 0u);
            player.finish();
            clock.advance(1000);
        } else {
            EXPECT_FALSE(player.playing()) << "returns once it has been spoken";
            EXPECT_GE(waited(), 660u);
            EXPECT_LT(waited(), 660u + Navigator::kWaitStepMs + 1);
        }
    }
}

TEST_F(NavigatorTest, FieldWordsNeverWait) {
    shipAll(share);
    prefs.navigationMode = 2;
    for (const char* word : {"Call", "SPC", "Class", "RstSnt", "Name", "NavEn", "NavDis"}) {
        nav.BlindKeyPhone(word);
        EXPECT_TRUE(player.playing()) << word;
    }
    EXPECT_EQ(waited(), 0u);
}

TEST_F(NavigatorTest, WaitsEndAtOnceWithoutAWordAndAreBounded) {
    prefs.navigationMode = 1;
    nav.BlindKeyPhone("Dupe"); // no file anywhere
    EXPECT_TRUE(player.played.empty());
    EXPECT_EQ(waited(), 0u);

    shipAll(share);
    nav.BlindKeyPhone("Dupe"); // a player that never reports the end
    EXPECT_EQ(waited(), Navigator::kLongestWaitMs);
    EXPECT_TRUE(player.playing());
}

TEST_F(NavigatorTest, ANewWordCutsOffThePreviousOne) {
    shipAll(share);
    nav.BlindKeyPhone("Call");
    nav.BlindKeyPhone("SPC");
    EXPECT_EQ(player.stops, 1);
    ASSERT_EQ(player.played.size(), 2u);
    EXPECT_EQ(player.played[1], "/opt/ql/share/quorvane-log/voice/SPC.wav");

    // Even a word without a recording silences the one before.
    share.files.erase("voice/Name.wav");
    nav.BlindKeyPhone("Name");
    EXPECT_EQ(player.stops, 2);
    EXPECT_FALSE(player.playing());
}

TEST_F(NavigatorTest, AWordStartedDuringTheWaitEndsIt) {
    shipAll(share);
    prefs.navigationMode = 2;
    auto focusMoves = clock.create(
        100, [this] { nav.BlindKeyPhone("Call"); }, true);
    focusMoves->start();
    nav.BlindKeyPhone("Dupe");
    EXPECT_LE(waited(), 100u + Navigator::kWaitStepMs);
    EXPECT_EQ(player.played.back(), "/opt/ql/share/quorvane-log/voice/Call.wav");
}

} // namespace
} // namespace qv
