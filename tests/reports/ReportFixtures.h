#pragma once

// The small logs behind the golden files.

#include "core/ContactRecord.h"
#include "core/MultiplierTable.h"
#include "core/OperatingState.h"
#include "core/Tally.h"
#include "reports/CabrilloWriter.h"

#include <string>
#include <vector>

namespace qv::test {

inline ContactRecord record(std::string call, std::string category, std::string name,
                            std::string nameSent, std::string spc, std::string date,
                            std::string time, std::string mode, std::string band, double points,
                            std::string frequency = {}) {
    return {std::move(call),     std::move(category),
            std::move(name),     std::move(nameSent),
            std::move(spc),      std::move(date),
            std::move(time),     std::move(mode),
            std::move(band),     points,
            std::move(frequency)};
}

// Totals as loading the log counts them.
inline OperatingState totalsOf(const std::vector<ContactRecord>& log) {
    OperatingState totals;
    const MultiplierTable table;
    for (const ContactRecord& r : log) {
        addPoints(totals, r.points);
        countSpc(totals, table, r.spc);
    }
    return totals;
}

// Both modes, a DX entity, a Canadian province, a post-contest time, a one-digit
// hour and month, every band of the frequency table and one outside it, and texts
// longer than their columns.
inline std::vector<ContactRecord> cabrilloFixtureLog() {
    return {
        record("K1ABC", "M", "John", "Anne", "MA", "2007/01/13", "14:22:05", "PH", "40", 10),
        record("VE3XYZ", "O", "Bob", "Anne", "ON", "2007/01/13", "14:30:10", "CW", "20", 1,
               "14.025"),
        record("DL1ABC", "Y", "Jos\xE9", "Anne", "Germany", "2007/01/13", "15:01:00", "PH", "15",
               2),
        record("N2QRPLONGX", "C", "Christopher", "Annemarie-Louise", "NY", "2007/01/13", "16:45",
               "PH", "160", 10),
        record("KL7XX", "U", "Sam", "Anne", "AK", "2007/1/14", "9:05:00", "PH", "70", 10),
        record("JA1AAA", "M", "Taro", "Anne", "Japan", "2007/01/14", "10:00:00", "CW", "6", 10),
        record("W6XYZ", "L", "Kim", "Anne", "CA", "2007/01/14", "11:11:11", "PH", "2", 10),
        record("VK2ABC", "Y", "", "Anne", "Not Found", "2007/01/14", "23:59:59", "PH", "12", 2),
        record("K9AAA", "MLC", "Bartholomew", "Anne", "IL", "2007/01/14", "12:00:00", "PH", "80",
               10),
        record("W1XYZ", "L", "Ann", "Anne", "ct", "2007/01/14", "13:00:00", "PH", "10", 10),
    };
}

inline CabrilloHeader cabrilloFixtureHeader() {
    CabrilloHeader h;
    h.programTitle = "Velmark's Quorvane Log 1.5";
    h.ownCall = " W1AW ";
    h.ownSpc = "CT";
    h.ownCategory = "L";
    h.operators = "W1AW KB1XYZ";
    h.clubName = "Quorvane Radio Club";
    h.name = "Anne Smith";
    h.addressLine1 = "12 Main Street";
    h.addressLine2 = "Newington, CT 06111";
    h.email = "anne@example.org";
    h.soapbox = "Great fun!\r\nSee you next year.";
    return h;
}

// A small country table: a name in lower case, a repeated name (the first counts),
// a name holding a comma, blanks before a record.
inline const char* const kAdifFixtureCountries = "\"USA\",291\r\n"
                                                 "\"Canada\",1\r\n"
                                                 "\"alaska\",6\r\n"
                                                 "\"Hawaii\",110\r\n"
                                                 "\"Germany\",230\r\n"
                                                 "\"Germany\",999\r\n"
                                                 "\"Trinidad, Tobago\",90\r\n"
                                                 "   \"Japan\",339\r\n";

inline const char* const kAdifFixturePower = "100  ";

// Among its cases: Jos\xE9, whose name keeps its length when folded to ASCII, and a
// name that grows (sharp s to "ss") with typographic quotes and a euro sign, which
// has no ASCII form.
inline std::vector<ContactRecord> adifFixtureLog() {
    return {
        record("W1AW", "M", "JOE", "Anne", "PA", "2007/01/13", "14:22:05", "PH", "70", 10),
        record("VE3XYZ", "O", "Bob", "Anne", "ON", "2007/01/13", "14:30:10", "CW", "20", 1,
               " 14.025 "),
        record("KL7XX", "U", "Sam", "Anne", "AK", "2007/01/14", "03:15:00", "ph", "40", 10,
               "7.245"),
        record("kh6yy", "L", "Kai", "Anne", "hi", "2007/01/14", "04:00:00", "PH", "15", 10,
               "21.300"),
        record("DL1ABC", "Y", "Jos\xE9", "Anne", "Germany", "2007/01/14", "9:05", "CW", "160", 2),
        record("OE3ABC", "Y", "J\xF6rg \x84Gro\xDF\x93 \x80", "Anne", "Austria", "2007/01/14",
               "9:30", "CW", "80", 2),
        record("ZZ9ZZ", "M", "", "Anne", "Atlantis", "2007/01/14", "10:00:00", "PH", "10", 10),
        record("9Y4AA", "M", "Ravi", "Anne", "Trinidad, Tobago", "2007/02/30", "11:00:00", "PH",
               "2", 10),
        record("9A1A", "M", "Ivo", "Anne", "X", "2007/01/14", "12:00:00", "", "", 10),
        record("JA1AAA", "M", "Taro", "Anne", "  Japan ", "2007/01/14", "13:00:00", "PH", "6", 10),
    };
}

} // namespace qv::test
