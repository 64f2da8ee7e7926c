#include "core/WorkingLog.h"

#include "core/LogFileFormat.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeDialogs.h"
#include "fakes/MemoryFileStore.h"
#include "fakes/Records.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

class RecordingHooks : public NewLogHooks {
public:
    std::vector<std::string> calls;
    Status backupBeforeNewLog() override {
        calls.push_back("backup");
        return Status::success();
    }
    void savePreferences() override { calls.push_back("save"); }
    void showOperatingTime() override { calls.push_back("time"); }
};

class RecordingListener : public LogListener {
public:
    std::vector<std::string> events;
    void logLoaded() override { events.push_back("loaded"); }
    void contactAppended(std::size_t k) override {
        events.push_back("appended " + std::to_string(k));
    }
    void logRewritten() override { events.push_back("rewritten"); }
};

class WorkingLogTest : public ::testing::Test {
protected:
    test::MemoryFileStore files;
    test::FakeDialogs dialogs;
    ContestLog log;
    OperatingState state;
    MultiplierTable table;
    test::FakeClock clock;
    LogFile file{files};
    WorkingLog working{log, state, table, file, dialogs, clock};

    void givenLog(const std::vector<ContactRecord>& records) {
        files.files["log.txt"] = *formatLog(records);
    }
    std::string onDisk() { return files.files["log.txt"]; }
    bool sawFileError() const {
        return !dialogs.shown.empty() && dialogs.shown.back().title == "File Error" &&
               dialogs.shown.back().text == WorkingLog::kFileErrorText;
    }
};

TEST_F(WorkingLogTest, LoadCountsPointsMultipliersAndDxEntities) {
    givenLog({test::contact("W1AW", "NY", 10, "40"), test::contact("W1AW", "NY", 10, "20"),
              test::contact("K2AA", "ny", 2), test::contact("DL1A", "Germany", 25),
              test::contact("DL2B", "GERMANY", 1), test::contact("QQ1A", "Not Found"),
              test::contact("VE3A", "ON"), test::contact("KH6A", "Hawaii"),
              test::contact("XX1A", "XX")});
    RecordingListener first;
    RecordingListener second;
    working.subscribe(first);
    working.subscribe(second);
    ASSERT_EQ(working.LoadLog(), Outcome::Continue);
    EXPECT_EQ(first.events, std::vector<std::string>{"loaded"});
    EXPECT_EQ(second.events, std::vector<std::string>{"loaded"});
    EXPECT_EQ(log.size(), 9u);
    EXPECT_EQ(state.totalPoints, 10 + 10 + 2 + 25 + 1 + 10 + 10 + 10 + 10);
    EXPECT_EQ(usCanMultipliers(state), 2); // NY once, ON
    EXPECT_TRUE(state.multiplierWorked[7 - 1]);
    EXPECT_EQ(state.dxWorked.names(), std::vector<std::string>{"Germany"});
    EXPECT_EQ(multiplierCount(state), 3);
}

TEST_F(WorkingLogTest, ReloadStartsTotalsAfresh) {
    givenLog({test::contact("DL1A", "Germany", 25), test::contact("W1AW", "CT")});
    ASSERT_EQ(working.LoadLog(), Outcome::Continue);
    ASSERT_EQ(working.LoadLog(), Outcome::Continue);
    EXPECT_EQ(state.totalPoints, 35);
    EXPECT_EQ(multiplierCount(state), 2);
}

TEST_F(WorkingLogTest, EveryDistinctDxEntityCountsPastAThousand) {
    std::vector<ContactRecord> records;
    for (int i = 0; i < 1005; ++i) {
        records.push_back(test::contact("DX" + std::to_string(i), "Entity " + std::to_string(i)));
    }
    givenLog(records);
    ASSERT_EQ(working.LoadLog(), Outcome::Continue);
    EXPECT_EQ(state.dxWorked.count(), 1005u);
    EXPECT_EQ(multiplierCount(state), 1005);
}

