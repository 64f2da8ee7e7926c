#include "core/MainWindowState.h"

namespace qv {

TextField& fieldOf(MainWindowState& s, EntryField f) {
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

} // namespace qv
