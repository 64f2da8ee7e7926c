#include "reports/LogArchive.h"

#include "core/LogFileFormat.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeDialogs.h"
#include "fakes/MemoryFileStore.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

ContactRecord contact(const std::string& call) {
    ContactRecord r;
    r.call = call;
    r.category = "M";
    r.name = "John";
    r.nameSent = "Anne";
    r.spc = "CT";
    r.date = "2007/01/13";
    r.time = "14:22:05";
    r.mode = "PH";
    r.band = "40";
    r.points = 10;
    return r;
}

std::vector<ContactRecord> contacts(int n) {
    std::vector<ContactRecord> out;
    for (int i = 0; i < n; ++i) {
        out.push_back(contact("W" + std::to_string(i) + "AW"));
    }
    return out;
}

class LogArchiveTest : public ::testing::Test {
protected:
    test::MemoryFileStore files;
    test::FakeDialogs dialogs;
    test::FakeClock clock;
    ContestLog log;
    OperatingState state;
    MultiplierTable table;
    LogFile file{files};
    WorkingLog working{log, state, table, file, dialogs, clock};
    StationProfile profile;
    LogArchive archive{working, files, dialogs, clock, profile};

    LogArchiveTest() {
        clock.setLocal(2026, 12, 8, 9, 5, 0);
        profile.ownCall = "W1AW";
    }
    void load(int n) {
        files.files["log.txt"] = *formatLog(contacts(n));
        ASSERT_EQ(working.LoadLog(), Outcome::Continue);
    }
};

TEST(LogArchiveNames, BackupAndArchiveNames) {
    const auto t = *DateTime::fromFields(2026, 12, 8, 9, 5, 0);
    EXPECT_EQ(backupFileName(t), "202612080905.log");
    EXPECT_EQ(archiveDefaultName("W1AW", t), "W1AW2026-12-08.log");
}

TEST_F(LogArchiveTest, StartingAndClosingWithoutLoggingMakesNoBackup) {
    load(0);
    EXPECT_FALSE(archive.Backup());
    EXPECT_TRUE(files.folders.empty());
}

TEST_F(LogArchiveTest, ContactsLoggedIntoAnEmptyStartAreBackedUpAfterAReload) {
    load(0);
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(working.AppendRecord(contact("K" + std::to_string(i) + "A")).status.ok());
    }
    ASSERT_EQ(working.LoadLog(), Outcome::Continue); // a band change reloads the log
    EXPECT_TRUE(archive.Backup());
}

TEST_F(LogArchiveTest, EditingWithoutAddingMakesNoBackup) {
    load(3);
    ContactRecord edited = log.record(2);
    edited.name = "Zoe";
    ASSERT_EQ(working.ReplaceRecord(2, edited).outcome, Outcome::Continue);
    EXPECT_FALSE(archive.Backup());
}

TEST_F(LogArchiveTest, OneMoreContactMakesOneBackupAndCreatesTheFolder) {
    load(10);
    EXPECT_FALSE(archive.Backup()); // unchanged since it was read
    ASSERT_TRUE(working.AppendRecord(contact("K1NEW")).status.ok());
    EXPECT_TRUE(archive.Backup());
    EXPECT_TRUE(files.folders.count("BACKUP"));
    const std::string copy = files.files["BACKUP/202612080905.log"];
    EXPECT_EQ(copy, files.files["log.txt"]);
    EXPECT_EQ(parseLog(copy, ContestLog::kCapacity).records.size(), 11u);
}

TEST_F(LogArchiveTest, AnExistingFolderInAnyCaseIsUsed) {
    load(1);
    files.folders.insert("backup");
    ASSERT_TRUE(working.AppendRecord(contact("K1NEW")).status.ok());
    EXPECT_TRUE(archive.Backup());
    EXPECT_TRUE(files.exists("backup/202612080905.log"));
    EXPECT_EQ(files.folders.size(), 1u);
}

TEST_F(LogArchiveTest, BackupFailuresAreSilent) {
    load(1);
    ASSERT_TRUE(working.AppendRecord(contact("K1NEW")).status.ok());
    files.failWrites = true;
    dialogs.shown.clear();
    EXPECT_FALSE(archive.Backup());
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(LogArchiveTest, ArchiveCopiesToTheChosenFile) {
    load(3);
    dialogs.fileAnswers = {"/archives/W1AW2026-12-08.log"};
    archive.Archive();
    ASSERT_GE(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].title, "Archive Information");
    EXPECT_EQ(dialogs.shown[1].kind, "save");
    EXPECT_EQ(dialogs.shown[1].defaultAnswer, "W1AW2026-12-08.log");
    EXPECT_EQ(dialogs.shown[1].text, "/memory|Log Files (*.log) | *.log");
    EXPECT_EQ(files.files["/archives/W1AW2026-12-08.log"], files.files["log.txt"]);

    files.failWrites = true;
    dialogs.fileAnswers = {"/archives/other.log"};
    archive.Archive();
    EXPECT_EQ(dialogs.shown.back().title, "Error Archiving Log");
    EXPECT_EQ(dialogs.shown.back().text, "No space left on device");
}

TEST_F(LogArchiveTest, CancelledDialogsChangeNothing) {
    load(3);
    const std::string before = files.files["log.txt"];
    archive.Archive();
    EXPECT_EQ(archive.Restore(), Outcome::Continue);
    EXPECT_EQ(files.files["log.txt"], before);
    EXPECT_EQ(dialogs.shown.back().kind, "open");
}

