#include "app/SpotReceiver.h"

#include "base/Cp1252.h"
#include "base/Numbers.h"

namespace qv {

void SpotReceiver::addSpot(const std::string& frequencyText, const std::string& call,
                           const std::string& spotText) {
    if (!call.empty() && equalsIgnoreCase(call, u_.profile.ownCall)) {
        u_.beeper.beep();
        alertStatus(u_.ui, "You've been spotted! ");
        u_.ui.lblDialogBack = rgb(255, 255, 255);
        u_.ui.lblDupe = "You've been spotted!  " + spotText;
        u_.ui.lblDupeTeal = false;
        u_.ui.lblDupeWhite = true;
    }
    if (!isNumeric(frequencyText)) {
        if (changed_) {
            changed_();
        }
        return;
    }
    const std::string text = spotText.substr(0, spotText.find('\r'));
    const auto mhz = static_cast<float>(leadingNumber(frequencyText) / 1000.0);
    u_.store.add(call, mhz, u_.clock.localNow());
    u_.list.add(call, mhz, text);
    if (changed_) {
        changed_();
    }
}

} // namespace qv
