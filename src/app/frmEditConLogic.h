#pragma once

// The logic of the edit window frmEditCon: one record of the log in nine text
// boxes (the mode in a hidden tenth), the checks made on leaving a box, and what
// "Done" and "Delete Dupe" do.

#include "app/TextBoxes.h"
#include "core/ContactRecord.h"
#include "core/ContestLog.h"
#include "core/MultiplierTable.h"
#include "geo/PrefixTable.h"
#include "platform/Beeper.h"
#include "platform/Dialogs.h"

#include <array>
#include <cstddef>

namespace qv {

enum class frmEditConControl {
    txtEditCall, // call
    txtEditPre,  // spc
    txtEditCk,   // category
    txtEditSec,  // name
    txtEditDate, // date
    txtEditTime, // time
    Text1,       // band
    Text2,       // points
    txtEditNum,  // nameSent
    txtEditBnd,  // mode, hidden and written back as it was
    cmdDone,
    cmdDeleteDupe,
};

inline constexpr const char* kEditWindowTitle = "Edit Contact Entry";
inline constexpr const char* kDupeMarker = "  Dupe!";
inline constexpr const char* kInvalidMarker = "   Invalid!";

// The visible boxes top to bottom, which is also the tab order.
inline constexpr std::array<frmEditConControl, 9> kEditFieldOrder = {
    frmEditConControl::txtEditCall, frmEditConControl::txtEditPre,  frmEditConControl::txtEditCk,
    frmEditConControl::txtEditSec,  frmEditConControl::txtEditDate, frmEditConControl::txtEditTime,
    frmEditConControl::Text1,       frmEditConControl::Text2,       frmEditConControl::txtEditNum,
};

// The caption beside a box, or a button's caption.
const char* captionOf(frmEditConControl control);
// The control's name ("txtEditCall", "cmdDone", ...).
const char* nameOf(frmEditConControl control);

// How the window ended. The main window rewrites and reloads the log after it.
struct EditOutcome {
    enum class Kind {
        Closed, // the close box: nothing to change
        Saved,  // "Done": record replaces record k
        Delete, // "Delete Dupe", confirmed: record k goes
    } kind = Kind::Closed;
    ContactRecord record; // Saved: the edited record; otherwise record k as it was
};

// The ten boxes by their controls (Text2, the points, holds at most 2 characters).
struct frmEditConState : TextBoxes<frmEditConControl, 10> {
    frmEditConControl focus = frmEditConControl::txtEditCall;
    bool dupeShown = false;        // kDupeMarker beside the call
    bool spcInvalidShown = false;  // kInvalidMarker beside the SPC
    bool bandInvalidShown = false; // kInvalidMarker beside the band
    bool deleteDupeShown = false;  // cmdDeleteDupe
    bool closed = false;           // "Done" saved or "Delete Dupe" was confirmed
};

class frmEditConLogic {
public:
    using Control = frmEditConControl;
    using State = frmEditConState;

    frmEditConLogic(const ContestLog& log, const PrefixTable& prefixes,
                    const MultiplierTable& multipliers, Dialogs& dialogs, Beeper& beeper)
        : log_(log), prefixes_(prefixes), multipliers_(multipliers), dialogs_(dialogs),
          beeper_(beeper) {}

    // Fills the boxes from record k (points in their shortest form); false, with
    // nothing to show, when the log has no record k.
    bool open(std::size_t k);

    const frmEditConState& state() const { return state_; }
    // The window binds its boxes to these fields.
    frmEditConState& state() { return state_; }

    // A key typed into a box (a Windows-1252 code, Enter or Backspace).
    void keyPressed(frmEditConControl field, int key);
    // The box was edited natively (paste, Delete): drops what may not be stored.
    void edited(frmEditConControl field);
    // The focus goes to another control, unless the checks of the box being left
    // keep it there.
    void moveFocus(frmEditConControl to);

    void pressDone();       // cmdDone, or Enter in any box
    void pressDeleteDupe(); // cmdDeleteDupe

    // Closed until "Done" saved or "Delete Dupe" was confirmed.
    const EditOutcome& outcome() const { return outcome_; }

private:
    bool leave(frmEditConControl field);
    bool categoryAccepted();
    void completeSpc(int key);
    std::size_t countDuplicates();
    bool sectionAccepted();
    ContactRecord editedRecord() const;

    const ContestLog& log_;
    const PrefixTable& prefixes_;
    const MultiplierTable& multipliers_;
    Dialogs& dialogs_;
    Beeper& beeper_;
    std::size_t k_ = 0;
    frmEditConState state_;
    EditOutcome outcome_;
};

} // namespace qv
