// BandPlan.txt read whole for the chart, and rig control's "E" table.

#include "rig/BandPlan.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

std::string records(int count, const char* licenceClass) {
    std::string text = "\"now\"\r\n";
    for (int i = 0; i < count; ++i) {
        text += "\"20\",\"" + std::string(licenceClass) + "\",\"CW\"," + std::to_string(14 + i) +
                ".5," + std::to_string(14 + i) + ".75\r\n";
    }
    return text;
}

TEST(BandPlan, ReadsTheEffectiveTextThenRecordsOfFive) {
    const BandPlanParse parse = parseBandPlan("\"February 13, 2026\"\r\n"
                                              "\"80\",\"O\",\"\",3.5,4.0\r\n"
                                              "\"80\",\"E\",\"CW\",3.5,3.6\r\n"
                                              "80,E,PH,3.6,4\r\n");
    ASSERT_TRUE(parse.plan);
    EXPECT_EQ(parse.plan->effective, "February 13, 2026");
    ASSERT_EQ(parse.plan->rows.size(), 3u);
    const BandPlanRow& row = parse.plan->rows[1];
    EXPECT_EQ(row.band, "80");
    EXPECT_EQ(row.licenceClass, "E");
    EXPECT_EQ(row.mode, "CW");
    EXPECT_EQ(row.lowerMHz, 3.5f);
    EXPECT_EQ(row.upperMHz, 3.6f);
    EXPECT_EQ(parse.plan->rows[2].mode, "PH");
    EXPECT_EQ(parse.plan->rows[2].upperMHz, 4.0f);
}

// Commas and line breaks both separate values, so a record may span lines or
// share one with the next.
TEST(BandPlan, ValuesRunAcrossLines) {
    const BandPlanParse parse = parseBandPlan("as of 2026,\"20\",\"O\"\n"
                                              ",14,14.35,\"20\"\r\n"
                                              "\r\n"
                                              "E\rCW\r14\r14.15\r\n");
    ASSERT_TRUE(parse.plan);
    EXPECT_EQ(parse.plan->effective, "as of 2026");
    ASSERT_EQ(parse.plan->rows.size(), 2u);
    EXPECT_EQ(parse.plan->rows[0].mode, "");
    EXPECT_EQ(parse.plan->rows[0].upperMHz, 14.35f);
    EXPECT_EQ(parse.plan->rows[1].licenceClass, "E");
    EXPECT_EQ(parse.plan->rows[1].upperMHz, 14.15f);
}

TEST(BandPlan, AnEffectiveTextAloneIsAPlanWithoutRows) {
    const BandPlanParse parse = parseBandPlan("\"2026\"\r\n");
    ASSERT_TRUE(parse.plan);
    EXPECT_EQ(parse.plan->effective, "2026");
    EXPECT_TRUE(parse.plan->rows.empty());
}

TEST(BandPlan, TextThatDoesNotReadIsUnreadable) {
    struct Case {
        const char* name;
        const char* text;
    };
    const Case cases[] = {
        {"empty file", ""},
        {"blank lines only", "\r\n  \r\n"},
        {"last record cut short",
         "\"x\"\r\n\"20\",\"E\",\"CW\",14,14.15\r\n\"15\",\"E\",\"CW\",21\r\n"},
        {"record cut mid-line", "\"x\"\r\n\"20\",\"E\",\"CW\""},
        {"lower edge not a number", "\"x\"\r\n\"20\",\"E\",\"CW\",low,14.15\r\n"},
        {"upper edge not a number", "\"x\"\r\n\"20\",\"E\",\"CW\",14,\"\"\r\n"},
        {"number with trailing text", "\"x\"\r\n\"20\",\"E\",\"CW\",14MHz,14.15\r\n"},
        {"edge too large for single precision", "\"x\"\r\n\"20\",\"E\",\"CW\",14,1e39\r\n"},
        {"unclosed quote", "\"x\"\r\n\"20,\"E\",\"CW\",14,14.15\r\n"},
        {"stray quote in a text", "\"x\"\r\n\"2\"0\",\"E\",\"CW\",14,14.15\r\n"},
        {"quote inside a bare value", "\"x\"\r\n20\",\"E\",\"CW\",14,14.15\r\n"},
    };
    for (const Case& c : cases) {
        const BandPlanParse parse = parseBandPlan(c.text);
        EXPECT_FALSE(parse.plan) << c.name;
        EXPECT_EQ(parse.error, BandPlanError::Unreadable) << c.name;
    }
}

