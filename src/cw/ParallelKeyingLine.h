#pragma once

#include "cw/KeyingLine.h"
#include "voice/ParallelPort.h"

#include <cstdint>

namespace qv {

// Keys with the parallel port's control register (base + 2): 3 for key down, 2
// for key up, so only bit 0, the strobe pin, moves.
class ParallelKeyingLine : public KeyingLine {
public:
    static constexpr std::uint8_t kKeyDown = 3;
    static constexpr std::uint8_t kKeyUp = 2;

    explicit ParallelKeyingLine(ParallelPort& port) : port_(port) {}

    Status set(KeyState state) override {
        return port_.write(ParallelRegister::Control, state == KeyState::Down ? kKeyDown : kKeyUp);
    }

private:
    ParallelPort& port_;
};

} // namespace qv
