#pragma once

#include "app/PhoneFrmLogic.h"
#include "ui/DialogBinding.h"
#include "ui/DialogShowing.h"
#include "ui/OptionButtons.h"

#include <QDialog>

namespace qv {

// "Phone Wave Selections": shows a PhoneFrmLogic and forwards the clicks, keys
// and focus moves to it. Made once; "Done" and the close box hide it.
class PhoneFrm : public QDialog {
    Q_OBJECT
public:
    explicit PhoneFrm(PhoneFrmLogic& logic, QWidget* parent = nullptr);
    ~PhoneFrm() override;

    // Ctrl+P: shown beside the main window, restored to its normal size.
    void showModeless();
    // "&Voice Setup", and the keyer when its port failed: returns when hidden.
    void showModal();

    void render();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildKeys();
    QWidget* buildPtt();
    template <typename F> void act(F&& f);

    PhoneFrmLogic& logic_;
    DialogBinding<PhoneFrmLogic, kPhoneFrmControls> binding_;
    DialogShowing<PhoneFrm, PhoneFrmLogic, kPhoneFrmControls> showing_;
    OptionButtons<1> options_;
};

} // namespace qv
