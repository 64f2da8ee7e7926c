// The main window's spot list: newest first, at most 200 rows, columns cut from
// the spot text.

#include "spots/SpotList.h"

#include "SpotLines.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

PrefixTable prefixes() {
    return PrefixTable({
        {"DL", "Germany", "EU", -10, 51},
        {"JA", "Japan", "AS", -140, 36},
        {"K", "USA", "NA", 91.87f, 37.6f},
        {"W", "USA", "NA", 95, 38},
    });
}

// Text with each value starting at its column (counted from 1).
std::string placed(std::initializer_list<std::pair<std::size_t, std::string_view>> fields) {
    std::string text;
    for (const auto& [column, value] : fields) {
        text.resize(column - 1, ' ');
        text.append(value);
    }
    return text;
}

TEST(SpotList, ColumnsOfARow) {
    const PrefixTable table = prefixes();
    struct Case {
        std::string spotText;
        SpotListRow row; // without call, frequency and QTH
    };
    const Case cases[] = {
        {splitSpotLine(test::spotLine("K1TTT", "14025.0", "JA1ABC")).spotText,
         {"", "", "", "", "de K1TTT:  CQ CQ", "", "1234", ""}},
        {placed({{1, "de DL1ABC-3:"},
                 {35, " comment text "},
                 {62, " JA  "},
                 {68, "0815Z"},
                 {73, " EU1 "}}),
         {"", "", "", "", "de DL1ABC-3  comment text", "JA", "0815", "EU1"}},
        {"de K1TTT:", {"", "", "", "", "de K1TTT:  ", "", "", ""}},
        {"", {"", "", "", "", "  ", "", "", ""}},
    };
    for (const Case& c : cases) {
        SpotList list(table);
        list.add("JA1ABC", 14.025f, c.spotText);
        ASSERT_EQ(list.rows().size(), 1u);
        const SpotListRow& row = list.rows().front();
        EXPECT_EQ(row.call, "JA1ABC");
        EXPECT_EQ(row.frequency, "14.025");
        EXPECT_EQ(row.qth, "Japan");
        EXPECT_EQ(row.status, "");
        EXPECT_EQ(row.comments, c.row.comments) << c.spotText;
        EXPECT_EQ(row.prefix, c.row.prefix) << c.spotText;
        EXPECT_EQ(row.time, c.row.time) << c.spotText;
        EXPECT_EQ(row.from, c.row.from) << c.spotText;
    }
}

TEST(SpotList, TheCountryComesFromThePrefixTable) {
    const PrefixTable table = prefixes();
    SpotList list(table);
    list.add("DL1ABC", 7.0035f, "");
    list.add("QQ1A", 7.0035f, "");
    EXPECT_EQ(list.rows()[0].qth, "");
    EXPECT_EQ(list.rows()[1].qth, "Germany");
    EXPECT_EQ(list.rows()[1].frequency, "7.0035");
}

TEST(SpotList, NewestFirstAndNeverMoreThan200Rows) {
    const PrefixTable table = prefixes();
    SpotList list(table);
    for (int i = 1; i <= 201; ++i) {
        list.add("W" + std::to_string(i) + "AW", 14.0f, "");
    }
    EXPECT_EQ(list.rows().size(), SpotList::kMaxRows);
    EXPECT_EQ(list.rows().front().call, "W201AW");
    EXPECT_EQ(list.rows().back().call, "W2AW");
    EXPECT_EQ(list.revision(), 201u);
}

TEST(SpotList, TheHiddenStatusColumnAndTheVisibleOnesFitTheWindow) {
    int width = 0;
    for (const SpotListColumn& column : kSpotListColumns) {
        EXPECT_EQ(column.widthTwips == 0, std::string_view(column.heading) == "Status");
        width += column.widthTwips;
    }
    EXPECT_LE(width, 9600 * 97 / 100);
}

} // namespace
} // namespace qv
