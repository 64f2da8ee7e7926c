#include "ui/CwSideWindows.h"

#include "app/Program.h"
#include "app/frmCodePracticeLogic.h"
#include "ui/frmCodePractice.h"
#include "ui/frmWinKey.h"

namespace qv {

void showWinKeySetup(Program& program, QWidget* parent) {
    if (!program.winKeyWindow) {
        return; // no keyer device wired
    }
    frmWinKey window(*program.winKeyWindow, parent);
    window.showModal();
}

void showCodePractice(Program& program, QWidget* parent) {
    frmCodePracticeLogic logic(
        {program.keyers.cw, program.platform.clock, program.platform.timers});
    frmCodePractice window(logic, parent);
    window.exec();
    // Closed by any road: nothing more goes out.
    (void)logic.queryClose();
    program.keyers.cw.clearBuffer();
}

} // namespace qv
