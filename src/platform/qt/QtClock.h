#pragma once

#include "platform/Clock.h"

#include <QElapsedTimer>

namespace qv {

class QtClock : public Clock {
public:
    QtClock();
    DateTime localNow() override;
    DateTime utcNow() override;
    std::uint32_t milliseconds() override;

private:
    QElapsedTimer elapsed_;
};

} // namespace qv
