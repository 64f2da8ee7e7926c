#pragma once

// The "CW Strings" window frmCWStrings: a reference card of the function keys'
// messages; clicking a key or its message sends it. "Done" minimises it.

#include "app/CWFrmLogic.h"

#include <array>
#include <string>

namespace qv {

inline constexpr const char* kCWStringsCaption = "CW Strings";
inline constexpr const char* kCWStringsHelp = "Press Ctrl W to Show this form.";
inline constexpr std::size_t kCWStringsKeys = 12;

struct frmCWStringsState {
    std::array<std::string, kCWStringsKeys> lblCWString; // F1 ... F12
    bool minimised = false;
};

class frmCWStringsLogic {
public:
    explicit frmCWStringsLogic(CWFrmLogic& cw) : cw_(cw) {}

    const frmCWStringsState& state() const { return s_; }

    // Each activation shows the messages as they stand.
    void activated();
    // A key label or a message label, 0 for F1.
    void labelClicked(std::size_t index);
    void cmdDoneClick() { s_.minimised = true; }
    void shown() { s_.minimised = false; }

private:
    CWFrmLogic& cw_;
    frmCWStringsState s_;
};

} // namespace qv
