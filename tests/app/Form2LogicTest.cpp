#include "app/Form2Logic.h"

#include "fakes/FakeBeeper.h"
#include "fakes/FakeDialogs.h"
#include "fakes/FakeSettingsStore.h"
#include "fakes/MemoryFileStore.h"
#include "reports/Golden.h"
#include "reports/ReportFixtures.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

std::string key(const char* k) {
    return std::string(kSettingsApplication) + "/" + kSettingsSection + "/" + k;
}

struct Sheet {
    ContestLog log;
    OperatingState totals;
    StationProfile profile;
    test::FakeSettingsStore settings;
    test::FakeDialogs dialogs;
    test::FakeBeeper beeper;
    test::MemoryFileStore files;
    Form2Logic logic{context()};
    Form2State& s = logic.state();

    Sheet() {
        profile.ownCall = "W1AW";
        profile.ownSpc = "CT";
        profile.ownCategory = "L";
    }
    Form2Context context() {
        return {log,     totals, profile, settings,
                dialogs, beeper, files,   "Velmark's Quorvane Log 1.5"};
    }
    void type(Form2Control f, std::string_view text) {
        for (char c : text) {
            logic.keyPressed(f, static_cast<unsigned char>(c));
        }
    }
};

TEST(Form2, LoadFillsTheRememberedFieldsAndTheOwnCall) {
    Sheet t;
    t.settings.values[key("UserAddressName")] = "Anne Smith";
    t.settings.values[key("UserAddressLine1")] = "12 Main Street";
    t.settings.values[key("UserAddressLine2")] = "Newington, CT 06111";
    t.settings.values[key("UserEMail")] = "anne@example.org";
    t.settings.values[key("UserClubName")] = "Quorvane Radio Club";
    t.s.Text11 = "left from before";
    t.logic.load();
    EXPECT_TRUE(t.s.visible);
    EXPECT_EQ(t.s[Form2Control::Text5].text, "Anne Smith");
    EXPECT_EQ(t.s[Form2Control::Text6].text, "12 Main Street");
    EXPECT_EQ(t.s[Form2Control::Text7].text, "Newington, CT 06111");
    EXPECT_EQ(t.s[Form2Control::Text8].text, "anne@example.org");
    EXPECT_EQ(t.s[Form2Control::Text1].text, "Quorvane Radio Club");
    EXPECT_EQ(t.s[Form2Control::Text2].text, "W1AW");
    EXPECT_EQ(t.s.Text11, "");
}

TEST(Form2, MissingKeysGiveEmptyFieldsAndStoredQuotesAreDropped) {
    Sheet t;
    t.settings.values[key("UserAddressName")] = "Anne \"Nan\" Smith";
    t.logic.load();
    EXPECT_EQ(t.s[Form2Control::Text5].text, "Anne Nan Smith");
    EXPECT_EQ(t.s[Form2Control::Text6].text, "");
    EXPECT_EQ(t.s[Form2Control::Text1].text, "");
}

TEST(Form2, KeyFilter) {
    const struct {
        Form2Control field;
        const char* typed;
        const char* text;
    } cases[] = {
        {Form2Control::Text2, "w1aw k1abc", "W1AW K1ABC"},
        {Form2Control::Text2, "jos\xE9", "JOS\xC9"},
        {Form2Control::Text2, "a\"b", "AB"},
        {Form2Control::Text5, "anne \"nan\"", "anne nan"},
        {Form2Control::Text6, "12 \"Main\" St", "12 Main St"},
        {Form2Control::Text7, "x\"", "x"},
        {Form2Control::Text8, "a@b.example", "a@b.example"},
        {Form2Control::Text1, "Club \"Q\"", "Club Q"},
    };
    for (const auto& c : cases) {
        Sheet t;
        t.logic.load();
        t.s[c.field].clear();
        t.type(c.field, c.typed);
        EXPECT_EQ(t.s[c.field].text, c.text) << c.typed;
    }
}

TEST(Form2, BackspaceEditsAndPastedQuotesAreRemoved) {
    Sheet t;
    t.logic.load();
    t.type(Form2Control::Text2, "x");
    EXPECT_EQ(t.s[Form2Control::Text2].text, "W1AWX");
    t.logic.keyPressed(Form2Control::Text2, keys::kBackspace);
    EXPECT_EQ(t.s[Form2Control::Text2].text, "W1AW");
    t.s[Form2Control::Text5].setText("pasted \"text\"");
    t.logic.edited(Form2Control::Text5);
    EXPECT_EQ(t.s[Form2Control::Text5].text, "pasted text");
}

TEST(Form2, SoapboxKeepsItsLinesWithoutQuotes) {
    Sheet t;
    t.logic.Text11Change("Great \"fun\"!\nSee you\r\nnext year.\r");
    EXPECT_EQ(t.s.Text11, "Great fun!\r\nSee you\r\nnext year.\r\n");
}

