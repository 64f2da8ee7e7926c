#pragma once

#include "core/EditContactWindow.h"
#include "ui/ControlTable.h"

#include <array>
#include <optional>
#include <vector>

#include <QDialog>

class QGridLayout;
class QLabel;

namespace qv {

class LineEditBinding;

// The edit window: shows an EditContactWindow and forwards keys, focus moves and
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
    explicit frmEditCon(EditContactWindow& logic, QWidget* parent = nullptr);
    ~frmEditCon() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* addField(QGridLayout* grid, int row, EditControl field);
    QLabel* addMarker(QGridLayout* grid, int row, const char* name, const char* text);
    void keyTyped(EditControl field, int key);
    void focusChanged(QWidget* now);
    void press(void (EditContactWindow::*button)());
    void afterLogic();
    void render();
    void showFocus();
    std::optional<EditControl> controlOf(const QWidget* widget) const;
    QWidget*& widgetOf(EditControl control);

    EditContactWindow& logic_;
    ControlTable<EditControl, 12> controls_;
    std::vector<LineEditBinding*> bindings_;
    QLabel* lblDupe_ = nullptr;
    QLabel* lblSpcInvalid_ = nullptr;
    QLabel* lblBandInvalid_ = nullptr;
    // Set while the logic runs: a box it shows takes the focus away and gives it
    // back, and those moves are not the operator's.
    bool busy_ = false;
};

} // namespace qv
