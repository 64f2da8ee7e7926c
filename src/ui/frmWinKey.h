#pragma once

#include "app/frmWinKeyLogic.h"
#include "ui/DialogBinding.h"
#include "ui/DialogShowing.h"
#include "ui/OptionButtons.h"

#include <QDialog>

class QLabel;

namespace qv {

// " WinKey Setup": shows a frmWinKeyLogic and forwards the clicks, keys and
// focus moves to it. "&Done" and the close box hide it.
class frmWinKey : public QDialog {
    Q_OBJECT
public:
    explicit frmWinKey(frmWinKeyLogic& logic, QWidget* parent = nullptr);
    ~frmWinKey() override;

    // "Configure Winkey": returns when the window is hidden.
    void showModal();
    void render();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildFields();
    QWidget* buildOptions();

    frmWinKeyLogic& logic_;
    DialogBinding<frmWinKeyLogic, kFrmWinKeyControls> binding_;
    DialogShowing<frmWinKey, frmWinKeyLogic, kFrmWinKeyControls> showing_;
    OptionButtons<2> options_;
    QLabel* lblOpenStatus_ = nullptr;
    QLabel* lblVersion_ = nullptr;
};

} // namespace qv
