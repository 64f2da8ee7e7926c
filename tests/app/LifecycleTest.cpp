#include "Form1Fixture.h"
#include "app/OperatingClock.h"

namespace qv {
namespace {

using test::contact;
using test::Form1Fixture;

class LifecycleTest : public Form1Fixture {};

TEST_F(LifecycleTest, FirstStartRunsWithDefaultsAndCreatesTheFiles) {
    profile.utcOffsetHours = 0;   // nothing stored yet
    dialogs.inputAnswers = {"5"}; // accepts the proposed offset
    EXPECT_EQ(main.start(), Form1Logic::Started::Ready);
    EXPECT_EQ(windows.calls, std::vector<std::string>{"station"});
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].title, "Update the Local Time / UTC Offset?");
    EXPECT_EQ(dialogs.shown[1].title, "Open existing log?");
    EXPECT_EQ(dialogs.shown[1].text,
              "Do you want to continue an existing contest? (Yes opens your existing log, No "
              "erases any existing log and starts a new log.)");
    EXPECT_EQ(dialogs.shown[1].icon, MessageIcon::Question);
    EXPECT_EQ(profile.utcOffsetHours, 5);
    EXPECT_EQ(onDisk(), "");
    EXPECT_TRUE(files.exists("Quorvpref.txt"));
    EXPECT_EQ(op.currentBand, "40");
    EXPECT_EQ(bandLabel(op), "40");
    EXPECT_EQ(ui.lblDialog, "Select a band and click Log \"Time On\" below!");
    EXPECT_EQ(ui.cmdLogOnCaption, "&Log \"Time On\"");
}

TEST_F(LifecycleTest, ADamagedPreferencesFileStopsTheStartUp) {
    files.files["Quorvpref.txt"] = "\"W1AW\"\r\n\"CT\"\r\nfive\r\n";
    EXPECT_EQ(main.start(), Form1Logic::Started::Stopped);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, "Error opeining file");
    EXPECT_EQ(dialogs.shown[0].text, "Error opening file: Quorvpref.txt line 3");
    EXPECT_TRUE(windows.calls.empty());
    // The log was never read, so nothing may be written to it.
    ui.txtCall.setText("W1AW");
    ui.txtCntry.setText("CT");
    ui.txtRSTR.setText("M");
    ui.txtSec.setText("John");
    press(EntryField::Name, keys::kEnter);
    EXPECT_FALSE(files.exists("log.txt"));
}

TEST_F(LifecycleTest, AMissingPrefixTableStopsTheStartUp) {
    data.files.clear();
    EXPECT_EQ(main.start(), Form1Logic::Started::Stopped);
    EXPECT_EQ(dialogs.shown.back().text, "Error opening file: arrlpre2.txt is missing");
}

TEST_F(LifecycleTest, AnUnreadableLogEndsTheProgram) {
    files.files["log.txt"] = "\"W1AW\",\"Jo\"hn\"\r\n";
    EXPECT_EQ(main.start(), Form1Logic::Started::Fatal);
    EXPECT_EQ(dialogs.shown.back().title, "File Error");
    EXPECT_EQ(onDisk(), "\"W1AW\",\"Jo\"hn\"\r\n");
}

TEST_F(LifecycleTest, NoWithoutYesKeepsTheLog) {
    givenLog({contact("W1AW")});
    dialogs.messageAnswers = {MessageAnswer::No};
    dialogs.inputAnswers = {"no"};
    EXPECT_EQ(main.start(), Form1Logic::Started::Ready);
    EXPECT_EQ(log.size(), 1u);
    EXPECT_EQ(dialogs.shown.back().title, "WARNING - Your existing log file will be ERASED!");
}

TEST_F(LifecycleTest, NoAndYesStartsANewLogAfterABackup) {
    givenLog({contact("W1AW")});
    const std::string old = onDisk();
    op.operatingSeconds = 500;
    files.files["Quorvpref.txt"] = *formatPreferences(profile, prefs, op);
    dialogs.messageAnswers = {MessageAnswer::No};
    dialogs.inputAnswers = {"yes"};
    EXPECT_EQ(main.start(), Form1Logic::Started::Ready);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(onDisk(), "");
    EXPECT_EQ(windows.calls, (std::vector<std::string>{"station"}));
    EXPECT_EQ(files.files["BACKUP/200701130900.log"], old);
    EXPECT_EQ(ui.lblttrack, "00:00:00");
}

