#include "reports/LogListClipboard.h"

#include <algorithm>

#include <gtest/gtest.h>

namespace qv {
namespace {

const std::string kHeadings = "Rec#\tCall\tSPC\tCat\tName\tDate/Time\tBnd\tPts\tName S\r\n";

LogListRow row(int k) {
    return {std::to_string(k),
            "W" + std::to_string(k) + "AW",
            "CT",
            "M",
            "John",
            "01/13 14:22",
            "40",
            "10",
            "Anne"};
}

std::string line(int k) {
    return std::to_string(k) + "\tW" + std::to_string(k) +
           "AW\tCT\tM\tJohn\t01/13 14:22\t40\t10\tAnne\r\n";
}

TEST(LogListClipboard, EmptyListGivesTheHeadingLineAlone) {
    EXPECT_EQ(logListClipboardText({}), kHeadings);
}

TEST(LogListClipboard, RowsFromTheLastToTheFirst) {
    // "Last 20" of 25 contacts: the list shows records 25 down to 6.
    std::vector<LogListRow> rows;
    for (int k = 25; k >= 6; --k) {
        rows.push_back(row(k));
    }
    std::string expected = kHeadings;
    for (int k = 6; k <= 25; ++k) {
        expected += line(k);
    }
    EXPECT_EQ(logListClipboardText(rows), expected);
}

TEST(LogListClipboard, FieldsAreCopiedUnchanged) {
    LogListRow r = {"1",           "W1AW", "Not Found", "",        "Jos\xE9\tMaria",
                    "01/13 14:22", "70",   "2.5",       "\"Anne\""};
    EXPECT_EQ(logListClipboardText({r}),
              kHeadings +
                  "1\tW1AW\tNot Found\t\tJos\xE9\tMaria\t01/13 14:22\t70\t2.5\t\"Anne\"\r\n");
}

} // namespace
} // namespace qv

namespace qv {
namespace {

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
    copyListedItems(recent.rows, clipboard);
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
