#pragma once

#include "app/frmRigTuneLogic.h"
#include "ui/DialogBinding.h"

#include <array>

#include <QDialog>

class QCheckBox;
class QPushButton;
class QRadioButton;

namespace qv {

// " Change Frequency and Mode (Ctrl G (Go))": shows a frmRigTuneLogic.
class frmRigTune : public QDialog {
    Q_OBJECT
public:
    // Opens the window modally and discards it when it closes.
    static void run(QWidget* parent, RigControl& rig, Timers& timers);

    frmRigTune(frmRigTuneLogic& logic, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void render();
    template <typename F> void act(F&& f);

    frmRigTuneLogic& logic_;
    DialogBinding<frmRigTuneLogic, 5> binding_;
    std::array<QPushButton*, 10> steps_{};
    QCheckBox* chkScan_ = nullptr;
    std::array<QRadioButton*, 5> scanSteps_{};
};

} // namespace qv
