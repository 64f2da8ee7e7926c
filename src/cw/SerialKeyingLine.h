#pragma once

#include "cw/KeyingLine.h"
#include "rig/serial/SerialLink.h"

namespace qv {

enum class SerialLine { Rts, Dtr };

// Keys with a modem line of a serial port: the line on is key down.
class SerialKeyingLine : public KeyingLine {
public:
    SerialKeyingLine(SerialLink& link, SerialLine line) : link_(link), line_(line) {}

    Status set(KeyState state) override;

private:
    SerialLink& link_;
    SerialLine line_;
};

} // namespace qv
