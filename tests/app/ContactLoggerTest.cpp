#include "app/ContactLogger.h"

#include "Form1Fixture.h"

namespace qv {
namespace {

using test::Form1Fixture;

TEST(ContactPoints, ScoringTable) {
    const struct {
        const char* call;
        const char* category;
        double points;
    } cases[] = {
        {"W1AW", "M", 10}, {"W1AW", "L", 10},   {"W1AW", "Y", 2},    {"W1AW", "y", 2},
        {"W1AW", "O", 1},  {"ZORVIK", "O", 25}, {"zorvik", "Y", 25}, {"W1AW", "U", 10},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(contactPoints(c.call, c.category), c.points) << c.call << " " << c.category;
    }
}

class ContactLoggerTest : public Form1Fixture {};

TEST_F(ContactLoggerTest, ALoggedContactIsTheLastLineOfTheFile) {
    profile.ownName = "Anne";
    startLogging();
    logContact("W1AW", "CT", "M", "John");
    ASSERT_EQ(log.size(), 1u);
    const ContactRecord& r = log.record(1);
    EXPECT_EQ(r.call, "W1AW");
    EXPECT_EQ(r.spc, "CT");
    EXPECT_EQ(r.category, "M");
    EXPECT_EQ(r.name, "John");
    EXPECT_EQ(r.date, "2007/01/13");
    EXPECT_EQ(r.time, "14:00:00");
    EXPECT_EQ(r.mode, "PH");
    EXPECT_EQ(r.band, "40");
    EXPECT_EQ(r.points, 10);
    EXPECT_EQ(onDisk(), *formatLogLine(r));
    EXPECT_EQ(ui.txtCall.text, "");
    EXPECT_EQ(ui.txtSec.text, "");
    EXPECT_EQ(ui.focus, EntryField::Call);
    EXPECT_EQ(ui.lblDialog, "");
    EXPECT_EQ(ui.lblDialogBack, kStatusTeal);
    EXPECT_EQ(ui.score.totalContacts, "1");
    EXPECT_EQ(ui.score.totalScore, "10");
    ASSERT_EQ(ui.recent.size(), 1u);
    EXPECT_EQ(ui.recent.rows()[0].columns[5], "01/13 14:00");
}

TEST_F(ContactLoggerTest, UtcComesFromTheLocalClockAndTheOffset) {
    const struct {
        float offset;
        const char* date;
        const char* time;
    } cases[] = {{5, "2007/01/14", "01:30:10"}, {-3.5f, "2007/01/13", "17:00:10"}};
    for (const auto& c : cases) {
        profile.utcOffsetHours = c.offset;
        clock.setLocal(2007, 1, 13, 20, 30, 10);
        clock.utc = utcFromLocal(clock.local, c.offset);
        if (log.empty()) {
            startLogging();
        }
        logContact("K1ABC", "CT", "M", "Bob");
        ASSERT_FALSE(log.empty());
        EXPECT_EQ(log.record(log.size()).date, c.date);
        EXPECT_EQ(log.record(log.size()).time, c.time);
        ASSERT_EQ(main.selectBand("20"),
                  Outcome::Continue); // the next contact with the same call is no duplicate
    }
}

TEST_F(ContactLoggerTest, EnterInTheNameFieldOfAnEmptyLine) {
    files.files["Quorvpref.txt"] = *formatPreferences(profile, prefs, op);
    ASSERT_EQ(main.start(), Form1Logic::Started::Ready);
    ASSERT_FALSE(op.timeOn);
    press(EntryField::Name, keys::kEnter);
    EXPECT_TRUE(op.timeOn); // Mains presses "Time On" first
    EXPECT_EQ(ui.cmdLogOnCaption, "&Log \"Time Off\"");
    EXPECT_EQ(ui.lblDialog, "Need Call Sign!");
    EXPECT_EQ(ui.focus, EntryField::Call);
    EXPECT_TRUE(log.empty());
}

TEST_F(ContactLoggerTest, EntryCheckMessagesTheLastFailureWins) {
    startLogging();
    const struct {
        const char* call;
        const char* spc;
        const char* cat;
        const char* name;
        const char* message;
        EntryField focus;
    } cases[] = {
        {"W1AW", "CT", "M", "", "Need Name!", EntryField::Name},
        {"W1AW", "CT", "", "John", "Need Category!", EntryField::Category},
        {"W1AW", "CT", "MM", "John", "Category must be M, L, C, U, Y or O!", EntryField::Category},
        {"W1AW", "CT", "X", "John", "Category must be M, L, C, U, Y or O!", EntryField::Category},
        {"W1AW", "", "M", "John", "Need State, Province or Country!", EntryField::Spc},
        {"W1", "CT", "M", "John", "Need Call Sign!", EntryField::Call},
        {"W1AW", "XX", "M", "John", "Invald Section!", EntryField::Spc},
    };
    for (const auto& c : cases) {
        ui.txtCall.setText(c.call);
        ui.txtCntry.setText(c.spc);
        ui.txtRSTR.setText(c.cat);
        ui.txtSec.setText(c.name);
        press(EntryField::Name, keys::kEnter);
        EXPECT_EQ(ui.lblDialog, c.message) << c.message;
        EXPECT_EQ(ui.focus, c.focus) << c.message;
        EXPECT_TRUE(log.empty());
        EXPECT_EQ(ui.txtCall.text, c.call) << "the fields stay as typed";
    }
    EXPECT_EQ(beeper.beeps, 7);
}

TEST_F(ContactLoggerTest, SectionCheckUpperCasesAndLooksUpTwoLetterSpcOnly) {
    startLogging();
    ui.txtCall.setText("W1AW");
    ui.txtCntry.setText("ny");
    ui.txtRSTR.setText("m");
    ui.txtSec.setText("John");
    press(EntryField::Name, keys::kEnter);
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log.record(1).spc, "NY");
    EXPECT_TRUE(op.multiplierWorked[7 - 1]);

