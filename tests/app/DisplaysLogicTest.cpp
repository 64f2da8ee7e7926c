// The logic of the display windows: the rate graph's schemes and its refusal
// of a short log, the colour window's choosers, and the map window's hover
// texts, hint and painting.

#include "app/Form6Logic.h"
#include "app/GraphQSOLogic.h"
#include "app/SectionMapLogic.h"
#include "core/MultiplierTable.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeDialogs.h"
#include "fakes/Records.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

ContestLog logOf(int contacts) {
    ContestLog log;
    for (int i = 0; i < contacts; ++i) {
        const std::string time = "14:" + std::to_string(10 + i) + ":00";
        EXPECT_TRUE(log.append(test::contact("K1ABC", "ON", 10, "20", time)));
    }
    return log;
}

TEST(GraphQSOLogic, FewerThanSevenContactsShowTheBoxEachTimeItDraws) {
    const ContestLog log = logOf(6);
    test::FakeDialogs dialogs;
    GraphQSOLogic graph({log, dialogs});
    graph.Form_Load();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, "Not Enough Contacts to Graph.");
    EXPECT_EQ(dialogs.shown[0].text,
              "The graph will not display with less than 7 contacts.  The graph becomes more "
              "meaningful as several hours of contest logging are accumulated.");
    graph.Command1_Click();
    EXPECT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(graph.state().graph.reached, RateGraph::Reached::NotEnoughContacts);
}

TEST(GraphQSOLogic, TheButtonSwitchesSchemesAndTheGridTurnsFromGrey) {
    const ContestLog log = logOf(7);
    test::FakeDialogs dialogs;
    GraphQSOLogic graph({log, dialogs});
    graph.Form_Load();
    EXPECT_TRUE(dialogs.shown.empty());
    struct Scheme {
        const char* caption;
        Colour background, foreground, grid;
    };
    const Scheme schemes[] = {
        {"Black Background", kGraphBlack, kGraphWhite, kGraphGrey},
        {"White Background", kGraphWhite, kGraphBlack, kGraphBlack},
        {"Black Background", kGraphBlack, kGraphWhite, kGraphWhite},
    };
    for (const Scheme& s : schemes) {
        const GraphQSOState& st = graph.state();
        EXPECT_EQ(st.command1, s.caption);
        EXPECT_EQ(st.background, s.background) << s.caption;
        EXPECT_EQ(st.foreground, s.foreground) << s.caption;
        EXPECT_EQ(st.grid, s.grid) << s.caption;
        // Columns without a band take the background of the drawing.
        EXPECT_EQ(st.graph.colour[400], s.background);
        EXPECT_EQ(st.graph.reached, RateGraph::Reached::Complete);
        graph.Command1_Click();
    }
}

TEST(Form6Logic, AChosenColourBecomesThePreferenceAndCancelChangesNothing) {
    Preferences prefs;
    const Colour worked = prefs.workedColor;
    const Colour remaining = prefs.remainingColor;
    test::FakeDialogs dialogs;
    Form6Logic colours({prefs, dialogs});
    EXPECT_EQ(colours.state().workedSample, worked);
    EXPECT_EQ(colours.state().remainingSample, remaining);

    colours.Command3_Click(); // cancelled
    colours.Command1_Click(); // cancelled
    EXPECT_EQ(prefs.workedColor, worked);
    EXPECT_EQ(prefs.remainingColor, remaining);
    EXPECT_EQ(colours.state().workedSample, worked);
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].text, std::to_string(worked)) << "preselected";
    EXPECT_EQ(dialogs.shown[1].text, std::to_string(remaining)) << "preselected";

    dialogs.colourAnswers = {rgb(1, 2, 3), rgb(4, 5, 6)};
    colours.Command1_Click();
    colours.Command3_Click();
    EXPECT_EQ(prefs.remainingColor, rgb(1, 2, 3));
    EXPECT_EQ(prefs.workedColor, rgb(4, 5, 6));
    EXPECT_EQ(colours.state().remainingSample, rgb(1, 2, 3));
    EXPECT_EQ(colours.state().workedSample, rgb(4, 5, 6));
    EXPECT_FALSE(colours.state().closed);
    colours.Command6_Click();
    EXPECT_TRUE(colours.state().closed);
}

