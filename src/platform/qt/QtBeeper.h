#pragma once

#include "platform/Beeper.h"

namespace qv {

class QtBeeper : public Beeper {
public:
    void beep() override;
};

} // namespace qv