TEST_F(WorkingLogTest, UnreadableLogShowsFileErrorAndLeavesTheFile) {
    const std::string damaged = "\"W1AW\",\"M\",\"Jo\"hn\",\"Anne\",\"CT\",\"2007/01/13\","
                                "\"14:22:05\",\"PH\",\"40\",10,\"\"\r\n";
    files.files["log.txt"] = damaged;
    EXPECT_EQ(working.LoadLog(), Outcome::EndProgram);
    EXPECT_TRUE(sawFileError());
    EXPECT_EQ(dialogs.shown.back().icon, MessageIcon::Critical);
    EXPECT_EQ(onDisk(), damaged);
    EXPECT_EQ(files.writes, 0);

    files.unreadable = true;
    dialogs.shown.clear();
    EXPECT_EQ(working.LoadLog(), Outcome::EndProgram);
    EXPECT_TRUE(sawFileError());
}

TEST_F(WorkingLogTest, MissingLogIsAnEmptyLogAndIsCreated) {
    ASSERT_EQ(working.LoadLog(), Outcome::Continue);
    EXPECT_EQ(log.size(), 0u);
    EXPECT_EQ(state.totalPoints, 0);
    ASSERT_TRUE(files.exists("log.txt"));
    EXPECT_EQ(onDisk(), "");
}

TEST_F(WorkingLogTest, AVanishedLogIsWrittenBackFromMemory) {
    givenLog({test::contact("W1AW")});
    ASSERT_EQ(working.LoadLog(), Outcome::Continue);
    files.files.erase("log.txt");
    ASSERT_EQ(working.LoadLog(), Outcome::Continue);
    EXPECT_EQ(log.size(), 1u);
    EXPECT_EQ(onDisk(), *formatLogLine(test::contact("W1AW")));
}

TEST_F(WorkingLogTest, NothingIsWrittenBeforeTheLogHasBeenRead) {
    givenLog({test::contact("A1A"), test::contact("B1B")});
    const std::string before = onDisk();
    EXPECT_FALSE(working.AppendRecord(test::contact("C1C")).status.ok());
    EXPECT_FALSE(working.RewriteLog().write.ok());
    EXPECT_EQ(onDisk(), before);
}

TEST_F(WorkingLogTest, AppendWritesTheLineBeforeTheContactCounts) {
    ASSERT_EQ(working.LoadLog(), Outcome::Continue);
    const auto appended = working.AppendRecord(test::contact("DL1A", "Germany", 25));
    ASSERT_TRUE(appended.status.ok());
    EXPECT_TRUE(appended.effect.newDxEntity);
    EXPECT_EQ(onDisk(), *formatLogLine(test::contact("DL1A", "Germany", 25)));
    EXPECT_EQ(state.totalPoints, 25);

    const auto second = working.AppendRecord(test::contact("W1AW", "ct"));
    EXPECT_EQ(second.effect.newMultiplier, std::optional<std::size_t>(1));
    EXPECT_FALSE(second.effect.newDxEntity);
    EXPECT_EQ(log.size(), 2u);
}

TEST_F(WorkingLogTest, FailedAppendKeepsMemoryAndFileEqual) {
    givenLog({test::contact("W1AW")});
    ASSERT_EQ(working.LoadLog(), Outcome::Continue);
    const std::string before = onDisk();
    files.failWrites = true;
    const auto appended = working.AppendRecord(test::contact("K1ABC", "NY"));
    EXPECT_FALSE(appended.status.ok());
    EXPECT_NE(appended.status.message().find("NOT logged"), std::string::npos);
    EXPECT_EQ(log.size(), 1u);
    EXPECT_EQ(state.totalPoints, 10);
    EXPECT_FALSE(state.multiplierWorked[7 - 1]);
    EXPECT_EQ(onDisk(), before);
}

TEST_F(WorkingLogTest, ARecordWithAQuoteIsRefusedNotWritten) {
    ASSERT_EQ(working.LoadLog(), Outcome::Continue);
    auto r = test::contact("W1AW");
    r.name = "Jo\"hn";
    EXPECT_FALSE(working.AppendRecord(r).status.ok());
    EXPECT_EQ(log.size(), 0u);
    EXPECT_EQ(onDisk(), "");
}

TEST_F(WorkingLogTest, AppendAfterAHandEditedLastLineStartsANewLine) {
    files.files["log.txt"] = *formatLogLine(test::contact("W1AW"));
    files.files["log.txt"].resize(files.files["log.txt"].size() - 2); // no final CR LF
    ASSERT_EQ(working.LoadLog(), Outcome::Continue);
    ASSERT_TRUE(working.AppendRecord(test::contact("K1ABC")).status.ok());
    ASSERT_EQ(working.LoadLog(), Outcome::Continue);
    EXPECT_EQ(log.size(), 2u);
    EXPECT_EQ(log.record(2).call, "K1ABC");
}

