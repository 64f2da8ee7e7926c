#include "app/frmEditConLogic.h"

#include "fakes/FakeBeeper.h"
#include "fakes/FakeDialogs.h"
#include "fakes/Records.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

using C = frmEditConControl;
using Kind = EditOutcome::Kind;

PrefixTable prefixes() {
    return PrefixTable({
        {"EA8", "Canary Islands", "AF", 15.5f, 28.25f},
        {"K", "USA", "NA", 91.87f, 37.6f},
        {"VE", "Canada", "NA", 80, 45.5f},
        {"VP9", "Bermuda", "NA", 64.75f, 32.3f},
        {"ZF", "Cayman Islands", "NA", 81.4f, 19.3f},
    });
}

ContestLog sampleLog() {
    ContestLog log;
    ContactRecord first = test::contact("W1AW", "CT", 10, "40");
    first.frequency = "7.215";
    log.append(first);
    log.append(test::contact("K1ABC", "MA", 10, "20"));
    log.append(test::contact("VE3XYZ", "ON", 2, "40"));
    ContactRecord uhf = test::contact("N1UHF", "NH", 25, "70", "18:01");
    uhf.mode = "CW";
    log.append(uhf);
    log.append(test::contact("W1AW", "CT", 10, "20")); // W1AW again, on 20 m
    log.append(test::contact("K1ABC", "MA", 10, "15"));
    log.append(test::contact("K1ABC", "MA", 10, "15")); // logged twice
    return log;
}

class frmEditConLogicTest : public ::testing::Test {
protected:
    ContestLog log = sampleLog();
    PrefixTable table = prefixes();
    MultiplierTable multipliers;
    test::FakeDialogs dialogs;
    test::FakeBeeper beeper;
    frmEditConLogic window{log, table, multipliers, dialogs, beeper};

    TextField& box(C c) { return *window.state().box(c); }
    void given(C c, std::string text, std::size_t caret) {
        box(c).setText(std::move(text));
        box(c).select(caret, 0);
    }
    // Opens record k with the given box changed, the focus still on the call.
    void edit(std::size_t k, C c, std::string text) {
        ASSERT_TRUE(window.open(k));
        box(c).setText(std::move(text));
    }
    std::vector<std::string> titles() const {
        std::vector<std::string> t;
        for (const auto& s : dialogs.shown) {
            t.push_back(s.title);
        }
        return t;
    }
};

TEST_F(frmEditConLogicTest, OpeningShowsRecordKWithTheModeHidden) {
    ASSERT_TRUE(window.open(4));
    const std::pair<C, const char*> shown[] = {
        {C::txtEditCall, "N1UHF"},
        {C::txtEditPre, "NH"},
        {C::txtEditCk, "M"},
        {C::txtEditSec, "John"},
        {C::txtEditDate, "2007/01/13"},
        {C::txtEditTime, "18:01"},
        {C::Text1, "70"},
        {C::Text2, "25"},
        {C::txtEditNum, "Anne"},
        {C::txtEditBnd, "CW"},
    };
    for (const auto& [control, text] : shown) {
        EXPECT_EQ(box(control).text, text) << nameOf(control);
    }
    const frmEditConState& s = window.state();
    EXPECT_EQ(s.focus, C::txtEditCall);
    EXPECT_FALSE(s.dupeShown || s.spcInvalidShown || s.bandInvalidShown || s.deleteDupeShown);
    EXPECT_FALSE(s.closed);
    EXPECT_EQ(window.outcome().kind, Kind::Closed);
    EXPECT_EQ(window.outcome().record, log.record(4));
}

TEST_F(frmEditConLogicTest, ThereIsNothingToOpenWithoutRecordK) {
    for (const std::size_t k : {std::size_t{0}, log.size() + 1}) {
        EXPECT_FALSE(window.open(k)) << k;
        window.pressDone();
        window.pressDeleteDupe();
        EXPECT_EQ(window.outcome().kind, Kind::Closed) << k;
        EXPECT_TRUE(dialogs.shown.empty());
    }
}