TEST_F(LifecycleTest, BandSelectionSavesLineTwelveAndReloads) {
    givenLog({contact("W1AW")});
    startLogging();
    files.files["log.txt"] += *formatLogLine(contact("K1ABC")); // written by another copy
    ASSERT_EQ(main.selectBand("20"), Outcome::Continue);
    EXPECT_EQ(op.currentBand, "20");
    EXPECT_EQ(bandLabel(op), "20");
    EXPECT_EQ(log.size(), 2u);
    StationProfile p;
    Preferences q;
    OperatingState o;
    ASSERT_TRUE(parsePreferences(files.files["Quorvpref.txt"], p, q, o));
    EXPECT_EQ(o.currentBand, "20");
}

TEST_F(LifecycleTest, TheBandLabelStepsThroughTheBands) {
    startLogging();
    std::vector<std::string> seen;
    for (int i = 0; i < 8; ++i) {
        ASSERT_EQ(main.bandLabelClicked(), Outcome::Continue);
        seen.push_back(op.currentBand);
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"20", "15", "10", "6", "2", "70", "80", "40"}));
    ASSERT_EQ(main.selectBand("160"), Outcome::Continue);
    ASSERT_EQ(main.bandLabelClicked(), Outcome::Continue);
    EXPECT_EQ(op.currentBand, "160");
}

TEST_F(LifecycleTest, TimeOnAndOffKeepTheOperatingTime) {
    op.operatingSeconds = 3725;
    files.files["Quorvpref.txt"] = *formatPreferences(profile, prefs, op);
    ASSERT_EQ(main.start(), Form1Logic::Started::Ready);
    EXPECT_EQ(ui.lblttrack, "01:02:05");
    main.cmdLogOn_Click();
    EXPECT_EQ(ui.cmdLogOnCaption, "&Log \"Time Off\"");
    EXPECT_EQ(ui.lblDialog, " ");
    clock.local = clock.local.addSeconds(100);
    main.timer2Tick();
    EXPECT_EQ(ui.lblttrack, "01:03:45");
    clock.local = clock.local.addSeconds(5);
    main.cmdLogOn_Click();
    EXPECT_EQ(ui.cmdLogOnCaption, "&Log \"Time On\"");
    EXPECT_EQ(op.operatingSeconds, 3830);
    EXPECT_EQ(ui.lblDialog, "Logged Off at 1/13/2007 14:01:45");
    StationProfile p;
    Preferences q;
    OperatingState o;
    ASSERT_TRUE(parsePreferences(files.files["Quorvpref.txt"], p, q, o));
    EXPECT_EQ(o.operatingSeconds, 3830);
}

TEST_F(LifecycleTest, ClosingWhileTheClockRunsKeepsTheElapsedTime) {
    startLogging();
    logContact("W1AW", "CT", "M", "John");
    clock.local = clock.local.addSeconds(60);
    main.closing();
    EXPECT_EQ(files.files["BACKUP/200701130901.log"], onDisk()) << "the backup on closing";
    StationProfile p;
    Preferences q;
    OperatingState o;
    ASSERT_TRUE(parsePreferences(files.files["Quorvpref.txt"], p, q, o));
    EXPECT_EQ(o.operatingSeconds, 60);
}

TEST_F(LifecycleTest, ClocksShowUtcLocalAndAmPm) {
    startLogging();
    clock.setLocal(2007, 1, 13, 21, 5, 9);
    main.timer2Tick();
    EXPECT_EQ(ui.lblutctime, "02:05:09");
    EXPECT_EQ(ui.lblCurTime, "9:05:09");
    EXPECT_EQ(ui.label16, "PM");
    EXPECT_EQ(formatOperatingTime(360000 + 59), "00:00:59"); // hours keep two digits
}

TEST_F(LifecycleTest, TheClocksTickEverySecondAndTheRatesEveryMinute) {
    givenLog({contact("W1AW", "CT", 10, "40", "13:59:00")});
    startLogging();
    int changes = 0;
    main.setChangedHandler([&](Outcome) { ++changes; });
    EXPECT_EQ(ui.lblutctime, "14:00:00");
    clock.advance(999);
    EXPECT_EQ(changes, 0);
    clock.advance(1);
    EXPECT_EQ(ui.lblutctime, "14:00:01");
    EXPECT_EQ(changes, 1) << "the window is told to show the new time";
    EXPECT_EQ(ui.score.rateLastTwentyMinutes, "3");
    // Twenty minutes on, the contact falls out of the twenty-minute rate at the
    // next minute tick.
    clock.advance(20 * 60 * 1000);
    EXPECT_EQ(ui.score.rateLastTwentyMinutes, "0");
    EXPECT_EQ(ui.score.rateLastHour, "1");
    EXPECT_EQ(ui.lblutctime, "14:20:01");
}

