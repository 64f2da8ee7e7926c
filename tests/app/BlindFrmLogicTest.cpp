#include "app/BlindFrmLogic.h"

#include "fakes/FakeClock.h"
#include "fakes/FakeEventWait.h"
#include "fakes/FakeWavePlayer.h"
#include "fakes/MemoryFileStore.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

class BlindFrmLogicTest : public ::testing::Test {
protected:
    BlindFrmLogicTest() {
        for (const char* word : {"Call", "NavDis", "NavEn"}) {
            files.files[std::string(word) + ".wav"] = "RIFF";
        }
        window.setSavePreferences([this] { saved.push_back(prefs.navigationMode); });
        // What the operator hears, in order, with the end of each word as it comes.
        player.handler = [this](const PlaybackEnd& end) {
            heard.push_back(end.outcome == PlaybackOutcome::Played ? "end" : "cut");
        };
    }
    std::vector<std::string> words() const {
        std::vector<std::string> w;
        for (const std::string& path : player.played) {
            w.push_back(path.substr(path.rfind('/') + 1));
        }
        return w;
    }

    test::FakeClock clock;
    test::FakeEventWait wait{clock};
    test::FakeWavePlayer player;
    test::MemoryFileStore files;
    Preferences prefs;
    Navigator nav{{player, wait, files, {}}};
    BlindFrmLogic window{{nav, prefs, files}};
    std::vector<int> saved;
    std::vector<std::string> heard;
};

TEST_F(BlindFrmLogicTest, LoadingSelectsTheModeAndNamesTheWorkingDirectory) {
    for (int mode : {0, 1, 2}) {
        BlindFrmLogic fresh{{nav, prefs, files}};
        prefs.navigationMode = static_cast<std::uint8_t>(mode);
        fresh.show();
        EXPECT_EQ(fresh.state().option, mode);
        EXPECT_TRUE(fresh.state().visible);
        EXPECT_EQ(fresh.state().label7,
                  "Put the audio wave files in this program's working directory: /memory");
    }
}

TEST_F(BlindFrmLogicTest, EachOptionSaysWhatItChoosesWithoutChangingTheMode) {
    struct Case {
        int option;
        std::vector<std::string> words;
    };
    const Case cases[] = {
        {0, {"NavDis.wav"}},
        {1, {"NavEn.wav", "Call.wav"}},
        {2, {"NavEn.wav"}},
    };
    window.show();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.option);
        player.played.clear();
        window.optionClick(c.option);
        EXPECT_EQ(words(), c.words);
        EXPECT_EQ(window.state().option, c.option);
        EXPECT_EQ(prefs.navigationMode, 0);
        player.finish();
    }
    EXPECT_TRUE(saved.empty());
}

TEST_F(BlindFrmLogicTest, CallOnlySaysCallOnceNavigationOnHasBeenSpoken) {
    window.show();
    auto end = clock.create(
        1300, [this] { player.finish(); }, true);
    end->start();
    window.optionClick(1);
    EXPECT_EQ(words(), (std::vector<std::string>{"NavEn.wav", "Call.wav"}));
    EXPECT_EQ(heard, std::vector<std::string>{"end"}) << "NavEn was not cut off";
    EXPECT_GE(clock.ms, 1300u);
}

TEST_F(BlindFrmLogicTest, DoneSetsAndSavesTheModeTheCloseBoxForgetsTheChoice) {
    window.show();
    window.optionClick(2);
    window.Command1Click();
    EXPECT_EQ(prefs.navigationMode, 2);
    EXPECT_EQ(saved, std::vector<int>{2});
    EXPECT_FALSE(window.state().visible);

    window.show();
    EXPECT_EQ(window.state().option, 2);
    window.optionClick(1);
    window.closed();
    EXPECT_EQ(prefs.navigationMode, 2);
    EXPECT_EQ(saved.size(), 1u);
    EXPECT_FALSE(window.state().visible);

    window.show();
    EXPECT_EQ(window.state().option, 2) << "loaded again from the mode";
    window.optionClick(0);
    window.Command1Click();
    EXPECT_EQ(prefs.navigationMode, 0);
    EXPECT_EQ(saved, (std::vector<int>{2, 0}));
}

} // namespace
} // namespace qv
