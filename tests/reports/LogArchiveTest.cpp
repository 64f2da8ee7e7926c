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
    WorkingLog working{log, state, table, file, dialogs};
    StationProfile profile;
    LogArchive archive{working, files, dialogs, clock, profile};

    LogArchiveTest() {
        clock.setLocal(2026, 12, 8, 9, 5, 0);
        profile.ownCall = "W1AW";
    }
    void load(int n) {
        files.files["log.txt"] = *formatLog(contacts(n));
        ASSERT_TRUE(working.LoadLog());
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
    ASSERT_TRUE(working.LoadLog()); // a band change reloads the log
    EXPECT_TRUE(archive.Backup());
}

TEST_F(LogArchiveTest, EditingWithoutAddingMakesNoBackup) {
    load(3);
    ContactRecord edited = log.record(2);
    edited.name = "Zoe";
    ASSERT_TRUE(working.ReplaceRecord(2, edited).loaded);
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
    EXPECT_TRUE(archive.Restore());
    EXPECT_EQ(files.files["log.txt"], before);
    EXPECT_EQ(dialogs.shown.back().kind, "open");
}

TEST_F(LogArchiveTest, RestoreReplacesTheLogAndReloadsTheTotals) {
    load(2);
    files.files["/archives/old.log"] = *formatLog(contacts(5));
    dialogs.messageAnswers = {MessageAnswer::Ok, MessageAnswer::Yes};
    dialogs.fileAnswers = {"/archives/old.log"};
    EXPECT_TRUE(archive.Restore());
    EXPECT_EQ(dialogs.shown[1].title, "Are your sure?");
    EXPECT_EQ(log.size(), 5u);
    EXPECT_EQ(state.totalPoints, 50);
    EXPECT_EQ(files.files["log.txt"], files.files["/archives/old.log"]);
}

TEST_F(LogArchiveTest, RestoreIntoAnEmptyLogAsksNoQuestion) {
    load(0);
    files.files["/archives/old.log"] = *formatLog(contacts(1));
    dialogs.fileAnswers = {"/archives/old.log"};
    EXPECT_TRUE(archive.Restore());
    for (const auto& box : dialogs.shown) {
        EXPECT_NE(box.title, "Are your sure?");
    }
    EXPECT_EQ(log.size(), 1u);
}

TEST_F(LogArchiveTest, NoKeepsTheLog) {
    load(2);
    dialogs.messageAnswers = {MessageAnswer::Ok, MessageAnswer::No};
    EXPECT_TRUE(archive.Restore());
    EXPECT_EQ(log.size(), 2u);
    EXPECT_EQ(dialogs.shown.back().title, "Are your sure?");
}

TEST_F(LogArchiveTest, ADamagedArchiveEndsWithFileErrorAndLeavesBothFiles) {
    load(2);
    const std::string before = files.files["log.txt"];
    files.files["/archives/bad.log"] = "\"W1AW\",\"Jo\"hn\"\r\n";
    dialogs.messageAnswers = {MessageAnswer::Ok, MessageAnswer::Yes};
    dialogs.fileAnswers = {"/archives/bad.log"};
    EXPECT_FALSE(archive.Restore());
    EXPECT_EQ(dialogs.shown.back().title, "File Error");
    EXPECT_EQ(files.files["log.txt"], before);
    EXPECT_EQ(files.files["/archives/bad.log"], "\"W1AW\",\"Jo\"hn\"\r\n");
}

} // namespace
} // namespace qv
