#pragma once

#include "app/frmEditConLogic.h"
#include "ui/DialogBinding.h"

#include <QDialog>

class QGridLayout;
class QLabel;

namespace qv {

class Announcer;

// The edit window: shows an frmEditConLogic and forwards keys, focus moves and
// button presses to it.
class frmEditCon : public QDialog {
    Q_OBJECT
public:
    // Shows the window modally for record k and returns how it ended; the caller
    // then changes the log and rewrites and reloads log.txt. Without a record k
    // nothing is shown and the outcome is Closed.
    static EditOutcome run(QWidget* parent, const ContestLog& log, std::size_t k,
                           const PrefixTable& prefixes, const MultiplierTable& multipliers,
                           Dialogs& dialogs, Beeper& beeper);

    // The window over logic that has been opened; it accepts once the logic has
    // closed and rejects on the close box.
    explicit frmEditCon(frmEditConLogic& logic, QWidget* parent = nullptr);

private:
    QLabel* addMarker(QGridLayout* grid, int row, const char* name, const char* text);
    void showMarker(QLabel* marker, frmEditConControl field, bool shown);
    void afterEvent();

    frmEditConLogic& logic_;
    DialogBinding<frmEditConLogic, 12> binding_;
    QLabel* lblDupe_ = nullptr;
    QLabel* lblSpcInvalid_ = nullptr;
    QLabel* lblBandInvalid_ = nullptr;
    Announcer* announcer_ = nullptr; // speaks a marker as it appears
};

} // namespace qv
