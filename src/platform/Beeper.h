#pragma once

namespace qv {

// The system beep.
class Beeper {
public:
    virtual ~Beeper() = default;
    virtual void beep() = 0;
};

} // namespace qv
