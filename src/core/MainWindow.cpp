#include "core/MainWindow.h"

#include "base/Cp1252.h"
#include "base/Numbers.h"
#include "core/PlainExport.h"
#include "core/UtcOffsetCheck.h"

namespace qv {

MainWindow::MainWindow(MainContext& context, StartupWindows& windows)
    : c_(context), windows_(windows), dupes_(context), clock_(context),
      logger_(context, dupes_, clock_), entry_(context, dupes_, logger_) {
    c_.working.setLoadedHandler([this] { afterLoad(); });
}

void MainWindow::afterLoad() {
    c_.rebuildRecent();
    c_.refreshScore();
    c_.refreshRates();
    c_.updateNewIndicator();
}

void MainWindow::showProfile() {
    c_.ui.label2 = c_.profile.ownCall;
    c_.ui.label25 = c_.profile.ownSpc;
    c_.ui.label1 = c_.profile.ownCategory;
    c_.ui.label4 = c_.profile.ownName;
}

MainWindow::Started MainWindow::start() {
    Outcome outcome = Outcome::Continue;
    const Status s = startupSteps(outcome);
    if (outcome == Outcome::EndProgram) {
        return Started::Fatal;
    }
    if (!s) {
        c_.dialogs.messageBox("Error opeining file", "Error opening file: " + s.message(),
                              MessageButtons::Ok, MessageIcon::Critical);
        return Started::Stopped;
    }
    return Started::Ready;
}

Status MainWindow::startupSteps(Outcome& outcome) {
    MainWindowState& ui = c_.ui;
    ui.label3Visible = false;
    c_.setStatus("Select a band and click Log \"Time On\" below!");
    ui.partialDupesOn = true;
    c_.refreshScore(); // zeros, also when a later step stops the start-up

    if (Status s = readPreferences(c_.files, c_.profile, c_.prefs); !s) {
        return s;
    }
    c_.op.currentMode = "PH";
    c_.op.operatingSeconds = c_.prefs.operatingSeconds;
    c_.op.operatingSecondsNow = c_.prefs.operatingSeconds;
    c_.op.currentBand = c_.prefs.band;
    c_.refreshScore(); // the colours of the preferences

    if (CheckUtcOffset(c_.profile, c_.clock, c_.dialogs)) {
        c_.savePref();
    }
    for (std::string_view band : kBands) {
        if (band == c_.op.currentBand) {
            ui.label24 = std::string(band);
        }
    }

    if (Status s = readPrefixTable(); !s) {
        return s;
    }

    windows_.showStationWindow();
    showProfile();
    c_.savePref();

    const bool resume = c_.dialogs.askYesNo(
        "Open existing log?",
        "Do you want to continue an existing contest? (Yes opens your existing log, No erases "
        "any existing log and starts a new log.)");
    outcome = resume ? c_.working.LoadLog() : c_.working.NewLog(*this);
    if (outcome == Outcome::EndProgram) {
        return Status::failure(LogFile::kName);
    }
    ui.editButtonsVisible = false;
    clock_.showOperatingTime();
    return Status::success();
}

Status MainWindow::readPrefixTable() {
    const FileContents text = c_.shipped.read(PrefixTable::kFileName);
    if (text.error == FileContents::Error::NotFound) {
        return Status::failure(std::string(PrefixTable::kFileName) + " is missing");
    }
    if (text.error != FileContents::Error::None) {
        return Status::failure(std::string(PrefixTable::kFileName) + " cannot be read (" +
                               text.reason + ")");
    }
    if (Status s = c_.prefixes.load(text.bytes); !s) {
        return s;
    }
    if (c_.prefixes.empty()) {
        return Status::failure(std::string(PrefixTable::kFileName) + " holds no prefixes");
    }
    return Status::success();
}

Outcome MainWindow::selectBand(std::string_view band) {
    c_.op.currentBand = std::string(band);
    c_.ui.label24 = std::string(band);
    if (c_.bandMap.shown()) {
        c_.bandMap.rebuildForBand(c_.op.currentBand);
    }
    if (!c_.ui.txtCall.text.empty()) {
        c_.updateNewIndicator();
    }
    c_.savePref();
    return c_.working.LoadLog();
}

Outcome MainWindow::bandLabelClicked() {
    static constexpr std::array<std::string_view, 8> kCycle = {"80", "40", "20", "15",
                                                               "10", "6",  "2",  "70"};
    for (std::size_t i = 0; i < kCycle.size(); ++i) {
        if (c_.op.currentBand == kCycle[i]) {
            return selectBand(kCycle[(i + 1) % kCycle.size()]);
        }
    }
    return Outcome::Continue;
}

void MainWindow::timer1Tick() {
    c_.refreshRates();
}

void MainWindow::cmdList_Click() {
    c_.ui.recent.showAll = !c_.ui.recent.showAll;
    c_.rebuildRecent();
}

Outcome MainWindow::menuNew() {
    return c_.working.NewLog(*this);
}

void MainWindow::menuSetup() {
    windows_.showStationWindow();
    showProfile();
    c_.savePref();
}

void MainWindow::menuDefaultCategory() {
    const std::string answer = c_.dialogs.inputBox(
        "Default Category Value",
        "Enter the default category you would like to appear in the Category field when you tab "
        "from the Call field.  You can leave this value empty if you would prefer to not have a "
        "default.",
        c_.prefs.defaultCategory);
    // A double quote cannot be stored in the preferences file, so it never enters.
    TextField typed{answer};
    sanitize(typed);
    const std::string trimmed(trimBlanks(typed.text));
    c_.prefs.defaultCategory =
        trimmed.empty() ? std::string() : std::string(1, toUpper(trimmed[0]));
    c_.savePref();
}

void MainWindow::menuListPreviousContacts() {
    c_.prefs.listPreviousContacts = c_.prefs.listPreviousContacts ? 0 : 1;
    c_.savePref();
}

void MainWindow::menuPostContestMode() {
    c_.ui.postContestMode = !c_.ui.postContestMode;
}

bool MainWindow::menuFormSize() {
    const std::string answer = c_.dialogs.inputBox(
        "Please enter screen percentage.",
        "Enter the % of the screen you would like the form to cover.  Try between 90 and 100 for "
        "best results.  Values below 75 do not display well.",
        std::to_string(c_.prefs.sizePercent));
    if (!isNumeric(answer)) {
        c_.dialogs.messageBox("Numeric Values Required", "Please enter only numeric values.",
                              MessageButtons::Ok, MessageIcon::Warning);
        return false;
    }
    double percent = leadingNumber(answer);
    percent = percent < 30 ? 30 : (percent > 100 ? 100 : percent);
    c_.prefs.sizePercent = static_cast<std::uint8_t>(roundHalfEven(percent));
    c_.dialogs.messageBox("For this setting to take effect please restart this program.",
                          "This program must be closed and restarted for this setting to take "
                          "effect.",
                          MessageButtons::Ok, MessageIcon::Information);
    c_.savePref();
    return true;
}

bool MainWindow::menuTaskbar() {
    if (c_.prefs.sizePercent != 100) {
        c_.dialogs.messageBox("Please set your form size to 100% to use this option.",
                              "The form size must be set to 100% to use the taskbar display "
                              "option.",
                              MessageButtons::Ok, MessageIcon::Information);
        return false;
    }
    c_.prefs.taskbar = c_.prefs.taskbar ? 0 : 1;
    c_.savePref();
    return true;
}

void MainWindow::listClicked() {
    if (!c_.ui.recent.rows.empty()) {
        c_.ui.editButtonsVisible = true;
    }
}

Outcome MainWindow::rewritten(const WorkingLog::Rewritten& result) {
    if (!result.write) {
        c_.ui.lblDialogBack = kStatusRed;
        c_.setStatus("The change was NOT saved: " + result.write.message());
        c_.beeper.beep();
    }
    return result.outcome;
}

Outcome MainWindow::cmdDelete_Click(std::size_t k) {
    c_.ui.editButtonsVisible = false;
    if (!c_.dialogs.askYesNo("Are you sure?", "Are you sure?")) {
        return Outcome::Continue;
    }
    if (k < 1 || k > c_.log().size()) {
        return Outcome::Continue;
    }
    return rewritten(c_.working.RemoveRecord(k));
}

Outcome MainWindow::editFinished(std::size_t k, const ContactRecord* saved, bool deleted) {
    c_.ui.editButtonsVisible = false;
    const bool known = k >= 1 && k <= c_.log().size();
    if (known && deleted) {
        return rewritten(c_.working.RemoveRecord(k));
    }
    if (known && saved) {
        return rewritten(c_.working.ReplaceRecord(k, *saved));
    }
    return rewritten(c_.working.RewriteLog());
}

void MainWindow::menuExport() {
    if (Status s = writePlainExport(c_.files, c_.log()); !s) {
        c_.setStatus("Export.txt not written: " + s.message());
        c_.beeper.beep();
    } else {
        c_.setStatus("The log was exported to Export.txt");
    }
}

void MainWindow::closing() {
    windows_.backupLog();
    if (c_.op.timeOn) {
        clock_.settle();
        c_.savePref();
    }
}

void MainWindow::exiting() {
    if (c_.op.timeOn) {
        clock_.settle();
        c_.savePref();
    }
}

} // namespace qv
