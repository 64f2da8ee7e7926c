#pragma once

// A realistic full contest log: 11000 contacts over 24 hours of a contest weekend,
// mostly US and Canadian stations with some DX, on the HF bands.

#include "base/DateTime.h"
#include "core/ContactRecord.h"
#include "core/MultiplierTable.h"

#include <random>
#include <string>
#include <vector>

namespace qv::bench {

inline std::vector<ContactRecord> sampleLog(std::size_t count, const DateTime& end) {
    static const char* const kDx[] = {"Germany", "Japan", "Brazil",    "Australia",    "Spain",
                                      "England", "Italy", "Argentina", "South Africa", "Israel"};
    static const char* const kBands[] = {"80", "40", "20", "15", "10"};
    static const char* const kNames[] = {"John", "Mary", "Jos\xE9", "Anne", "Bob", "Kim", "Alex"};
    static const char* const kCats[] = {"M", "L", "C", "U", "Y", "O"};
    std::mt19937 rng(7);
    const MultiplierTable table;
    std::vector<ContactRecord> records;
    records.reserve(count);
    const std::int64_t span = 24 * 3600;
    for (std::size_t i = 0; i < count; ++i) {
        ContactRecord r;
        r.call = std::string(1, "KWN"[rng() % 3]) + std::to_string(rng() % 10) +
                 std::string(1, static_cast<char>('A' + rng() % 26)) +
                 std::string(1, static_cast<char>('A' + rng() % 26)) +
                 std::string(1, static_cast<char>('A' + rng() % 26));
        r.category = kCats[rng() % 6];
        r.name = kNames[rng() % 7];
        r.nameSent = "Anne";
        r.spc = rng() % 8 == 0 ? kDx[rng() % 10]
                               : std::string(table.entry(1 + rng() % 62).abbreviation);
        const DateTime t = end.addSeconds(-span + static_cast<std::int64_t>(i) * span /
                                                      static_cast<std::int64_t>(count));
        r.date = t.dateText();
        r.time = t.timeText();
        r.mode = "PH";
        r.band = kBands[rng() % 5];
        r.points = r.category == "Y" ? 2 : (r.category == "O" ? 1 : 10);
        r.frequency = rng() % 2 ? "7.245" : "";
        records.push_back(std::move(r));
    }
    return records;
}

} // namespace qv::bench
