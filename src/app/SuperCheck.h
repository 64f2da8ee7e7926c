#pragma once

// Super check partial: while the call is typed, the known contest calls that
// contain it (from the community's master list, MASTER.SCP), with the calls
// worked on the current band marked, and, for a call the list does not know,
// the calls one edit away. Ctrl+Down and Ctrl+Up choose one, Ctrl+Enter puts
// it into the call field as if typed.

#include "app/DupChecker.h"
#include "app/EntryLine.h"
#include "app/Form1State.h"
#include "app/KeyDispatch.h"
#include "core/OperatingState.h"
#include "core/WorkingLog.h"
#include "platform/FileStore.h"
#include "platform/SettingsStore.h"
#include "scp/CallIndex.h"

#include <memory>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

namespace qv {

// The master list as read at start-up, away from the user-interface thread.
struct MasterListLoad {
    std::shared_ptr<const CallIndex> index; // null when there is no usable list
    std::string note;                       // where it came from, or why there is none
};

inline constexpr const char* kMasterListName = "MASTER.SCP";

// The working directory's MASTER.SCP (an operator's fresh copy) when there is
// one, else the installed one. A file that cannot be read or is no call list is
// passed over, and the note says so.
MasterListLoad loadMasterList(FileStore& working, FileStore& installed);

struct SuperCheckRow {
    std::string call;
    bool worked = false;  // worked on the current band
    bool oneEdit = false; // one edit away from the typed call, not containing it
};

struct SuperCheckState {
    bool on = true;
    std::vector<SuperCheckRow> rows;
    std::optional<std::size_t> chosen; // the row Ctrl+Down and Ctrl+Up moved to
    std::string line;                  // the rows as one line, for a screen reader
    std::string tooltip;               // what the list is, or why it shows nothing
};

class SuperCheck : private LogListener {
public:
    struct Uses {
        Form1State& ui;
        WorkingLog& working;
        const OperatingState& op;
        SettingsStore& settings;
        EntryLine& entry;
        DupChecker& dupes;
    };
    static constexpr std::size_t kMaxRows = 20;
    static constexpr const char* kSettingsKey = "SuperCheckPartial";
    // The code a keyDown carries for Enter.
    static constexpr int kEnterCode = 13;

    explicit SuperCheck(Uses uses);
    ~SuperCheck() override;
    SuperCheck(const SuperCheck&) = delete;
    SuperCheck& operator=(const SuperCheck&) = delete;

    const SuperCheckState& state() const { return s_; }

    // The list, whenever it arrives; until then the tooltip says it is loading.
    void listArrived(MasterListLoad loaded);
    // Brings the rows up to date with the call field and the band; cheap when
    // neither changed.
    void follow();
    // "Super Check Partial" on the Options menu; kept for the user.
    void toggle();
    // Ctrl+Down, Ctrl+Up, Ctrl+Enter; true when the key was used.
    bool keyDown(const KeyDown& key);
    // The chosen row (or the first) into the call field as if typed.
    void take();

private:
    void logLoaded() override { workedStale_ = true; }
    void contactAppended(std::size_t) override { workedStale_ = true; }
    void logRewritten() override { workedStale_ = true; }

    void query(const std::string& typed);
    void refreshWorked();
    void describe();

    Uses u_;
    SuperCheckState s_;
    std::shared_ptr<const CallIndex> index_;
    std::string note_ = "Super check partial: the list of known calls is loading";
    // What the rows were made for; a change of any of these makes them again.
    std::optional<std::string> shownFor_;
    std::string shownBand_;
    bool workedStale_ = true;
    std::unordered_set<std::string> worked_; // calls on shownBand_, upper case
};

} // namespace qv