class SectionMapLogicTest : public ::testing::Test {
protected:
    SectionMapLogicTest() {
        const MultiplierTable table;
        for (std::size_t j = 0; j < score.multipliers.size(); ++j) {
            score.multipliers[j].caption = std::string(table.entry(j + 1).abbreviation);
            score.multipliers[j].background = prefs.remainingColor;
        }
    }
    void work(std::string_view code) {
        for (MultiplierLabel& l : score.multipliers) {
            if (l.caption == code) {
                l.background = prefs.workedColor;
            }
        }
    }
    // Black borders everywhere but a pixel of its own colour under each seed.
    static PixelImage islands() {
        PixelImage map(kMapWidth, kMapHeight, rgb(0, 0, 0));
        const auto& seeds = mapSeeds();
        for (std::size_t i = 0; i < seeds.size(); ++i) {
            map.at(seeds[i].x, seeds[i].y) = rgb(255, 255, static_cast<std::uint8_t>(i));
        }
        return map;
    }
    std::vector<std::string> changedSeeds(const SectionMapLogic& logic) const {
        const PixelImage before = islands();
        std::vector<std::string> codes;
        for (const MapSeed& s : mapSeeds()) {
            if (logic.state().map.at(s.x, s.y) != before.at(s.x, s.y)) {
                codes.emplace_back(s.code);
            }
        }
        return codes;
    }

    ContestLog log;
    ScorePanelView score;
    Preferences prefs;
    test::FakeClock clock;
    SectionMapLogic::Uses uses{log, score, prefs, clock, clock, [] { return 0.5; }};
};

TEST_F(SectionMapLogicTest, SeedsCarryTheirCodesAndTheHintGoesWithTheFirstContact) {
    {
        SectionMapLogic map(uses);
        map.Form_Load(islands());
        EXPECT_EQ(map.state().seedTips[0], "FL");
        EXPECT_EQ(map.state().seedTips[57], "ON");
        EXPECT_EQ(map.state().seedTips[70], "PE");
        EXPECT_TRUE(map.state().hintVisible);
    }
    ASSERT_TRUE(log.append(test::contact("VE3ABC", "ON")));
    SectionMapLogic map(uses);
    map.Form_Load(islands());
    EXPECT_FALSE(map.state().hintVisible);
}

TEST_F(SectionMapLogicTest, Timer1PaintsOnceAfterAMillisecondOnlyWhatWasWorked) {
    work("ON");
    work("NT");
    SectionMapLogic map(uses);
    int changes = 0;
    map.setChangedHandler([&] { ++changes; });
    map.Form_Load(islands());
    EXPECT_EQ(changes, 0);
    clock.advance(1);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(changedSeeds(map), (std::vector<std::string>{"ON", "NT", "NT", "NT", "NT", "NT"}));
    EXPECT_EQ(map.state().map.at(mapSeeds()[57].x, mapSeeds()[57].y), rgb(127, 127, 127));
    clock.advance(1000);
    EXPECT_EQ(changes, 1) << "one shot";
}

TEST_F(SectionMapLogicTest, WithBothColoursEqualEveryMultiplierIsPainted) {
    prefs.workedColor = prefs.remainingColor;
    SectionMapLogic map(uses);
    map.Form_Load(islands());
    clock.advance(1);
    // Every seed but PR and VI, which no multiplier names.
    EXPECT_EQ(changedSeeds(map).size(), 69u);
}

TEST_F(SectionMapLogicTest, EachOpeningDrawsNewColoursFromTheClock) {
    work("ON");
    uses.random = {};
    const auto paint = [&] {
        SectionMapLogic map(uses);
        map.Form_Load(islands());
        clock.advance(1);
        return map.state().map.at(mapSeeds()[57].x, mapSeeds()[57].y);
    };
    const Colour first = paint();
    const Colour second = paint();
    EXPECT_NE(first, second);
}

} // namespace
} // namespace qv
