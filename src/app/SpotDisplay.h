#pragma once

// The spot strip under the main window's panels: the spot list txtDX or the
// band map of the current band, as the spotting window chose. The band map is
// kept as data (scale marks, labels with their places, tips and colours) that
// the window only paints; clicks on it tune the radio and fill the call field.

#include "app/Form1State.h"
#include "core/OperatingState.h"
#include "core/Preferences.h"
#include "core/StationProfile.h"
#include "platform/Clock.h"
#include "rig/RigControl.h"
#include "spots/BandMapLayout.h"
#include "spots/BandMapView.h"
#include "spots/SpotList.h"
#include "spots/SpotStore.h"

#include <functional>
#include <string>

namespace qv {

struct SpotDisplayState {
    bool listShown = false;    // txtDX
    bool bandMapShown = false; // lblDX with its axis, marks and labels
    BandMapLayout layout;
    std::size_t revision = 0; // counts redraws, so the window repaints
};

class SpotDisplay : public BandMapView {
public:
    struct Uses {
        SpotStore& store;
        const SpotList& list;
        Form1State& ui;
        const OperatingState& op;
        const StationProfile& profile;
        const Preferences& prefs; // the main window's copy of RigType
        Clock& clock;
        RigControl& rig;
    };
    explicit SpotDisplay(Uses uses) : u_(uses) {}

    // Puts a call into the call field (the main window's entry line); tab: as if
    // the operator then pressed Tab.
    void setCallPicker(std::function<void(const std::string& call, bool tab)> pick) {
        pickCall_ = std::move(pick);
    }

    // The band map is laid out when it is next looked at, so a burst of spots
    // costs one layout, not one per spot.
    const SpotDisplayState& state() const;

    // "&Done" in the spotting window: the strip appears, switches between list
    // and band map, or goes away when the kind is "None".
    void layOut(const std::string& kind, bool listDisplay);

    // BandMapView
    bool shown() const override { return s_.bandMapShown; }
    void rebuildForBand(const std::string& band) override;

    // A new spot, the window activated, two minutes without spots, a removal.
    void redraw();
    // The spot store or list changed: redrawn, and the window told.
    void spotsChanged();
    void setChangedHandler(std::function<void()> changed) { changed_ = std::move(changed); }

    // Mouse on a band-map label of slot i.
    void labelRightClicked(std::size_t slot);
    void labelClicked(std::size_t slot); // any other button
    void labelHovered(std::size_t slot);
    // A click on a row of the spot list.
    void listClicked(std::size_t row);

private:
    const SpotLabel* labelOf(std::size_t slot) const;

    Uses u_;
    mutable SpotDisplayState s_;
    mutable bool stale_ = false;
    std::function<void(const std::string&, bool)> pickCall_;
    std::function<void()> changed_;
};

} // namespace qv
