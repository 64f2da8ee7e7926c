#include "app/ScorePanel.h"

#include "base/Numbers.h"
#include "core/Tally.h"

namespace qv {

void Labeldisplay(ScorePanelView& view, const ContestLog& log, const OperatingState& state,
                  const MultiplierTable& table, const MultiplierColours& colours) {
    const std::int64_t multipliers = multiplierCount(state);
    view.totalContacts = formatGrouped(static_cast<std::int64_t>(log.size()));
    view.totalMultipliers = std::to_string(multipliers);
    view.totalPoints = formatGrouped(state.totalPoints);
    view.totalScore = formatGrouped(static_cast<std::int64_t>(state.totalPoints) * multipliers);
    // The doubled ampersand shows as one "&" in a label.
    view.usCanCaption =
        "US && Canadian Multipliers Worked - " + std::to_string(usCanMultipliers(state));
    view.dxCaption = "DX  -  " + std::to_string(state.dxWorked.count());
    view.dxList = state.dxWorked.names();
    for (std::size_t j = 1; j <= table.size(); ++j) {
        MultiplierLabel& label = view.multipliers[j - 1];
        label.caption = std::string(table.entry(j).abbreviation);
        label.tooltip = std::string(table.entry(j).name);
        label.worked = state.multiplierWorked[j - 1];
        label.background = label.worked ? colours.worked : colours.remaining;
        const std::int32_t contacts = state.multiplierContacts[j - 1];
        label.description =
            label.tooltip + (label.worked ? ": worked, " + std::to_string(contacts) +
                                                (contacts == 1 ? " contact" : " contacts")
                                          : ": not worked yet");
    }
    ++view.revision;
}

void showRates(ScorePanelView& view, const std::optional<QsoRates>& rates) {
    if (!rates) {
        return;
    }
    std::string hour = std::to_string(rates->lastHour);
    std::string twenty = std::to_string(rates->lastTwentyMinutes);
    if (hour != view.rateLastHour || twenty != view.rateLastTwentyMinutes) {
        view.rateLastHour = std::move(hour);
        view.rateLastTwentyMinutes = std::move(twenty);
        ++view.revision;
    }
}

} // namespace qv
