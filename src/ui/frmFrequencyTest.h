#pragma once

#include "app/frmFrequencyTestLogic.h"
#include "ui/DialogBinding.h"

#include <QDialog>

class QCheckBox;

namespace qv {

// "Test Change Frequency Function": shows a frmFrequencyTestLogic.
class frmFrequencyTest : public QDialog {
    Q_OBJECT
public:
    // Opens the window modally and discards it when it closes.
    static void run(QWidget* parent, RigControl& rig);

    frmFrequencyTest(frmFrequencyTestLogic& logic, QWidget* parent = nullptr);

private:
    frmFrequencyTestLogic& logic_;
    DialogBinding<frmFrequencyTestLogic, 4> binding_;
    QCheckBox* check1_ = nullptr;
};

} // namespace qv
