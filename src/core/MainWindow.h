#pragma once

// The main window's logic: start-up, band selection, the operating clock, the
// menu items of the log core and shutdown, over the entry line's parts.

#include "core/DupCheck.h"
#include "core/EntryLine.h"
#include "core/MainContext.h"
#include "core/Mains.h"
#include "core/OperatingClock.h"

#include <array>
#include <functional>
#include <string_view>

namespace qv {

inline constexpr std::array<std::string_view, 9> kBands = {"160", "80", "40", "20", "15",
                                                           "10",  "6",  "2",  "70"};

// What start-up needs from the windows around the main one.
class StartupWindows {
public:
    virtual ~StartupWindows() = default;
    // Shows the station window modally; the profile holds the result afterwards.
    virtual void showStationWindow() = 0;
    // The backup copy when closing, after contacts were added or deleted.
    virtual void backupLog() = 0;
    // The copy of log.txt as it stands on disk, before a new log empties it.
    virtual Status backupBeforeNewLog() = 0;
};

class MainWindow : private NewLogHooks {
public:
    MainWindow(MainContext& context, StartupWindows& windows);

    MainWindowState& state() { return c_.ui; }
    EntryLine& entry() { return entry_; }
    DupChecker& dupes() { return dupes_; }

    enum class [[nodiscard]] Started{
        Ready,   // every step ran
        Stopped, // a step failed: "Error opening file" was shown, the rest skipped
        Fatal,   // log.txt could not be read: the program must end now
    };
    // The start-up sequence, in its documented order.
    Started start();

    // The band menu and the band label; each reloads the log.
    Outcome selectBand(std::string_view band);
    Outcome bandLabelClicked();

    void cmdLogOn_Click() { clock_.cmdLogOn_Click(); }
    void timer2Tick() { clock_.tick(); }
    void timer1Tick();
    void cmdList_Click();

    // Menu items that reload the log.
    Outcome menuNew();
    Outcome menuOpen() { return c_.working.LoadLog(); }
    void menuSetup();
    void menuDefaultCategory();
    void menuListPreviousContacts();
    void menuPostContestMode();
    // "&Form Size"; true when the size changed (takes effect after a restart).
    bool menuFormSize();
    // "&Taskbar"; true when the layout must be applied again.
    bool menuTaskbar();

    // The recent-contacts list: a click or losing the focus with rows shows the
    // edit and delete buttons; a heading click sorts once.
    void listClicked();
    void headingClicked(int column) { c_.ui.recent.sortBy(column); }
    // "Delete Contact" for record k, after "Are you sure?".
    Outcome cmdDelete_Click(std::size_t k);
    // After the edit window closed: the record saved, deleted or left, then the log
    // rewritten and loaded again.
    Outcome editFinished(std::size_t k, const ContactRecord* saved, bool deleted);
    // The hidden "E&xport" item.
    void menuExport();

    // Closing the window (backup, operating time) and "&Exit" (operating time only).
    void closing();
    void exiting();

    // The top line from the profile.
    void showProfile();

private:
    Status backupBeforeNewLog() override { return windows_.backupBeforeNewLog(); }
    void savePreferences() override { c_.savePref(); }
    void showOperatingTime() override { clock_.showOperatingTime(); }

    // Shows what a rewrite reported.
    Outcome rewritten(const WorkingLog::Rewritten& result);
    // Everything the documents do after a load: list, rates, DX list, score.
    void afterLoad();
    Status startupSteps(Outcome& outcome);
    Status readPrefixTable();

    MainContext& c_;
    StartupWindows& windows_;
    DupChecker dupes_;
    OperatingClock clock_;
    ContactLogger logger_;
    EntryLine entry_;
};

} // namespace qv
