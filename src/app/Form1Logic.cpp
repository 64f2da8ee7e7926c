#include "app/Form1Logic.h"

#include "app/UtcOffsetCheck.h"
#include "base/Band.h"
#include "base/Cp1252.h"
#include "base/Numbers.h"
#include "reports/AdifCountryTable.h"
#include "reports/AdifExport.h"
#include "reports/LogListClipboard.h"
#include "reports/PlainExport.h"
#include "rig/BandConversion.h"

namespace qv {

Form1Logic::Form1Logic(Uses uses)
    : u_(uses), prefsFile_(u_.files, u_.profile, u_.prefs, u_.op, u_.ui, u_.beeper),
      hold_(u_.clock, u_.timers, u_.ui.inputBlocked),
      displays_(
          {u_.ui, u_.working, u_.op, u_.multipliers, u_.prefs, u_.profile, u_.prefixes, u_.clock}),
      dupes_({u_.ui, u_.working, u_.op, u_.prefs, u_.beeper, u_.voice, hold_}),
      clock_({u_.ui, u_.op, u_.clock, u_.profile, prefsFile_}),
      logger_({u_.ui, u_.working, u_.op, u_.profile, u_.multipliers, u_.beeper, u_.dialogs,
               displays_, dupes_, clock_}),
      entry_({u_.ui, u_.working, u_.op, u_.prefixes, u_.multipliers, u_.profile, u_.prefs, u_.clock,
              u_.beeper, u_.voice, u_.keyer, displays_, dupes_, hold_, logger_}),
      keys_(u_.ui, u_.op, entry_, u_.keyers), timer1_(u_.timers.create(60000,
                                                                       [this] {
                                                                           timer1Tick();
                                                                           changed();
                                                                       })),
      timer2_(u_.timers.create(1000, [this] {
          timer2Tick();
          changed();
      })) {
    u_.working.subscribe(*this);
    u_.rig.rig().setListener(this);
    u_.rig.setSavePreferences([this] { prefsFile_.SavePref(); });
    // The key held after a duplicate reaches the field when no event is running.
    hold_.onRelease([this](int key) {
        entry_.releaseHeldKey(key);
        changed();
    });
}

Form1Logic::~Form1Logic() {
    u_.rig.rig().setListener(nullptr);
    u_.rig.setSavePreferences(nullptr);
    u_.working.unsubscribe(*this);
}

void Form1Logic::changed(Outcome outcome) {
    if (changed_) {
        changed_(outcome);
    }
}

void Form1Logic::BandFreqConversion(float frequencyMHz) {
    Outcome outcome = Outcome::Continue;
    if (const auto band = bandForFrequency(frequencyMHz);
        band && !equalsIgnoreCase(*band, u_.op.currentBand)) {
        // Exactly as the band menu selects it: the log is loaded again.
        outcome = selectBand(*band);
    }
    u_.op.currentFrequency = frequencyText(frequencyMHz);
    changed(outcome);
}

void Form1Logic::logLoaded() {
    displays_.rebuildRecent();
    displays_.refreshScore();
    displays_.refreshRates();
    displays_.updateNewIndicator();
}

void Form1Logic::contactAppended(std::size_t) {
    u_.ui.recent.appended(u_.working.log());
    displays_.refreshScore();
}

void Form1Logic::showProfile() {
    u_.ui.label2 = u_.profile.ownCall;
    u_.ui.label25 = u_.profile.ownSpc;
    u_.ui.label1 = u_.profile.ownCategory;
    u_.ui.label4 = u_.profile.ownName;
}

Form1Logic::Started Form1Logic::start() {
    Outcome outcome = Outcome::Continue;
    const Status s = startupSteps(outcome);
    if (outcome == Outcome::EndProgram) {
        return Started::Fatal;
    }
    timer1_->start();
    timer2_->start();
    timer2Tick();
    if (!s) {
        u_.dialogs.messageBox("Error opeining file", "Error opening file: " + s.message(),
                              MessageButtons::Ok, MessageIcon::Critical);
        return Started::Stopped;
    }
    return Started::Ready;
}

Status Form1Logic::startupSteps(Outcome& outcome) {
    Form1State& ui = u_.ui;
    ui.label3Visible = false;
    setStatus(ui, "Select a band and click Log \"Time On\" below!");
    ui.partialDupesOn = true;
    displays_.refreshScore(); // zeros, also when a later step stops the start-up

    if (Status s = readPreferences(u_.files, u_.profile, u_.prefs, u_.op); !s) {
        return s;
    }
    u_.op.currentMode = "PH";
    u_.op.operatingSecondsNow = u_.op.operatingSeconds;
    displays_.refreshScore(); // the colours of the preferences

    if (CheckUtcOffset(u_.profile, u_.clock, u_.dialogs)) {
        prefsFile_.SavePref();
    }

    if (Status s = readPrefixTable(); !s) {
        return s;
    }

    u_.windows.showStationWindow();
    showProfile();
    prefsFile_.SavePref();

    const bool resume = u_.dialogs.askYesNo(
        "Open existing log?",
        "Do you want to continue an existing contest? (Yes opens your existing log, No erases "
        "any existing log and starts a new log.)");
    outcome = resume ? u_.working.LoadLog() : u_.working.NewLog(*this);
    if (outcome == Outcome::EndProgram) {
        return Status::failure(LogFile::kName);
    }
    ui.editButtonsVisible = false;
    clock_.showOperatingTime();
    u_.rig.startUp();
    return Status::success();
}

Status Form1Logic::readPrefixTable() {
    const FileContents text = u_.shipped.read(PrefixTable::kFileName);
    if (text.error == FileContents::Error::NotFound) {
        return Status::failure(std::string(PrefixTable::kFileName) + " is missing");
    }
    if (text.error != FileContents::Error::None) {
        return Status::failure(std::string(PrefixTable::kFileName) + " cannot be read (" +
                               text.reason + ")");
    }
    if (Status s = u_.prefixes.load(text.bytes); !s) {
        return s;
    }
    if (u_.prefixes.empty()) {
        return Status::failure(std::string(PrefixTable::kFileName) + " holds no prefixes");
    }
    return Status::success();
}

Outcome Form1Logic::selectBand(std::string_view band) {
    u_.op.currentBand = std::string(band);
    if (u_.bandMap.shown()) {
        u_.bandMap.rebuildForBand(u_.op.currentBand);
    }
    if (!u_.ui.txtCall.text.empty()) {
        displays_.updateNewIndicator();
    }
    prefsFile_.SavePref();
    return u_.working.LoadLog();
}

Outcome Form1Logic::bandLabelClicked() {
    if (const auto next = nextBandOfLabel(u_.op.currentBand)) {
        return selectBand(*next);
    }
    return Outcome::Continue;
}

void Form1Logic::cmdList_Click() {
    u_.ui.recent.showAll = !u_.ui.recent.showAll;
    displays_.rebuildRecent();
}

Outcome Form1Logic::menuNew() {
    focusOn(u_.ui, EntryField::Call);
    return u_.working.NewLog(*this);
}

Outcome Form1Logic::menuRestore() {
    focusOn(u_.ui, EntryField::Call);
    return u_.archive.Restore();
}

void Form1Logic::menuArchive() {
    u_.archive.Archive();
    focusOn(u_.ui, EntryField::Call);
}

void Form1Logic::menuCabrillo() {
    u_.windows.showSummarySheet();
    focusOn(u_.ui, EntryField::Call);
}

void Form1Logic::menuAdif() {
    // The export shows its own success or failure box.
    (void)ExportAdifFile(u_.dialogs, u_.beeper, u_.clock, u_.files,
                         u_.shipped.read(AdifCountryTable::kFileName), u_.working.log(),
                         kProgramTitle);
    focusOn(u_.ui, EntryField::Call);
}

void Form1Logic::menuCopyListedItems() {
    copyListedItems(u_.ui.recent.rows(), u_.clipboard);
}

void Form1Logic::menuExport() {
    if (Status s = writePlainExport(u_.files, u_.working.log()); !s) {
        setStatus(u_.ui, "Export.txt not written: " + s.message());
        u_.beeper.beep();
    } else {
        setStatus(u_.ui, "The log was exported to Export.txt");
    }
}

void Form1Logic::showTextFile(const char* title, const char* fileName) {
    const FileContents text = u_.shipped.read(fileName);
    if (text.error != FileContents::Error::None) {
        u_.dialogs.messageBox(title, std::string(fileName) + " could not be read.",
                              MessageButtons::Ok, MessageIcon::Warning);
        return;
    }
    u_.windows.showText(title, text.bytes);
}

void Form1Logic::menuReadHelp() {
    showTextFile("Help", "help.txt");
}

void Form1Logic::menuThirdParty() {
    showTextFile("Third Party Traffic", "thirdparty.txt");
}

void Form1Logic::menuSetup() {
    if (u_.windows.showStationWindow()) {
        // A preferences file that could not be read is written over only now,
        // with the station the operator has just confirmed.
        u_.prefs.mayWrite = true;
    }
    showProfile();
    prefsFile_.SavePref();
    focusOn(u_.ui, EntryField::Call);
}

void Form1Logic::menuDefaultCategory() {
    const std::string answer = u_.dialogs.inputBox(
        "Default Category Value",
        "Enter the default category you would like to appear in the Category field when you tab "
        "from the Call field.  You can leave this value empty if you would prefer to not have a "
        "default.",
        u_.prefs.defaultCategory);
    // A double quote cannot be stored in the preferences file, so it never enters.
    TextField typed{answer};
    sanitize(typed);
    const std::string trimmed(trimBlanks(typed.text));
    u_.prefs.defaultCategory =
        trimmed.empty() ? std::string() : std::string(1, toUpper(trimmed[0]));
    prefsFile_.SavePref();
    focusOn(u_.ui, EntryField::Call);
}

void Form1Logic::menuListPreviousContacts() {
    u_.prefs.listPreviousContacts = u_.prefs.listPreviousContacts ? 0 : 1;
    prefsFile_.SavePref();
}

void Form1Logic::menuPostContestMode() {
    u_.ui.postContestMode = !u_.ui.postContestMode;
}

bool Form1Logic::menuFormSize() {
    focusOn(u_.ui, EntryField::Call);
    const std::string answer = u_.dialogs.inputBox(
        "Please enter screen percentage.",
        "Enter the % of the screen you would like the form to cover.  Try between 90 and 100 for "
        "best results.  Values below 75 do not display well.",
        std::to_string(u_.prefs.sizePercent));
    if (!isNumeric(answer)) {
        u_.dialogs.messageBox("Numeric Values Required", "Please enter only numeric values.",
                              MessageButtons::Ok, MessageIcon::Warning);
        return false;
    }
    double percent = leadingNumber(answer);
    percent = percent < 30 ? 30 : (percent > 100 ? 100 : percent);
    u_.prefs.sizePercent = static_cast<std::uint8_t>(roundHalfEven(percent));
    u_.dialogs.messageBox("For this setting to take effect please restart this program.",
                          "This program must be closed and restarted for this setting to take "
                          "effect.",
                          MessageButtons::Ok, MessageIcon::Information);
    prefsFile_.SavePref();
    return true;
}

bool Form1Logic::menuTaskbar() {
    focusOn(u_.ui, EntryField::Call);
    if (u_.prefs.sizePercent != 100) {
        u_.dialogs.messageBox("Please set your form size to 100% to use this option.",
                              "The form size must be set to 100% to use the taskbar display "
                              "option.",
                              MessageButtons::Ok, MessageIcon::Information);
        return false;
    }
    u_.prefs.taskbar = u_.prefs.taskbar ? 0 : 1;
    prefsFile_.SavePref();
    return true;
}

void Form1Logic::listClicked() {
    if (!u_.ui.recent.empty()) {
        u_.ui.editButtonsVisible = true;
    }
}

Outcome Form1Logic::cmdEdit_Click() {
    const auto k = u_.ui.recent.chosenRecord();
    if (!k || *k > u_.working.log().size()) {
        return Outcome::Continue;
    }
    const EditOutcome outcome = u_.windows.editContact(*k);
    return editFinished(*k, outcome.kind == EditOutcome::Kind::Saved ? &outcome.record : nullptr,
                        outcome.kind == EditOutcome::Kind::Delete);
}

Outcome Form1Logic::cmdDelete_Click() {
    const auto k = u_.ui.recent.chosenRecord();
    return k ? cmdDelete_Click(*k) : Outcome::Continue;
}

Outcome Form1Logic::rewritten(const WorkingLog::Rewritten& result) {
    if (!result.write) {
        u_.ui.lblDialogBack = kStatusRed;
        setStatus(u_.ui, "The change was NOT saved: " + result.write.message());
        u_.beeper.beep();
    }
    return result.outcome;
}

Outcome Form1Logic::cmdDelete_Click(std::size_t k) {
    u_.ui.editButtonsVisible = false;
    focusOn(u_.ui, EntryField::Call);
    // No is the default: a stray Enter must not delete a contact.
    if (!u_.dialogs.askYesNo("Are you sure?", "Are you sure?", MessageButtons::YesNoDefaultNo)) {
        return Outcome::Continue;
    }
    if (k < 1 || k > u_.working.log().size()) {
        return Outcome::Continue;
    }
    return rewritten(u_.working.RemoveRecord(k));
}

Outcome Form1Logic::editFinished(std::size_t k, const ContactRecord* saved, bool deleted) {
    u_.ui.editButtonsVisible = false;
    focusOn(u_.ui, EntryField::Call);
    const bool known = k >= 1 && k <= u_.working.log().size();
    if (known && deleted) {
        return rewritten(u_.working.RemoveRecord(k));
    }
    if (known && saved) {
        return rewritten(u_.working.ReplaceRecord(k, *saved));
    }
    return rewritten(u_.working.RewriteLog());
}

void Form1Logic::closing() {
    u_.rig.rig().unload();
    (void)u_.archive.Backup(); // a failed backup is silent
    if (u_.op.timeOn) {
        clock_.settle();
        prefsFile_.SavePref();
    }
}

void Form1Logic::exiting() {
    if (u_.op.timeOn) {
        clock_.settle();
        prefsFile_.SavePref();
    }
}

} // namespace qv
