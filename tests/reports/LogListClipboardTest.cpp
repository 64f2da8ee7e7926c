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
