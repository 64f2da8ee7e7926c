#include "geo/CountryLookup.h"

#include "geo/BearingDistance.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

PrefixTable fixture() {
    return PrefixTable({
        {"4X", "Israel", "AS", -35, 31},
        {"4Z", "Israel", "AS", -35, 31},
        {"D", "Dland", "EU", -9, 50},
        {"DL", "Germany", "EU", -10, 51},
        {"F", "France", "EU", -2, 46},
        {"K", "USA", "NA", 91.87f, 37.6f},
        {"KG4", "Guantanamo Bay", "NA", 75, 20},
        {"KH6", "Hawaii", "OC", 157.48f, 21.12f},
        {"KL7", "Alaska", "NA", 148.87f, 61.4f},
        {"VE", "Canada", "NA", 80, 45},
        {"W", "USA", "NA", 95, 38},
    });
}

const OwnPosition kOwn{40, 75};

struct Case {
    const char* call;
    const char* spc;       // the SPC field afterwards ("=" when untouched)
    const char* continent; // Label19
    bool located;          // bearing and distance shown
};

TEST(EntryFieldLookup, TableOfCalls) {
    const PrefixTable table = fixture();
    const Case cases[] = {
        {"DL1ABC", "Germany", "EU", true}, // the longer prefix wins over D
        {"D2A", "Dland", "EU", true},
        {"KH6XX", "HI", "OC", true},
        {"KL7XX", "AK", "NA", true},
        {"W1AW", "=", "NA", false}, // a US station leaves the SPC to the operator
        {"VE3ABC", "=", "NA", false},
        {"KG4AB", "Guantanamo Bay", "NA", true},
        {"KG4ABC", "", "NA", true}, // a US station: located at the first USA entry
        {"4X1AB", "Israel", "AS", true},
        {"QQ1", "Not Found", "", false},
        {"W1AW/KH6", "HI", "OC", true},
        {"W1AW/P", "=", "NA", false},
        {"F/W1AW", "France", "EU", true},
        {"dl1abc", "Germany", "EU", true}, // pasted lower case finds what capitals find
        {"kh6xx", "HI", "OC", true},
    };
    for (const Case& c : cases) {
        GeoFields f;
        f.spc = "CT";
        entryFieldLookup(table, c.call, kOwn, f);
        EXPECT_EQ(f.spc, std::string(c.spc) == "=" ? "CT" : c.spc) << c.call;
        EXPECT_EQ(f.continent, c.continent) << c.call;
        EXPECT_EQ(!f.bearing.empty() && !f.distance.empty(), c.located) << c.call;
        EXPECT_EQ(f.spcSelectionStart, 0u) << c.call;
        EXPECT_EQ(f.spcSelectionLength, f.spc.size()) << c.call;
    }
}

TEST(EntryFieldLookup, KG4LongCallUsesTheFirstUsaEntryPosition) {
    const PrefixTable table = fixture();
    GeoFields viaKg4;
    entryFieldLookup(table, "KG4ABC", kOwn, viaKg4);
    const auto expected = HDCalc(kOwn.latitude, kOwn.longitude, 37.6f, 91.87f);
    EXPECT_EQ(viaKg4.bearing, expected.bearing);
    EXPECT_EQ(viaKg4.distance, expected.distance);
}

TEST(EntryFieldLookup, EmptyOrOutOfRangeCallsChangeNothing) {
    const PrefixTable table = fixture();
    for (const char* call : {"", "\xC9X1"}) {
        GeoFields f{"CT", 1, 1, "EU", "10 ", "100 "};
        entryFieldLookup(table, call, kOwn, f);
        EXPECT_EQ(f.spc, "CT") << call;
        EXPECT_EQ(f.spcSelectionStart, 1u);
        EXPECT_EQ(f.continent, "EU");
        EXPECT_EQ(f.bearing, "10 ");
    }
}

TEST(CountryyLookupForDXSpots, ExactComparisonsAndNoHomeRules) {
    const PrefixTable table = fixture();
    const std::pair<const char*, const char*> cases[] = {
        {"DL1ABC", "Germany"},
        {"KH6XX", "Hawaii"},
        {"KL7XX", "Alaska"},
        {"W1AW", "USA"},
        {"VE3ABC", "Canada"},
        {"KG4AB", "Guantanamo Bay"},
        {"KG4ABC", "USA"},
        {"4X1AB", "Israel"},
        {"QQ1", ""},
        {"W1AW/KH6", "Hawaii"},
        {"w1aw/kh6", ""},
        {"dl1abc", ""},
        {"", ""},
    };
    for (const auto& [call, country] : cases) {
        EXPECT_EQ(CountryyLookupForDXSpots(table, call), country) << call;
    }
}

TEST(CompleteCountry, SearchesFromTheLastEntryBackwards) {
    const PrefixTable table = fixture();
    EXPECT_EQ(completeCountry(table, "Is", false), std::optional<std::size_t>(2));
    EXPECT_EQ(completeCountry(table, "is", false), std::nullopt);
    EXPECT_EQ(completeCountry(table, "is", true), std::optional<std::size_t>(2));
    EXPECT_EQ(completeCountry(table, "USA", true), std::optional<std::size_t>(11));
    EXPECT_EQ(completeCountry(table, "Ger", true), std::optional<std::size_t>(4));
    EXPECT_EQ(completeCountry(table, "Xyz", true), std::nullopt);
}

TEST(PrefixTable, LoadFailuresLeaveTheTableAsItWas) {
    PrefixTable table = fixture();
    const std::string good = "\"DL\",\"Germany\",\"EU\",-10,51,14,28,-1\r\n";
    std::string tooMany;
    for (int i = 0; i < 2501; ++i) {
        tooMany += good;
    }
    for (const std::string& bad : {std::string("\"DL\",\"Germany\",\"EU\",-10,51\r\n"),
                                   std::string("\"DL\",\"Germany\",\"EU\",west,51,14,28,-1\r\n"),
                                   std::string("\"D\"L\",\"Germany\",\"EU\",-10,51,14,28,-1\r\n"),
                                   good + "\"DL\",\"Ger", tooMany}) {
        const Status s = table.load(bad);
        EXPECT_FALSE(s.ok()) << bad.substr(0, 80);
        EXPECT_NE(s.message().find("arrlpre2.txt"), std::string::npos);
        EXPECT_EQ(table.size(), 11u);
    }
    ASSERT_TRUE(table.load(good + good));
    EXPECT_EQ(table.size(), 2u);
    EXPECT_FLOAT_EQ(table.entry(1).longitude, -10);
    EXPECT_EQ(table.entry(1).continent, "EU");
}

} // namespace
} // namespace qv
