#include "cw/KeyingSelection.h"

#include "cw/ParallelKeyingLine.h"
#include "cw/SerialKeyingLine.h"

namespace qv {

std::optional<KeyingSelection> keyingSelectionFromNumber(int number) {
    for (const KeyingSelection s :
         {KeyingSelection::None, KeyingSelection::SerialRts, KeyingSelection::SerialDtr,
          KeyingSelection::Parallel, KeyingSelection::WinKeyer}) {
        if (static_cast<int>(s) == number) {
            return s;
        }
    }
    return std::nullopt;
}

std::unique_ptr<KeyingLine> makeKeyingLine(KeyingSelection selection, SerialLink& serial,
                                           ParallelPort& parallel) {
    switch (selection) {
    case KeyingSelection::SerialRts:
        return std::make_unique<SerialKeyingLine>(serial, SerialLine::Rts);
    case KeyingSelection::SerialDtr:
        return std::make_unique<SerialKeyingLine>(serial, SerialLine::Dtr);
    case KeyingSelection::Parallel:
        return std::make_unique<ParallelKeyingLine>(parallel);
    case KeyingSelection::None:
    case KeyingSelection::WinKeyer:
        break;
    }
    return nullptr;
}

} // namespace qv
