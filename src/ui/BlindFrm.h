#pragma once

#include "app/BlindFrmLogic.h"
#include "ui/OptionButtons.h"

#include <QDialog>

class QLabel;

namespace qv {

// "Voice Navigation Settings": shows a BlindFrmLogic and forwards the option
// clicks, "Done" and the close box to it. Made once and shown modeless; "Done"
// and the close box hide it.
class BlindFrm : public QDialog {
    Q_OBJECT
public:
    explicit BlindFrm(BlindFrmLogic& logic, QWidget* parent = nullptr);

    // "&Voice Navigation": the logic loads the window if need be, then it shows.
    void showWindow();
    void render();

private:
    template <typename F> void act(F&& f);

    BlindFrmLogic& logic_;
    OptionButtons<1> options_;
    QLabel* label7_ = nullptr;
};

} // namespace qv
