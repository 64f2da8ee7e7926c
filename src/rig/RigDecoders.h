#pragma once

// The reply decoders of the radio families, one per reply layout. Each reads the
// values it finds into the reading, stops at the first value it cannot read, and
// leaves everything it has not read as it was.

#include "rig/RigProtocol.h"

#include <string_view>

namespace qv::decoders {

// "FA" (the first two characters of the frequency query) and eleven digits of Hz.
void kenwoodFrequency(std::string_view frequencyQuery, std::string_view rx, RigReading& reading);
// "MD" and the mode digit.
void kenwoodMode(std::string_view rx, RigReading& reading);
// The "IF;" answer: frequency, mode and VFO in one block.
void kenwoodIf(std::string_view rx, RigReading& reading);
// CI-V frames, the echo of the query included. `fourByteFrequency`: the 735.
void icom(std::string_view rx, bool frequencyPhase, bool fourByteFrequency, RigReading& reading);
// Five bytes: BCD frequency in 10 Hz units, then the mode code.
void yaesuBcd(std::string_view rx, RigReading& reading);
// The 757 GX II status block.
void yaesu757(std::string_view rx, RigReading& reading);
// The status blocks of the 890, 920, 990, 1000 D and 1000; false for other types.
bool yaesuStatus(std::string_view rigType, std::string_view rx, RigReading& reading);
// "FA" and eight digits of Hz, "MD0" and the mode digit.
void ftdx9000(std::string_view frequencyQuery, std::string_view modeQuery, std::string_view rx,
              RigReading& reading);
// The binary front-panel answers to "?A" (frequency) and "?M" (mode).
void frontPanel(std::string_view rx, bool frequencyPhase, RigReading& reading);
// "@AF" Hz CR and "@RMM" with the mode digit.
void orion(std::string_view rx, RigReading& reading);

} // namespace qv::decoders
