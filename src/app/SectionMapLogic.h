#pragma once

// The map window SectionMap ("State / Province Map"): a map of the United States
// and Canada on which every worked multiplier's area is painted in a random
// colour of its own, right after the window has appeared. Each opening paints
// afresh, in new colours.

#include "app/ScorePanel.h"
#include "core/ContestLog.h"
#include "core/Preferences.h"
#include "displays/MapPainting.h"
#include "displays/MapSeeds.h"
#include "platform/Clock.h"
#include "platform/Timer.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <random>
#include <string>

namespace qv {

struct SectionMapState {
    PixelImage map;                                    // the picture as shown
    std::array<std::string, kMapSeedCount> seedTips{}; // each seed region's hover text
    bool hintVisible = true;                           // "Multipliers change color when worked"
    std::uint64_t revision = 0;                        // counts the paintings
};

class SectionMapLogic {
public:
    static constexpr const char* kCaption = "State / Province Map";
    static constexpr const char* kHint = "Multipliers change color when worked";
    static constexpr std::uint32_t kTimer1Interval = 1;

    struct Uses {
        const ContestLog& log;
        const ScorePanelView& score; // the main window's multiplier labels
        const Preferences& prefs;    // workedColor
        Clock& clock;
        Timers& timers;
        // A number in [0, 1) per colour channel; by default a generator seeded
        // from the clock, so that every opening paints in new colours.
        MapRandom random = {};
    };
    explicit SectionMapLogic(Uses uses);
    SectionMapLogic(const SectionMapLogic&) = delete;
    SectionMapLogic& operator=(const SectionMapLogic&) = delete;

    const SectionMapState& state() const { return s_; }
    // Told after the map was painted, so the window shows it.
    void setChangedHandler(std::function<void()> changed) { changed_ = std::move(changed); }

    // The window loads with its map picture: the seeds' hover texts, the hint,
    // and Timer1, which paints once the window has appeared.
    void Form_Load(PixelImage map);
    // Timer1's first tick: stops the timer and paints the worked multipliers.
    void Timer1_Timer();

private:
    Uses u_;
    SectionMapState s_;
    std::mt19937 generator_;
    std::unique_ptr<Timer> timer1_;
    std::function<void()> changed_;
};

} // namespace qv