TEST(BandPlan, QuotedNumbersAndBlanksAroundValuesRead) {
    const BandPlanParse parse = parseBandPlan("x\r\n  20 , E ,  CW  , \"14.025\" , 14.15 \r\n");
    ASSERT_TRUE(parse.plan);
    ASSERT_EQ(parse.plan->rows.size(), 1u);
    EXPECT_EQ(parse.plan->rows[0].band, "20");
    EXPECT_EQ(parse.plan->rows[0].mode, "CW");
    EXPECT_EQ(parse.plan->rows[0].lowerMHz, 14.025f);
}

TEST(BandPlan, TwoHundredRecordsReadAndOneMoreIsTooMany) {
    const BandPlanParse full = parseBandPlan(records(200, "E"));
    ASSERT_TRUE(full.plan);
    EXPECT_EQ(full.plan->rows.size(), BandPlan::kMaxRows);

    const BandPlanParse over = parseBandPlan(records(201, "O"));
    EXPECT_FALSE(over.plan);
    EXPECT_EQ(over.error, BandPlanError::TooManyRows);
}

TEST(ExtraClassRows, KeepsTheExtraRowsInFileOrder) {
    const std::vector<BandPlanRow> rows = extraClassRows("\"2026\"\r\n"
                                                         "\"80\",\"O\",\"\",3.5,4\r\n"
                                                         "\"80\",\"G\",\"PH\",3.8,4\r\n"
                                                         "\"80\",\"E\",\"PH\",3.6,4\r\n"
                                                         "\"80\",\"e\",\"CW\",3.5,3.6\r\n"
                                                         "\"20\",\"E\",\"CW\",14,14.15\r\n");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].band, "80");
    EXPECT_EQ(rows[0].mode, "PH");
    EXPECT_EQ(rows[0].lowerMHz, 3.6f);
    EXPECT_EQ(rows[1].band, "20");
}

TEST(ExtraClassRows, HoldsTwoHundredRowsAndIgnoresTheRest) {
    const std::vector<BandPlanRow> rows = extraClassRows(records(250, "E"));
    ASSERT_EQ(rows.size(), BandPlan::kMaxRows);
    EXPECT_EQ(rows.front().lowerMHz, 14.5f);
    EXPECT_EQ(rows.back().lowerMHz, 213.5f);
}

TEST(ExtraClassRows, ManyOtherRowsDoNotCountAgainstTheTable) {
    std::string text = records(300, "G");
    text += "\"20\",\"E\",\"PH\",14.15,14.35\r\n";
    const std::vector<BandPlanRow> rows = extraClassRows(text);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].mode, "PH");
}

TEST(ExtraClassRows, AFaultKeepsTheRowsBeforeIt) {
    struct Case {
        const char* name;
        const char* text;
        std::size_t rows;
    };
    const Case cases[] = {
        {"missing file", "", 0},
        {"date only", "\"2026\"", 0},
        {"last record cut short", "\"x\"\r\n20,E,CW,14,14.15\r\n15,E,CW,21\r\n", 1},
        {"number that is not",
         "\"x\"\r\n20,E,CW,14,14.15\r\n15,E,CW,abc,21.2\r\n20,E,PH,14.15,14.35\r\n", 1},
        {"stray quote", "\"x\"\r\n20,E,CW,14,14.15\r\n\"15,E,CW,21,21.2\r\n20,E,PH,14.15,14.35\r\n",
         1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(extraClassRows(c.text).size(), c.rows) << c.name;
    }
}

} // namespace
} // namespace qv
