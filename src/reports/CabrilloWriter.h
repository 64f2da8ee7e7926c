#pragma once

// The Cabrillo 2.0 entry sent to the contest sponsor: header, score summary and one
// fixed-column QSO line per contact. Text is Windows-1252, lines end with CR LF.

#include "core/ContactRecord.h"
#include "core/OperatingState.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

inline constexpr const char* kCabrilloDefaultFileName = "ASCIICab.txt";

// What the summary sheet and the station profile put into the header.
struct CabrilloHeader {
    std::string programTitle; // the main window's title
    std::string ownCall;      // trimmed by the writer
    std::string ownSpc;
    std::string ownCategory;
    std::string operators;    // Text2, as typed
    std::string clubName;     // Text1; its line is left out when empty
    std::string name;         // Text5
    std::string addressLine1; // Text6
    std::string addressLine2; // Text7
    std::string email;        // Text8
    std::string soapbox;      // Text11, one SOAPBOX line per line of text
};

// The own call with ".log" when it is 1 to 10 digits and capital letters (after
// trimming), otherwise "ASCIICab.txt".
std::string cabrilloFileName(std::string_view ownCall);

// The frequency column for a band text, compared exactly; empty for other bands.
std::string_view cabrilloFrequency(std::string_view band);

// A number as a Cabrillo summary line writes it: the sign's place (a blank or
// "-"), the digits, one blank.
std::string cabrilloNumber(std::int64_t value);

// One QSO line without its line end. ownCall is the trimmed call.
std::string cabrilloQsoLine(const ContactRecord& contact, std::string_view ownCall,
                            std::string_view ownSpc, std::string_view ownCategory);

// The whole file.
std::string cabrilloText(const CabrilloHeader& header, const OperatingState& totals,
                         const std::vector<ContactRecord>& contacts);

} // namespace qv
