#include "cw/SerialKeyingLine.h"

namespace qv {

Status SerialKeyingLine::set(KeyState state) {
    const bool on = state == KeyState::Down;
    return line_ == SerialLine::Rts ? link_.setRts(on) : link_.setDtr(on);
}

} // namespace qv
