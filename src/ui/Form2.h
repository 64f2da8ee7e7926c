#pragma once

#include "app/Form2Logic.h"
#include "ui/DialogBinding.h"

#include <QDialog>

class QPlainTextEdit;

namespace qv {

// "Summary Sheet Information": the entrant's details and the Cabrillo writer.
class Form2 : public QDialog {
    Q_OBJECT
public:
    // Opens the window modally over the main window and discards it when it closes.
    static void run(QWidget* parent, const ContestLog& log, const OperatingState& totals,
                    const StationProfile& profile, SettingsStore& settings, Dialogs& dialogs,
                    Beeper& beeper, FileStore& workingFiles);

    // Loads the fields on construction.
    Form2(Form2Context context, QWidget* parent = nullptr);

    const Form2State& state() const { return logic_.state(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void afterEvent();
    void copySoapboxFromBox();

    Form2Logic logic_;
    DialogBinding<Form2Logic, 9> binding_;
    QPlainTextEdit* text11_ = nullptr;
    bool rendering_ = false;
};

} // namespace qv
