#include "core/LogFileFormat.h"

#include "core/ContestLog.h"
#include "fakes/Records.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

const char* const kExampleLine =
    "\"W1AW\",\"M\",\"John\",\"Anne\",\"CT\",\"2007/01/13\",\"14:22:05\",\"PH\",\"40\",10,\"\"\r\n";

TEST(LogFileFormat, WritesTheExampleLineByteForByte) {
    EXPECT_EQ(formatLogLine(test::contact("W1AW")), std::optional<std::string>(kExampleLine));
}

TEST(LogFileFormat, RoundTripsRecords) {
    std::vector<ContactRecord> records = {test::contact("W1AW"),
                                          test::contact("DL1ABC", "Germany", 25),
                                          test::contact("K1A", "NY", 2.5)};
    records[1].name = "Jos\xE9";
    records[1].frequency = "14.250";
    records[2].time = "07:15"; // post-contest contacts carry hours and minutes
    const auto text = formatLog(records);
    ASSERT_TRUE(text.has_value());
    const ParsedLog parsed = parseLog(*text, ContestLog::kCapacity);
    ASSERT_TRUE(parsed.ok) << parsed.problem;
    EXPECT_EQ(parsed.records, records);
    EXPECT_EQ(formatLog(parsed.records), text);
}

TEST(LogFileFormat, RefusesToWriteARecordItCannotReadBack) {
    auto r = test::contact("W1AW");
    r.name = "Jo\"hn";
    EXPECT_FALSE(formatLogLine(r).has_value());
    r.name = "John";
    r.points = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(formatLogLine(r).has_value());
}

TEST(LogFileFormat, ReadsWhatAnEditorMayLeave) {
    const std::string line = kExampleLine;
    const std::string lfLine = line.substr(0, line.size() - 2) + "\n";
    const std::pair<std::string, std::size_t> cases[] = {
        {"", 0},
        {line + line, 2},
        {line + "\r\n\r\n", 1},                                         // trailing blank lines
        {line.substr(0, line.size() - 2), 1},                           // no final line break
        {lfLine + lfLine, 2},                                           // LF line ends
        {"W1AW,M,John,Anne,CT,2007/01/13,14:22:05,PH,40, 10 ,\r\n", 1}, // unquoted items
    };
    for (const auto& [text, count] : cases) {
        const ParsedLog parsed = parseLog(text, ContestLog::kCapacity);
        ASSERT_TRUE(parsed.ok) << text << parsed.problem;
        EXPECT_EQ(parsed.records.size(), count) << text;
        if (count > 0) {
            EXPECT_EQ(parsed.records[0], test::contact("W1AW")) << text;
        }
    }
}

TEST(LogFileFormat, LoadFailures) {
    const std::string good = kExampleLine;
    std::string full;
    for (int i = 0; i < 11001; ++i) {
        full += good;
    }
    const std::pair<std::string, std::size_t> cases[] = {
        // a double quote typed into the name field
        {good + "\"W1AW\",\"M\",\"Jo\"hn\",\"Anne\",\"CT\",\"2007/01/"
                "13\",\"14:22:05\",\"PH\",\"40\",10,\"\"\r\n",
         2},
        {"\"W1AW\",\"M\",\"John\",\"Anne\",\"CT\",\"2007/01/"
         "13\",\"14:22:05\",\"PH\",\"40\",ten,\"\"\r\n",
         1},
        {"\"W1AW\",\"M\",\"John\",\"Anne\",\"CT\",\"2007/01/"
         "13\",\"14:22:05\",\"PH\",\"40\",,\"\"\r\n",
         1},
        {good + "\"W1AW\",\"M\",\"John\",\"Anne\",\"CT\",\"2007/01/"
                "13\",\"14:22:05\",\"PH\",\"40\",10\r\n",
         2},
        {good + "\"W1AW\",\"M\",\"John\",\"Anne\",\"CT\",\"2007/01/1", 2}, // cut off mid-record
        {"\"W1AW\",\"M\",\"John\",\"Anne\",\"CT\",\"2007/01/"
         "13\",\"14:22:05\",\"PH\",\"40\",10,\"\",\"x\"\r\n",
         1},
        {full, 11001},
    };
    for (const auto& [text, line] : cases) {
        const ParsedLog parsed = parseLog(text, ContestLog::kCapacity);
        EXPECT_FALSE(parsed.ok) << text.substr(0, 200);
        EXPECT_EQ(parsed.errorLine, line) << text.substr(0, 200);
        EXPECT_TRUE(parsed.records.empty());
    }
}

TEST(LogFileFormat, ExactlyTheCapacityLoads) {
    std::string text;
    for (std::size_t i = 0; i < ContestLog::kCapacity; ++i) {
        text += kExampleLine;
    }
    EXPECT_EQ(parseLog(text, ContestLog::kCapacity).records.size(), ContestLog::kCapacity);
}

} // namespace
} // namespace qv
