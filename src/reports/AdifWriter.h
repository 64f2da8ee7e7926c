#pragma once

// The ADIF export for general station logbooks: a text header, then two lines per
// contact in length-prefixed fields and "<eor>". The file is plain ASCII, as ADIF
// text fields must be: the log's Windows-1252 text is folded (foldToAscii, "Jos\xE9"
// -> "Jose") and each field's length is the byte count of the folded value. Lines
// end with CR LF.

#include "core/ContactRecord.h"
#include "reports/AdifCountryTable.h"

#include <string>
#include <string_view>
#include <vector>

namespace qv {

inline constexpr const char* kAdifFileName = "Quorvex.adi";

// "YYYYMMDD" for a valid date, otherwise empty.
std::string adifDate(std::string_view date);

// Four characters of hours and minutes: the part before the first colon and the two
// characters after it, cut to four and padded with leading zeros ("9:05" -> "0905").
std::string adifTime(std::string_view time);

struct AdifPlace {
    std::string state;
    std::string country; // the name looked up for the DXCC number
};

// From the other station's SPC and call: a two-letter SPC is a US state for a call
// beginning with A, K, N or W (Alaska and Hawaii are their own countries) and
// Canada otherwise; a longer SPC is the country's name.
AdifPlace adifPlace(std::string_view call, std::string_view spc);

// "<Name:length>value" with the value folded to ASCII and length its byte count;
// ":d" after the length for a date.
std::string adifField(std::string_view name, std::string_view value, bool date = false);

// The header down to the empty line after "<EOH>", folded to ASCII.
std::string adifHeader(std::string_view programTitle, std::string_view exportedOn);

// The two lines of one contact, "<eor>" and the empty line after it. power is the
// operator's answer, written when it is not empty.
std::string adifRecord(const ContactRecord& contact, const AdifCountryTable& countries,
                       std::string_view power);

std::string adifText(const std::vector<ContactRecord>& contacts, const AdifCountryTable& countries,
                     std::string_view power, std::string_view programTitle,
                     std::string_view exportedOn);

} // namespace qv
