// Reads QSO lines back by the column table alone: field k runs from its column to
// the column before the next field, blanks on the right belong to no field.

#include "Golden.h"
#include "ReportFixtures.h"
#include "reports/CabrilloWriter.h"

#include <optional>

#include <gtest/gtest.h>

namespace qv {
namespace {

struct QsoFields {
    std::string frequency, mode, date, time, ownCall, ownSpc, ownCategory, sentName, call, spc,
        category, name;
    friend bool operator==(const QsoFields&, const QsoFields&) = default;
};

std::ostream& operator<<(std::ostream& os, const QsoFields& f) {
    return os << '[' << f.frequency << '|' << f.mode << '|' << f.date << '|' << f.time << '|'
              << f.ownCall << '|' << f.ownSpc << '|' << f.ownCategory << '|' << f.sentName << '|'
              << f.call << '|' << f.spc << '|' << f.category << '|' << f.name << ']';
}

std::string column(const std::string& line, std::size_t from, std::size_t to) {
    if (line.size() < from) {
        return {};
    }
    std::string s = line.substr(from - 1, to == 0 ? std::string::npos : to - from);
    while (!s.empty() && s.back() == ' ') {
        s.pop_back();
    }
    return s;
}

// Column  1 "QSO:", 6 frequency, 12 mode, 15 date, 26 time, 31 own call, 40 own SPC,
// 43 own category, 46 sent name, 56 call, 66 SPC, 69 category, 72 name.
std::optional<QsoFields> readQso(const std::string& line) {
    if (line.rfind("QSO: ", 0) != 0 || line.size() > 80) {
        return std::nullopt;
    }
    QsoFields f;
    f.frequency = column(line, 6, 12);
    f.mode = column(line, 12, 15);
    f.date = column(line, 15, 26);
    f.time = column(line, 26, 31);
    f.ownCall = column(line, 31, 40);
    f.ownSpc = column(line, 40, 43);
    f.ownCategory = column(line, 43, 46);
    f.sentName = column(line, 46, 56);
    f.call = column(line, 56, 66);
    f.spc = column(line, 66, 69);
    f.category = column(line, 69, 72);
    f.name = column(line, 72, 0);
    // A frequency is right-aligned on column 10; between fields there are blanks.
    for (std::size_t c : {5, 11, 14, 25, 30, 42, 55, 65, 68, 71}) {
        if (line.size() >= c && line[c - 1] != ' ') {
            return std::nullopt;
        }
    }
    return f;
}

TEST(CabrilloColumns, GoldenQsoLinesReadBackAsTheFixtureLog) {
    const std::string file = test::golden("W1AW.log");
    std::vector<QsoFields> read;
    std::size_t pos = 0;
    while ((pos = file.find("\r\nQSO:", pos)) != std::string::npos) {
        const auto end = file.find("\r\n", pos + 2);
        const auto fields = readQso(file.substr(pos + 2, end - pos - 2));
        ASSERT_TRUE(fields) << file.substr(pos + 2, end - pos - 2);
        read.push_back(*fields);
        pos = end;
    }
    const std::vector<QsoFields> expected = {
        {" 7000", "PH", "2007-01-13", "1422", "W1AW", "CT", "L", "Anne", "K1ABC", "MA", "M",
         "John"},
        {"14000", "CW", "2007-01-13", "1430", "W1AW", "CT", "L", "Anne", "VE3XYZ", "ON", "O",
         "Bob"},
        {"21000", "PH", "2007-01-13", "1501", "W1AW", "CT", "L", "Anne", "DL1ABC", "DX", "Y",
         "Jos\xE9"},
        {" 1800", "PH", "2007-01-13", "1645", "W1AW", "CT", "L", "Annemarie", "N2QRPLONG", "NY",
         "C", "Christoph"},
        {"432", "PH", "2007-01-14", "0905", "W1AW", "CT", "L", "Anne", "KL7XX", "AK", "U", "Sam"},
        {"50", "CW", "2007-01-14", "1000", "W1AW", "CT", "L", "Anne", "JA1AAA", "DX", "M", "Taro"},
        {"144", "PH", "2007-01-14", "1111", "W1AW", "CT", "L", "Anne", "W6XYZ", "CA", "L", "Kim"},
        {"", "PH", "2007-01-14", "2359", "W1AW", "CT", "L", "Anne", "VK2ABC", "DX", "Y", ""},
        {" 3500", "PH", "2007-01-14", "1200", "W1AW", "CT", "L", "Anne", "K9AAA", "IL", "ML",
         "Bartholom"},
        {"28000", "PH", "2007-01-14", "1300", "W1AW", "CT", "L", "Anne", "W1XYZ", "ct", "L", "Ann"},
    };
    EXPECT_EQ(read, expected);
}

TEST(CabrilloColumns, WrittenLinesReadBackFieldByField) {
    using test::record;
    const struct {
        ContactRecord contact;
        const char* ownCall;
        const char* ownSpc;
        const char* ownCategory;
        QsoFields expected;
    } cases[] = {
        {record("K1ABC", "M", "John", "Anne", "MA", "2007/01/13", "14:22:05", "PH", "40", 10),
         "W1AW",
         "CT",
         "L",
         {" 7000", "PH", "2007-01-13", "1422", "W1AW", "CT", "L", "Anne", "K1ABC", "MA", "M",
          "John"}},
        // Post-contest time and a one-digit hour.
        {record("K1ABC", "M", "John", "Anne", "MA", "2007/01/13", "07:30", "CW", "80", 10),
         "W1AW",
         "CT",
         "L",
         {" 3500", "CW", "2007-01-13", "0730", "W1AW", "CT", "L", "Anne", "K1ABC", "MA", "M",
          "John"}},
        {record("K1ABC", "M", "John", "Anne", "MA", "2007/1/3", "7:30:00", "PH", "70", 10),
         "W1AW",
         "CT",
         "L",
         {"432", "PH", "2007-01-03", "0730", "W1AW", "CT", "L", "Anne", "K1ABC", "MA", "M",
          "John"}},
        // Long own and other texts are cut at their widths.
        {record("VE3ABCDEFGH", "YOUNG", "Maximilian", "Alexandria", "Fed. Rep. of Germany",
                "2007/01/13", "23:59:59", "PH", "2", 2),
         "VE3/W1ABCD",
         "Quebec",
         "L",
         {"144", "PH", "2007-01-13", "2359", "VE3/W1ABC", "Qu", "L", "Alexandri", "VE3ABCDEF", "DX",
          "YO", "Maximilia"}},
        // Empty texts leave their columns blank.
        {record("", "", "", "", "", "", "", "", "", 0),
         "W1AW",
         "",
         "",
         {"", "", "", "", "W1AW", "", "", "", "", "", "", ""}},
        // A three-character country is DX; a one-letter SPC is kept.
        {record("G4ABC", "M", "Sue", "Anne", "UK ", "2007/01/13", "14:22:05", "PH", "20", 10),
         "W1AW",
         "CT",
         "L",
         {"14000", "PH", "2007-01-13", "1422", "W1AW", "CT", "L", "Anne", "G4ABC", "DX", "M",
          "Sue"}},
        {record("G4ABC", "M", "Sue", "Anne", "X", "2007/01/13", "14:22:05", "PH", "20", 10),
         "W1AW",
         "CT",
         "L",
         {"14000", "PH", "2007-01-13", "1422", "W1AW", "CT", "L", "Anne", "G4ABC", "X", "M",
          "Sue"}},
    };
    for (const auto& c : cases) {
        const std::string line = cabrilloQsoLine(c.contact, c.ownCall, c.ownSpc, c.ownCategory);
        const auto read = readQso(line);
        ASSERT_TRUE(read) << '"' << line << '"';
        EXPECT_EQ(*read, c.expected) << '"' << line << '"';
    }
}

TEST(CabrilloColumns, OverlongFieldsNeverReachTheNextColumn) {
    const std::string s(20, 'Z');
    const ContactRecord c = test::record(s, s, s, s, "ZZ", s, s, s, "40", 10);
    const std::string line = cabrilloQsoLine(c, s, s, s);
    ASSERT_EQ(line.size(), 80u);
    EXPECT_EQ(line.substr(0, 11), "QSO:  7000 ");
    EXPECT_EQ(line.substr(11, 3), "ZZZ");                 // mode up to the date's column
    EXPECT_EQ(line.substr(14, 11), std::string(11, 'Z')); // date up to the time's column
    EXPECT_EQ(line.substr(25, 5), "ZZZZ ");               // characters 1-2 and 4-5 of the time
    EXPECT_EQ(line.substr(39, 3), "ZZ ");
    EXPECT_EQ(line.substr(42, 3), "ZZZ"); // own category, whole up to the next column
    EXPECT_EQ(line.substr(45, 10), "ZZZZZZZZZ ");
    EXPECT_EQ(line.substr(55, 10), "ZZZZZZZZZ ");
    EXPECT_EQ(line.substr(65, 3), "ZZ ");
    EXPECT_EQ(line.substr(68, 3), "ZZ ");
    EXPECT_EQ(line.substr(71), "ZZZZZZZZZ");
}

} // namespace
} // namespace qv
