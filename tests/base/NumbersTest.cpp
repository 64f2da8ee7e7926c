#include "base/Numbers.h"

#include <clocale>

#include <gtest/gtest.h>

namespace qv {
namespace {

struct LeadingCase {
    const char* text;
    double value;
    bool numeric;
};

TEST(Numbers, LeadingNumberRule) {
    const LeadingCase cases[] = {
        {"10", 10, true},      {"  2.5", 2.5, true}, {"-5.5", -5.5, true}, {"+3", 3, true},
        {".5", 0.5, true},     {"5.", 5, true},      {"12abc", 12, false}, {"abc", 0, false},
        {"", 0, false},        {"   ", 0, false},    {"1e3", 1000, true},  {"1E", 1, false},
        {"2d2", 200, true},    {"&HFF", 255, true},  {"&hffff", -1, true}, {"&H10000", 65536, true},
        {"&H", 0, false},      {"7 ", 7, true},      {"1,5", 1, false},    {"-", 0, false},
        {"3.5.1", 3.5, false},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(leadingNumber(c.text), c.value) << c.text;
        EXPECT_EQ(isNumeric(c.text), c.numeric) << c.text;
    }
}

TEST(Numbers, IgnoresTheCLocaleDecimalSeparator) {
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = old ? old : "C";
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) {
        std::setlocale(LC_NUMERIC, "C");
    }
    EXPECT_DOUBLE_EQ(leadingNumber("2.5"), 2.5);
    EXPECT_EQ(formatShortest(2.5), "2.5");
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(Numbers, RoundsHalvesToEven) {
    const std::pair<double, std::int64_t> cases[] = {
        {0.5, 0},   {1.5, 2},    {2.5, 2},    {3.5, 4},   {-0.5, 0},          {-1.5, -2},
        {-2.5, -2}, {2.4999, 2}, {2.5001, 3}, {-2.6, -3}, {1e300, INT64_MAX},
    };
    for (const auto& [in, out] : cases) {
        EXPECT_EQ(roundHalfEven(in), out) << in;
    }
}

TEST(Numbers, ShortestDecimalForms) {
    EXPECT_EQ(formatShortest(10.0), "10");
    EXPECT_EQ(formatShortest(2.5), "2.5");
    EXPECT_EQ(formatShortest(25.0), "25");
    EXPECT_EQ(formatShortest(-0.0), "0");
    EXPECT_EQ(formatShortest(0.1), "0.1");
    EXPECT_EQ(formatShortest(5.5f), "5.5");
    EXPECT_EQ(formatShortest(-4.0f), "-4");
    // Single precision is shortened as single precision, not as the widened double.
    EXPECT_EQ(formatShortest(91.87f), "91.87");
}

TEST(Numbers, GroupsThousands) {
    const std::pair<std::int64_t, const char*> cases[] = {
        {0, "0"},
        {999, "999"},
        {1000, "1,000"},
        {11000, "11,000"},
        {1234567, "1,234,567"},
        {-1234, "-1,234"},
        {3037000000LL, "3,037,000,000"},
    };
    for (const auto& [in, out] : cases) {
        EXPECT_EQ(formatGrouped(in), out);
    }
}

} // namespace
} // namespace qv
