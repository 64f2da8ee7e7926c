#include "reports/CabrilloWriter.h"

#include "base/Band.h"
#include "base/Cp1252.h"
#include "base/DateTime.h"
#include "core/MultiplierTable.h"
#include "core/Tally.h"
#include "reports/DigitText.h"
#include "reports/MakerDetails.h"

#include <array>

namespace qv {
namespace {

constexpr std::string_view kCrLf = "\r\n";

// First column of each QSO line field; the column after the last field's start
// ends the table. A field never runs past the next field's column.
enum QsoField {
    kTag,
    kFrequency,
    kMode,
    kDate,
    kTime,
    kOwnCall,
    kOwnSpc,
    kOwnCategory,
    kSentName,
    kCall,
    kSpc,
    kCategory,
    kName,
    kFieldCount
};
constexpr std::array<std::size_t, kFieldCount> kColumn = {1,  6,  12, 15, 26, 31, 40,
                                                          43, 46, 56, 66, 69, 72};
constexpr std::size_t kNameWidth = 9;

std::string_view first(std::string_view text, std::size_t n) {
    return text.substr(0, n);
}

// Pads the line to the field's column and writes the field, cut where the next
// field begins.
void put(std::string& line, QsoField field, std::string_view value) {
    const std::size_t start = kColumn[field] - 1;
    if (line.size() < start) {
        line.append(start - line.size(), ' ');
    }
    const std::size_t width =
        field + 1 < kFieldCount ? kColumn[field + 1] - kColumn[field] : kNameWidth;
    line.append(first(value, width));
}

// "yyyy-mm-dd". A valid date with one-digit month or day is written with two;
// text that is no date keeps its characters with dashes for slashes.
std::string isoDate(std::string_view date) {
    if (const auto d = parseLogDateTime(date, "00:00")) {
        return padded(d->year(), 4) + "-" + padded(d->month(), 2) + "-" + padded(d->day(), 2);
    }
    std::string out(date);
    for (char& c : out) {
        if (c == '/') {
            c = '-';
        }
    }
    return out;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Hours and minutes as four digits. A one-digit hour ("9:05") gets its leading
// zero; other texts give their characters 1-2 and 4-5.
std::string hourMinute(std::string_view time) {
    const auto colon = time.find(':');
    if (colon != std::string_view::npos && (colon == 1 || colon == 2) && isDigit(time[0]) &&
        isDigit(time[colon - 1]) && time.size() >= colon + 3 && isDigit(time[colon + 1]) &&
        isDigit(time[colon + 2])) {
        std::string out = colon == 1 ? "0" : "";
        out.append(time.substr(0, colon));
        out.append(time.substr(colon + 1, 2));
        return out;
    }
    std::string out(first(time, 2));
    if (time.size() > 3) {
        out.append(time.substr(3, 2));
    }
    return out;
}

// A header value stays on its own line.
std::string oneLine(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return out;
}

void line(std::string& out, std::string_view a, std::string_view b = {}) {
    out.append(a);
    out.append(b);
    out.append(kCrLf);
}

void soapboxLines(std::string& out, std::string_view soapbox) {
    std::vector<std::string_view> lines;
    std::size_t pos = 0;
    while (true) {
        const auto end = soapbox.find_first_of("\r\n", pos);
        lines.push_back(soapbox.substr(pos, end == std::string_view::npos ? end : end - pos));
        if (end == std::string_view::npos) {
            break;
        }
        pos = end + 1;
        if (soapbox[end] == '\r' && pos < soapbox.size() && soapbox[pos] == '\n') {
            ++pos;
        }
    }
    while (lines.size() > 1 && lines.back().empty()) {
        lines.pop_back();
    }
    for (std::string_view text : lines) {
        line(out, "SOAPBOX: ", text);
    }
}

} // namespace

std::string cabrilloFileName(std::string_view ownCall) {
    const std::string_view call = trimBlanks(ownCall);
    if (call.empty() || call.size() > 10) {
        return kCabrilloDefaultFileName;
    }
    for (char c : call) {
        if (!isDigit(c) && !(c >= 'A' && c <= 'Z')) {
            return kCabrilloDefaultFileName;
        }
    }
    return std::string(call) + ".log";
}

std::string_view cabrilloFrequency(std::string_view band) {
    const Band* found = findBand(band);
    return found ? found->cabrilloFrequency : std::string_view();
}

std::string cabrilloNumber(std::int64_t value) {
    std::string digits = std::to_string(value);
    if (value >= 0) {
        digits.insert(0, 1, ' ');
    }
    digits.push_back(' ');
    return digits;
}

std::string cabrilloQsoLine(const ContactRecord& contact, std::string_view ownCall,
                            std::string_view ownSpc, std::string_view ownCategory) {
    std::string out;
    out.reserve(84);
    put(out, kTag, "QSO:");
    put(out, kFrequency, cabrilloFrequency(contact.band));
    put(out, kMode, contact.mode);
    put(out, kDate, isoDate(contact.date));
    put(out, kTime, hourMinute(contact.time));
    put(out, kOwnCall, first(ownCall, 9));
    put(out, kOwnSpc, first(ownSpc, 2));
    put(out, kOwnCategory, ownCategory);
    put(out, kSentName, first(contact.nameSent, 9));
    put(out, kCall, first(contact.call, 9));
    put(out, kSpc, contact.spc.size() <= 2 ? std::string_view(contact.spc) : "DX");
    put(out, kCategory, first(contact.category, 2));
    put(out, kName, first(contact.name, 9));
    return out;
}

std::string cabrilloText(const CabrilloHeader& header, const OperatingState& totals,
                         const std::vector<ContactRecord>& contacts) {
    const std::string call(trimBlanks(header.ownCall));
    const std::int64_t usCan = usCanMultipliers(totals);
    const std::int64_t dx = static_cast<std::int64_t>(totals.dxWorked.count());
    const std::int64_t multipliers = usCan + dx;
    const std::int64_t score = static_cast<std::int64_t>(totals.totalPoints) * multipliers;

    std::string out;
    out.reserve(2048 + contacts.size() * 84);
    line(out, "START-OF-LOG: 2.0");
    line(out, "CREATED-BY: ", oneLine(trimBlanks(first(header.programTitle, 50))));
    line(out, "CONTEST: ", maker::kContestName);
    line(out, "STATE-PROVINCE-COUNTRY: ", oneLine(header.ownSpc));
    line(out, "CALLSIGN: ", oneLine(call));
    line(out, "OPERATORS: ", oneLine(header.operators));
    if (!header.clubName.empty()) {
        line(out, "CLUB NAME: ", oneLine(header.clubName));
    }
    line(out, "CATEGORY: ", oneLine(header.ownCategory));
    line(out, "CLAIMED-SCORE: ", cabrilloNumber(score));
    line(out, "NAME: ", oneLine(header.name));
    line(out, "ADDRESS: ", oneLine(header.addressLine1));
    line(out, "ADDRESS: ", oneLine(header.addressLine2));
    line(out, "ADDRESS: (e-mail) ", oneLine(header.email));
    soapboxLines(out, header.soapbox);
    line(out, "SCORE SUMMARY: QSO-POINTS: ", cabrilloNumber(totals.totalPoints));
    line(out, "SCORE SUMMARY: STATE / PROVINCE MULTIPLIERS: ", cabrilloNumber(usCan));
    line(out, "SCORE SUMMARY: DX MULTIPLIERS: ", cabrilloNumber(dx));
    line(out, "SCORE SUMMARY: TOTAL-MULTIPLIERS: ", std::to_string(multipliers));
    line(out, "SCORE SUMMARY: TOTAL-SCORE: ", cabrilloNumber(score));

    line(out, "SCORE SUMMARY: STATE AND PROVINCE MULTIPLIERS:");
    std::string worked;
    const auto& table = MultiplierTable::entries();
    for (std::size_t j = 0; j < table.size(); ++j) {
        if (!totals.multiplierWorked[j]) {
            continue;
        }
        worked.append(table[j].abbreviation);
        worked.push_back(' ');
        if (worked.size() > 58) {
            line(out, "SCORE SUMMARY: ", worked);
            worked.clear();
        }
    }
    if (!worked.empty()) {
        line(out, "SCORE SUMMARY: ", worked);
    }

    line(out, "SCORE SUMMARY: DX MULTIPLIERS:");
    for (const std::string& entity : totals.dxWorked.names()) {
        line(out, "SCORE SUMMARY: ", oneLine(entity));
    }
    line(out, "SCORE SUMMARY:");

    for (const ContactRecord& contact : contacts) {
        line(out, cabrilloQsoLine(contact, call, header.ownSpc, header.ownCategory));
    }
    line(out, "END-OF-LOG:");
    return out;
}

} // namespace qv
