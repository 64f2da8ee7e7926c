#include "core/EntryChecks.h"

#include "base/Cp1252.h"

namespace qv {

bool FrmCmp(MainContext& c) {
    bool passed = true;
    auto fail = [&](const char* message, EntryField field) {
        c.beeper.beep();
        c.setStatus(message);
        c.focusOn(field);
        passed = false;
    };
    const MainWindowState& ui = c.ui;
    if (ui.txtSec.text.empty()) {
        fail("Need Name!", EntryField::Name);
    }
    if (ui.txtRSTR.text.empty()) {
        fail("Need Category!", EntryField::Category);
    } else {
        bool known = false;
        for (const char* cat : {"M", "L", "C", "U", "Y", "O"}) {
            known = known || equalsIgnoreCase(ui.txtRSTR.text, cat);
        }
        if (!known) {
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

bool SectionCheck(MainContext& c) {
    TextField& spc = c.ui.txtCntry;
    if (spc.text.size() != 2) {
        return true;
    }
    const std::size_t selStart = spc.selStart;
    const std::size_t selLength = spc.selLength;
    spc.text = toUpper(spc.text);
    spc.select(selStart, selLength);
    if (c.multipliers.find(spc.text)) {
        if (c.ui.label19.empty()) {
            c.ui.label19 = "NA";
        }
        return true;
    }
    c.beeper.beep();
    c.setStatus("Invald Section!");
    c.focusOn(EntryField::Spc);
    return false;
}

} // namespace qv
