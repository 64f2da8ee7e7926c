#pragma once

#include "app/CWFrmLogic.h"
#include "ui/DialogBinding.h"
#include "ui/DialogShowing.h"
#include "ui/OptionButtons.h"

#include <QDialog>

class QCheckBox;
class QLabel;

namespace qv {

class Program;

// "CW String Selections": shows a CWFrmLogic and forwards the clicks, keys and
// focus moves to it. Made once; "Done" and the close box hide it.
class CWFrm : public QDialog {
    Q_OBJECT
public:
    CWFrm(CWFrmLogic& logic, Program& program, QWidget* parent = nullptr);
    ~CWFrm() override;

    // "&CW Setup", and the keyer when its port failed: returns when hidden.
    void showModal();
    void render();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildMessages();
    QWidget* buildKeying();
    QWidget* buildSpeed();
    QWidget* buildTiming();
    QWidget* buildButtons();
    template <typename F> void act(F&& f);

    CWFrmLogic& logic_;
    Program& program_;
    DialogBinding<CWFrmLogic, kCWFrmControls> binding_;
    DialogShowing<CWFrm, CWFrmLogic, kCWFrmControls> showing_;
    OptionButtons<2> options_;
    QCheckBox* check1_ = nullptr;
    QLabel* label23_ = nullptr;
    QLabel* lblLoop_ = nullptr;
};

} // namespace qv
