#include "reports/CabrilloWriter.h"

#include "Golden.h"
#include "ReportFixtures.h"
#include "fakes/MemoryFileStore.h"
#include "reports/CabrilloFile.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

using test::cabrilloFixtureHeader;
using test::cabrilloFixtureLog;
using test::totalsOf;

// The lines of a text ended by CR LF; a last line without its CR LF fails.
std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const auto end = text.find("\r\n", pos);
        EXPECT_NE(end, std::string::npos) << "unterminated line at " << pos;
        if (end == std::string::npos) {
            break;
        }
        lines.push_back(text.substr(pos, end - pos));
        pos = end + 2;
    }
    return lines;
}

TEST(Cabrillo, FixtureLogMatchesTheGoldenFileByteForByte) {
    const auto log = cabrilloFixtureLog();
    const std::string expected = test::golden("W1AW.log");
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(cabrilloText(cabrilloFixtureHeader(), totalsOf(log), log), expected);
}

TEST(Cabrillo, WriteReplacesTheFileNamedAfterTheCall) {
    test::MemoryFileStore files;
    files.files["W1AW.log"] = "an older entry";
    const auto log = cabrilloFixtureLog();
    const CabrilloWriteResult r =
        WriteCabrilloFile(files, cabrilloFixtureHeader(), totalsOf(log), log);
    ASSERT_TRUE(r.status.ok());
    EXPECT_EQ(r.fileName, "W1AW.log");
    EXPECT_EQ(files.files["W1AW.log"], test::golden("W1AW.log"));
    EXPECT_EQ(files.files.size(), 1u);
}

TEST(Cabrillo, FailedWriteReportsTheFailureAndLeavesTheOldFile) {
    test::MemoryFileStore files;
    files.files["W1AW.log"] = "an older entry";
    files.failWrites = true;
    const auto log = cabrilloFixtureLog();
    const CabrilloWriteResult r =
        WriteCabrilloFile(files, cabrilloFixtureHeader(), totalsOf(log), log);
    EXPECT_FALSE(r.status.ok());
    EXPECT_EQ(r.fileName, "W1AW.log");
    EXPECT_EQ(files.files["W1AW.log"], "an older entry");
}

TEST(Cabrillo, FileNameFromTheOwnCall) {
    const struct {
        const char* call;
        const char* name;
    } cases[] = {
        {"W1AW", "W1AW.log"},
        {"  W1AW  ", "W1AW.log"},
        {"\tVE3XYZ ", "VE3XYZ.log"},
        {"K", "K.log"},
        {"1234567890", "1234567890.log"},
        {"KH6ABCDEFG", "KH6ABCDEFG.log"},
        {"KH6ABCDEFGH", "ASCIICab.txt"}, // 11 characters
        {"W1AW/P", "ASCIICab.txt"},
        {"w1aw", "ASCIICab.txt"},
        {"W1aW", "ASCIICab.txt"},
        {"W1 AW", "ASCIICab.txt"},
        {"", "ASCIICab.txt"},
        {"   ", "ASCIICab.txt"},
        {"\xC9"
         "A1",
         "ASCIICab.txt"}, // an accented capital is no A..Z
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cabrilloFileName(c.call), c.name) << '"' << c.call << '"';
    }
}

TEST(Cabrillo, FrequencyByBandComparedExactly) {
    const struct {
        const char* band;
        const char* frequency;
    } cases[] = {
        {"160", " 1800"}, {"80", " 3500"}, {"40", " 7000"}, {"20", "14000"}, {"15", "21000"},
        {"10", "28000"},  {"6", "50"},     {"2", "144"},    {"70", "432"},   {"70cm", ""},
        {"070", ""},      {"40 ", ""},     {"", ""},        {"12", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cabrilloFrequency(c.band), c.frequency) << '"' << c.band << '"';
    }
}

TEST(Cabrillo, NumberFormHasTheSignPlaceAndATrailingBlank) {
    const struct {
        std::int64_t value;
        const char* text;
    } cases[] = {
        {0, " 0 "}, {250, " 250 "}, {12345, " 12345 "}, {6000000000LL, " 6000000000 "}, {-5, "-5 "},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cabrilloNumber(c.value), c.text);
    }
}

CabrilloHeader plainHeader() {
    CabrilloHeader h;
    h.programTitle = "Velmark's Quorvane Log 1.5";
    h.ownCall = "W1AW";
    h.ownSpc = "CT";
    h.ownCategory = "L";
    return h;
}