TEST_F(LifecycleTest, MenuSettingsAreSaved) {
    startLogging();
    dialogs.inputAnswers = {"  y  ", "95.5", "abc"};
    main.menuDefaultCategory();
    EXPECT_EQ(prefs.defaultCategory, "Y");
    EXPECT_TRUE(main.menuFormSize());
    EXPECT_EQ(prefs.sizePercent, 96);
    EXPECT_EQ(dialogs.shown.back().title,
              "For this setting to take effect please restart this program.");
    EXPECT_FALSE(main.menuFormSize());
    EXPECT_EQ(dialogs.shown.back().title, "Numeric Values Required");
    EXPECT_EQ(prefs.sizePercent, 96);
    EXPECT_FALSE(main.menuTaskbar()); // only at 100 %
    EXPECT_EQ(dialogs.shown.back().title, "Please set your form size to 100% to use this option.");
    main.menuListPreviousContacts();
    StationProfile p;
    Preferences q;
    OperatingState o;
    ASSERT_TRUE(parsePreferences(files.files["Quorvpref.txt"], p, q, o));
    EXPECT_EQ(q.defaultCategory, "Y");
    EXPECT_EQ(q.sizePercent, 96);
    EXPECT_EQ(q.listPreviousContacts, 1);
}

TEST_F(LifecycleTest, ADoubleQuoteNeverBecomesTheDefaultCategory) {
    startLogging();
    dialogs.inputAnswers = {"\"", "\"o"};
    main.menuDefaultCategory();
    EXPECT_EQ(prefs.defaultCategory, "");
    main.menuDefaultCategory();
    EXPECT_EQ(prefs.defaultCategory, "O");
    StationProfile p;
    Preferences q;
    OperatingState o;
    ASSERT_TRUE(parsePreferences(files.files["Quorvpref.txt"], p, q, o));
    EXPECT_EQ(q.defaultCategory, "O");
}

TEST_F(LifecycleTest, APreferencesFileThatStoppedTheStartUpIsNeverWrittenOver) {
    profile.ownCall = "W1AW";
    profile.ownName = "Anne";
    std::string text = *formatPreferences(profile, prefs, op);
    text.replace(text.find("\r\n0\r\n"), 5, "\r\n1e39\r\n"); // line 5, operating time
    files.files["Quorvpref.txt"] = text;
    EXPECT_EQ(main.start(), Form1Logic::Started::Stopped);
    EXPECT_EQ(dialogs.shown.back().text, "Error opening file: Quorvpref.txt line 5");
    ASSERT_EQ(main.selectBand("20"), Outcome::Continue);
    main.menuListPreviousContacts();
    EXPECT_EQ(files.files["Quorvpref.txt"], text);
    EXPECT_NE(ui.lblDialog.find("Preferences not saved"), std::string::npos);

    // Closing the station window leaves it alone; confirming it with Done writes
    // the station the operator has just seen.
    windows.confirm = false;
    main.menuSetup();
    EXPECT_EQ(files.files["Quorvpref.txt"], text);
    windows.confirm = true;
    main.menuSetup();
    StationProfile p;
    Preferences q;
    OperatingState o;
    ASSERT_TRUE(parsePreferences(files.files["Quorvpref.txt"], p, q, o));
    EXPECT_EQ(p.ownCall, "W1AW");
}

TEST_F(LifecycleTest, APreferencesFileCutShortIsReportedNotReadWithDefaults) {
    profile.ownCall = "W1AW";
    std::string text = *formatPreferences(profile, prefs, op);
    text.resize(text.find("\r\n", text.find("\r\n") + 2) + 2); // two lines of twenty
    files.files["Quorvpref.txt"] = text;
    EXPECT_EQ(main.start(), Form1Logic::Started::Stopped);
    EXPECT_EQ(dialogs.shown.back().title, "Error opeining file");
    EXPECT_EQ(dialogs.shown.back().text, "Error opening file: Quorvpref.txt line 3 is missing");
    EXPECT_EQ(files.files["Quorvpref.txt"], text);
}

} // namespace
} // namespace qv