TEST_F(WorkingLogTest, TheElevenThousandAndFirstContactIsRefused) {
    givenLog(std::vector<ContactRecord>(ContestLog::kCapacity, test::contact("W1AW")));
    ASSERT_EQ(working.LoadLog(), Outcome::Continue);
    const std::string before = onDisk();
    const auto appended = working.AppendRecord(test::contact("K1ABC"));
    EXPECT_FALSE(appended.status.ok());
    EXPECT_NE(appended.status.message().find("11000"), std::string::npos);
    EXPECT_EQ(log.size(), ContestLog::kCapacity);
    EXPECT_EQ(onDisk(), before);
}

TEST_F(WorkingLogTest, RemoveRewritesAndRenumbers) {
    givenLog({test::contact("A1A"), test::contact("B1B"), test::contact("C1C")});
    ASSERT_EQ(working.LoadLog(), Outcome::Continue);
    const auto result = working.RemoveRecord(1);
    EXPECT_TRUE(result.write.ok());
    EXPECT_EQ(result.outcome, Outcome::Continue);
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log.record(1).call, "B1B");
    EXPECT_EQ(log.record(2).call, "C1C");
    EXPECT_EQ(onDisk(), *formatLog({test::contact("B1B"), test::contact("C1C")}));
}

TEST_F(WorkingLogTest, AFailedRewriteBringsMemoryBackToTheFile) {
    givenLog({test::contact("A1A", "CT"), test::contact("B1B", "NY")});
    ASSERT_EQ(working.LoadLog(), Outcome::Continue);
    const std::string before = onDisk();
    files.failWrites = true;
    const auto result = working.ReplaceRecord(2, test::contact("B1B", "Germany"));
    EXPECT_FALSE(result.write.ok());
    EXPECT_EQ(result.outcome, Outcome::Continue);
    EXPECT_EQ(log.record(2).spc, "NY");
    EXPECT_EQ(state.dxWorked.count(), 0u);
    EXPECT_EQ(onDisk(), before);
}

TEST_F(WorkingLogTest, NewLogAsksWithItsExactTexts) {
    givenLog({test::contact("A1A")});
    RecordingHooks hooks;
    ASSERT_EQ(working.NewLog(hooks), Outcome::Continue);
    ASSERT_FALSE(dialogs.shown.empty());
    const auto& box = dialogs.shown.front();
    EXPECT_EQ(box.kind, "input");
    EXPECT_EQ(box.title, "WARNING - Your existing log file will be ERASED!");
    EXPECT_EQ(box.text, "Are you sure that you want to start a new log file?  This function will "
                        "ERASE the existing log file!\r\n\r\nTo verify that you want to start a "
                        "new log file, please type: YES");
    EXPECT_EQ(box.defaultAnswer, "");
}

TEST_F(WorkingLogTest, NewLogErasesOnlyAfterYes) {
    struct Case {
        const char* answer;
        bool erased;
    };
    for (const Case c : {Case{"YES", true}, Case{"yes", true}, Case{"", false}, Case{"no", false},
                         Case{"YES ", false}}) {
        givenLog({test::contact("A1A"), test::contact("B1B")});
        ASSERT_EQ(working.LoadLog(), Outcome::Continue);
        state.operatingSeconds = 3725;
        dialogs.inputAnswers = {c.answer};
        RecordingHooks hooks;
        ASSERT_EQ(working.NewLog(hooks), Outcome::Continue);
        if (c.erased) {
            EXPECT_EQ(onDisk(), "") << c.answer;
            EXPECT_EQ(log.size(), 0u);
            EXPECT_EQ(state.operatingSeconds, 0);
            EXPECT_EQ(hooks.calls, (std::vector<std::string>{"backup", "save", "time"}));
        } else {
            EXPECT_EQ(log.size(), 2u) << c.answer;
            EXPECT_EQ(state.operatingSeconds, 3725);
            EXPECT_EQ(hooks.calls, std::vector<std::string>{"time"});
        }
    }
}

