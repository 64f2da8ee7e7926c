#include "Form1Fixture.h"
#include "reports/LogListClipboard.h"
#include "reports/PlainExport.h"

#include <algorithm>

namespace qv {
namespace {

using test::contact;
using test::Form1Fixture;

std::vector<ContactRecord> numbered(int n) {
    std::vector<ContactRecord> records;
    for (int i = 1; i <= n; ++i) {
        records.push_back(contact("W" + std::to_string(i) + "AB", "CT", i % 2 ? 10 : 2));
    }
    return records;
}

TEST(RecentContacts, LastTwentyNewestFirstOrAll) {
    ContestLog log;
    log.assign(numbered(25));
    RecentContacts recent;
    recent.rebuild(log);
    ASSERT_EQ(recent.size(), 20u);
    EXPECT_EQ(recent.rows().front().columns[0], "25");
    EXPECT_EQ(recent.rows().back().columns[0], "6");
    recent.showAll = true;
    recent.rebuild(log);
    EXPECT_EQ(recent.size(), 25u);
    EXPECT_EQ(recent.rows().back().columns[0], "1");
    EXPECT_EQ(recent.rows()[0].columns,
              (std::array<std::string, 9>{"25", "W25AB", "CT", "M", "John", "01/13 14:22", "40",
                                          "10", "Anne"}));
}

TEST(RecentContacts, HeadingSortIsAOneOffTextSort) {
    ContestLog log;
    log.assign(numbered(12));
    RecentContacts recent;
    recent.showAll = true;
    recent.rebuild(log);
    recent.sortBy(0);
    EXPECT_EQ(recent.rows()[0].columns[0], "1");
    EXPECT_EQ(recent.rows()[1].columns[0], "10"); // text order: "10" before "9"
    EXPECT_EQ(recent.sortColumn(), 0);
    recent.rebuild(log);
    EXPECT_EQ(recent.rows()[0].columns[0], "12");
    EXPECT_EQ(recent.sortColumn(), -1);
}

class LogListTest : public Form1Fixture {};

TEST_F(LogListTest, DeleteAsksAndRenumbers) {
    givenLog(numbered(5));
    startLogging();
    dialogs.messageAnswers = {MessageAnswer::No};
    EXPECT_EQ(main.cmdDelete_Click(3), Outcome::Continue);
    EXPECT_EQ(log.size(), 5u);
    EXPECT_EQ(dialogs.shown.back().title, "Are you sure?");
    EXPECT_EQ(dialogs.shown.back().buttons, MessageButtons::YesNoDefaultNo) << "Enter answers No";
    EXPECT_EQ(main.cmdDelete_Click(3), Outcome::Continue);
    ASSERT_EQ(log.size(), 4u);
    EXPECT_EQ(log.record(3).call, "W4AB");
    EXPECT_EQ(log.record(4).call, "W5AB");
    auto expected = numbered(5);
    expected.erase(expected.begin() + 2);
    EXPECT_EQ(onDisk(), *formatLog(expected));
    EXPECT_FALSE(ui.editButtonsVisible);
    EXPECT_EQ(ui.score.totalContacts, "4");
}

TEST_F(LogListTest, EditingOneNameChangesExactlyThatLine) {
    givenLog(numbered(9));
    startLogging();
    const std::string before = onDisk();
    ContactRecord edited = log.record(7);
    edited.name = "Zoe";
    EXPECT_EQ(main.editFinished(7, &edited, false), Outcome::Continue);
    const std::string after = onDisk();
    auto lines = [](const std::string& text) {
        std::vector<std::string> out;
        for (std::size_t pos = 0, next; (next = text.find("\r\n", pos)) != std::string::npos;
             pos = next + 2) {
            out.push_back(text.substr(pos, next - pos + 2));
        }
        return out;
    };
    const auto a = lines(before), b = lines(after);
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (i == 6) {
            EXPECT_NE(b[i].find("\"Zoe\""), std::string::npos);
        } else {
            EXPECT_EQ(a[i], b[i]) << i;
        }
    }
}

TEST_F(LogListTest, ListButtonsShowWithRowsAndHideInTheCallField) {
    startLogging();
    main.listClicked();
    EXPECT_FALSE(ui.editButtonsVisible); // no rows
    logContact("W1AW", "CT", "M", "John");
    main.listClicked();
    EXPECT_TRUE(ui.editButtonsVisible);
    main.entry().entered(EntryField::Call);
    EXPECT_FALSE(ui.editButtonsVisible);
}

TEST_F(LogListTest, PlainExportInListColumnOrder) {
    ContestLog l;
    l.assign({contact("W1AW"), contact("DL1ABC", "Germany", 25)});
    EXPECT_EQ(formatPlainExport(l),
              "Rec#\tCall\tSPC\tCat\tName\tDate/Time\tBnd\tPts\tName S\r\n"
              "1\tW1AW\tCT\tM\tJohn\t2007/01/13 14:22:05\t40\t10\tAnne\r\n"
              "2\tDL1ABC\tGermany\tM\tJohn\t2007/01/13 14:22:05\t40\t25\tAnne\r\n");
    startLogging();
    main.menuExport();
    EXPECT_TRUE(files.exists("Export.txt"));
}

class RecordingClipboard : public Clipboard {
public:
    std::vector<std::string> calls;
    void clear() override { calls.push_back("clear"); }
    void setText(const std::string& text) override { calls.push_back(text); }
};

TEST(CopyListedItems, LastTwentyOfTwentyFiveGoOldestFirst) {
    ContestLog log;
    for (int i = 1; i <= 25; ++i) {
        ContactRecord r;
        r.call = "W" + std::to_string(i) + "A";
        r.date = "2007/01/13";
        r.time = "14:00:00";
        r.points = 10;
        log.append(r);
    }
    RecentContacts recent;
    recent.rebuild(log);
    RecordingClipboard clipboard;
    copyListedItems(recent.rows(), clipboard);
    ASSERT_EQ(clipboard.calls.size(), 2u);
    EXPECT_EQ(clipboard.calls[0], "clear");
    const std::string& text = clipboard.calls[1];
    EXPECT_EQ(text.rfind("Rec#\tCall\tSPC\tCat\tName\tDate/Time\tBnd\tPts\tName S\r\n6\tW6A\t", 0),
              0u);
    EXPECT_NE(text.find("\r\n25\tW25A\t"), std::string::npos);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 21);
}

} // namespace
} // namespace qv
