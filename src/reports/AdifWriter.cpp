#include "reports/AdifWriter.h"

#include "base/Cp1252.h"
#include "base/DateTime.h"
#include "reports/DigitText.h"
#include "reports/MakerDetails.h"

#include <algorithm>

namespace qv {
namespace {

constexpr std::string_view kCrLf = "\r\n";

std::string_view trimTrailingBlanks(std::string_view text) {
    const auto last = text.find_last_not_of(" \t");
    return last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
}

// Appends the field, with one blank before it unless it starts the line.
void addField(std::string& line, std::string_view name, std::string_view value, bool date = false) {
    if (!line.empty()) {
        line.push_back(' ');
    }
    line.append(adifField(name, value, date));
}

} // namespace

std::string adifDate(std::string_view date) {
    const auto d = parseLogDateTime(date, "00:00");
    if (!d) {
        return {};
    }
    return padded(d->year(), 4) + padded(d->month(), 2) + padded(d->day(), 2);
}

std::string adifTime(std::string_view time) {
    std::string t(trimBlanks(time));
    if (const auto colon = t.find(':'); colon != std::string::npos) {
        t = t.substr(0, colon) + t.substr(colon + 1, 2);
    }
    t.resize(std::min<std::size_t>(t.size(), 4));
    t.insert(0, 4 - t.size(), '0');
    return t;
}

AdifPlace adifPlace(std::string_view call, std::string_view spc) {
    AdifPlace place;
    if (spc.size() == 2) {
        const char first = call.empty() ? '\0' : toUpper(call.front());
        if (first == 'A' || first == 'K' || first == 'N' || first == 'W') {
            place.country = "USA";
            place.state = std::string(spc);
            if (equalsIgnoreCase(spc, "HI")) {
                place.country = "Hawaii";
            } else if (equalsIgnoreCase(spc, "AK")) {
                place.country = "Alaska";
            }
        } else {
            place.country = "Canada";
        }
    } else if (spc.size() > 2) {
        place.country = std::string(spc);
    }
    return place;
}

std::string adifField(std::string_view name, std::string_view value, bool date) {
    const std::string ascii = foldToAscii(value);
    std::string out = "<";
    out.append(name);
    out.push_back(':');
    out.append(std::to_string(ascii.size()));
    if (date) {
        out.append(":d");
    }
    out.push_back('>');
    out.append(ascii);
    return out;
}

std::string adifHeader(std::string_view programTitle, std::string_view exportedOn) {
    std::string out = "ADIF Export from ";
    out.append(trimBlanks(programTitle.substr(0, 60)));
    out.append(kCrLf);
    out.append(maker::kAuthorLine);
    out.append(kCrLf);
    out.append(maker::kWebAddress);
    out.append("    ");
    out.append(maker::kContactAddress);
    out.append(kCrLf);
    out.append("Log exported on: ");
    out.append(exportedOn);
    out.append(kCrLf);
    out.append(kCrLf);
    out.append("<EOH>");
    out.append(kCrLf);
    out.append(kCrLf);
    return foldToAscii(out);
}

std::string adifRecord(const ContactRecord& contact, const AdifCountryTable& countries,
                       std::string_view power) {
    std::string line1;
    if (!contact.call.empty()) {
        addField(line1, "Call", contact.call);
    }
    if (const std::string date = adifDate(contact.date); !date.empty()) {
        addField(line1, "Qso_Date", date, true);
    }
    if (!contact.band.empty()) {
        addField(line1, "Band", contact.band + (equalsIgnoreCase(contact.band, "70") ? "CM" : "M"));
    }
    addField(line1, "Mode", equalsIgnoreCase(contact.mode, "PH") ? "SSB" : "CW");

    std::string line2;
    if (const std::string_view freq = trimBlanks(contact.frequency); !freq.empty()) {
        addField(line2, "Freq", freq);
    }
    if (const std::string_view watts = trimTrailingBlanks(power); !watts.empty()) {
        addField(line2, "Tx_Pwr", watts);
    }
    if (const std::string time = adifTime(contact.time); time >= "0000") {
        addField(line2, "Time_On", time);
    }
    const AdifPlace place = adifPlace(contact.call, contact.spc);
    if (const std::int64_t dxcc = countries.dxccOf(place.country); dxcc > 0) {
        addField(line2, "DXCC", std::to_string(dxcc));
    }
    if (!place.state.empty()) {
        addField(line2, "State", place.state);
    }
    if (!contact.name.empty()) {
        addField(line2, "Name", contact.name);
    }
    addField(line2, "Comment", "Quorvane Contest - " + contact.name);

    std::string out;
    out.reserve(line1.size() + line2.size() + 16);
    out.append(line1);
    out.append(kCrLf);
    out.append(line2);
    out.append(kCrLf);
    out.append("<eor>");
    out.append(kCrLf);
    out.append(kCrLf);
    return out;
}

std::string adifText(const std::vector<ContactRecord>& contacts, const AdifCountryTable& countries,
                     std::string_view power, std::string_view programTitle,
                     std::string_view exportedOn) {
    std::string out = adifHeader(programTitle, exportedOn);
    out.reserve(out.size() + contacts.size() * 200);
    for (const ContactRecord& contact : contacts) {
        out.append(adifRecord(contact, countries, power));
    }
    return out;
}

} // namespace qv
