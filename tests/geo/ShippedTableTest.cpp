// The shipped data/arrlpre2.txt: its ordering rule, its size, and real calls.

#include "base/ItemSyntax.h"
#include "geo/CountryLookup.h"
#include "platform/posix/PosixFileStore.h"

#include <set>

#include <gtest/gtest.h>

namespace qv {
namespace {

class ShippedTable : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        PosixFileStore data(QV_DATA_DIR);
        const FileContents text = data.read(PrefixTable::kFileName);
        ASSERT_EQ(text.error, FileContents::Error::None);
        table_ = new PrefixTable();
        ASSERT_TRUE(table_->load(text.bytes));
    }
    static void TearDownTestSuite() { delete table_; }
    static PrefixTable* table_;
};
PrefixTable* ShippedTable::table_ = nullptr;

TEST_F(ShippedTable, ObeysTheOrderingRuleAndSizeLimit) {
    ASSERT_GT(table_->size(), 1000u);
    ASSERT_LE(table_->size(), PrefixTable::kCapacity);
    std::string seen;
    for (const auto& e : table_->entries()) {
        ASSERT_FALSE(e.prefix.empty());
        const char c = e.prefix[0];
        if (seen.empty() || seen.back() != c) {
            ASSERT_EQ(seen.find(c), std::string::npos) << "block " << c << " is split";
            if (!seen.empty()) {
                ASSERT_LT(static_cast<unsigned char>(seen.back()), static_cast<unsigned char>(c));
            }
            seen += c;
        }
    }
    for (const char* name : {"USA", "Canada", "Alaska", "Hawaii"}) {
        EXPECT_TRUE(completeCountry(*table_, name, false).has_value()) << name;
    }
}

// The DX-spot lookup scans from fractional positions, which at some table sizes
// step over entries; the shipped size must let it reach every one.
TEST_F(ShippedTable, DxSpotLookupFindsEveryEntry) {
    for (const auto& e : table_->entries()) {
        EXPECT_EQ(CountryyLookupForDXSpots(*table_, e.prefix), e.country) << e.prefix;
    }
}

TEST_F(ShippedTable, RealCalls) {
    const struct {
        const char* call;
        const char* spc;
        const char* continent;
    } cases[] = {
        {"DL1ABC", "Germany", "EU"},
        {"JA1XYZ", "Japan", "AS"},
        {"VK2ABC", "Australia", "OC"},
        {"PY1AA", "Brazil", "SA"},
        {"VE3ABC", "=", "NA"},
        {"W1AW", "=", "NA"},
        {"KH6XX", "HI", "OC"},
        {"KL7XX", "AK", "NA"},
        {"ZS6AA", "South Africa", "AF"},
        {"4X1AB", "Israel", "AS"},
        {"KG4AB", "Guantanamo Bay", "NA"},
        {"K1ABC", "=", "NA"},
        // Exact calls of cty.csv, entries of their own: places with no prefix,
        // stations at a place whose prefix names another entity, and a
        // resident of the USA whose call starts like Johnston Island's.
        {"4U1UN", "United Nations HQ", "NA"},
        {"4U1ITU", "ITU HQ", "EU"},
        {"3Y0J", "Bouvet", "AF"},
        {"VP6D", "Ducie Island", "OC"},
        {"BS7H", "Scarborough Reef", "AS"},
        {"KC4AAA", "Antarctica", "SA"},
        {"R1FJL", "Franz Josef Land", "EU"},
        {"KH3AD", "=", "NA"},
    };
    for (const auto& c : cases) {
        GeoFields f;
        f.spc = "";
        entryFieldLookup(*table_, c.call, {40, 75}, f);
        EXPECT_EQ(f.spc, std::string(c.spc) == "=" ? "" : c.spc) << c.call;
        EXPECT_EQ(f.continent, c.continent) << c.call;
    }
    EXPECT_EQ(CountryyLookupForDXSpots(*table_, "VE3ABC"), "Canada");
    EXPECT_EQ(CountryyLookupForDXSpots(*table_, "W1AW"), "USA");
    EXPECT_EQ(CountryyLookupForDXSpots(*table_, "KH3AD"), "USA");
}

// Every country of one table is in the other, so every entity of ADIFCnt.txt
// can be reached from a call.
TEST_F(ShippedTable, PrefixTableAndAdifTableNameTheSameCountries) {
    PosixFileStore data(QV_DATA_DIR);
    const FileContents adif = data.read("ADIFCnt.txt");
    ASSERT_EQ(adif.error, FileContents::Error::None);
    ItemReader reader(adif.bytes);
    std::vector<Item> items;
    std::set<std::string> names;
    while (reader.nextLine(items) == ItemReader::Result::Line) {
        ASSERT_EQ(items.size(), 2u);
        ASSERT_TRUE(itemNumber(items[1]).has_value());
        names.insert(items[0].text);
    }
    std::set<std::string> countries;
    for (const auto& e : table_->entries()) {
        EXPECT_TRUE(names.count(e.country)) << e.country;
        countries.insert(e.country);
    }
    EXPECT_EQ(countries, names);
}

} // namespace
} // namespace qv
