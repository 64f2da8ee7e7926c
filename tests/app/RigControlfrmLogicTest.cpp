// The rig interface window's logic: what choosing a radio sets, what loading the
// settings restores, Test, End Test and Done, and the main window following the
// radio's band.

#include "app/RigControlfrmLogic.h"

#include "Form1Fixture.h"
#include "rig/RadioTable.h"

namespace qv::test {
namespace {

using C = RigControlfrmControl;
using G = RigOptionGroup;

int radioIndex(std::string_view rigType) {
    for (std::size_t i = 0; i < kRadios.size(); ++i) {
        if (kRadios[i].rigType == rigType) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

struct Opened : RigWindows {
    std::vector<std::string> calls;
    void showRigWindowModally() override { calls.push_back("rig window"); }
    void showFrequencyTest() override { calls.push_back("frequency test"); }
};

class RigControlfrmLogicTest : public Form1Fixture {
protected:
    RigControlfrmLogic& rig = program.rigWindow;
    Opened opened;
    void SetUp() override { rig.setWindows(&opened); }
    const RigControlfrmState& s() { return rig.state(); }
};

TEST_F(RigControlfrmLogicTest, ChoosingARadioSetsItsRowAndNothingElse) {
    rig.show();
    rig.List1Click(radioIndex("Kenwood 2"));
    EXPECT_EQ(s()[C::txtFreq].text, "IF;");
    EXPECT_EQ(s()[C::txtMode].text, "");
    EXPECT_EQ(s().option(G::Baud), 2) << "4.8";
    EXPECT_EQ(s().option(G::Data), 1) << "8";
    EXPECT_EQ(s().option(G::Stop), 1) << "2";
    EXPECT_EQ(s().option(G::Parity), 1) << "None";
    EXPECT_EQ(program.rig.config().frequencyQuery, "IF;");

    rig.optionClick(G::Parity, 2); // Even
    rig.optionClick(G::Stop, 0);
    rig.List1Click(radioIndex("Yaesu FTdx9000"));
    EXPECT_EQ(s().option(G::Baud), 2);
    EXPECT_EQ(s().option(G::Parity), 2) << "left as it was";
    EXPECT_EQ(s().option(G::Stop), 0) << "left as it was";
    EXPECT_EQ(s()[C::txtMode].text, "MD0;");

    rig.List1Click(radioIndex("Icom"));
    EXPECT_TRUE(s().label10Shown);
    EXPECT_TRUE(s().convToHex);
    EXPECT_TRUE(s().convFromHex) << "follows Convert to Hex";
    EXPECT_FALSE(s().convToHexEnabled);
    rig.chkConvToHexClick(false);
    EXPECT_TRUE(s().convToHex) << "a built-in radio's value stands";

    rig.List1Click(radioIndex("Other"));
    EXPECT_FALSE(s().label10Shown);
    EXPECT_TRUE(s().convToHexEnabled);
    EXPECT_FALSE(s().convToHex);
    rig.chkConvToHexClick(true);
    EXPECT_TRUE(program.rig.config().convertToHex);

    for (const char* quiet : {"None", "Ten Tec Pegasus"}) {
        const auto before = s().options;
        rig.List1Click(radioIndex(quiet));
        EXPECT_EQ(s()[C::txtFreq].text, "") << quiet;
        EXPECT_EQ(s().options, before) << quiet;
    }
}

TEST_F(RigControlfrmLogicTest, LoadingRestoresTheFileWithoutTheRadiosDefaults) {
    files.files["RigCntrl.txt"] =
        "\"9600 \"\r\n\"N\"\r\n\"8\"\r\n\"1\"\r\n\"\"\r\n\"FE FE 5C E0 03 FD\"\r\n"
        "\"9600,N,8,1\"\r\n3\r\n\"D\"\r\n\"F\"\r\n\"Icom\"\r\n1\r\n0\r\n2\r\n";
    rig.ensureLoaded();
    EXPECT_EQ(s().listIndex, radioIndex("Icom"));
    EXPECT_EQ(s()[C::txtFreq].text, "FE FE 5C E0 03 FD") << "not the radio's default";
    EXPECT_EQ(s()[C::txtMode].text, "");
    EXPECT_EQ(s().option(G::Comm), 2);
    EXPECT_EQ(s().option(G::Baud), 3);
    EXPECT_EQ(s().option(G::Power), 2);
    EXPECT_EQ(s().option(G::Poll), 0);
    EXPECT_TRUE(s().convToHex);
    EXPECT_FALSE(s().useFrequency);
    EXPECT_EQ(s().modeBy, 2);
    EXPECT_TRUE(s().label10Shown);
}

TEST_F(RigControlfrmLogicTest, AnUnknownRadioOrNoFileKeepsWhatTheMainWindowHad) {
    prefs.rigType = "Kenwood";
    rig.ensureLoaded();
    EXPECT_EQ(program.rig.config().rigType, "Kenwood") << "no file: the preferences' radio";
    EXPECT_EQ(s().option(G::Baud), 8) << "the defaults: 56k";
}

TEST_F(RigControlfrmLogicTest, AFileNamingAnUnknownRadioSelectsNoEntry) {
    files.files["RigCntrl.txt"] =
        "\"4800 "
        "\"\r\n\"N\"\r\n\"8\"\r\n\"2\"\r\n\"\"\r\n\"FA;\"\r\n\"4800,N,8,2\"\r\n1\r\n\"N\"\r\n"
        "\"M\"\r\n\"Kenwood TS-999\"\r\n0\r\n1\r\n1\r\n";
    rig.ensureLoaded();
    EXPECT_EQ(s().listIndex, -1);
    EXPECT_EQ(program.rig.config().rigType, "Kenwood TS-999");
}

TEST_F(RigControlfrmLogicTest, TestPollsAndDoneKeepsTheSettings) {
    int saves = 0;
    rig.setSavePreferences([&] { ++saves; });
    rig.show();
    rig.Command1Click();
    EXPECT_EQ(rigLink.opens, 0) << "None opens no port";
    EXPECT_FALSE(program.rig.polling());

    rig.List1Click(radioIndex("Kenwood"));
    rig.optionClick(G::Comm, 1);
    rig.Command1Click();
    EXPECT_TRUE(program.rig.polling());
    EXPECT_EQ(rigLink.portNumber, 2);
    EXPECT_EQ(rig.readout().frequency, "No Response");
    EXPECT_TRUE(s().endTestEnabled);
    EXPECT_TRUE(s().pollingShown);

    rig.optionClick(G::Poll, 2); // any option ends the test
    EXPECT_FALSE(program.rig.polling());
    EXPECT_FALSE(s().endTestEnabled);

    rig.cmdDoneClick();
    EXPECT_TRUE(program.rig.polling()) << "Done tests the radio";
    EXPECT_FALSE(s().visible);
    EXPECT_EQ(prefs.rigType, "Kenwood");
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(
        files.files["RigCntrl.txt"],
        "\"4800 \"\r\n\"N\"\r\n\"8\"\r\n\"2\"\r\n\"MD;\"\r\n\"FA;\"\r\n\"4800,N,8,2\"\r\n2\r\n"
        "\"N\"\r\n\"S\"\r\n\"Kenwood\"\r\n0\r\n1\r\n1\r\n");
}

TEST_F(RigControlfrmLogicTest, AFailedTestShowsTheHiddenWindowSoTheOperatorCanMendIt) {
    prefs.rigType = "kenwood 2"; // any case names a radio at start-up
    files.files["RigCntrl.txt"] =
        "\"4800 "
        "\"\r\n\"N\"\r\n\"8\"\r\n\"2\"\r\n\"\"\r\n\"IF;\"\r\n\"4800,N,8,2\"\r\n1\r\n\"N\"\r\n"
        "\"M\"\r\n\"Kenwood 2\"\r\n0\r\n1\r\n1\r\n";
    rigLink.refuseOpen = "no such port";
    rig.startUp();
    EXPECT_EQ(opened.calls, std::vector<std::string>{"rig window"});
    EXPECT_FALSE(s().endTestEnabled);
    EXPECT_FALSE(s().pollingShown);

    rig.show();
    rig.Command1Click();
    EXPECT_EQ(opened.calls.size(), 1u) << "already visible";
    rig.Command3Click();
    ASSERT_FALSE(dialogs.shown.empty());
    EXPECT_EQ(dialogs.shown.back().title, "You must be polling your rig to test this function.");

    rigLink.refuseOpen.reset();
    rig.Command1Click();
    rig.Command3Click();
    EXPECT_EQ(opened.calls.back(), "frequency test");
}

TEST_F(RigControlfrmLogicTest, TheUnprocessedReplyGoesToTheClipboard) {
    rig.show();
    rig.List1Click(radioIndex("Kenwood"));
    rig.Command1Click();
    rigLink.feed("FA00007030000;");
    clock.advance(250);
    rig.Command4Click();
    EXPECT_EQ(clipboard.calls, (std::vector<std::string>{"clear", "FA00007030000;"}));
    EXPECT_EQ(s().focus, C::cmdDone);
}

TEST_F(RigControlfrmLogicTest, TheLoggingBandFollowsTheRadio) {
    givenLog({});
    op.currentBand = "40";
    startLogging();
    rig.List1Click(radioIndex("Kenwood"));
    rig.Command1Click();
    rigLink.feed("FA00014025000;MD2;");
    clock.advance(250);
    EXPECT_EQ(op.currentBand, "20");
    EXPECT_EQ(op.currentFrequency, "14.025");

    rigLink.feed("FA00010125000;MD2;");
    clock.advance(500);
    EXPECT_EQ(op.currentBand, "20") << "30 m is no band of the log";
    EXPECT_EQ(op.currentFrequency, "10.125");

    logContact("W1AW", "CT", "M", "John");
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log.record(1).frequency, "10.125");
    EXPECT_EQ(log.record(1).band, "20");
}

} // namespace
} // namespace qv::test