TEST(Cabrillo, EmptyLogHasEveryHeaderAndSummaryLine) {
    const std::string expected = "START-OF-LOG: 2.0\r\n"
                                 "CREATED-BY: Velmark's Quorvane Log 1.5\r\n"
                                 "CONTEST: Quorvane\r\n"
                                 "STATE-PROVINCE-COUNTRY: CT\r\n"
                                 "CALLSIGN: W1AW\r\n"
                                 "OPERATORS: \r\n"
                                 "CATEGORY: L\r\n"
                                 "CLAIMED-SCORE:  0 \r\n"
                                 "NAME: \r\n"
                                 "ADDRESS: \r\n"
                                 "ADDRESS: \r\n"
                                 "ADDRESS: (e-mail) \r\n"
                                 "SOAPBOX: \r\n"
                                 "SCORE SUMMARY: QSO-POINTS:  0 \r\n"
                                 "SCORE SUMMARY: STATE / PROVINCE MULTIPLIERS:  0 \r\n"
                                 "SCORE SUMMARY: DX MULTIPLIERS:  0 \r\n"
                                 "SCORE SUMMARY: TOTAL-MULTIPLIERS: 0\r\n"
                                 "SCORE SUMMARY: TOTAL-SCORE:  0 \r\n"
                                 "SCORE SUMMARY: STATE AND PROVINCE MULTIPLIERS:\r\n"
                                 "SCORE SUMMARY: DX MULTIPLIERS:\r\n"
                                 "SCORE SUMMARY:\r\n"
                                 "END-OF-LOG:\r\n";
    EXPECT_EQ(cabrilloText(plainHeader(), OperatingState{}, {}), expected);
}

TEST(Cabrillo, ScoreIsPointsTimesMultipliersWithoutSeparators) {
    OperatingState totals;
    totals.totalPoints = 12345;
    totals.dxWorked.add("Germany");
    const std::string text = cabrilloText(plainHeader(), totals, {});
    EXPECT_NE(text.find("\r\nCLAIMED-SCORE:  12345 \r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nSCORE SUMMARY: TOTAL-SCORE:  12345 \r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nSCORE SUMMARY: TOTAL-MULTIPLIERS: 1\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nSCORE SUMMARY: DX MULTIPLIERS:\r\nSCORE SUMMARY: Germany\r\n"
                        "SCORE SUMMARY:\r\n"),
              std::string::npos);
}

TEST(Cabrillo, ScoreBeyondThirtyTwoBitsIsNotCut) {
    OperatingState totals;
    totals.totalPoints = 2000000000;
    totals.multiplierWorked[0] = totals.multiplierWorked[1] = totals.multiplierWorked[2] = true;
    const std::string text = cabrilloText(plainHeader(), totals, {});
    EXPECT_NE(text.find("\r\nCLAIMED-SCORE:  6000000000 \r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nSCORE SUMMARY: QSO-POINTS:  2000000000 \r\n"), std::string::npos);
}

TEST(Cabrillo, ClubLineOnlyWhenAClubIsGiven) {
    CabrilloHeader h = plainHeader();
    EXPECT_EQ(cabrilloText(h, {}, {}).find("CLUB NAME:"), std::string::npos);
    h.clubName = " ";
    EXPECT_NE(cabrilloText(h, {}, {}).find("\r\nOPERATORS: \r\nCLUB NAME:  \r\nCATEGORY: L\r\n"),
              std::string::npos);
}

TEST(Cabrillo, CreatedByTakesFiftyCharactersOfTheTitleTrimmed) {
    CabrilloHeader h = plainHeader();
    h.programTitle = "  Velmark's Quorvane Log 1.5  ";
    EXPECT_NE(cabrilloText(h, {}, {}).find("\r\nCREATED-BY: Velmark's Quorvane Log 1.5\r\n"),
              std::string::npos);
    h.programTitle = std::string(49, 'x') + " yz";
    EXPECT_NE(cabrilloText(h, {}, {}).find("\r\nCREATED-BY: " + std::string(49, 'x') + "\r\n"),
              std::string::npos);
}