TEST(Form2, WriteCabrilloFileWritesStoresAndThanks) {
    Sheet t;
    t.log.assign(test::cabrilloFixtureLog());
    t.totals = test::totalsOf(t.log.records());
    t.profile.ownCall = " W1AW ";
    t.logic.load();
    EXPECT_EQ(t.s[Form2Control::Text2].text, " W1AW ");
    t.s[Form2Control::Text2].clear();
    t.type(Form2Control::Text2, "w1aw kb1xyz");
    t.type(Form2Control::Text1, "Quorvane Radio Club");
    t.type(Form2Control::Text5, "Anne Smith");
    t.type(Form2Control::Text6, "12 Main Street");
    t.type(Form2Control::Text7, "Newington, CT 06111");
    t.type(Form2Control::Text8, "anne@example.org");
    t.logic.Text11Change("Great fun!\nSee you next year.");

    ASSERT_TRUE(t.logic.Command4Click().ok());
    EXPECT_EQ(t.files.files["W1AW.log"], test::golden("W1AW.log"));
    EXPECT_EQ(t.beeper.beeps, 2);
    ASSERT_EQ(t.dialogs.shown.size(), 2u);
    EXPECT_EQ(t.dialogs.shown[0].title, "Log Written Successfully!");
    EXPECT_EQ(t.dialogs.shown[0].text,
              "The file W1AW.log has been written in your program's working directory /memory.  "
              "Attach this file to an email addressed to logs@quorvane-contest.example.  If you "
              "wish to print this file, you can open it with a text editor such as Windows "
              "Notepad.");
    EXPECT_EQ(t.dialogs.shown[1].title, "  Thanks!");
    EXPECT_EQ(t.dialogs.shown[1].text,
              "Thanks for using this program.  I hope that you enjoyed it!  If so, please tell a "
              "friend!\r\n\r\n73, and see you in next year's contest!\r\nQuorvane Youth Contest "
              "Committee");
    EXPECT_EQ(t.s.focus, Form2Control::Command3);
    EXPECT_TRUE(t.s.visible);
    EXPECT_EQ(t.settings.values[key("UserAddressName")], "Anne Smith");
    EXPECT_EQ(t.settings.values[key("UserAddressLine1")], "12 Main Street");
    EXPECT_EQ(t.settings.values[key("UserAddressLine2")], "Newington, CT 06111");
    EXPECT_EQ(t.settings.values[key("UserEMail")], "anne@example.org");
    EXPECT_EQ(t.settings.values[key("UserClubName")], "Quorvane Radio Club");
}

TEST(Form2, StoredFieldsAreTrimmed) {
    Sheet t;
    t.logic.load();
    t.type(Form2Control::Text5, "  Anne  ");
    t.type(Form2Control::Text1, " ");
    ASSERT_TRUE(t.logic.Command4Click().ok());
    EXPECT_EQ(t.settings.values[key("UserAddressName")], "Anne");
    EXPECT_EQ(t.settings.values[key("UserClubName")], "");
    // The file has the texts as typed: a blank club still gets its line.
    EXPECT_NE(t.files.files["W1AW.log"].find("\r\nNAME:   Anne  \r\n"), std::string::npos);
    EXPECT_NE(t.files.files["W1AW.log"].find("\r\nCLUB NAME:  \r\n"), std::string::npos);
}

TEST(Form2, CallThatIsNoFileNameGivesAsciiCabAndItsMessage) {
    Sheet t;
    t.profile.ownCall = "w1aw/p";
    t.logic.load();
    ASSERT_TRUE(t.logic.Command4Click().ok());
    ASSERT_EQ(t.files.files.count("ASCIICab.txt"), 1u);
    EXPECT_NE(t.files.files["ASCIICab.txt"].find("\r\nCALLSIGN: w1aw/p\r\n"), std::string::npos);
    ASSERT_FALSE(t.dialogs.shown.empty());
    EXPECT_EQ(t.dialogs.shown[0].text,
              "The file ASCIICab.txt has been written in your program's working directory "
              "/memory.  Using Windows Explorer, navigate to this file and rename it as "
              "yourcall.log (ex: W1AW.log).  Attach this file to an email addressed to "
              "logs@quorvane-contest.example.  If you wish to print this files, you can open it "
              "with a text editor such as Windows Notepad.");
}

TEST(Form2, FailedWriteIsQuietStoresNothingAndLeavesNoPartialFile) {
    Sheet t;
    t.files.files["W1AW.log"] = "the entry written yesterday";
    t.files.failWrites = true;
    t.settings.values[key("UserAddressName")] = "Old Name";
    t.logic.load();
    t.s[Form2Control::Text5].setText("New Name");
    t.s[Form2Control::Text1].setText("New Club");
    EXPECT_FALSE(t.logic.Command4Click().ok());
    EXPECT_TRUE(t.dialogs.shown.empty());
    EXPECT_EQ(t.beeper.beeps, 0);
    EXPECT_EQ(t.s.focus, Form2Control::Text5);
    EXPECT_EQ(t.settings.values[key("UserAddressName")], "Old Name");
    EXPECT_EQ(t.settings.values.count(key("UserClubName")), 0u);
    EXPECT_EQ(t.files.files["W1AW.log"], "the entry written yesterday");
}

TEST(Form2, DoneHidesWithoutStoring) {
    Sheet t;
    t.logic.load();
    t.s[Form2Control::Text5].setText("Anne");
    t.logic.Command3Click();
    EXPECT_FALSE(t.s.visible);
    EXPECT_TRUE(t.settings.values.empty());
    EXPECT_TRUE(t.files.files.empty());
}

} // namespace
} // namespace qv
