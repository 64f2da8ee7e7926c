// The spectrum map's logic over a spot store, a fake clock and a scripted
// radio: right click tunes and hands over the call, any other click removes
// the spot, and spots an hour old are gone.

#include "app/SpectrumMapLogic.h"

#include "fakes/FakeRig.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

using Button = SpectrumMapLogic::Button;

class SpectrumMapLogicTest : public ::testing::Test, protected test::FakeRig {
protected:
    void spot(const char* call, float frequencyMHz) {
        store.add(call, frequencyMHz, clock.localNow());
    }
    std::vector<std::string> shownCalls(const SpectrumMapLogic& map) const {
        std::vector<std::string> calls;
        for (const SpotLabel& l : map.state().layout.labels) {
            calls.push_back(store.slot(l.slot).call);
        }
        return calls;
    }

    SpotStore store;
    StationProfile profile;
    SpectrumMapLogic::Uses uses{store, clock, profile, rig};
};

TEST_F(SpectrumMapLogicTest, ARightClickTunesTheRadioAndHandsOverTheCall) {
    ASSERT_TRUE(pollKenwood());
    spot("JA1ABC", 14.025f);
    spot("W1AW", 7.040f);
    SpectrumMapLogic map(uses);
    ASSERT_EQ(shownCalls(map), (std::vector<std::string>{"W1AW", "JA1ABC"}));

    const SpectrumMapClick click = map.lblDXSpot_MouseDown(48, Button::Right);
    EXPECT_EQ(click.callChosen, "JA1ABC");
    EXPECT_NE(link.written.find("FA00014025000;"), std::string::npos) << link.written;
    EXPECT_TRUE(map.state().closed);
    EXPECT_EQ(store.slot(48).frequencyMHz, 14.025f) << "the spot stays in the store";

    link.written.clear();
    EXPECT_FALSE(map.lblDXSpot_MouseDown(49, Button::Right).callChosen) << "the map is closed";
    EXPECT_EQ(link.written, "");
}

TEST_F(SpectrumMapLogicTest, ClicksWhileTheRadioIsTunedAreDroppedAndArrivalsRedraw) {
    ASSERT_TRUE(pollKenwood());
    spot("JA1ABC", 14.025f);
    SpectrumMapLogic map(uses);
    bool clicked = false;
    wait.onEvents = [&] {
        if (clicked) {
            return;
        }
        clicked = true;
        EXPECT_FALSE(map.lblDXSpot_MouseDown(49, Button::Other).callChosen);
        spot("VP2ABC", 21.200f); // JA1ABC moves to slot 48
        map.redrawSpots();
    };
    EXPECT_EQ(map.lblDXSpot_MouseDown(49, Button::Right).callChosen, "JA1ABC");
    EXPECT_TRUE(clicked);
    EXPECT_EQ(store.slot(48).frequencyMHz, 14.025f) << "the click inside was dropped";
    EXPECT_EQ(shownCalls(map), (std::vector<std::string>{"VP2ABC", "JA1ABC"}));
}

TEST_F(SpectrumMapLogicTest, AnyOtherClickRemovesTheSpotAndRedraws) {
    ASSERT_TRUE(pollKenwood());
    spot("JA1ABC", 14.025f);
    spot("W1AW", 7.040f);
    SpectrumMapLogic map(uses);
    int redraws = 0;
    map.setChangedHandler([&] { ++redraws; });

    EXPECT_FALSE(map.lblDXSpot_MouseDown(49, Button::Other).callChosen);
    EXPECT_EQ(store.slot(49).frequencyMHz, 0.0f) << "gone from the main band map too";
    EXPECT_EQ(shownCalls(map), std::vector<std::string>{"JA1ABC"});
    EXPECT_EQ(redraws, 1);
    EXPECT_FALSE(map.state().closed);
    EXPECT_EQ(link.written, "") << "the radio is not tuned";

    EXPECT_FALSE(map.lblDXSpot_MouseDown(49, Button::Right).callChosen) << "no label there now";
    EXPECT_FALSE(map.lblDXSpot_MouseDown(50, Button::Other).callChosen);
    EXPECT_EQ(link.written, "");
    EXPECT_EQ(redraws, 1);
}

TEST_F(SpectrumMapLogicTest, ASpotAnHourOldIsGoneAndSoIsEveryOlderOne) {
    profile.utcOffsetHours = 5;
    spot("JA1ABC", 14.025f); // 09:00:00 local
    clock.advance(60'000);
    spot("W1AW", 7.040f); // 09:01:00
    clock.advance(59 * 60'000);
    SpectrumMapLogic map(uses); // 10:00:00
    ASSERT_EQ(shownCalls(map), std::vector<std::string>{"W1AW"});
    const SpotLabel& silver = map.state().layout.labels[0];
    EXPECT_EQ(silver.colour, rgb(192, 192, 192)) << "59 minutes old";
    EXPECT_EQ(silver.tip, "W1AW  7.040  14:01:00") << "stored time in UTC";
    EXPECT_EQ(silver.row, 2);

    clock.advance(60'000);
    map.Form_Activate();
    EXPECT_TRUE(shownCalls(map).empty()) << "an hour old at the redraw";

    // A spot stored before the clock was set back is older by its slot, whatever
    // its time says.
    spot("VP2ABC", 21.200f);              // 10:01:00
    clock.setLocal(2007, 1, 13, 8, 0, 0); // set back
    spot("K1TTT", 28.400f);               // 08:00:00
    clock.setLocal(2007, 1, 13, 9, 0, 0);
    map.redrawSpots();
    EXPECT_TRUE(shownCalls(map).empty()) << "K1TTT is an hour old, VP2ABC lies behind it";
}

} // namespace
} // namespace qv
