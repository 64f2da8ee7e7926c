#include "app/SpotDisplay.h"

#include "base/Cp1252.h"
#include "base/Numbers.h"

namespace qv {

void SpotDisplay::layOut(const std::string& kind, bool listDisplay) {
    const bool none = kind.empty() || equalsIgnoreCase(kind, "None");
    if (none) {
        s_.listShown = false;
        s_.bandMapShown = false;
    } else if (s_.listShown || s_.bandMapShown) {
        s_.listShown = listDisplay;
        s_.bandMapShown = !listDisplay;
    } else {
        // The strip is made the first time a source is chosen.
        s_.listShown = listDisplay;
        s_.bandMapShown = !listDisplay;
    }
    redraw();
}

void SpotDisplay::rebuildForBand(const std::string&) {
    redraw();
}

void SpotDisplay::redraw() {
    if (!s_.bandMapShown) {
        return;
    }
    stale_ = true;
    ++s_.revision;
}

const SpotDisplayState& SpotDisplay::state() const {
    if (stale_) {
        stale_ = false;
        s_.layout = layoutBandMap(u_.store, u_.op.currentBand, u_.clock.localNow(),
                                  u_.profile.utcOffsetHours);
    }
    return s_;
}

void SpotDisplay::spotsChanged() {
    redraw();
    if (changed_) {
        changed_();
    }
}

const SpotLabel* SpotDisplay::labelOf(std::size_t slot) const {
    for (const SpotLabel& label : state().layout.labels) {
        if (label.slot == slot) {
            return &label;
        }
    }
    return nullptr;
}

void SpotDisplay::labelRightClicked(std::size_t slot) {
    if (slot >= SpotStore::kSlots) {
        return;
    }
    const SpotRecord& spot = u_.store.slot(slot);
    u_.rig.ChangeFrequency(spot.frequencyMHz);
    if (pickCall_) {
        pickCall_(spot.call, true);
    }
}

void SpotDisplay::labelClicked(std::size_t slot) {
    if (slot >= SpotStore::kSlots) {
        return;
    }
    u_.store.remove(slot);
    redraw();
}

void SpotDisplay::labelHovered(std::size_t slot) {
    if (const SpotLabel* label = labelOf(slot)) {
        u_.ui.lblDupe = label->tip;
        u_.ui.lblDupeTeal = false;
        u_.ui.lblDupeWhite = false;
    }
}

void SpotDisplay::listClicked(std::size_t row) {
    const auto& rows = u_.list.rows();
    if (row >= rows.size() || !isNumeric(rows[row].frequency)) {
        return;
    }
    if (!equalsIgnoreCase(u_.prefs.rigType, "None")) {
        u_.rig.ChangeFrequency(static_cast<float>(leadingNumber(rows[row].frequency)));
    }
    if (pickCall_) {
        pickCall_(rows[row].call, false);
    }
}

} // namespace qv
