#pragma once

// A parallel (printer) port used as output lines: push-to-talk for the voice
// keyer and the key line for CW. The program knows a port by its base address
// (888, i.e. 0x378, for the first one); the register written is a byte at the
// base (the data pins) or at base + 2 (the control pins, which the keyers use).

#include "base/Status.h"

#include <cstdint>

namespace qv {

enum class ParallelRegister {
    Data,    // base + 0: data pins D0-D7
    Control, // base + 2: strobe, auto feed, init, select in (bits 0-3)
};

class ParallelPort {
public:
    virtual ~ParallelPort() = default;

    // Opens the port at this base address, closing any port open before.
    [[nodiscard]] virtual Status open(std::uint32_t baseAddress) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    // Writes one register. May be called from another thread (the keying
    // thread) while the owner leaves the port open.
    [[nodiscard]] virtual Status write(ParallelRegister reg, std::uint8_t value) = 0;
};

} // namespace qv
