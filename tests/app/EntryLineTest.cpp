#include "Form1Fixture.h"

namespace qv {
namespace {

using test::Form1Fixture;

class EntryLineTest : public Form1Fixture {};

TEST_F(EntryLineTest, CallFieldCapitalisesDropsQuotesAndMovesOnWithSpace) {
    startLogging();
    type(EntryField::Call, "w1\"aw");
    EXPECT_EQ(ui.txtCall.text, "W1AW");
    press(EntryField::Call, keys::kSpace);
    EXPECT_EQ(ui.txtCall.text, "W1AW");
    EXPECT_EQ(ui.focus, EntryField::Spc);
    EXPECT_EQ(ui.label19, "NA"); // the lookup ran on every change
}

TEST_F(EntryLineTest, CallShapeHint) {
    startLogging();
    const struct {
        const char* call;
        bool hint;
    } cases[] = {{"K1A", false}, {"KAA", true}, {"K/A", false}, {"KA1", false}, {"4X1", false}};
    for (const auto& c : cases) {
        main.entry().cmdClear_Click();
        beeper.beeps = 0;
        type(EntryField::Call, c.call);
        EXPECT_EQ(ui.lblDialog == "The second or third character is not numeric!", c.hint)
            << c.call;
        EXPECT_EQ(beeper.beeps, c.hint ? 1 : 0) << c.call;
        EXPECT_EQ(ui.txtCall.text, c.call); // accepted either way
    }
}

TEST_F(EntryLineTest, WithTheClockStoppedEveryKeyAsksForTimeOn) {
    files.files["Quorvpref.txt"] = *formatPreferences(profile, prefs, op);
    ASSERT_EQ(main.start(), Form1Logic::Started::Ready);
    type(EntryField::Call, "W1");
    EXPECT_EQ(ui.lblDialog, "Click Log \"Time On\"!");
    EXPECT_EQ(beeper.beeps, 2);
}

TEST_F(EntryLineTest, LookupFillsCountryContinentBearingAndDistance) {
    profile.ownLatitude = 40;
    profile.ownLongitude = 75;
    startLogging();
    type(EntryField::Call, "DL1ABC");
    EXPECT_EQ(ui.txtCntry.text, "Germany");
    EXPECT_EQ(ui.txtCntry.selLength, 7u);
    EXPECT_EQ(ui.label19, "EU");
    EXPECT_FALSE(ui.label22.empty());
    EXPECT_FALSE(ui.label23.empty());
    EXPECT_TRUE(ui.label3Visible); // a DX entity not yet worked
    // Back to one character: the next key empties SPC and labels first.
    ui.txtCall.setText("D");
    press(EntryField::Call, 'X');
    EXPECT_EQ(ui.txtCall.text, "DX");
    EXPECT_EQ(ui.label22, "");
}

TEST_F(EntryLineTest, LeavingTheCallFieldFillsCanadianDefaultsAndTheDefaultCategory) {
    prefs.defaultCategory = "L";
    startLogging();
    const struct {
        const char* call;
        const char* spc;
    } cases[] = {{"VE3ABC", "ON"}, {"VE2AA", "QU"}, {"VY2ZZ", "PE"}, {"VO1AA", "NF"},
                 {"VO2AA", "LB"},  {"ve7xy", "BC"}, {"W1AW", ""}};
    for (const auto& c : cases) {
        main.entry().cmdClear_Click();
        ui.txtCall.setText(c.call);
        main.entry().left(EntryField::Call);
        EXPECT_EQ(ui.txtCntry.text, c.spc) << c.call;
        EXPECT_EQ(ui.txtCntry.selLength, ui.txtCntry.text.size());
        EXPECT_EQ(ui.txtRSTR.text, "L");
        EXPECT_EQ(ui.txtRSTR.selLength, 1u);
    }
}

TEST_F(EntryLineTest, GreetingCallsLightTheStatusLine) {
    startLogging();
    ui.txtCall.setText("zorvik");
    main.entry().left(EntryField::Call);
    EXPECT_EQ(ui.lblDialogBack, kGreetingCyan);
    EXPECT_FALSE(ui.lblDialog.empty());
    EXPECT_EQ(beeper.beeps, 1);
}

TEST_F(EntryLineTest, SpcCompletesCountryNames) {
    startLogging();
    ui.txtCall.setText("W1AW");
    type(EntryField::Spc, "GE");
    EXPECT_EQ(ui.txtCntry.text, "GE");
    press(EntryField::Spc, 'r');
    EXPECT_EQ(ui.txtCntry.text, "Germany"); // GE + r reads Ger, completed
    EXPECT_EQ(ui.txtCntry.selStart, 3u);
    EXPECT_EQ(ui.txtCntry.selLength, 4u);
    EXPECT_EQ(ui.label19, "EU");
    press(EntryField::Spc, 'm');
    EXPECT_EQ(ui.txtCntry.text, "Germany");
    EXPECT_EQ(ui.txtCntry.selStart, 4u);

    // A key at position 0 replaces the looked-up country.
    ui.txtCntry.setText("Germany");
    ui.txtCntry.selectAll();
    type(EntryField::Spc, "ct");
    EXPECT_EQ(ui.txtCntry.text, "CT");
    // Space with nothing matched moves on; at position 0 too.
    press(EntryField::Spc, keys::kSpace);
    EXPECT_EQ(ui.focus, EntryField::Category);
}

TEST_F(EntryLineTest, CategoryHoldsOneLetterAndTheNextStartsTheName) {
    startLogging();
    press(EntryField::Category, 'm');
    EXPECT_EQ(ui.txtRSTR.text, "M");
    press(EntryField::Category, 'j');
    EXPECT_EQ(ui.txtRSTR.text, "M");
    EXPECT_EQ(ui.txtSec.text, "J");
    EXPECT_EQ(ui.txtSec.caret(), 1u);
    EXPECT_EQ(ui.focus, EntryField::Name);
    type(EntryField::Name, "ohn");
    EXPECT_EQ(ui.txtSec.text, "John");
    press(EntryField::Category, keys::kSpace);
    EXPECT_EQ(ui.focus, EntryField::Name);
}

TEST_F(EntryLineTest, NameCapitalisesOnlyItsFirstCharacter) {
    startLogging();
    type(EntryField::Name, "mary\"Ann");
    EXPECT_EQ(ui.txtSec.text, "MaryAnn");
}

TEST_F(EntryLineTest, APasteCannotBringInAQuote) {
    startLogging();
    ui.txtSec.text = "Jo\"hn";
    main.entry().edited(EntryField::Name);
    EXPECT_EQ(ui.txtSec.text, "John");
}

TEST_F(EntryLineTest, ClearEmptiesTheLine) {
    startLogging();
    type(EntryField::Call, "DL1ABC");
    ui.lblDialogBack = kStatusRed;
    main.entry().cmdClear_Click();
    EXPECT_EQ(ui.txtCall.text, "");
    EXPECT_EQ(ui.txtCntry.text, "");
    EXPECT_EQ(ui.label19, "");
    EXPECT_EQ(ui.lblDialogBack, kStatusTeal);
    EXPECT_EQ(ui.focus, EntryField::Call);
}

TEST_F(EntryLineTest, MultiplierLabelsFillTheSpcAndShowTheirTotal) {
    givenLog({test::contact("W2A", "NY"), test::contact("W2B", "ny"), test::contact("W1A", "CT")});
    startLogging();
    main.entry().multiplierClicked(7);
    EXPECT_EQ(ui.txtCntry.text, "NY");
    main.entry().multiplierHovered(7);
    EXPECT_EQ(ui.lblDupe, "  New York    Total = 2");
    EXPECT_TRUE(ui.lblDupeSmall);
    main.entry().backgroundHovered();
    EXPECT_EQ(ui.lblDupe, "");
}

TEST_F(EntryLineTest, NavigationSpeaksFieldNames) {
    prefs.navigationMode = 2;
    startLogging();
    voice.words.clear();
    for (EntryField f :
         {EntryField::Call, EntryField::Spc, EntryField::Category, EntryField::Name}) {
        main.entry().entered(f);
    }
    EXPECT_EQ(voice.words, (std::vector<std::string>{"Call", "SPC", "Class", "Name"}));
}

} // namespace
} // namespace qv
