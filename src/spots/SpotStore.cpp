#include "spots/SpotStore.h"

#include "base/Cp1252.h"
#include "base/Numbers.h"

#include <utility>

namespace qv {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::string spotLabel(std::string_view call) {
    const std::size_t n = call.size();
    if (n < 3) {
        return {};
    }
    // Positions counted from 1; 0 means "none".
    std::size_t lastDigit = 0;
    std::size_t firstDigit = 0;
    std::size_t slash = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (isDigit(call[i])) {
            lastDigit = i + 1;
            if (firstDigit == 0) {
                firstDigit = i + 1;
            }
        } else if (call[i] == '/') {
            slash = i + 1;
        }
    }
    if (slash == 0) {
        return std::string(call.substr(0, lastDigit == 0 ? n : lastDigit));
    }
    // A slash in the first half (before n/2 + 1) ends a prefix: VP2/W1AW.
    if (2 * slash < n + 2) {
        return std::string(call.substr(0, slash - 1));
    }
    // In the second half it is a suffix: a call area (W1AW/3 -> W3), another
    // prefix (W1AW/VP2) or a portable sign (W1AW/P), cut to as many characters as
    // the position of the call's last digit.
    const std::string_view suffix = call.substr(slash, lastDigit == 0 ? n : lastDigit);
    if (isNumeric(suffix)) {
        const std::size_t stem = firstDigit == 0 ? 0 : firstDigit - 1;
        return std::string(call.substr(0, stem)) + std::string(suffix);
    }
    return std::string(suffix);
}

void SpotStore::add(std::string_view call, float frequencyMHz, const DateTime& now) {
    for (std::size_t i = 1; i < kSlots; ++i) {
        slots_[i - 1] = std::move(slots_[i]);
    }
    SpotRecord& newest = slots_[kSlots - 1];
    newest.call = std::string(call);
    newest.frequencyMHz = frequencyMHz;
    newest.received = now;
    newest.label = spotLabel(call);

    // Only the newest older spot of the call can still be shown; slot 0 is left
    // alone, it goes with the next spot anyway.
    for (std::size_t i = kSlots - 2; i >= 1; --i) {
        if (equalsIgnoreCase(slots_[i].call, call)) {
            slots_[i].frequencyMHz = 0;
            break;
        }
    }
}

void SpotStore::remove(std::size_t slot) {
    if (slot < kSlots) {
        slots_[slot].frequencyMHz = 0;
    }
}

} // namespace qv
