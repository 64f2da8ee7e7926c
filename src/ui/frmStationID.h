#pragma once

#include "app/frmStationIDLogic.h"
#include "ui/DialogBinding.h"

#include <QDialog>

namespace qv {

// The station window: shows a frmStationIDLogic and forwards keys, focus moves and
// button presses to it.
class frmStationID : public QDialog {
    Q_OBJECT
public:
    // Shows the window modally; on return the profile holds the result (Done: the
    // fields; close box or Esc: unchanged except an empty call takes
    // "UserCallSign"). True for Done. The caller then saves the preferences file.
    static bool run(QWidget* parent, StationProfile& profile, const PrefixTable& prefixes,
                    SettingsStore& settings, Dialogs& dialogs, Beeper& beeper);

    // The window over logic that has been opened; it accepts on "Done" and rejects
    // on the close box.
    explicit frmStationID(frmStationIDLogic& logic, QWidget* parent = nullptr);

private:
    frmStationIDLogic& logic_;
    DialogBinding<frmStationIDLogic, 11> binding_;
};

} // namespace qv
