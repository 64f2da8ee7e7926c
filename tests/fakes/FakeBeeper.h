#pragma once

#include "platform/Beeper.h"

namespace qv::test {

class FakeBeeper : public Beeper {
public:
    int beeps = 0;
    void beep() override { ++beeps; }
};

} // namespace qv::test
