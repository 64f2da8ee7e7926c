#pragma once

// The main window's spot routine: every spot line a source delivers. A spot of
// the own call raises "You've been spotted!"; a spot with a numeric frequency
// goes into the spot store and at the top of the spot list, and the band maps
// are redrawn.

#include "app/Form1State.h"
#include "core/StationProfile.h"
#include "platform/Beeper.h"
#include "platform/Clock.h"
#include "spots/SpotIntake.h"
#include "spots/SpotList.h"
#include "spots/SpotStore.h"

#include <functional>

namespace qv {

class SpotReceiver : public SpotSink {
public:
    struct Uses {
        SpotStore& store;
        SpotList& list;
        Form1State& ui;
        const StationProfile& profile;
        Clock& clock;
        Beeper& beeper;
    };
    explicit SpotReceiver(Uses uses) : u_(uses) {}

    // Told after each stored spot, and after an own-call alert, so the band map,
    // the spectrum map and the main window are redrawn.
    void setChangedHandler(std::function<void()> changed) { changed_ = std::move(changed); }

    void addSpot(const std::string& frequencyText, const std::string& call,
                 const std::string& spotText) override;

private:
    Uses u_;
    std::function<void()> changed_;
};

} // namespace qv
