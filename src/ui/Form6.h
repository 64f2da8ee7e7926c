#pragma once

#include "app/Form6Logic.h"

#include <QDialog>

class QLabel;

namespace qv {

// " Modify Multiplier Color Selections": shows a Form6Logic; the two samples
// show the colours in force.
class Form6 : public QDialog {
    Q_OBJECT
public:
    // Shows the window modally until "Done" or the close box; it is discarded
    // when closed. The preferences hold the chosen colours afterwards.
    static void run(QWidget* parent, Preferences& prefs, Dialogs& dialogs);

    Form6(Form6Logic& logic, QWidget* parent = nullptr);

private:
    void render();

    Form6Logic& logic_;
    QLabel* workedSample_;
    QLabel* remainingSample_;
};

} // namespace qv