// An append the program never confirmed: the half line goes, a copy of the file
// as it was stays beside it, the operator is told, and logging goes on.
TEST_F(WorkingLogTest, ATornLastLineIsCutCopiedAndReported) {
    const std::string whole = *formatLog({test::contact("A1A"), test::contact("B1B")});
    const std::string torn = whole + "\"K1ABC\",\"M\",\"broken line";
    files.files["log.txt"] = torn;
    clock.setLocal(2007, 1, 13, 9, 30, 5);
    ASSERT_EQ(working.LoadLog(), Outcome::Continue);
    EXPECT_EQ(log.size(), 2u);
    EXPECT_EQ(onDisk(), whole);
    EXPECT_EQ(files.files["log.txt.torn-20070113093005"], torn);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, "Unfinished Line Removed");
    EXPECT_NE(dialogs.shown[0].text.find("\"K1ABC\",\"M\",\"broken line"), std::string::npos);
    EXPECT_NE(dialogs.shown[0].text.find("log.txt.torn-20070113093005"), std::string::npos);

    ASSERT_TRUE(working.AppendRecord(test::contact("K2XYZ")).status.ok());
    ASSERT_EQ(working.LoadLog(), Outcome::Continue);
    EXPECT_EQ(log.size(), 3u);
    EXPECT_EQ(log.record(3).call, "K2XYZ");
}

TEST_F(WorkingLogTest, OnlyAnUnfinishedLastLineCountsAsTorn) {
    const std::string line = *formatLogLine(test::contact("A1A"));
    struct Case {
        std::string text;
        Outcome outcome;
        std::size_t records;
    };
    const Case cases[] = {
        // A whole record that lost only its line break is kept.
        {line + line.substr(0, line.size() - 2), Outcome::Continue, 2},
        {line + line.substr(0, line.size() - 1), Outcome::Continue, 2},
        // The only line, cut short.
        {line.substr(0, 20), Outcome::Continue, 0},
        // A damaged line that is not the last one is no torn append.
        {"\"A1A\",\"M\r\n" + line + line.substr(0, 20), Outcome::EndProgram, 0},
        // A damaged last line that has its line break was written whole.
        {line + "\"A1A\",\"M\r\n", Outcome::EndProgram, 0},
    };
    for (const Case& c : cases) {
        ContestLog fresh;
        OperatingState state2;
        LogFile file2{files};
        WorkingLog reader{fresh, state2, table, file2, dialogs, clock};
        files.files = {{"log.txt", c.text}};
        EXPECT_EQ(reader.LoadLog(), c.outcome) << c.text;
        if (c.outcome == Outcome::Continue) {
            EXPECT_EQ(fresh.size(), c.records) << c.text;
        } else {
            EXPECT_EQ(files.files["log.txt"], c.text);
            EXPECT_EQ(files.files.size(), 1u) << "no copy made";
        }
    }
}

TEST_F(WorkingLogTest, AByteOrderMarkFromAnEditorIsReadAsAbsent) {
    files.files["log.txt"] = "\xEF\xBB\xBF" + *formatLog({test::contact("A1A")});
    ASSERT_EQ(working.LoadLog(), Outcome::Continue);
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log.record(1).call, "A1A");
}

TEST_F(WorkingLogTest, ALogDeletedOrReplacedUnderTheProgramIsWrittenBackWhole) {
    const std::vector<ContactRecord> earlier = {test::contact("A1A"), test::contact("B1B")};
    const std::string expected = *formatLog({earlier[0], earlier[1], test::contact("C1C")});
    for (const char* what : {"deleted", "replaced", "grown"}) {
        givenLog(earlier);
        ASSERT_EQ(working.LoadLog(), Outcome::Continue);
        const std::string stranger = *formatLogLine(test::contact("Z9Z"));
        if (std::string(what) == "deleted") {
            files.files.erase("log.txt");
        } else if (std::string(what) == "replaced") {
            files.replaceBehindTheProgram("log.txt", stranger);
        } else {
            files.files["log.txt"] += stranger;
        }
        const auto appended = working.AppendRecord(test::contact("C1C"));
        ASSERT_TRUE(appended.status.ok()) << what;
        EXPECT_EQ(onDisk(), expected) << what;
        EXPECT_NE(appended.note.find("written again"), std::string::npos) << what;
        EXPECT_EQ(appended.note.find("kept as") != std::string::npos,
                  std::string(what) != "deleted")
            << what;
        ASSERT_EQ(working.LoadLog(), Outcome::Continue);
        EXPECT_EQ(log.size(), 3u) << what;
        files.files.erase("log.txt.replaced-20070113090000");
    }
}

