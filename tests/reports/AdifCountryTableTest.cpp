#include "reports/AdifCountryTable.h"

#include "base/ItemSyntax.h"
#include "platform/posix/PosixFileStore.h"

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace qv {
namespace {

std::string records(std::size_t n) {
    std::string text;
    for (std::size_t i = 1; i <= n; ++i) {
        text += "\"Country " + std::to_string(i) + "\"," + std::to_string(i) + "\r\n";
    }
    return text;
}

TEST(AdifCountryTable, ShippedTableHasTheHomeEntities) {
    PosixFileStore data(QV_DATA_DIR);
    const FileContents file = data.read(AdifCountryTable::kFileName);
    ASSERT_EQ(file.error, FileContents::Error::None);
    AdifCountryTable t;
    ASSERT_TRUE(t.load(file.bytes).ok());
    EXPECT_GT(t.size(), 300u);
    EXPECT_LE(t.size(), AdifCountryTable::kCapacity);
    const struct {
        const char* country;
        std::int64_t dxcc;
    } cases[] = {
        {"USA", 291},       {"Canada", 1},  {"Alaska", 6},   {"Hawaii", 110}, {"hawaii", 110},
        {" Germany ", 230}, {"Japan", 339}, {"Atlantis", 0}, {"", 0},         {"Not Found", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(t.dxccOf(c.country), c.dxcc) << c.country;
    }
}

// The entities cty.csv knows only by exact calls (4U1UN, 3Y0J, ...).
TEST(AdifCountryTable, ShippedTableHasTheEntitiesWithoutPrefixes) {
    PosixFileStore data(QV_DATA_DIR);
    const FileContents file = data.read(AdifCountryTable::kFileName);
    ASSERT_EQ(file.error, FileContents::Error::None);
    AdifCountryTable t;
    ASSERT_TRUE(t.load(file.bytes).ok());
    const struct {
        const char* country;
        std::int64_t dxcc;
    } cases[] = {
        {"United Nations HQ", 289}, {"ITU HQ", 117},
        {"Mount Athos", 180},       {"Heard Island", 111},
        {"Macquarie Island", 153},  {"Bouvet", 24},
        {"Peter 1 Island", 199},    {"South Orkney Islands", 238},
        {"Rotuma Island", 460},     {"Conway Reef", 489},
        {"Minami Torishima", 177},  {"North Cook Islands", 191},
        {"Clipperton Island", 36},  {"Austral Islands", 508},
        {"Marquesas Islands", 509}, {"Chesterfield Islands", 512},
        {"Ducie Island", 513},      {"Swains Island", 515},
        {"Scarborough Reef", 506},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(t.dxccOf(c.country), c.dxcc) << c.country;
    }
}

// Against the country files themselves, where hamradio-files is installed: every
// entity number of cty.csv has a record.
TEST(AdifCountryTable, ShippedTableHasEveryEntityOfTheCountryFiles) {
    PosixFileStore source("/usr/share/hamradio-files");
    const FileContents cty = source.read("cty.csv");
    if (cty.error != FileContents::Error::None) {
        GTEST_SKIP() << "no /usr/share/hamradio-files/cty.csv";
    }
    PosixFileStore data(QV_DATA_DIR);
    const FileContents file = data.read(AdifCountryTable::kFileName);
    ASSERT_EQ(file.error, FileContents::Error::None);
    std::set<std::int64_t> numbers;
    ItemReader reader(file.bytes);
    std::vector<Item> items;
    while (reader.nextLine(items) == ItemReader::Result::Line) {
        ASSERT_EQ(items.size(), 2u);
        numbers.insert(static_cast<std::int64_t>(itemNumber(items[1]).value_or(0)));
    }
    // label,name,entity number,... one entity a line; no field is quoted.
    std::istringstream lines(cty.bytes);
    std::string line;
    std::size_t entities = 0;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string label, name, number;
        if (!std::getline(fields, label, ',') || !std::getline(fields, name, ',') ||
            !std::getline(fields, number, ',')) {
            continue;
        }
        ++entities;
        EXPECT_TRUE(numbers.count(std::stoll(number))) << label << " " << name;
    }
    EXPECT_GT(entities, 300u);
}

TEST(AdifCountryTable, RecordForms) {
    AdifCountryTable t;
    ASSERT_TRUE(t.load("\"Trinidad, Tobago\",90\r\n"
                       "   \"Spain\",  281\n"
                       "Italy,248\r\n"
                       "\r\n"
                       "\"Spain\",999\r\n")
                    .ok());
    EXPECT_EQ(t.size(), 4u);
    EXPECT_EQ(t.dxccOf("Trinidad, Tobago"), 90);
    EXPECT_EQ(t.dxccOf("SPAIN"), 281); // the first record of a name counts
    EXPECT_EQ(t.dxccOf("italy"), 248);
    EXPECT_EQ(t.dxccOf("Trinidad"), 0);
}

TEST(AdifCountryTable, AtMostAThousandRecords) {
    AdifCountryTable t;
    ASSERT_TRUE(t.load(records(1000)).ok());
    EXPECT_EQ(t.size(), 1000u);
    EXPECT_EQ(t.dxccOf("Country 1000"), 1000);
    const Status s = t.load(records(1001));
    EXPECT_FALSE(s.ok());
    EXPECT_EQ(t.size(), 0u);
    EXPECT_EQ(t.dxccOf("Country 1"), 0);
}

TEST(AdifCountryTable, UnreadableRecordsFailTheLoad) {
    const char* cases[] = {
        "\"Spain,281\r\n",        // no closing quote
        "\"Spain\"x,281\r\n",     // text after the closing quote
        "\"Spain\"\r\n",          // no number
        "\"Spain\",\"many\"\r\n", // no number
        "\"Spain\",281,7\r\n",    // a third item
        "\"Spain\",2.5\r\n",      // not a whole number
        "\"USA\",291\r\n\"Spain\",\r\n",
    };
    for (const char* text : cases) {
        AdifCountryTable t;
        EXPECT_FALSE(t.load(text).ok()) << text;
        EXPECT_EQ(t.size(), 0u) << text;
    }
}

TEST(AdifCountryTable, EmptyFileIsAnEmptyTable) {
    AdifCountryTable t;
    EXPECT_TRUE(t.load("").ok());
    EXPECT_EQ(t.size(), 0u);
    EXPECT_EQ(t.dxccOf("USA"), 0);
}

} // namespace
} // namespace qv
