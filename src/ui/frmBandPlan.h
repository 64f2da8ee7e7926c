#pragma once

#include "rig/BandPlan.h"

#include <array>
#include <optional>

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace qv {

class BandPlanChartView;
class Dialogs;
class ShippedFiles;

// The band privileges window: fills the screen's working area and charts the
// privileges of one licence class at a time from BandPlan.txt, Extra first.
class frmBandPlan : public QDialog {
    Q_OBJECT
public:
    // Shows the window modally; it is discarded when closed.
    static void run(QWidget* parent, ShippedFiles& shipped, Dialogs& dialogs);

    // Reads BandPlan.txt (a box tells when it cannot be charted, and the window
    // then opens without a chart) and draws the Extra class.
    frmBandPlan(ShippedFiles& shipped, Dialogs& dialogs, QWidget* parent = nullptr);

    // Draws the class of the button at index (0 Novice ... 5 Extra) and shows its title.
    void showClass(std::size_t button);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void layOut();

    BandPlan plan_; // empty when the file could not be charted
    std::size_t shownClass_;
    bool sizedWithFrame_ = false;

    QLabel* label1_;
    QLabel* label2_;
    QFrame* line1_;
    QLabel* legendCw_;
    QLabel* legendPhone_;
    std::array<QPushButton*, 7> commands_{};
    BandPlanChartView* chart_;
};

} // namespace qv
