#include "app/SectionMapLogic.h"

#include <vector>

namespace qv {

SectionMapLogic::SectionMapLogic(Uses uses)
    : u_(std::move(uses)),
      generator_(static_cast<std::mt19937::result_type>(
          u_.clock.utcNow().secondsSince(DateTime{}) * 1000 + u_.clock.milliseconds())) {
    if (!u_.random) {
        u_.random = [this] { return std::generate_canonical<double, 32>(generator_); };
    }
}

void SectionMapLogic::Form_Load(PixelImage map) {
    s_.map = std::move(map);
    const auto& seeds = mapSeeds();
    for (std::size_t i = 0; i < seeds.size(); ++i) {
        s_.seedTips[i] = std::string(seeds[i].code);
    }
    s_.hintVisible = u_.log.empty();
    timer1_ = u_.timers.create(
        kTimer1Interval, [this] { Timer1_Timer(); }, true);
    timer1_->start();
}

void SectionMapLogic::Timer1_Timer() {
    timer1_->stop();
    // A label counts as worked when it is drawn in the worked colour, so with
    // both colours equal every multiplier is painted.
    std::vector<MapMultiplier> labels;
    labels.reserve(u_.score.multipliers.size());
    for (const MultiplierLabel& label : u_.score.multipliers) {
        labels.push_back({label.caption, label.background == u_.prefs.workedColor});
    }
    (void)paintWorkedMultipliers(s_.map, mapSeeds(), labels, u_.random);
    ++s_.revision;
    if (changed_) {
        changed_();
    }
}

} // namespace qv
