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
    bool rendering_ = false;
};

} // namespace qv
