#pragma once

// What one poll asks the radio and how its answer is read, for every radio of the
// table. Pure: bytes in, frequency and mode out.

#include <cstdint>
#include <string>
#include <string_view>

namespace qv {

// What the rig window knows of the radio between ticks.
struct RigReading {
    float frequencyMHz = 0;       // 0 until a frequency has been decoded
    std::string modeText;         // "CW", "PH", "AM", "FM" or empty
    std::uint8_t kenwoodVfo = 10; // the VFO digit of the last "Kenwood 2" answer
};

// The query strings and options the queries are built from.
struct RigQueries {
    std::string_view rigType;
    std::string_view frequencyQuery;
    std::string_view modeQuery;
    bool convertToHex = false; // for "Other"
};

struct SendTick {
    std::string bytes;           // in the order they go on the line; may be empty
    std::uint8_t queryPhase = 0; // the phase after this tick
};

// The bytes of one send tick, given the phase before it.
SendTick queriesFor(const RigQueries& queries, std::uint8_t queryPhase);

// Reads one reply tick's bytes into `reading`. A value the reply does not carry,
// or carries malformed, stays as it was; "Other", "None" and "Ten Tec Pegasus"
// read nothing here. `queryPhase` is the phase after the send tick that asked.
void decodeReply(const RigQueries& queries, std::uint8_t queryPhase, std::string_view rxBuffer,
                 RigReading& reading);

// The Pegasus exchange file PEGASUS.OUT: the frequency in MHz, then the mode text
// (comma or line break between, the text optionally quoted). A mode that is not
// empty and not "CW" becomes "PH". Unreadable text leaves the reading as it was.
void decodePegasusFile(std::string_view text, RigReading& reading);

} // namespace qv
