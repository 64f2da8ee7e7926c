#pragma once

#include "app/RigControlfrmLogic.h"
#include "ui/DialogBinding.h"
#include "ui/OptionButtons.h"

#include <array>
#include <vector>

#include <QDialog>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QLabel;
class QListWidget;
class QRadioButton;

namespace qv {

// " Rig Interface Setup": shows a RigControlfrmLogic and forwards the clicks, keys
// and focus moves to it. Made once; "&Done" and the close box hide it, and the
// radio is polled on while it is hidden.
class RigControlfrm : public QDialog {
    Q_OBJECT
public:
    explicit RigControlfrm(RigControlfrmLogic& logic, QWidget* parent = nullptr);
    ~RigControlfrm() override;

    // Shows the state and the read-outs.
    void render();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildRadioList();
    QWidget* buildOptions();
    QWidget* buildQueries();
    QWidget* buildReadouts();
    QWidget* buildRigctld();
    void renderRigctld();
    QRadioButton* addOption(QButtonGroup* group, const QString& name, const QString& caption,
                            RigOptionGroup which, int index);
    template <typename F> void act(F&& f);
    void hidden();

    RigControlfrmLogic& logic_;
    DialogBinding<RigControlfrmLogic, 7> binding_;
    QListWidget* list1_ = nullptr;
    OptionButtons<7> options_;
    std::array<QRadioButton*, 3> modeBy_{};
    QCheckBox* chkConvToHex_ = nullptr;
    QCheckBox* chkConvHex_ = nullptr;
    QCheckBox* chkFrequency_ = nullptr;
    QLabel* lblFreq_ = nullptr;
    QLabel* lblMode_ = nullptr;
    QLabel* lblUnProcess_ = nullptr;
    QLabel* polling_ = nullptr;
    QLabel* label10_ = nullptr;
    // What applies to a serial radio only, hidden for rigctld, and rigctld's own part.
    std::vector<QWidget*> serialOnly_;
    QWidget* rigctld_ = nullptr;
    QLineEdit* rigctldHost_ = nullptr;
    QLineEdit* rigctldPort_ = nullptr;
    QCheckBox* chkStartRigctld_ = nullptr;
    QLineEdit* modelSearch_ = nullptr;
    QListWidget* models_ = nullptr;
    QLineEdit* rigctldDevice_ = nullptr;
    QComboBox* rigctldBaud_ = nullptr;
    int modelsShown_ = -1; // how many models the list holds
    bool rendering_ = false;
};

} // namespace qv
