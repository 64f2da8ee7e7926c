#include "app/Form6Logic.h"

namespace qv {

Form6Logic::Form6Logic(Uses uses) : u_(uses) {
    s_.workedSample = u_.prefs.workedColor;
    s_.remainingSample = u_.prefs.remainingColor;
}

void Form6Logic::Command3_Click() {
    if (const auto chosen = u_.dialogs.chooseColour(u_.prefs.workedColor)) {
        u_.prefs.workedColor = *chosen;
        s_.workedSample = *chosen;
    }
}

void Form6Logic::Command1_Click() {
    if (const auto chosen = u_.dialogs.chooseColour(u_.prefs.remainingColor)) {
        u_.prefs.remainingColor = *chosen;
        s_.remainingSample = *chosen;
    }
}

} // namespace qv
