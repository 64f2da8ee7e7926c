#include "core/Tally.h"

#include "base/Cp1252.h"
#include "base/Numbers.h"

#include <limits>

namespace qv {

bool isDxEntity(std::string_view spc) {
    if (spc.size() <= 2) {
        return false;
    }
    for (std::string_view home : {"Not Found", "USA", "Canada", "Alaska", "Hawaii"}) {
        if (equalsIgnoreCase(spc, home)) {
            return false;
        }
    }
    return true;
}

bool isNewDxEntity(const OperatingState& state, std::string_view spc) {
    return isDxEntity(spc) && !state.dxWorked.contains(spc);
}

std::int32_t usCanMultipliers(const OperatingState& state) {
    std::int32_t n = 0;
    for (bool worked : state.multiplierWorked) {
        n += worked ? 1 : 0;
    }
    return n;
}

std::int64_t multiplierCount(const OperatingState& state) {
    return static_cast<std::int64_t>(state.dxWorked.count()) + usCanMultipliers(state);
}

void resetTotals(OperatingState& state) {
    state.totalPoints = 0;
    state.multiplierWorked.fill(false);
    state.multiplierContacts.fill(0);
    state.dxWorked.clear();
}

void addPoints(OperatingState& state, double points) {
    const std::int64_t sum = roundHalfEven(static_cast<double>(state.totalPoints) + points);
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
    state.totalPoints = static_cast<std::int32_t>(sum > kMax ? kMax : (sum < kMin ? kMin : sum));
}

CountEffect countSpc(OperatingState& state, const MultiplierTable& table, std::string_view spc) {
    CountEffect effect;
    if (isDxEntity(spc)) {
        effect.newDxEntity = state.dxWorked.add(spc);
    }
    if (const auto j = table.find(spc)) {
        ++state.multiplierContacts[*j - 1];
        if (!state.multiplierWorked[*j - 1]) {
            state.multiplierWorked[*j - 1] = true;
            effect.newMultiplier = j;
        }
    }
    return effect;
}

} // namespace qv