TEST_F(WorkingLogTest, WhatStoodInPlaceOfTheLogIsKeptBesideIt) {
    givenLog({test::contact("A1A")});
    ASSERT_EQ(working.LoadLog(), Outcome::Continue);
    const std::string stranger = *formatLogLine(test::contact("Z9Z"));
    files.replaceBehindTheProgram("log.txt", stranger);
    ASSERT_TRUE(working.AppendRecord(test::contact("C1C")).status.ok());
    EXPECT_EQ(files.files["log.txt.replaced-20070113090000"], stranger);
    EXPECT_EQ(log.size(), 2u);
}

TEST_F(WorkingLogTest, AnAppendTheSystemReportsAsFailedLeavesMemoryAndFileEqual) {
    struct Case {
        AppendResult::Left left;
        bool logged;
    };
    // Whole: the line reached the file though close failed after the sync.
    // Unknown: half the line stayed and could not be taken out.
    for (const Case c :
         {Case{AppendResult::Left::Whole, true}, Case{AppendResult::Left::Unknown, false},
          Case{AppendResult::Left::Nothing, false}}) {
        givenLog({test::contact("A1A")});
        ASSERT_EQ(working.LoadLog(), Outcome::Continue);
        files.failNextAppend = c.left;
        const auto appended = working.AppendRecord(test::contact("K1ABC"));
        EXPECT_EQ(appended.status.ok(), c.logged);
        EXPECT_EQ(log.size(), c.logged ? 2u : 1u);
        EXPECT_EQ(onDisk(), *formatLog(log.records()));
        if (c.logged) {
            EXPECT_NE(appended.note.find("Input/output error"), std::string::npos);
        } else {
            EXPECT_NE(appended.status.message().find("NOT logged"), std::string::npos);
        }
        // The next contact goes on a clean file.
        ASSERT_TRUE(working.AppendRecord(test::contact("K2XYZ")).status.ok());
        EXPECT_EQ(onDisk(), *formatLog(log.records()));
    }
}

TEST_F(WorkingLogTest, APartLineThatCannotBeTakenOutIsWrittenOverBeforeTheNextContact) {
    givenLog({test::contact("A1A")});
    ASSERT_EQ(working.LoadLog(), Outcome::Continue);
    files.failNextAppend = AppendResult::Left::Unknown;
    files.failWrites = true; // the repair right after fails too
    const auto refused = working.AppendRecord(test::contact("K1ABC"));
    EXPECT_FALSE(refused.status.ok());
    EXPECT_NE(refused.status.message().find("before the next contact"), std::string::npos);
    files.failWrites = false;
    ASSERT_TRUE(working.AppendRecord(test::contact("K2XYZ")).status.ok());
    EXPECT_EQ(onDisk(), *formatLog({test::contact("A1A"), test::contact("K2XYZ")}));
}

TEST_F(WorkingLogTest, EveryListenerHearsOfAppendsRewritesAndLoads) {
    givenLog({test::contact("A1A")});
    RecordingListener graph;
    RecordingListener map;
    working.subscribe(graph);
    working.subscribe(map);
    ASSERT_EQ(working.LoadLog(), Outcome::Continue);
    ASSERT_TRUE(working.AppendRecord(test::contact("B1B")).status.ok());
    files.failWrites = true;
    EXPECT_FALSE(working.AppendRecord(test::contact("C1C")).status.ok());
    files.failWrites = false;
    ASSERT_EQ(working.RemoveRecord(1).outcome, Outcome::Continue);
    const std::vector<std::string> expected = {"loaded", "appended 2", "rewritten", "loaded"};
    EXPECT_EQ(graph.events, expected);
    EXPECT_EQ(map.events, expected);
    working.unsubscribe(map);
    ASSERT_EQ(working.LoadLog(), Outcome::Continue);
    EXPECT_EQ(graph.events.size(), 5u);
    EXPECT_EQ(map.events.size(), 4u);
}

} // namespace
} // namespace qv
