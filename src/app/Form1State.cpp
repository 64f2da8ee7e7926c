#include "app/Form1State.h"

#include "base/Band.h"

namespace qv {

TextField& fieldOf(Form1State& s, EntryField f) {
    switch (f) {
    case EntryField::Call:
        return s.txtCall;
    case EntryField::Spc:
        return s.txtCntry;
    case EntryField::Category:
        return s.txtRSTR;
    case EntryField::Name:
        return s.txtSec;
    case EntryField::PostConTime:
        return s.txtPostConTime;
    case EntryField::PostConDate:
        return s.txtPostConDate;
    }
    return s.txtCall;
}

void setStatus(Form1State& s, std::string text) {
    s.lblDialog = std::move(text);
}

void alertStatus(Form1State& s, std::string text) {
    ++s.statusAlerts;
    s.lblDialog = std::move(text);
}

void focusOn(Form1State& s, EntryField field) {
    s.focus = field;
    ++s.focusRequest;
}

void clearGeoLabels(Form1State& s) {
    s.label19.clear();
    s.label22.clear();
    s.label23.clear();
}

void clearEntryFields(Form1State& s) {
    s.txtCall.clear();
    s.txtCntry.clear();
    s.txtRSTR.clear();
    s.txtSec.clear();
    clearGeoLabels(s);
    s.label3Visible = false; // an empty SPC is no new entity
}

void clearPartialList(Form1State& s) {
    s.lblDupe.clear();
    s.lblDupeTeal = false;
    s.lblDupeWhite = false;
    s.lblDupeSmall = false;
}

std::string bandLabel(const OperatingState& op) {
    return findBand(op.currentBand) ? op.currentBand : std::string();
}

} // namespace qv