TEST_F(frmEditConLogicTest, KeyFilters) {
    struct Case {
        C field;
        const char* before;
        std::size_t caret;
        int key;
        const char* after;
    };
    const Case cases[] = {
        {C::txtEditCall, "W1A", 3, 'w', "W1AW"},
        {C::txtEditCall, "W1", 2, '"', "W1"},
        {C::txtEditCall, "", 0, '\xE9', "\xE9"}, // only a to z are capitalised
        {C::txtEditCall, "W1A", 3, keys::kBackspace, "W1"},
        {C::txtEditCk, "", 0, 'm', "M"},
        {C::txtEditCk, "", 0, '"', ""},
        {C::txtEditSec, "", 0, 'b', "B"},
        {C::txtEditSec, "ob", 0, 'b', "Bob"},
        {C::txtEditSec, "B", 1, 'o', "Bo"},
        {C::txtEditSec, "", 0, '\xE9', "\xC9"},
        {C::txtEditSec, "Bo", 2, '"', "Bo"},
        {C::txtEditNum, "", 0, 'a', "A"},
        {C::txtEditNum, "A", 1, 'n', "An"},
        {C::txtEditDate, "2007/01/1", 9, '3', "2007/01/13"},
        {C::txtEditDate, "2007", 4, '/', "2007/"},
        {C::txtEditDate, "2007", 4, '-', "2007"},
        {C::txtEditDate, "2007", 4, ':', "2007"},
        {C::txtEditDate, "2007", 4, 'a', "2007"},
        {C::txtEditDate, "2007", 4, ' ', "2007"},
        {C::txtEditDate, "2007", 4, keys::kBackspace, "200"},
        {C::txtEditTime, "14:22", 5, ':', "14:22:"},
        {C::txtEditTime, "14", 2, '5', "145"},
        {C::txtEditTime, "14", 2, '/', "14"},
        {C::txtEditTime, "14", 2, 'a', "14"},
        {C::txtEditTime, "14", 2, keys::kBackspace, "1"},
        {C::Text1, "", 0, 'x', "X"},
        {C::Text1, "7", 1, '0', "70"},
        {C::Text1, "7", 1, '"', "7"},
        {C::Text2, "1", 1, '0', "10"},
        {C::Text2, "10", 2, '5', "10"}, // at most two characters
        {C::Text2, "", 0, 'a', "A"},
        {C::txtEditPre, "", 0, 'x', "X"}, // capitalised at the start, no country to complete
        {C::txtEditPre, "X", 1, 'y', "Xy"},
        {C::txtEditPre, "Canada", 0, 'q', "Q"}, // a key at the start replaces the text
        {C::txtEditPre, "Canada", 0, keys::kBackspace, "Canada"},
        {C::txtEditPre, "Canada", 6, keys::kBackspace, "Canad"},
        {C::txtEditPre, "C", 1, '"', "C"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(window.open(1));
        given(c.field, c.before, c.caret);
        window.keyPressed(c.field, static_cast<unsigned char>(c.key));
        EXPECT_EQ(box(c.field).text, c.after)
            << nameOf(c.field) << " '" << c.before << "' " << c.key;
        EXPECT_FALSE(window.state().closed);
    }
}

TEST_F(frmEditConLogicTest, TheHiddenModeTakesNoKeys) {
    ASSERT_TRUE(window.open(1));
    window.keyPressed(C::txtEditBnd, 'x');
    window.keyPressed(C::txtEditBnd, keys::kEnter);
    window.moveFocus(C::txtEditBnd);
    EXPECT_EQ(box(C::txtEditBnd).text, "PH");
    EXPECT_EQ(window.state().focus, C::txtEditCall);
    EXPECT_FALSE(window.state().closed);
}

TEST_F(frmEditConLogicTest, EnterPressesDoneInEveryBox) {
    for (const C field : kEditFieldOrder) {
        ASSERT_TRUE(window.open(1));
        window.moveFocus(field);
        ASSERT_EQ(window.state().focus, field);
        window.keyPressed(field, keys::kEnter);
        EXPECT_TRUE(window.state().closed) << nameOf(field);
        EXPECT_EQ(window.outcome().kind, Kind::Saved) << nameOf(field);
        EXPECT_EQ(window.outcome().record, log.record(1)) << nameOf(field);
    }
}

TEST_F(frmEditConLogicTest, SpcCompletesExactlyFromTheLastMatchingCountry) {
    ASSERT_TRUE(window.open(1));
    box(C::txtEditPre).selectAll(); // as after tabbing in
    struct Step {
        char key;
        const char* text;
        std::size_t selStart, selLength;
    };
    const Step steps[] = {
        {'c', "Cayman Islands", 1, 13}, // emptied, capitalised, then completed
        {'a', "Cayman Islands", 2, 12},
        {'n', "Canada", 3, 3}, // Canada comes after the Canary Islands
        {'a', "Canada", 4, 2},
        {'r', "Canary Islands", 5, 9},
        {'X', "CanarX", 6, 0}, // no match: typed as it is
    };
    for (const Step& s : steps) {
        window.keyPressed(C::txtEditPre, s.key);
        const TextField& f = box(C::txtEditPre);
        EXPECT_EQ(f.text, s.text) << s.key;
        EXPECT_EQ(f.selStart, s.selStart) << s.key;
        EXPECT_EQ(f.selLength, s.selLength) << s.key;
    }

    given(C::txtEditPre, "C", 1);
    window.keyPressed(C::txtEditPre, 'A'); // "Canada" if case were ignored
    window.keyPressed(C::txtEditPre, 'N');
    EXPECT_EQ(box(C::txtEditPre).text, "CAN");

    given(C::txtEditPre, "Bxyz", 1); // the text right of the caret does not count
    window.keyPressed(C::txtEditPre, 'e');
    EXPECT_EQ(box(C::txtEditPre).text, "Bermuda");
    EXPECT_EQ(box(C::txtEditPre).selStart, 2u);
    EXPECT_EQ(box(C::txtEditPre).selLength, 5u);

    given(C::txtEditPre, "USA", 0); // caret at the start, nothing selected
    window.keyPressed(C::txtEditPre, 'u');
    EXPECT_EQ(box(C::txtEditPre).text, "USA");
    EXPECT_EQ(box(C::txtEditPre).selStart, 1u);
    EXPECT_EQ(box(C::txtEditPre).selLength, 2u);
}

TEST_F(frmEditConLogicTest, NativeEditsDropWhatAFileCannotHold) {
    ASSERT_TRUE(window.open(1));
    for (const C field : kEditFieldOrder) {
        box(field).text = "Jo\"hn\x01";
        box(field).select(6, 0);
        window.edited(field);
        EXPECT_EQ(box(field).text, field == C::Text2 ? "Jo" : "John") << nameOf(field);
    }
}

TEST_F(frmEditConLogicTest, ChecksOnLeavingABox) {
    struct Case {
        C field;
        const char* text;
        bool kept;         // the focus stays in the box
        const char* title; // the box shown, "" for none
        int beeps;
        const char* after; // the text left in the box
    };
    const Case cases[] = {
        {C::txtEditCk, "M", false, "", 0, "M"},
        {C::txtEditCk, "O", false, "", 0, "O"},
        {C::txtEditCk, "m", true, "Invalid Category!", 0, "m"},
        {C::txtEditCk, "X", true, "Invalid Category!", 0, "X"},
        {C::txtEditCk, "MM", true, "Invalid Category!", 0, "MM"},
        {C::txtEditCk, "", true, "Invalid Category!", 0, ""},
        {C::txtEditDate, "2007/01/13", false, "", 0, "2007/01/13"},
        {C::txtEditDate, "2008/02/29", false, "", 0, "2008/02/29"},
        {C::txtEditDate, "1/13/2007", false, "", 0, "1/13/2007"},
        {C::txtEditDate, "2007/02/29", true, "Invalid Date Format!", 1, "2007/02/29"},
        {C::txtEditDate, "2007/13/01", true, "Invalid Date Format!", 1, "2007/13/01"},
        {C::txtEditDate, "20070113", true, "Invalid Date Format!", 1, "20070113"},
        {C::txtEditDate, "", true, "Invalid Date Format!", 1, ""},
        {C::txtEditTime, "14:22:05", false, "", 0, "14:22:05"},
        {C::txtEditTime, "18:01", false, "", 0, "18:01"},
        {C::txtEditTime, "9:05", false, "", 0, "9:05"},
        {C::txtEditTime, "24:00", true, "Invalid Time Format!", 1, "24:00"},
        {C::txtEditTime, "14:60:00", true, "Invalid Time Format!", 1, "14:60:00"},
        {C::txtEditTime, "1422", true, "Invalid Time Format!", 1, "1422"},
        {C::txtEditTime, "", true, "Invalid Time Format!", 1, ""},
        {C::Text1, "70", false, "", 0, "70"},
        {C::Text1, "160", false, "", 0, "160"},
        {C::Text1, "30", true, "", 1, "30"},
        {C::Text1, "16", true, "", 1, "16"},
        {C::Text1, "", true, "", 1, ""},
        {C::Text2, "25", false, "", 0, "25"},
        {C::Text2, "5", false, "", 0, "5"},
        {C::Text2, "AB", false, "", 0, "0"},
        {C::Text2, "", false, "", 0, "0"},
        {C::txtEditPre, "ct", false, "", 0, "CT"},
        {C::txtEditPre, "x", false, "", 0, "X"},
        {C::txtEditPre, "Ont", false, "", 0, "Ont"},
        {C::txtEditSec, "", false, "", 0, ""},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(window.open(1));
        window.moveFocus(c.field);
        box(c.field).setText(c.text);
        dialogs.shown.clear();
        beeper.beeps = 0;
        window.moveFocus(C::txtEditNum);
        const std::string label = std::string(nameOf(c.field)) + " '" + c.text + "'";
        EXPECT_EQ(window.state().focus, c.kept ? c.field : C::txtEditNum) << label;
        EXPECT_EQ(box(c.field).text, c.after) << label;
        EXPECT_EQ(beeper.beeps, c.beeps) << label;
        EXPECT_EQ(window.state().bandInvalidShown, c.field == C::Text1 && c.kept) << label;
        if (*c.title) {
            ASSERT_EQ(dialogs.shown.size(), 1u) << label;
            const std::string text = c.field == C::txtEditCk ? "Invalid Category!"
                                     : c.field == C::txtEditDate
                                         ? "You have entered an invalid date format!"
                                         : "You have entered an invalid time format!";
            EXPECT_EQ(dialogs.shown[0].title, c.title) << label;
            EXPECT_EQ(dialogs.shown[0].text, text) << label;
            EXPECT_EQ(dialogs.shown[0].buttons, MessageButtons::Ok) << label;
        } else {
            EXPECT_TRUE(dialogs.shown.empty()) << label;
        }
        EXPECT_FALSE(window.state().closed) << label;
    }
}

TEST_F(frmEditConLogicTest, AValidBandHidesItsMarker) {
    ASSERT_TRUE(window.open(1));
    window.moveFocus(C::Text1);
    box(C::Text1).setText("30");
    window.moveFocus(C::Text2);
    EXPECT_TRUE(window.state().bandInvalidShown);
    box(C::Text1).setText("80");
    window.moveFocus(C::Text2);
    EXPECT_FALSE(window.state().bandInvalidShown);
    EXPECT_EQ(window.state().focus, C::Text2);
}

TEST_F(frmEditConLogicTest, DoneSavesPointsOnlyAsOneTwoTenOrTwentyFive) {
    struct Case {
        const char* text;
        double saved;
    };
    const Case cases[] = {{"5", 1}, {"10", 10}, {"25", 25}, {"2", 2},  {"1", 1},  {"0", 1},
                          {"3", 1}, {"AB", 1},  {"", 1},    {"-1", 1}, {" 2", 2}, {"1.", 1}};
    for (const Case& c : cases) {
        edit(1, C::Text2, c.text);
        window.pressDone();
        ASSERT_TRUE(window.state().closed) << c.text;
        EXPECT_EQ(window.outcome().kind, Kind::Saved) << c.text;
        EXPECT_EQ(window.outcome().record.points, c.saved) << c.text;
    }
}

TEST_F(frmEditConLogicTest, DoneStopsAtAnInvalidCategoryTimeOrDate) {
    struct Case {
        const char* category;
        const char* date;
        const char* time;
        const char* title;
        int beeps;
        C focus;
    };
    const Case cases[] = {
        {"m", "2007/02/30", "25:00", "Invalid Category!", 0, C::txtEditCk},
        {"M", "2007/02/30", "25:00", "Invalid Time Format!", 1, C::txtEditTime},
        {"M", "2007/02/30", "14:00", "Invalid Date Format!", 1, C::txtEditDate},
        {"M", "", "14:00", "Invalid Date Format!", 1, C::txtEditDate},
        {"M", "2007/01/13", "14", "Invalid Time Format!", 1, C::txtEditTime},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(window.open(1));
        box(C::txtEditCk).setText(c.category);
        box(C::txtEditDate).setText(c.date);
        box(C::txtEditTime).setText(c.time);
        box(C::Text2).setText("5");
        dialogs.shown.clear();
        beeper.beeps = 0;
        window.pressDone();
        EXPECT_FALSE(window.state().closed) << c.title;
        EXPECT_EQ(window.outcome().kind, Kind::Closed) << c.title;
        EXPECT_EQ(titles(), std::vector<std::string>{c.title});
        EXPECT_EQ(beeper.beeps, c.beeps) << c.title;
        EXPECT_EQ(window.state().focus, c.focus) << c.title;
        // The points were corrected only once the category passed.
        EXPECT_EQ(box(C::Text2).text, c.focus == C::txtEditCk ? "5" : "1") << c.title;
    }
}

TEST_F(frmEditConLogicTest, DoneInAnInvalidCategoryShowsItsBoxOnce) {
    ASSERT_TRUE(window.open(1));
    window.moveFocus(C::txtEditCk);
    box(C::txtEditCk).setText("Z");
    window.keyPressed(C::txtEditCk, keys::kEnter);
    EXPECT_EQ(titles(), std::vector<std::string>{"Invalid Category!"});
    EXPECT_EQ(window.state().focus, C::txtEditCk);
    EXPECT_FALSE(window.state().closed);
}

TEST_F(frmEditConLogicTest, DoneChecksTheBoxInUseFirst) {
    struct Case {
        C field;
        const char* text;
        bool closed;
        const char* saved;
    };
    const Case cases[] = {
        {C::Text1, "30", false, ""}, // Enter straight after typing a bad band
        {C::Text1, "80", true, "80"},
        {C::txtEditPre, "ma", true, "MA"}, // upper case, then the section test passes
        {C::txtEditTime, "14:61", false, ""},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(window.open(1));
        window.moveFocus(c.field);
        box(c.field).setText(c.text);
        beeper.beeps = 0;
        dialogs.shown.clear();
        window.keyPressed(c.field, keys::kEnter);
        EXPECT_EQ(window.state().closed, c.closed) << c.text;
        EXPECT_EQ(window.state().focus, c.field) << c.text;
        if (c.closed) {
            const ContactRecord& r = window.outcome().record;
            EXPECT_EQ(c.field == C::Text1 ? r.band : r.spc, c.saved);
        } else {
            EXPECT_EQ(beeper.beeps, 1) << c.text; // one check, one beep
            EXPECT_LE(dialogs.shown.size(), 1u) << c.text;
        }
    }
}

TEST_F(frmEditConLogicTest, DoneWritesDatesAndTimesInTheLogsForm) {
    struct Case {
        const char* date;
        const char* time;
        const char* savedDate;
        const char* savedTime;
    };
    const Case cases[] = {
        {"2007/01/13", "14:22:05", "2007/01/13", "14:22:05"},
        {"2007/01/13", "14:22", "2007/01/13", "14:22"},
        {"2007/1/3", "9:05", "2007/01/03", "09:05"},
        {"1/13/2007", "9:05:07", "2007/01/13", "09:05:07"},
        {"1/13/07", "00:00", "2007/01/13", "00:00"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(window.open(1));
        box(C::txtEditDate).setText(c.date);
        box(C::txtEditTime).setText(c.time);
        window.pressDone();
        ASSERT_TRUE(window.state().closed) << c.date << " " << c.time;
        EXPECT_EQ(window.outcome().record.date, c.savedDate);
        EXPECT_EQ(window.outcome().record.time, c.savedTime);
    }
}

TEST_F(frmEditConLogicTest, DuplicatesKeepTheWindowOpenAndOfferDeleteDupe) {
    struct Case {
        std::size_t k;
        const char* call;
        const char* band;
        int duplicates;
    };
    const Case cases[] = {
        {1, "W1AW", "20", 1},                        // onto record 5
        {1, "w1aw", "20", 0},                        // compared exactly
        {1, "W1AW", "40", 0},                        // the record itself does not count
        {1, "K1ABC", "15", 2},                       // records 6 and 7
        {6, "K1ABC", "15", 1},                       // the other of the two
        {2, "K1ABC", "80", 0}, {5, "W1AW", "40", 1}, // onto record 1
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(window.open(c.k));
        box(C::txtEditCall).setText(c.call);
        box(C::Text1).setText(c.band);
        beeper.beeps = 0;
        window.pressDone();
        const bool dupe = c.duplicates > 0;
        const std::string label = std::to_string(c.k) + " " + c.call + " " + c.band;
        EXPECT_EQ(window.state().closed, !dupe) << label;
        EXPECT_EQ(window.state().dupeShown, dupe) << label;
        EXPECT_EQ(window.state().deleteDupeShown, dupe) << label;
        EXPECT_EQ(beeper.beeps, c.duplicates) << label;
        EXPECT_EQ(window.outcome().kind, dupe ? Kind::Closed : Kind::Saved) << label;
        EXPECT_TRUE(dialogs.shown.empty()) << label;
    }
}

TEST_F(frmEditConLogicTest, CorrectingADuplicateHidesItsMarkerButKeepsDeleteDupe) {
    ASSERT_TRUE(window.open(1));
    box(C::Text1).setText("20");
    box(C::txtEditPre).setText("XX");
    window.pressDone();
    EXPECT_TRUE(window.state().dupeShown);
    EXPECT_TRUE(window.state().spcInvalidShown);
    EXPECT_EQ(beeper.beeps, 2);
    box(C::Text1).setText("40");
    window.pressDone();
    EXPECT_FALSE(window.state().dupeShown);
    EXPECT_TRUE(window.state().deleteDupeShown);
    EXPECT_TRUE(window.state().spcInvalidShown);
    EXPECT_FALSE(window.state().closed);
    box(C::txtEditPre).setText("CT");
    window.pressDone();
    EXPECT_FALSE(window.state().spcInvalidShown);
    EXPECT_TRUE(window.state().closed);
    EXPECT_EQ(window.outcome().record, log.record(1));
}

TEST_F(frmEditConLogicTest, ATwoCharacterSpcMustBeAnAbbreviationExactly) {
    struct Case {
        const char* spc;
        bool passes;
    };
    const Case cases[] = {{"XX", false}, {"ct", false},      {"Ct", false}, {"CT", true},
                          {"ON", true},  {"NF", true},       {"X", true},   {"England", true},
                          {"", true},    {"Not Found", true}};
    for (const Case& c : cases) {
        edit(1, C::txtEditPre, c.spc); // the focus is not in the box: no upper case
        beeper.beeps = 0;
        window.pressDone();
        EXPECT_EQ(window.state().closed, c.passes) << c.spc;
        EXPECT_EQ(window.state().spcInvalidShown, !c.passes) << c.spc;
        EXPECT_EQ(beeper.beeps, c.passes ? 0 : 1) << c.spc;
        if (c.passes) {
            EXPECT_EQ(window.outcome().record.spc, c.spc);
        }
    }
}

TEST_F(frmEditConLogicTest, EditingOneFieldChangesOnlyThatField) {
    struct Case {
        std::size_t k;
        C field;
        const char* text;
        std::string ContactRecord::*member;
    };
    const Case cases[] = {
        {1, C::txtEditSec, "Bob", &ContactRecord::name},
        {4, C::txtEditSec, "Bob", &ContactRecord::name}, // 70 cm, CW, "hh:mm"
        {1, C::txtEditCall, "W1ABC", &ContactRecord::call},
        {1, C::txtEditPre, "England", &ContactRecord::spc},
        {1, C::txtEditCk, "Y", &ContactRecord::category},
        {1, C::txtEditNum, "Ben", &ContactRecord::nameSent},
        {4, C::Text1, "2", &ContactRecord::band},
        {1, C::Text1, "70", &ContactRecord::band},
    };
    for (const Case& c : cases) {
        edit(c.k, c.field, c.text);
        window.pressDone();
        ASSERT_TRUE(window.state().closed) << c.text;
        ContactRecord expected = log.record(c.k);
        expected.*c.member = c.text;
        EXPECT_EQ(window.outcome().kind, Kind::Saved) << c.text;
        EXPECT_EQ(window.outcome().record, expected) << c.text;
    }
}

TEST_F(frmEditConLogicTest, DeleteDupeAsksFirst) {
    struct Case {
        MessageAnswer answer;
        bool closed;
    };
    for (const Case c : {Case{MessageAnswer::No, false}, Case{MessageAnswer::Yes, true}}) {
        ASSERT_TRUE(window.open(1));
        box(C::Text1).setText("20");
        box(C::txtEditSec).setText("Bob");
        window.pressDone();
        ASSERT_TRUE(window.state().deleteDupeShown);
        dialogs.shown.clear();
        dialogs.messageAnswers = {c.answer};
        window.pressDeleteDupe();
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].title, "Are you sure?");
        EXPECT_EQ(dialogs.shown[0].text, "Are you sure?");
        EXPECT_EQ(dialogs.shown[0].buttons, MessageButtons::YesNoDefaultNo) << "Enter answers No";
        EXPECT_EQ(window.state().closed, c.closed);
        EXPECT_EQ(window.outcome().kind, c.closed ? Kind::Delete : Kind::Closed);
        EXPECT_EQ(window.outcome().record, log.record(1)); // record k as it is in the log
    }
}

