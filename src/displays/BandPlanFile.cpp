#include "displays/BandPlanFile.h"

namespace qv {

std::optional<BandPlan> readBandPlanForChart(ShippedFiles& shipped, Dialogs& dialogs) {
    const FileContents file = shipped.read(kBandPlanFileName);
    if (file.error == FileContents::Error::None) {
        BandPlanParse parse = parseBandPlan(file.bytes);
        if (parse.plan) {
            return std::move(parse.plan);
        }
    }
    dialogs.messageBox(kBandDataTitle, kBandDataText, MessageButtons::Ok);
    return std::nullopt;
}

} // namespace qv
