#pragma once

// The main window's logic: start-up, band selection, the operating clock, the
// menu items and shutdown, over the entry line's parts. The window forwards its
// events here and shows the state record.

#include "app/ContactLogger.h"
#include "app/DupChecker.h"
#include "app/DuplicateHold.h"
#include "app/EntryLine.h"
#include "app/Form1Displays.h"
#include "app/Form1Preferences.h"
#include "app/Form1State.h"
#include "app/KeyDispatch.h"
#include "app/OperatingClock.h"
#include "app/RigControlfrmLogic.h"
#include "app/frmEditConLogic.h"
#include "cw/KeyerCallText.h"
#include "platform/Clipboard.h"
#include "platform/ShippedFiles.h"
#include "platform/Timer.h"
#include "reports/LogArchive.h"
#include "spots/BandMapView.h"

#include <functional>
#include <memory>
#include <string_view>

namespace qv {

// The windows the main window opens, as its logic reaches them.
class Form1Windows {
public:
    virtual ~Form1Windows() = default;
    // The station window, modally; the profile holds the result afterwards. True
    // when the operator confirmed it with "Done".
    virtual bool showStationWindow() = 0;
    // The edit window for record k, modally.
    virtual EditOutcome editContact(std::size_t k) = 0;
    // The summary sheet, which writes the Cabrillo entry, modally.
    virtual void showSummarySheet() = 0;
    // A text file read whole into a window with a "Close" button.
    virtual void showText(const std::string& title, const std::string& text) = 0;
};

class Form1Logic : private NewLogHooks, private LogListener, private RigListener {
public:
    struct Uses {
        Form1State& ui;
        WorkingLog& working;
        OperatingState& op;
        StationProfile& profile;
        Preferences& prefs;
        PrefixTable& prefixes;
        const MultiplierTable& multipliers;
        LogArchive& archive;
        Clock& clock;
        Timers& timers;
        Beeper& beeper;
        Dialogs& dialogs;
        FileStore& files;
        ShippedFiles& shipped;
        Clipboard& clipboard;
        VoiceNavigation& voice;
        KeyerCallText& keyer;
        BandMapView& bandMap;
        Keyers keyers;
        Form1Windows& windows;
        RigControlfrmLogic& rig;
    };
    explicit Form1Logic(Uses uses);
    ~Form1Logic() override;
    Form1Logic(const Form1Logic&) = delete;
    Form1Logic& operator=(const Form1Logic&) = delete;

    Form1State& state() { return u_.ui; }
    EntryLine& entry() { return entry_; }
    DupChecker& dupes() { return dupes_; }
    KeyDispatch& keys() { return keys_; }
    const DuplicateHold& hold() const { return hold_; }

    // Told whenever a timer changed the state, so the window shows it, or when
    // what a timer did (the radio changing the band) must end the program.
    void setChangedHandler(std::function<void(Outcome)> changed) { changed_ = std::move(changed); }

    enum class [[nodiscard]] Started{
        Ready,   // every step ran
        Stopped, // a step failed: "Error opening file" was shown, the rest skipped
        Fatal,   // log.txt could not be read: the program must end now
    };
    // The start-up sequence, in its documented order; then the clocks run.
    Started start();

    // The band menu and the band label; each reloads the log.
    Outcome selectBand(std::string_view band);
    Outcome bandLabelClicked();

    void cmdLogOn_Click() { clock_.cmdLogOn_Click(); }
    // Logs the contact on the entry line, as Enter does (also a CW message's "!").
    void Mains() { logger_.Mains(); }
    // Timer2, every second: the clocks. Timer1, every minute: the contact rates.
    void timer2Tick() { clock_.tick(); }
    void timer1Tick() { displays_.refreshRates(); }
    void cmdList_Click();

    // Menu items. Those that show a box or a window give the focus back to the
    // call field afterwards, where the operator goes on typing.
    Outcome menuNew();
    Outcome menuOpen() { return u_.working.LoadLog(); }
    Outcome menuRestore();
    void menuArchive();
    void menuCabrillo();
    void menuAdif();
    void menuCopyListedItems();
    void menuExport(); // the hidden "E&xport"
    void menuReadHelp();
    void menuThirdParty();
    void menuSetup();
    void menuDefaultCategory();
    void menuListPreviousContacts();
    void menuPostContestMode();
    // "&Form Size"; true when the size changed (takes effect after a restart).
    bool menuFormSize();
    // "&Taskbar"; true when the layout must be applied again.
    bool menuTaskbar();

    // The recent-contacts list: a click (or losing the focus) with rows shows the
    // edit and delete buttons; a heading click sorts once.
    void listClicked();
    void listRowChosen(std::optional<std::size_t> row) { u_.ui.recent.choose(row); }
    void headingClicked(int column) { u_.ui.recent.sortBy(column); }
    // "Edit Contact" and "Delete Contact" for the chosen row's record.
    Outcome cmdEdit_Click();
    Outcome cmdDelete_Click();
    // "Delete Contact" for record k, after "Are you sure?".
    Outcome cmdDelete_Click(std::size_t k);
    // After the edit window closed: the record saved, deleted or left, then the log
    // rewritten and loaded again.
    Outcome editFinished(std::size_t k, const ContactRecord* saved, bool deleted);

    // Closing the window (backup, operating time) and "&Exit" (operating time only).
    void closing();
    void exiting();

    // The top line from the profile.
    void showProfile();
    // A call taken from the spots: into the call field as if typed.
    void putCall(const std::string& call) {
        u_.ui.txtCall.setText(call.substr(0, u_.ui.txtCall.maxLength));
        entry_.edited(EntryField::Call);
    }
    // The preferences written now (before the spotting window opens, and on its "&Done").
    void storePreferences() { prefsFile_.SavePref(); }

private:
    // NewLogHooks
    Status backupBeforeNewLog() override { return u_.archive.BackupOnDisk(); }
    void savePreferences() override { prefsFile_.SavePref(); }
    void showOperatingTime() override { clock_.showOperatingTime(); }
    // LogListener: every display that follows the log.
    void logLoaded() override;
    void contactAppended(std::size_t k) override;

    // Shows what a rewrite reported.
    Outcome rewritten(const WorkingLog::Rewritten& result);
    Status startupSteps(Outcome& outcome);
    Status readPrefixTable();
    void showTextFile(const char* title, const char* fileName);
    void changed(Outcome outcome = Outcome::Continue);
    // Rig control's answers: the band follows the radio's frequency, and the
    // frequency goes with each contact; the radio's mode changes nothing.
    void BandFreqConversion(float frequencyMHz) override;
    void ModeSelection(const std::string&) override {}

    Uses u_;
    Form1Preferences prefsFile_;
    DuplicateHold hold_;
    Form1Displays displays_;
    DupChecker dupes_;
    OperatingClock clock_;
    ContactLogger logger_;
    EntryLine entry_;
    KeyDispatch keys_;
    std::unique_ptr<Timer> timer1_; // contact rates, every minute
    std::unique_ptr<Timer> timer2_; // clocks, every second
    std::function<void(Outcome)> changed_;
};

} // namespace qv
