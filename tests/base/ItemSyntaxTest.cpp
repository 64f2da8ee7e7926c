#include "base/ItemSyntax.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

std::vector<std::vector<Item>> readAll(std::string_view data, bool* error = nullptr) {
    ItemReader reader(data);
    std::vector<std::vector<Item>> lines;
    std::vector<Item> items;
    for (;;) {
        const auto r = reader.nextLine(items);
        if (r == ItemReader::Result::End) {
            break;
        }
        if (r == ItemReader::Result::Error) {
            if (error) {
                *error = true;
            }
            break;
        }
        lines.push_back(items);
    }
    return lines;
}

std::vector<std::string> texts(const std::vector<Item>& items) {
    std::vector<std::string> out;
    for (const auto& i : items) {
        out.push_back(i.text);
    }
    return out;
}

TEST(ItemWriter, WritesTextsNumbersAndTruthValues) {
    ItemWriter w;
    w.text("W1AW").number(10.0).number(5.5f).number(42).boolean(true).boolean(false).text("");
    w.endLine().text("a,b").endLine();
    EXPECT_TRUE(w.ok());
    EXPECT_EQ(w.str(), "\"W1AW\",10,5.5,42,#TRUE#,#FALSE#,\"\"\r\n\"a,b\"\r\n");
}

TEST(ItemWriter, RefusesTextsTheSyntaxCannotHold) {
    for (const char* bad : {"Jo\"hn", "two\r\nlines", "lf\n"}) {
        ItemWriter w;
        w.text(bad);
        EXPECT_FALSE(w.ok()) << bad;
    }
}

TEST(ItemReader, ReadsTheItemRules) {
    const auto lines = readAll("  \"a, b\" , 12 ,  bare text  ,#TRUE#,\"\"\r\n"
                               "\"x\"\n"
                               "\r\n"
                               "   \r\n"
                               "last,\rcr\r\n"
                               "noend");
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(texts(lines[0]), (std::vector<std::string>{"a, b", "12", "bare text", "#TRUE#", ""}));
    EXPECT_TRUE(lines[0][0].quoted);
    EXPECT_FALSE(lines[0][1].quoted);
    EXPECT_EQ(itemNumber(lines[0][1]), 12.0);
    EXPECT_EQ(itemBool(lines[0][3]), true);
    EXPECT_EQ(itemBool(lines[0][2]), std::nullopt);
    EXPECT_EQ(texts(lines[1]), (std::vector<std::string>{"x"}));
    EXPECT_EQ(texts(lines[2]), (std::vector<std::string>{"last", ""}));
    EXPECT_EQ(texts(lines[3]), (std::vector<std::string>{"cr"}));
    EXPECT_EQ(texts(lines[4]), (std::vector<std::string>{"noend"}));
}

TEST(ItemReader, BlankLinesCanBeEmptyItems) {
    ItemReader reader("\"a\"\r\n\r\n  \r\nb\r\n", ItemReader::BlankLines::EmptyItem);
    std::vector<Item> items;
    std::vector<std::string> seen;
    while (reader.nextLine(items) == ItemReader::Result::Line) {
        ASSERT_EQ(items.size(), 1u);
        seen.push_back(items[0].text);
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"a", "", "", "b"}));
}

TEST(ItemReader, StrayQuotesAreErrors) {
    for (const char* bad : {"\"Jo\"hn\",\"x\"\r\n", "\"open,\"\r\n\"never closed\r\n",
                            "\"a\"\"b\"\r\n", "\"a\" x\r\n", "bare\"quote,x\r\n"}) {
        bool error = false;
        readAll(bad, &error);
        EXPECT_TRUE(error) << bad;
    }
}

TEST(ItemReader, RoundTripsWhatTheWriterWrites) {
    ItemWriter w;
    w.text("Jos\xE9").text(" padded ").number(-0.25).number(1e21).boolean(false).endLine();
    const auto lines = readAll(w.str());
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0][0].text, "Jos\xE9");
    EXPECT_EQ(lines[0][1].text, " padded "); // quoted texts keep their blanks
    EXPECT_EQ(itemNumber(lines[0][2]), -0.25);
    EXPECT_EQ(itemNumber(lines[0][3]), 1e21);
    EXPECT_EQ(itemBool(lines[0][4]), false);
}

TEST(ItemReader, NonFiniteOrNonNumericItemsAreNotNumbers) {
    EXPECT_EQ(itemNumber(Item{"1e999", false}), std::nullopt);
    EXPECT_EQ(itemNumber(Item{"ten", false}), std::nullopt);
    EXPECT_EQ(itemNumber(Item{"", false}), std::nullopt);
    EXPECT_EQ(itemNumber(Item{"25", true}), 25.0);
}

} // namespace
} // namespace qv
