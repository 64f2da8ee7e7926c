#include "reports/AdifWriter.h"

#include "Golden.h"
#include "ReportFixtures.h"

#include <algorithm>

#include <gtest/gtest.h>

namespace qv {
namespace {

AdifCountryTable fixtureCountries() {
    AdifCountryTable t;
    EXPECT_TRUE(t.load(test::kAdifFixtureCountries).ok());
    return t;
}

TEST(Adif, FixtureLogMatchesTheGoldenFileByteForByte) {
    const std::string expected = test::golden("Quorvex.adi");
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(adifText(test::adifFixtureLog(), fixtureCountries(), test::kAdifFixturePower,
                       "Velmark's Quorvane Log 1.5", "1/14/2007 18:30:00"),
              expected);
}

TEST(Adif, DateIsEightDigitsOrNothing) {
    const struct {
        const char* stored;
        const char* date;
    } cases[] = {
        {"2007/01/13", "20070113"}, {"2007/1/3", "20070103"}, {"2008/02/29", "20080229"},
        {"2007/02/29", ""},         {"2007/13/01", ""},       {"", ""},
        {"13/01/2007", ""},         {"garbage", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(adifDate(c.stored), c.date) << c.stored;
    }
}

TEST(Adif, TimeIsHoursAndMinutesInFourCharacters) {
    const struct {
        const char* stored;
        const char* time;
    } cases[] = {
        {"14:22:05", "1422"}, {"14:22", "1422"}, {"9:05", "0905"}, {" 9:05:00 ", "0905"},
        {"0:00:00", "0000"},  {"", "0000"},      {"1422", "1422"}, {"142233", "1422"},
        {"5", "0005"},        {"12:3", "0123"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(adifTime(c.stored), c.time) << '"' << c.stored << '"';
    }
}

TEST(Adif, StateAndCountryFromSpcAndCall) {
    const struct {
        const char* call;
        const char* spc;
        const char* state;
        const char* country;
    } cases[] = {
        {"W1AW", "PA", "PA", "USA"},
        {"K1ABC", "MA", "MA", "USA"},
        {"n2xyz", "NY", "NY", "USA"},
        {"AA1A", "CT", "CT", "USA"},
        {"KL7XX", "AK", "AK", "Alaska"},
        {"WL7A", "ak", "ak", "Alaska"},
        {"KH6YY", "HI", "HI", "Hawaii"},
        {"kh6yy", "Hi", "Hi", "Hawaii"},
        {"VE3XYZ", "ON", "", "Canada"},
        {"VA2AB", "QU", "", "Canada"},
        {"DL1ABC", "Germany", "", "Germany"},
        {"W1AW", "Not Found", "", "Not Found"},
        {"G4ABC", "X", "", ""},
        {"W1AW", "", "", ""},
        {"", "PA", "", "Canada"},
    };
    for (const auto& c : cases) {
        const AdifPlace p = adifPlace(c.call, c.spc);
        EXPECT_EQ(p.state, c.state) << c.call << " " << c.spc;
        EXPECT_EQ(p.country, c.country) << c.call << " " << c.spc;
    }
}

TEST(Adif, FieldsCarryTheirLength) {
    EXPECT_EQ(adifField("Call", "W1AW"), "<Call:4>W1AW");
    EXPECT_EQ(adifField("Qso_Date", "20070113", true), "<Qso_Date:8:d>20070113");
    EXPECT_EQ(adifField("Name", "Jos\xE9"), "<Name:4>Jose");
    EXPECT_EQ(adifField("Name", "Gro\xDF \x80"), "<Name:7>Gross ?");
    EXPECT_EQ(adifField("Comment", ""), "<Comment:0>");
    EXPECT_EQ(adifField("Comment", std::string(120, 'x')), "<Comment:120>" + std::string(120, 'x'));
}

ContactRecord joe() {
    return test::record("W1AW", "M", "JOE", "Anne", "PA", "2007/01/13", "14:22:05", "PH", "70", 10);
}

TEST(Adif, SeventyCentimetreContact) {
    const AdifCountryTable none;
    EXPECT_EQ(adifRecord(joe(), none, ""),
              "<Call:4>W1AW <Qso_Date:8:d>20070113 <Band:4>70CM <Mode:3>SSB\r\n"
              "<Time_On:4>1422 <State:2>PA <Name:3>JOE <Comment:22>Quorvane Contest - JOE\r\n"
              "<eor>\r\n\r\n");
}

TEST(Adif, AccentedTextIsWrittenAsAsciiWithByteLengths) {
    ContactRecord r = joe();
    r.call = "k1\xC6\xE9";
    r.name = "Zo\xEB \x93\xC6sa\x94 Gro\xDF";
    r.spc = "M\xC1";
    const std::string rec = adifRecord(r, AdifCountryTable{}, "\xBD kW");
    EXPECT_EQ(rec, "<Call:5>k1AEe <Qso_Date:8:d>20070113 <Band:4>70CM <Mode:3>SSB\r\n"
                   "<Tx_Pwr:4>? kW <Time_On:4>1422 <State:2>MA <Name:16>Zoe \"AEsa\" Gross "
                   "<Comment:35>Quorvane Contest - Zoe \"AEsa\" Gross\r\n"
                   "<eor>\r\n\r\n");
    const std::string header = adifHeader("Velmark\x92s Quorvane Log \x96 \xE9t\xE9", "\xA0now");
    EXPECT_EQ(header.substr(0, header.find("<EOH>")),
              "ADIF Export from Velmark's Quorvane Log - ete\r\n"
              "Quorvane Log is written by Velmark Software for the Quorvane Youth Contest "
              "Committee\r\n"
              "https://www.quorvane-contest.example/log    software@quorvane-contest.example\r\n"
              "Log exported on:  now\r\n\r\n");
    for (const std::string& text : {rec, header}) {
        EXPECT_TRUE(std::all_of(text.begin(), text.end(), [](char c) {
            return static_cast<unsigned char>(c) < 0x80;
        })) << text;
    }
}

TEST(Adif, BandUnitAndModeText) {
    const struct {
        const char* band;
        const char* mode;
        const char* line1;
    } cases[] = {
        {"20", "PH", "<Call:4>W1AW <Qso_Date:8:d>20070113 <Band:3>20M <Mode:3>SSB"},
        {"160", "CW", "<Call:4>W1AW <Qso_Date:8:d>20070113 <Band:4>160M <Mode:2>CW"},
        {"2", "ph", "<Call:4>W1AW <Qso_Date:8:d>20070113 <Band:2>2M <Mode:3>SSB"},
        {"70", "cw", "<Call:4>W1AW <Qso_Date:8:d>20070113 <Band:4>70CM <Mode:2>CW"},
        {"", "PH", "<Call:4>W1AW <Qso_Date:8:d>20070113 <Mode:3>SSB"},
        {"40", "", "<Call:4>W1AW <Qso_Date:8:d>20070113 <Band:3>40M <Mode:2>CW"},
    };
    for (const auto& c : cases) {
        ContactRecord r = joe();
        r.band = c.band;
        r.mode = c.mode;
        const std::string rec = adifRecord(r, AdifCountryTable{}, "");
        EXPECT_EQ(rec.substr(0, rec.find("\r\n")), c.line1);
    }
}

TEST(Adif, PowerAndFrequencyOnlyWhenGiven) {
    const struct {
        const char* power;
        const char* frequency;
        const char* line2start;
    } cases[] = {
        {"", "", "<Time_On:4>1422 "},
        {"100", "", "<Tx_Pwr:3>100 <Time_On:4>1422 "},
        {"5 W  ", "", "<Tx_Pwr:3>5 W <Time_On:4>1422 "},
        {"   ", "", "<Time_On:4>1422 "},
        {"", "7.245", "<Freq:5>7.245 <Time_On:4>1422 "},
        {"", "  ", "<Time_On:4>1422 "},
        {"50", " 14.250 ", "<Freq:6>14.250 <Tx_Pwr:2>50 <Time_On:4>1422 "},
    };
    for (const auto& c : cases) {
        ContactRecord r = joe();
        r.frequency = c.frequency;
        const std::string rec = adifRecord(r, AdifCountryTable{}, c.power);
        const std::string line2 = rec.substr(rec.find("\r\n") + 2);
        EXPECT_EQ(line2.rfind(c.line2start, 0), 0u) << line2;
    }
}

TEST(Adif, DxccNumberOfTheCountry) {
    const AdifCountryTable t = fixtureCountries();
    const struct {
        const char* call;
        const char* spc;
        const char* dxcc; // the field, or empty for none
    } cases[] = {
        {"W1AW", "PA", "<DXCC:3>291 "},
        {"VE3XYZ", "ON", "<DXCC:1>1 "},
        {"KL7XX", "AK", "<DXCC:1>6 "},
        {"KH6YY", "HI", "<DXCC:3>110 "},
        {"DL1ABC", "GERMANY", "<DXCC:3>230 "},
        {"ZZ9ZZ", "Atlantis", ""},
        {"G4ABC", "X", ""},
        {"W1AW", "Not Found", ""},
    };
    for (const auto& c : cases) {
        ContactRecord r = joe();
        r.call = c.call;
        r.spc = c.spc;
        const std::string rec = adifRecord(r, t, "");
        if (*c.dxcc) {
            EXPECT_NE(rec.find(c.dxcc), std::string::npos) << rec;
        } else {
            EXPECT_EQ(rec.find("<DXCC:"), std::string::npos) << rec;
        }
    }
}

TEST(Adif, CanadianContactHasNoStateField) {
    ContactRecord r = joe();
    r.call = "VE3XYZ";
    r.spc = "ON";
    EXPECT_EQ(adifRecord(r, fixtureCountries(), "").find("<State:"), std::string::npos);
}

TEST(Adif, HeaderThenEoh) {
    EXPECT_EQ(adifHeader("  Velmark's Quorvane Log 1.5 ", "1/14/2007 18:30:00"),
              "ADIF Export from Velmark's Quorvane Log 1.5\r\n"
              "Quorvane Log is written by Velmark Software for the Quorvane Youth Contest "
              "Committee\r\n"
              "https://www.quorvane-contest.example/log    software@quorvane-contest.example\r\n"
              "Log exported on: 1/14/2007 18:30:00\r\n"
              "\r\n"
              "<EOH>\r\n"
              "\r\n");
    const std::string header = adifHeader(std::string(60, 'T') + "rest", "x");
    EXPECT_EQ(header.substr(0, header.find("\r\n")), "ADIF Export from " + std::string(60, 'T'));
}

TEST(Adif, EmptyLogIsTheHeaderAlone) {
    EXPECT_EQ(adifText({}, AdifCountryTable{}, "100", "T", "now"), adifHeader("T", "now"));
}

} // namespace
} // namespace qv
