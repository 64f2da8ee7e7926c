// Spots as the main window shows them: the spot routine with its own-call
// alert, the strip's layout switch, the band map's labels and the mouse on them,
// and the spot list's click.

#include "Form1Fixture.h"

namespace qv::test {
namespace {

const char* const kLine = "DX de K1TTT:     14025.0  JA1ABC       CQ CQ                   1234Z";

class SpotDisplayTest : public Form1Fixture {
protected:
    std::vector<std::pair<std::string, bool>> picked;

    void SetUp() override {
        startLogging();
        program.spotDisplay.setCallPicker(
            [this](const std::string& call, bool tab) { picked.emplace_back(call, tab); });
        ASSERT_EQ(main.selectBand("20"), Outcome::Continue);
    }
    void spot(const char* khz, const char* call, const char* text = kLine) {
        program.spotReceiver.addSpot(khz, call, text);
    }
    void pollKenwood() {
        RigConfig& c = program.rig.config();
        c.rigType = "Kenwood";
        c.frequencyQuery = "FA;";
        c.modeQuery = "MD;";
        c.settingsText = "4800,N,8,2";
        ASSERT_TRUE(program.rig.startPolling());
        rigLink.written.clear();
    }
    const SpotDisplayState& strip() const { return program.spotDisplay.state(); }
};

TEST_F(SpotDisplayTest, TheStripAppearsSwitchesAndGoesAwayWithTheKind) {
    EXPECT_FALSE(strip().listShown || strip().bandMapShown);
    program.spotDisplay.layOut("None", false);
    EXPECT_FALSE(strip().listShown || strip().bandMapShown);
    program.spotDisplay.layOut("Telnet", true);
    EXPECT_TRUE(strip().listShown);
    program.spotDisplay.layOut("Telnet", false);
    EXPECT_TRUE(strip().bandMapShown);
    EXPECT_FALSE(strip().listShown);
    program.spotDisplay.layOut("None", false);
    EXPECT_FALSE(strip().listShown || strip().bandMapShown);
}

TEST_F(SpotDisplayTest, SpotsOnTheBandMapZoomTheScaleAndAgeAway) {
    program.spotDisplay.layOut("Telnet", false);
    spot("14025.0", "JA1ABC");
    spot("14195.0", "DL1XYZ");
    spot("7025.0", "EA3AAA"); // another band: not on this map
    const BandMapLayout& map = strip().layout;
    EXPECT_EQ(map.scale.marks,
              (std::array<std::string, 5>{"14.024", "14.067", "14.110", "14.153", "14.196"}));
    ASSERT_EQ(map.labels.size(), 2u);
    EXPECT_EQ(map.labels[0].caption, "DL1");
    EXPECT_EQ(map.labels[1].caption, "JA1");
    EXPECT_EQ(program.spotList.rows().size(), 3u);

    // An hour later the band map is empty at the next redraw; the list keeps its rows.
    clock.local = clock.local.addSeconds(3600);
    program.spotDisplay.redraw();
    EXPECT_TRUE(strip().layout.labels.empty());
    EXPECT_EQ(program.spotList.rows().size(), 3u);
}

TEST_F(SpotDisplayTest, TheMouseOnALabelTunesRemovesOrExplains) {
    pollKenwood();
    program.spotDisplay.layOut("Telnet", false);
    spot("14025.0", "JA1ABC");
    spot("14195.0", "DL1XYZ");

    program.spotDisplay.labelHovered(49);
    EXPECT_EQ(ui.lblDupe.substr(0, 15), "DL1XYZ  14.195 ");

    program.spotDisplay.labelRightClicked(48);
    EXPECT_NE(rigLink.written.find("FA00014025000;"), std::string::npos) << rigLink.written;
    ASSERT_EQ(picked.size(), 1u);
    EXPECT_EQ(picked[0], (std::pair<std::string, bool>{"JA1ABC", true}));

    program.spotDisplay.labelClicked(48);
    ASSERT_EQ(strip().layout.labels.size(), 1u);
    EXPECT_EQ(strip().layout.labels[0].slot, 49u);
}

TEST_F(SpotDisplayTest, AListClickTunesOnlyAConfiguredRadioAndFillsTheCall) {
    pollKenwood();
    program.spotDisplay.layOut("Telnet", true);
    spot("14025.0", "JA1ABC");
    prefs.rigType = "None";
    program.spotDisplay.listClicked(0);
    EXPECT_TRUE(rigLink.written.empty());
    ASSERT_EQ(picked.size(), 1u);
    EXPECT_EQ(picked[0], (std::pair<std::string, bool>{"JA1ABC", false}));
    prefs.rigType = "Kenwood";
    program.spotDisplay.listClicked(0);
    EXPECT_NE(rigLink.written.find("FA00014025000;"), std::string::npos);
    program.spotDisplay.listClicked(5); // no such row
    EXPECT_EQ(picked.size(), 2u);
}

TEST_F(SpotDisplayTest, ASpotOfTheOwnCallIsAnnouncedEvenWithoutAFrequency) {
    profile.ownCall = "W1AW";
    beeper.beeps = 0;
    spot("announce", "w1aw", "DX de K1TTT: W1AW is QRV");
    EXPECT_EQ(beeper.beeps, 1);
    EXPECT_EQ(ui.lblDialog, "You've been spotted! ");
    EXPECT_EQ(ui.lblDupe, "You've been spotted!  DX de K1TTT: W1AW is QRV");
    EXPECT_TRUE(ui.lblDupeWhite);
    EXPECT_TRUE(program.spotList.rows().empty());
    EXPECT_EQ(program.spots.slot(49).call, "");
}

} // namespace
} // namespace qv::test

namespace qv::test {
namespace {

TEST_F(SpotDisplayTest, AChosenSpotFillsTheCallAsIfTyped) {
    main.entry().entered(EntryField::Call);
    main.putCall("JA1ABC");
    main.entry().left(EntryField::Call);
    main.entry().entered(EntryField::Spc);
    EXPECT_EQ(ui.txtCall.text, "JA1ABC");
    EXPECT_EQ(ui.txtCntry.text, "Japan");
}

} // namespace
} // namespace qv::test