TEST_F(LogArchiveTest, RestoreReplacesTheLogAndReloadsTheTotals) {
    load(2);
    files.files["/archives/old.log"] = *formatLog(contacts(5));
    dialogs.messageAnswers = {MessageAnswer::Ok, MessageAnswer::Yes};
    dialogs.fileAnswers = {"/archives/old.log"};
    EXPECT_EQ(archive.Restore(), Outcome::Continue);
    EXPECT_EQ(dialogs.shown[1].title, "Are your sure?");
    EXPECT_EQ(log.size(), 5u);
    EXPECT_EQ(state.totalPoints, 50);
    EXPECT_EQ(files.files["log.txt"], files.files["/archives/old.log"]);
}

TEST_F(LogArchiveTest, RestoreIntoAnEmptyLogAsksNoQuestion) {
    load(0);
    files.files["/archives/old.log"] = *formatLog(contacts(1));
    dialogs.fileAnswers = {"/archives/old.log"};
    EXPECT_EQ(archive.Restore(), Outcome::Continue);
    for (const auto& box : dialogs.shown) {
        EXPECT_NE(box.title, "Are your sure?");
    }
    EXPECT_EQ(log.size(), 1u);
}

TEST_F(LogArchiveTest, NoKeepsTheLog) {
    load(2);
    dialogs.messageAnswers = {MessageAnswer::Ok, MessageAnswer::No};
    EXPECT_EQ(archive.Restore(), Outcome::Continue);
    EXPECT_EQ(log.size(), 2u);
    EXPECT_EQ(dialogs.shown.back().title, "Are your sure?");
}

TEST_F(LogArchiveTest, AFileThatIsNoLogIsRefusedAndTheContestGoesOn) {
    load(2);
    const std::string before = files.files["log.txt"];
    const std::string cabrillo = "START-OF-LOG: 2.0\r\nCALLSIGN: W1AW\r\n";
    files.files["/archives/W1AW.log"] = cabrillo;
    dialogs.messageAnswers = {MessageAnswer::Ok, MessageAnswer::Yes};
    dialogs.fileAnswers = {"/archives/W1AW.log"};
    EXPECT_EQ(archive.Restore(), Outcome::Continue);
    EXPECT_EQ(dialogs.shown.back().title, "Error Restoring Log");
    EXPECT_NE(dialogs.shown.back().text.find("/archives/W1AW.log is not a log of this program: "
                                             "line 1 does not read"),
              std::string::npos)
        << dialogs.shown.back().text;
    EXPECT_EQ(files.files["log.txt"], before);
    EXPECT_EQ(files.files["/archives/W1AW.log"], cabrillo);
    EXPECT_EQ(log.size(), 2u);
}

TEST_F(LogArchiveTest, TheCopyBeforeANewLogTakesTheFileOnDiskWhateverMemoryHolds) {
    files.files["log.txt"] = *formatLog(contacts(41)); // never read into memory
    ASSERT_TRUE(archive.BackupOnDisk());
    EXPECT_EQ(files.files["BACKUP/202612080905.log"], files.files["log.txt"]);

    files.files.clear();
    files.folders.clear();
    files.files["log.txt"] = "";
    ASSERT_TRUE(archive.BackupOnDisk());
    EXPECT_TRUE(files.folders.empty()) << "an empty log needs no copy";
}

TEST_F(LogArchiveTest, ABackupOfTheSameMinuteIsReplacedOnlyByOneThatHoldsAllOfIt) {
    load(10);
    files.files["log.txt"] = *formatLog(contacts(11));
    ASSERT_TRUE(archive.BackupOnDisk());
    files.files["log.txt"] = *formatLog(contacts(12)); // more contacts: the same name
    ASSERT_TRUE(archive.BackupOnDisk());
    EXPECT_EQ(files.files["BACKUP/202612080905.log"], *formatLog(contacts(12)));
    files.files["log.txt"] = *formatLog({contact("K9NEW")}); // a new log in between
    ASSERT_TRUE(archive.BackupOnDisk());
    EXPECT_EQ(files.files["BACKUP/202612080905.log"], *formatLog(contacts(12)));
    EXPECT_EQ(files.files["BACKUP/202612080905-2.log"], *formatLog({contact("K9NEW")}));
}

TEST_F(LogArchiveTest, RestoreBeforeTheLogWasReadIsRefused) {
    const std::string unread = *formatLog(contacts(7));
    files.files["log.txt"] = unread; // start-up stopped before it was read
    files.files["/archives/old.log"] = *formatLog(contacts(2));
    dialogs.fileAnswers = {"/archives/old.log"};
    EXPECT_EQ(archive.Restore(), Outcome::Continue);
    EXPECT_EQ(files.files["log.txt"], unread);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, "Error Restoring Log");
}

TEST_F(LogArchiveTest, RestoreBacksTheLogOnDiskUpFirst) {
    load(3);
    const std::string before = files.files["log.txt"];
    files.files["/archives/old.log"] = *formatLog(contacts(5));
    dialogs.fileAnswers = {"/archives/old.log"};
    EXPECT_EQ(archive.Restore(), Outcome::Continue);
    EXPECT_EQ(files.files["BACKUP/202612080905.log"], before);
    EXPECT_EQ(log.size(), 5u);

    // A backup that cannot be made keeps the log as it is.
    files.readOnly.insert("BACKUP/202612080905-2.log");
    files.readOnly.insert("BACKUP/202612080905.log");
    files.files["/archives/other.log"] = *formatLog(contacts(1));
    dialogs.fileAnswers = {"/archives/other.log"};
    const std::string five = files.files["log.txt"];
    EXPECT_EQ(archive.Restore(), Outcome::Continue);
    EXPECT_EQ(files.files["log.txt"], five);
    EXPECT_EQ(dialogs.shown.back().title, "Error Restoring Log");
}

} // namespace
} // namespace qv
