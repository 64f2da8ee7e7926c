#pragma once

// The spectrum map SpectrumMap (" HF Spectrum Map"): the recent spots on the
// eleven bands from 160 m to 2 m, one row each, every row's scale zoomed onto
// its spots. A right click on a spot tunes the radio to it and hands its call
// to the main window; any other click removes the spot. It keeps nothing
// between openings: each one rebuilds the rows from the spot store.

#include "core/StationProfile.h"
#include "platform/Clock.h"
#include "rig/RigControl.h"
#include "spots/BandMapLayout.h"
#include "spots/SpotStore.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

namespace qv {

struct SpectrumMapState {
    // The eleven scales (marks 5k to 5k+4 of row k) and the shown spot labels,
    // newest first; a label's slot is the store's.
    SpectrumLayout layout;
    bool closed = false; // a right click chose a spot
};

// What a click on a spot label means for the main window.
struct SpectrumMapClick {
    // Put into the call field, with the focus, once the map has closed.
    std::optional<std::string> callChosen;
};

class SpectrumMapLogic {
public:
    static constexpr const char* kTitle = " HF Spectrum Map";

    enum class Button { Right, Other };

    struct Uses {
        SpotStore& store;
        Clock& clock;
        const StationProfile& profile; // utcOffsetHours for the tip texts
        RigControl& rig;
    };
    // Lays out the rows at once, as the window loads.
    explicit SpectrumMapLogic(Uses uses);

    const SpectrumMapState& state() const { return s_; }
    // Told after every redraw, so the window repaints.
    void setChangedHandler(std::function<void()> changed) { changed_ = std::move(changed); }

    // The window is activated.
    void Form_Activate() { redrawSpots(); }
    // Rebuilds the scales and the labels from the store; the main window's spot
    // routine calls it when a spot arrives while the map is open.
    void redrawSpots();

    // A mouse button pressed on the label of a slot. Clicks that arrive while the
    // radio is being tuned are dropped.
    SpectrumMapClick lblDXSpot_MouseDown(std::size_t slot, Button button);

private:
    bool shown(std::size_t slot) const;

    Uses u_;
    SpectrumMapState s_;
    std::function<void()> changed_;
    bool tuning_ = false;
};

} // namespace qv
