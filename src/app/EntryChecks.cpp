#include "app/EntryChecks.h"

#include "base/Cp1252.h"
#include "core/Categories.h"

namespace qv {

bool FrmCmp(Form1State& ui, Beeper& beeper) {
    bool passed = true;
    auto fail = [&](const char* message, EntryField field) {
        beeper.beep();
        alertStatus(ui, message);
        focusOn(ui, field);
        passed = false;
    };
    if (ui.txtSec.text.empty()) {
        fail("Need Name!", EntryField::Name);
    }
    if (ui.txtRSTR.text.empty()) {
        fail("Need Category!", EntryField::Category);
    } else {
        if (!isCategory(ui.txtRSTR.text, true)) {
            fail("Category must be M, L, C, U, Y or O!", EntryField::Category);
        }
    }
    if (ui.txtCntry.text.empty()) {
        fail("Need State, Province or Country!", EntryField::Spc);
    }
    if (ui.txtCall.text.size() < 3) {
        fail("Need Call Sign!", EntryField::Call);
    }
    return passed;
}

bool SectionCheck(Form1State& ui, const MultiplierTable& multipliers, Beeper& beeper) {
    TextField& spc = ui.txtCntry;
    if (spc.text.size() != 2) {
        return true;
    }
    const std::size_t selStart = spc.selStart;
    const std::size_t selLength = spc.selLength;
    spc.text = toUpper(spc.text);
    spc.select(selStart, selLength);
    if (multipliers.find(spc.text)) {
        if (ui.label19.empty()) {
            ui.label19 = "NA";
        }
        return true;
    }
    beeper.beep();
    alertStatus(ui, "Invald Section!");
    focusOn(ui, EntryField::Spc);
    return false;
}

} // namespace qv
