#include "app/SpectrumMapLogic.h"

#include "base/Numbers.h"

#include <algorithm>

namespace qv {

SpectrumMapLogic::SpectrumMapLogic(Uses uses) : u_(uses) {
    redrawSpots();
}

void SpectrumMapLogic::redrawSpots() {
    const int offset = static_cast<int>(roundHalfEven(u_.profile.utcOffsetHours));
    s_.layout = layoutSpectrum(u_.store, u_.clock.localNow(), offset);
    if (changed_) {
        changed_();
    }
}

bool SpectrumMapLogic::shown(std::size_t slot) const {
    const auto& labels = s_.layout.labels;
    return std::any_of(labels.begin(), labels.end(),
                       [slot](const SpotLabel& l) { return l.slot == slot; });
}

SpectrumMapClick SpectrumMapLogic::lblDXSpot_MouseDown(std::size_t slot, Button button) {
    if (tuning_ || s_.closed || !shown(slot)) {
        return {};
    }
    if (button == Button::Other) {
        u_.store.remove(slot);
        redrawSpots();
        return {};
    }
    // Spots arriving while the radio is tuned move the slots on: the spot is
    // taken before.
    const SpotRecord spot = u_.store.slot(slot);
    tuning_ = true;
    u_.rig.ChangeFrequency(spot.frequencyMHz);
    tuning_ = false;
    s_.closed = true;
    return {spot.call};
}

} // namespace qv