TEST_F(frmEditConLogicTest, NothingHappensOnceClosed) {
    ASSERT_TRUE(window.open(1));
    window.pressDone();
    ASSERT_TRUE(window.state().closed);
    window.keyPressed(C::txtEditSec, 'x');
    window.moveFocus(C::txtEditSec);
    window.pressDeleteDupe();
    EXPECT_EQ(box(C::txtEditSec).text, "John");
    EXPECT_EQ(window.outcome().kind, Kind::Saved);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST(EditCaptions, AsTheWindowShowsThem) {
    struct Case {
        C control;
        const char* name;
        const char* caption;
    };
    const Case cases[] = {
        {C::txtEditCall, "txtEditCall", "Callsign"},
        {C::txtEditPre, "txtEditPre", "SPC"},
        {C::txtEditCk, "txtEditCk", "Category"},
        {C::txtEditSec, "txtEditSec", "Name"},
        {C::txtEditDate, "txtEditDate", "Date"},
        {C::txtEditTime, "txtEditTime", "Time"},
        {C::Text1, "Text1", "Band"},
        {C::Text2, "Text2", "Points"},
        {C::txtEditNum, "txtEditNum", "Name S"},
        {C::txtEditBnd, "txtEditBnd", "Mode"},
        {C::cmdDone, "cmdDone", "Done"},
        {C::cmdDeleteDupe, "cmdDeleteDupe", "Delete Dupe"},
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(nameOf(c.control), c.name);
        EXPECT_STREQ(captionOf(c.control), c.caption);
    }
}

} // namespace
} // namespace qv