TEST(Cabrillo, StateAndProvinceLinesWrapAfterTwentyAbbreviations) {
    const auto& table = MultiplierTable::entries();
    const auto abbreviations = [&](std::size_t from, std::size_t to) {
        std::string s;
        for (std::size_t j = from; j < to; ++j) {
            s += std::string(table[j].abbreviation) + " ";
        }
        return s;
    };
    const struct {
        std::size_t worked; // the first entries of the table
        std::vector<std::pair<std::size_t, std::size_t>> lines;
    } cases[] = {
        {0, {}},
        {1, {{0, 1}}},
        {19, {{0, 19}}},
        {20, {{0, 20}}},
        {21, {{0, 20}, {20, 21}}},
        {40, {{0, 20}, {20, 40}}},
        {62, {{0, 20}, {20, 40}, {40, 60}, {60, 62}}},
    };
    for (const auto& c : cases) {
        OperatingState totals;
        for (std::size_t j = 0; j < c.worked; ++j) {
            totals.multiplierWorked[j] = true;
        }
        std::string expected = "SCORE SUMMARY: STATE AND PROVINCE MULTIPLIERS:\r\n";
        for (const auto& [from, to] : c.lines) {
            expected += "SCORE SUMMARY: " + abbreviations(from, to) + "\r\n";
        }
        expected += "SCORE SUMMARY: DX MULTIPLIERS:\r\n";
        const std::string text = cabrilloText(plainHeader(), totals, {});
        EXPECT_NE(text.find(expected), std::string::npos) << c.worked << " worked";
    }
}

TEST(Cabrillo, WorkedMultipliersFollowTheTableOrder) {
    OperatingState totals;
    totals.multiplierWorked[61] = true; // PE
    totals.multiplierWorked[0] = true;  // CT
    totals.multiplierWorked[35] = true; // AK
    EXPECT_NE(cabrilloText(plainHeader(), totals, {})
                  .find("\r\nSCORE SUMMARY: STATE AND PROVINCE MULTIPLIERS:\r\n"
                        "SCORE SUMMARY: CT AK PE \r\n"
                        "SCORE SUMMARY: DX MULTIPLIERS:\r\n"),
              std::string::npos);
}

TEST(Cabrillo, SoapboxGivesOneLinePerLineOfText) {
    const struct {
        const char* soapbox;
        std::vector<std::string> lines;
    } cases[] = {
        {"", {"SOAPBOX: "}},
        {"Fun!", {"SOAPBOX: Fun!"}},
        {"One\r\nTwo", {"SOAPBOX: One", "SOAPBOX: Two"}},
        {"One\nTwo\n", {"SOAPBOX: One", "SOAPBOX: Two"}},
        {"One\r\n\r\nThree", {"SOAPBOX: One", "SOAPBOX: ", "SOAPBOX: Three"}},
        {"\r\n", {"SOAPBOX: "}},
    };
    for (const auto& c : cases) {
        CabrilloHeader h = plainHeader();
        h.soapbox = c.soapbox;
        const auto lines = linesOf(cabrilloText(h, {}, {}));
        std::vector<std::string> soapbox;
        for (const std::string& l : lines) {
            if (l.rfind("SOAPBOX:", 0) == 0) {
                soapbox.push_back(l);
            }
        }
        EXPECT_EQ(soapbox, c.lines) << '"' << c.soapbox << '"';
        ASSERT_GT(lines.size(), 13u);
        EXPECT_EQ(lines[11], "ADDRESS: (e-mail) ");
        EXPECT_EQ(lines[12 + soapbox.size()], "SCORE SUMMARY: QSO-POINTS:  0 ");
    }
}

TEST(Cabrillo, LineBreaksInHeaderValuesDoNotSplitTheirLine) {
    CabrilloHeader h = plainHeader();
    h.name = "Anne\r\nSmith";
    h.operators = "W1AW\nK1ABC";
    const auto lines = linesOf(cabrilloText(h, {}, {}));
    EXPECT_EQ(lines[5], "OPERATORS: W1AW K1ABC");
    EXPECT_EQ(lines[8], "NAME: Anne  Smith");
}

TEST(Cabrillo, EveryLineOfTheFixtureEndsWithCrLf) {
    const auto log = cabrilloFixtureLog();
    const std::string text = cabrilloText(cabrilloFixtureHeader(), totalsOf(log), log);
    const auto lines = linesOf(text);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "START-OF-LOG: 2.0");
    EXPECT_EQ(lines.back(), "END-OF-LOG:");
    for (const std::string& l : lines) {
        EXPECT_EQ(l.find_first_of("\r\n"), std::string::npos);
    }
}

} // namespace
} // namespace qv
