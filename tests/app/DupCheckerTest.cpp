#include "Form1Fixture.h"

namespace qv {
namespace {

using test::contact;
using test::Form1Fixture;

class DupCheckerTest : public Form1Fixture {
protected:
    void enterContact(const char* call, const char* spc = "CT") {
        ui.txtCall.setText(call);
        ui.txtCntry.setText(spc);
        ui.txtRSTR.setText("M");
        ui.txtSec.setText("Bob");
        press(EntryField::Name, keys::kEnter);
    }
};

TEST_F(DupCheckerTest, SameCallSameBandIsRefusedWithItsMessage) {
    std::vector<ContactRecord> records(11, contact("K9ZZZ", "IL", 10, "20"));
    records.push_back(contact("W1AW", "CT", 10, "40"));
    givenLog(records);
    startLogging();
    const std::string before = onDisk();
    enterContact("w1aw");
    EXPECT_EQ(ui.lblDialog, "Duplicate W1AW 2007/01/13 14:22:05  Rec#  12");
    EXPECT_EQ(ui.lblDialogBack, kStatusRed);
    EXPECT_EQ(ui.txtCall.text, "");
    EXPECT_EQ(ui.txtCntry.text, "");
    EXPECT_EQ(ui.focus, EntryField::Call);
    EXPECT_EQ(onDisk(), before);
    EXPECT_EQ(voice.words, std::vector<std::string>{"Dupe"});
}

TEST_F(DupCheckerTest, TheModeIsNotCompared) {
    auto cw = contact("W1AW");
    cw.mode = "CW";
    givenLog({cw});
    startLogging();
    enterContact("W1AW");
    EXPECT_EQ(log.size(), 1u);
    EXPECT_EQ(ui.lblDialog.rfind("Duplicate W1AW", 0), 0u);
}

TEST_F(DupCheckerTest, AnotherBandPrefillsFromTheEarliestContactAndLogs) {
    auto first = contact("W1AW", "CT", 10, "80");
    first.name = "Hiram";
    first.category = "O";
    auto second = contact("W1AW", "MA", 10, "20");
    second.name = "Other";
    givenLog({first, second});
    startLogging();
    ui.txtCall.setText("W1AW");
    main.entry().left(EntryField::Call);
    EXPECT_EQ(ui.txtSec.text, "Hiram");
    EXPECT_EQ(ui.txtCntry.text, "CT");
    EXPECT_EQ(ui.txtRSTR.text, "O");
    EXPECT_EQ(ui.txtSec.selLength, 5u);
    press(EntryField::Name, keys::kEnter);
    EXPECT_EQ(log.size(), 3u);
    EXPECT_EQ(log.record(3).points, 1);
}

TEST_F(DupCheckerTest, PartialListNewestMatchFirst) {
    givenLog({contact("W1AW"), contact("K2XX"), contact("W1XX"), contact("W1ZZ", "CT", 10, "20")});
    startLogging();
    type(EntryField::Call, "W1");
    EXPECT_EQ(ui.lblDupe, "W1XX W1AW ");
    EXPECT_TRUE(ui.lblDupeTeal);
    type(EntryField::Call, "A");
    EXPECT_EQ(ui.lblDupe, "W1AW ");
    type(EntryField::Call, "W");
    EXPECT_EQ(ui.lblDialog, "Possible Duplicate!"); // the field already held more than 2
    type(EntryField::Call, "Q");
    EXPECT_EQ(ui.lblDupe, "");
    EXPECT_FALSE(ui.lblDupeTeal);
}

TEST_F(DupCheckerTest, PartialListStopsPastAHundredCharacters) {
    std::vector<ContactRecord> records;
    for (int i = 0; i < 40; ++i) {
        records.push_back(contact("W1A" + std::to_string(10 + i)));
    }
    givenLog(records);
    startLogging();
    type(EntryField::Call, "W1");
    EXPECT_GT(ui.lblDupe.size(), 100u);
    EXPECT_LT(ui.lblDupe.size(), 110u);
}

TEST_F(DupCheckerTest, WithThePartialDisplayOffNothingIsListed) {
    givenLog({contact("W1AW")});
    startLogging();
    main.dupes().cmdDup_Click();
    EXPECT_FALSE(ui.partialDupesOn);
    type(EntryField::Call, "W1AW");
    EXPECT_EQ(ui.lblDupe, "");
    EXPECT_NE(ui.lblDialog, "Possible Duplicate!");
}

TEST_F(DupCheckerTest, KeysAreHeldForThreeSecondsAfterADuplicate) {
    givenLog({contact("W1AW")});
    startLogging();
    clock.advance(10000);
    ui.txtCall.setText("W1AW");
    main.entry().left(EntryField::Call); // the duplicate
    ASSERT_TRUE(main.hold().flagged());
    clock.advance(1000);
    press(EntryField::Call, 'k');
    EXPECT_TRUE(ui.inputBlocked);
    EXPECT_EQ(ui.txtCall.text, "");
    press(EntryField::Call, 'x'); // typed during the hold: lost
    clock.advance(1999);
    EXPECT_TRUE(ui.inputBlocked) << "three seconds after the duplicate, not before";
    clock.advance(1);
    EXPECT_FALSE(ui.inputBlocked);
    EXPECT_FALSE(main.hold().flagged());
    EXPECT_EQ(ui.txtCall.text, "K");
    // After the hold, keys go straight in.
    press(EntryField::Call, '1');
    EXPECT_EQ(ui.txtCall.text, "K1");
}

TEST_F(DupCheckerTest, ListPreviousContactsShowsEveryEarlierContactOfTheCall) {
    givenLog({contact("W1AW", "CT", 10, "80"), contact("K1A"), contact("W1AW", "CT", 10, "20")});
    prefs.listPreviousContacts = 1;
    startLogging();
    ui.txtCall.setText("W1AW");
    main.entry().left(EntryField::Call);
    ASSERT_EQ(ui.recent.size(), 2u);
    EXPECT_EQ(ui.recent.rows()[0].columns[0], "1");
    EXPECT_EQ(ui.recent.rows()[1].columns[0], "3");
}

} // namespace
} // namespace qv
