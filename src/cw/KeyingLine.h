#pragma once

// The output line that keys the transmitter for CW.

#include "base/Status.h"

namespace qv {

enum class KeyState { Up, Down };

class KeyingLine {
public:
    virtual ~KeyingLine() = default;
    // Sets the line; called from the keying thread.
    [[nodiscard]] virtual Status set(KeyState state) = 0;
};

} // namespace qv
