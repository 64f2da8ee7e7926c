#include "Form1Fixture.h"

#include <gmock/gmock.h>

namespace qv::test {
namespace {

using ::testing::ElementsAreArray;
using ::testing::HasSubstr;

const char* const kList = "# Release 1\r\n"
                          "W1AW\r\nK1ABC\r\nN1ABC\r\nKA1ABC\r\nK1ABD\r\nW1AX\r\nDL1ABC/P\r\n"
                          "K2AB\r\n";

class SuperCheckTest : public Form1Fixture {
protected:
    SuperCheck& check = program.superCheck;
    MemoryFileStore installed;

    void SetUp() override {
        op.currentBand = "40";
        givenLog({contact("K1ABC"), contact("K1ABD", "CT", 10, "20")});
        startLogging();
    }
    void arrive(const std::string& list = kList) {
        installed.files[kMasterListName] = list;
        check.listArrived(loadMasterList(files, installed));
    }
    // The call field as typed, then the list as the window shows it after the key.
    void typeCall(std::string_view text) {
        type(EntryField::Call, text);
        check.follow();
    }
    std::vector<std::string> shown() const {
        std::vector<std::string> out;
        for (const SuperCheckRow& r : check.state().rows) {
            out.push_back(r.call + (r.worked ? " worked" : "") + (r.oneEdit ? " edit" : ""));
        }
        return out;
    }
    bool key(int code, bool ctrl = true) { return check.keyDown({code, ctrl, false, false}); }
};

TEST_F(SuperCheckTest, ShowsNothingUntilTheListArrivesAndThenFollowsTheCallField) {
    typeCall("K1A");
    EXPECT_TRUE(check.state().rows.empty());
    EXPECT_THAT(check.state().tooltip, HasSubstr("loading"));

    // The list arriving late shows what is typed by then.
    arrive();
    EXPECT_THAT(shown(), ElementsAreArray({"K1ABC worked", "K1ABD"}));
    EXPECT_THAT(check.state().tooltip, HasSubstr("/memory/MASTER.SCP: 8 calls"));

    struct Step {
        std::string_view typed; // added to the call field
        std::vector<std::string> rows;
    };
    ui.txtCall.clear();
    const Step steps[] = {
        {"1", {}}, // one character shows nothing
        {"A", {"W1AW", "K1ABC worked", "N1ABC", "KA1ABC", "K1ABD", "W1AX", "DL1ABC/P"}},
        {"B", {"K1ABC worked", "N1ABC", "KA1ABC", "K1ABD", "DL1ABC/P"}},
        {"C", {"K1ABC worked", "N1ABC", "KA1ABC", "DL1ABC/P"}},
        {"/", {"DL1ABC/P"}},
    };
    for (const Step& s : steps) {
        typeCall(s.typed);
        EXPECT_THAT(shown(), ElementsAreArray(s.rows)) << ui.txtCall.text;
    }
    EXPECT_EQ(check.state().line, "DL1ABC/P");

    press(EntryField::Call, keys::kEscape);
    main.keys().keyPress(keys::kEscape);
    check.follow();
    EXPECT_EQ(ui.txtCall.text, "");
    EXPECT_TRUE(check.state().rows.empty());
}

TEST_F(SuperCheckTest, AnUnknownCallIsFollowedByTheCallsOneEditAway) {
    arrive();
    typeCall("W1AY");
    EXPECT_THAT(shown(), ElementsAreArray({"W1AW edit", "W1AX edit"}));
    EXPECT_EQ(check.state().line, "one edit away: W1AW, W1AX");

    // Typed in lower case (pasted): K1ABC and K1ABD hold it and are one edit
    // away as well, so they show once.
    ui.txtCall.setText("k1ab");
    check.follow();
    EXPECT_THAT(shown(), ElementsAreArray({"K1ABC worked", "K1ABD", "K2AB edit"}));
    EXPECT_EQ(check.state().line, "K1ABC worked, K1ABD; one edit away: K2AB");

    // A known call shows no calls one edit away.
    ui.txtCall.clear();
    typeCall("K2AB");
    EXPECT_THAT(shown(), ElementsAreArray({"K2AB"}));
}

TEST_F(SuperCheckTest, MarksFollowTheBandAndTheLog) {
    arrive();
    typeCall("K1AB");
    EXPECT_THAT(shown(), ElementsAreArray({"K1ABC worked", "K1ABD", "K2AB edit"}));
    ASSERT_EQ(main.selectBand("20"), Outcome::Continue);
    check.follow();
    EXPECT_THAT(shown(), ElementsAreArray({"K1ABC", "K1ABD worked", "K2AB edit"}));

    // Logging a contact empties the list with the call field; typing again shows
    // the new contact as worked.
    ui.txtCall.clear();
    logContact("N1ABC", "CT", "M", "Bob");
    ASSERT_EQ(log.size(), 3u);
    check.follow();
    EXPECT_TRUE(check.state().rows.empty());
    typeCall("1ABC");
    EXPECT_THAT(shown(), ElementsAreArray({"K1ABC", "N1ABC worked", "KA1ABC", "DL1ABC/P"}));
}

TEST_F(SuperCheckTest, CtrlArrowsChooseAndCtrlEnterTakesASuggestionAsIfTyped) {
    arrive();
    typeCall("1ABC");
    EXPECT_FALSE(key(keycodes::kDown, false)); // a plain arrow is not ours
    EXPECT_FALSE(check.state().chosen);
    const struct {
        int code;
        std::size_t chosen;
    } moves[] = {{keycodes::kDown, 0}, {keycodes::kDown, 1}, {keycodes::kDown, 2},
                 {keycodes::kUp, 1},   {keycodes::kDown, 2}, {keycodes::kDown, 3},
                 {keycodes::kDown, 3}};
    for (const auto& m : moves) {
        EXPECT_TRUE(key(m.code));
        EXPECT_EQ(check.state().chosen, m.chosen);
    }
    // DL1ABC/P: the window is as typing the call would leave it (the prefix
    // lookup ran, the partial duplicates were scanned), and the list follows it.
    const Form1State before = ui;
    ui.txtCall.clear();
    type(EntryField::Call, "DL1ABC/P");
    const Form1State typed = ui;
    ui = before;
    EXPECT_TRUE(key(SuperCheck::kEnterCode));
    EXPECT_EQ(ui.txtCall.text, "DL1ABC/P");
    EXPECT_EQ(ui.txtCall.caret(), 8u);
    for (const auto& [got, want] :
         {std::pair{ui.txtCntry.text, typed.txtCntry.text}, std::pair{ui.label19, typed.label19},
          std::pair{ui.label22, typed.label22}, std::pair{ui.lblDupe, typed.lblDupe},
          std::pair{ui.lblDialog, typed.lblDialog}}) {
        EXPECT_EQ(got, want);
    }
    EXPECT_EQ(typed.label19, "EU");
    EXPECT_EQ(ui.focus, EntryField::Call);
    EXPECT_THAT(shown(), ElementsAreArray({"DL1ABC/P"}));
    EXPECT_FALSE(check.state().chosen);

    // A worked call taken shows up as a possible duplicate.
    ui.txtCall.clear();
    typeCall("K1AB");
    EXPECT_TRUE(key(SuperCheck::kEnterCode)); // nothing chosen: the first
    EXPECT_EQ(ui.txtCall.text, "K1ABC");
    EXPECT_EQ(ui.lblDupe, "K1ABC ");
    EXPECT_EQ(ui.lblDialog, "Possible Duplicate!");

    ui.txtCall.clear();
    check.follow();
    EXPECT_FALSE(key(keycodes::kDown)); // nothing to choose: the key goes on
    EXPECT_FALSE(key(SuperCheck::kEnterCode));
}

TEST_F(SuperCheckTest, TheMenuItemSwitchesItOffAndTheChoiceIsKeptForTheUser) {
    arrive();
    typeCall("K1A");
    check.toggle();
    EXPECT_TRUE(check.state().rows.empty());
    EXPECT_FALSE(check.state().on);
    EXPECT_THAT(check.state().tooltip, HasSubstr("off"));
    EXPECT_EQ(settings.values["Velmark_Software/Settings/SuperCheckPartial"], "0");
    SuperCheck again({ui, working, op, settings, main.entry(), main.dupes()});
    EXPECT_FALSE(again.state().on);

    check.toggle();
    EXPECT_THAT(shown(), ElementsAreArray({"K1ABC worked", "K1ABD"}));
    EXPECT_EQ(settings.values["Velmark_Software/Settings/SuperCheckPartial"], "1");
}

TEST_F(SuperCheckTest, TheWorkingDirectorysListComesFirstAndADamagedOneIsPassedOver) {
    installed.files[kMasterListName] = kList;
    files.files[kMasterListName] = "VK2ABC\r\nVK3ABC\r\n";
    MasterListLoad own = loadMasterList(files, installed);
    ASSERT_TRUE(own.index);
    EXPECT_EQ(own.index->size(), 2u);

    files.files[kMasterListName] = std::string("\x7F"
                                               "ELF\x02\x01\x01\0\0\0",
                                               11);
    MasterListLoad fallback = loadMasterList(files, installed);
    ASSERT_TRUE(fallback.index);
    EXPECT_EQ(fallback.index->size(), 8u);
    EXPECT_THAT(fallback.note, HasSubstr("/memory/MASTER.SCP was ignored: the file is not text"));

    installed.files.clear();
    check.listArrived(loadMasterList(files, installed));
    typeCall("K1A");
    EXPECT_TRUE(check.state().rows.empty());
    EXPECT_THAT(check.state().tooltip, HasSubstr("shows nothing"));
    EXPECT_THAT(check.state().tooltip, HasSubstr("was ignored"));

    files.files.erase(kMasterListName);
    EXPECT_THAT(loadMasterList(files, installed).note,
                HasSubstr("there is no MASTER.SCP in the working directory"));
}

} // namespace
} // namespace qv::test