    ui.txtCall.setText("W2AW");
    ui.txtCntry.setText("XX");
    ui.txtRSTR.setText("M");
    ui.txtSec.setText("Bob");
    press(EntryField::Name, keys::kEnter);
    EXPECT_EQ(ui.lblDialog, "Invald Section!");
    ui.txtCntry.setText("Spain"); // a country is not checked
    press(EntryField::Name, keys::kEnter);
    EXPECT_EQ(log.size(), 2u);
    EXPECT_EQ(ui.score.dxCaption, "DX  -  1");
}

TEST_F(ContactLoggerTest, EveryEnterEmptiesTheFrequency) {
    startLogging();
    op.currentFrequency = "7.245";
    press(EntryField::Name, keys::kEnter); // nothing is logged
    EXPECT_EQ(op.currentFrequency, "");
    op.currentFrequency = "14.250";
    logContact("W1AW", "CT", "M", "John");
    EXPECT_EQ(log.record(1).frequency, "14.250");
    EXPECT_EQ(op.currentFrequency, "");
}

TEST_F(ContactLoggerTest, PostContestDatesAndTimes) {
    startLogging();
    main.menuPostContestMode();
    const struct {
        const char* date;
        const char* time;
        const char* storedDate;
        const char* storedTime;
        const char* message;
    } cases[] = {
        {"1/13/2007", "0715", "2007/01/13", "07:15", nullptr},
        {"2007/01/14", "930", "2007/01/14", "09:30", nullptr},
        {"2007-1-15", "14:30", "2007/01/15", "14:30", nullptr},
        {"2/30/2007", "1200", nullptr, nullptr, "Invalid date format!"},
        {"2007/01/13", "2500", nullptr, nullptr, "Invalid time format!"},
        {"", "1200", nullptr, nullptr, "Invalid date format!"},
    };
    int band = 0;
    for (const auto& c : cases) {
        ui.txtPostConDate.setText(c.date);
        ui.txtPostConTime.setText(c.time);
        ui.txtCall.setText("W1AW");
        ui.txtCntry.setText("CT");
        ui.txtRSTR.setText("M");
        ui.txtSec.setText("John");
        const std::size_t before = log.size();
        press(EntryField::PostConTime, keys::kEnter);
        if (c.message) {
            EXPECT_EQ(ui.lblDialog, c.message) << c.date << " " << c.time;
            EXPECT_EQ(log.size(), before);
            EXPECT_EQ(ui.txtCall.text, "W1AW");
        } else {
            ASSERT_EQ(log.size(), before + 1) << c.date << " " << c.time << ui.lblDialog;
            EXPECT_EQ(log.record(log.size()).date, c.storedDate);
            EXPECT_EQ(log.record(log.size()).time, c.storedTime);
            ASSERT_EQ(main.selectBand(++band % 2 ? "20" : "15"), Outcome::Continue);
        }
    }
}

TEST_F(ContactLoggerTest, AFailedWriteKeepsTheEntryAndSaysSo) {
    startLogging();
    files.failWrites = true;
    logContact("W1AW", "CT", "M", "John");
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(ui.txtCall.text, "W1AW");
    EXPECT_EQ(ui.lblDialogBack, kStatusRed);
    EXPECT_NE(ui.lblDialog.find("NOT logged"), std::string::npos);
    ASSERT_FALSE(dialogs.shown.empty());
    EXPECT_EQ(dialogs.shown.back().title, "Contact NOT logged");
}

} // namespace
} // namespace qv
