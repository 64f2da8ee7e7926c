#pragma once

#include "core/StationWindow.h"
#include "ui/ControlTable.h"

#include <array>
#include <optional>
#include <vector>

#include <QDialog>

class QGridLayout;

namespace qv {

class LineEditBinding;

// The station window: shows a StationWindow and forwards keys, focus moves and
// button presses to it.
class frmStationID : public QDialog {
    Q_OBJECT
public:
    // Shows the window modally; on return the profile holds the result (Done: the fields; close
    // box: unchanged except an empty call takes "UserCallSign"). The caller then saves the
    // preferences file.
    static void run(QWidget* parent, StationProfile& profile, const PrefixTable& prefixes,
                    SettingsStore& settings, Dialogs& dialogs, Beeper& beeper);

    // The window over logic that has been opened; it accepts on "Done" and rejects
    // on the close box.
    explicit frmStationID(StationWindow& logic, QWidget* parent = nullptr);
    ~frmStationID() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void addField(QGridLayout* grid, int row, StationControl field);
    void keyTyped(StationControl field, int key);
    void focusChanged(QWidget* now);
    void pressDone();
    void pressDetails();
    void render();
    void showFocus();
    std::optional<StationControl> controlOf(const QWidget* widget) const;
    QWidget*& widgetOf(StationControl control);

    StationWindow& logic_;
    ControlTable<StationControl, 11> controls_;
    std::vector<LineEditBinding*> bindings_;
};

} // namespace qv
