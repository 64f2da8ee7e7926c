#pragma once

#include "cw/KeyingLine.h"

#include <cstdint>
#include <memory>
#include <optional>

namespace qv {

class SerialLink;
class ParallelPort;

// How CW is sent, with the numbers the CW settings file stores (4 is unused).
enum class KeyingSelection : std::uint8_t {
    None = 0,      // nothing is keyed
    SerialRts = 1, // the RTS line of the keying serial port
    SerialDtr = 2, // the DTR line of the keying serial port
    Parallel = 3,  // the parallel (printer) port
    WinKeyer = 5,  // characters go to a WinKeyer, which keys by itself
};

// The selection a stored number stands for, or nothing for any other number.
std::optional<KeyingSelection> keyingSelectionFromNumber(int number);

// The line a selection keys, over the port it needs; nothing for None and the
// WinKeyer, which key no line of ours.
std::unique_ptr<KeyingLine> makeKeyingLine(KeyingSelection selection, SerialLink& serial,
                                           ParallelPort& parallel);

} // namespace qv
