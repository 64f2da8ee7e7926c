#pragma once

// How the Morse engine times each unit, with the texts the settings store keeps
// under "UserCWSelection".

#include <optional>
#include <string_view>

namespace qv {

enum class TimingMethod {
    Timer, // waits on the monotonic clock to each element's absolute end
    Loop,  // counts a calibrated loop
    Sleep, // sleeps for the unit in whole milliseconds
};

inline const char* timingMethodText(TimingMethod method) {
    switch (method) {
    case TimingMethod::Loop:
        return "Loop";
    case TimingMethod::Sleep:
        return "Sleep";
    case TimingMethod::Timer:
        break;
    }
    return "Timer";
}

inline std::optional<TimingMethod> timingMethodFromText(std::string_view text) {
    for (const TimingMethod m : {TimingMethod::Timer, TimingMethod::Loop, TimingMethod::Sleep}) {
        if (text == timingMethodText(m)) {
            return m;
        }
    }
    return std::nullopt;
}

} // namespace qv
