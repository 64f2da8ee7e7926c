#pragma once

#include "reports/SummarySheet.h"

#include <array>

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace qv {

class LineEditBinding;

// "Summary Sheet Information": the entrant's details and the Cabrillo writer.
class Form2 : public QDialog {
    Q_OBJECT
public:
    // Opens the window modally over the main window and discards it when it
    // closes. CREATED-BY copies the title of parent's window.
    static void run(QWidget* parent, const ContestLog& log, const OperatingState& totals,
                    const StationProfile& profile, SettingsStore& settings, Dialogs& dialogs,
                    Beeper& beeper, FileStore& workingFiles);

    // Loads the fields (Form2Load) on construction.
    Form2(Form2Context context, QWidget* parent = nullptr);

    const Form2State& state() const { return s_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* addLineEdit(Form2Field f, const char* name, const char* caption);
    void render();
    void copySoapboxFromBox();

    Form2Context c_;
    Form2State s_;
    std::array<LineEditBinding*, 6> bindings_{};
    QPlainTextEdit* text11_ = nullptr;
    QPushButton* command4_ = nullptr;
    QPushButton* command3_ = nullptr;
    bool rendering_ = false;
};

} // namespace qv
