#pragma once

// The contest log kept equal to log.txt: load, append, rewrite and new log, with
// the totals of the operating state recomputed from what is on disk.

#include "base/Status.h"
#include "core/ContestLog.h"
#include "core/LogFile.h"
#include "core/OperatingState.h"
#include "core/Outcome.h"
#include "core/Tally.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"

#include <vector>

namespace qv {

// What the main window does around a new log; the steps belong to other windows.
class NewLogHooks {
public:
    virtual ~NewLogHooks() = default;
    // Copies log.txt as it stands on disk into BACKUP; a failure keeps the log.
    virtual Status backupBeforeNewLog() = 0;
    virtual void savePreferences() = 0;
    virtual void showOperatingTime() = 0;
};

// Told what happens to the log. The main window follows it, and so will the rate
// graph, the multiplier map and the band map.
class LogListener {
public:
    virtual ~LogListener() = default;
    // The log was loaded from log.txt (at start-up, on a reload, after a rewrite):
    // everything shown from it is to be built again.
    virtual void logLoaded() {}
    // Contact k was appended to log.txt and counted.
    virtual void contactAppended(std::size_t k) { (void)k; }
    // log.txt was written again from memory (an edit or a deletion); the load
    // that follows is told separately.
    virtual void logRewritten() {}
};

class WorkingLog {
public:
    static constexpr const char* kFileErrorTitle = "File Error";
    static const char* const kFileErrorText;

    WorkingLog(ContestLog& log, OperatingState& state, const MultiplierTable& table, LogFile& file,
               Dialogs& dialogs, Clock& clock);

    const ContestLog& log() const { return log_; }
    // True once log.txt has been read (or created) successfully.
    bool opened() const { return opened_; }
    // The number of contacts the log held when it was first read this run (0 again
    // after a confirmed new log): the backup on closing is made when the count
    // differs from it.
    std::size_t backupReference() const { return backupReference_; }
    const OperatingState& state() const { return state_; }

    // Listeners are told in the order they subscribed.
    void subscribe(LogListener& listener) { listeners_.push_back(&listener); }
    void unsubscribe(LogListener& listener);

    // Rebuilds the log and every total from log.txt. A log.txt that cannot be read
    // shows the "File Error" box and ends the program, leaving the file as it is.
    // A missing log.txt is an empty log (the file is created), unless contacts are
    // held in memory: they are written back.
    Outcome LoadLog();

    struct [[nodiscard]] Appended {
        Status status;
        CountEffect effect;
        // For a logged contact: what the operator should know about log.txt (it
        // was written back from memory, or the system reported an error although
        // the line reached the file). Empty as a rule.
        std::string note;
    };
    // Writes the record to log.txt first; only once it is on disk does it join the
    // log and count. A full log (11000 contacts), a log not yet read or a failed
    // write refuses it with a message, leaving log and file equal line for line. A
    // log.txt deleted or replaced under the program is first written back whole.
    Appended AppendRecord(ContactRecord record);

    struct [[nodiscard]] Rewritten {
        Status write;    // failure: log.txt kept its old contents
        Outcome outcome; // EndProgram: the reload met the "File Error" path
    };
    // Writes the in-memory log over log.txt (crash-safe), then loads it again so
    // the totals come from the file. If the write fails, the reload brings memory
    // back to what the file holds.
    Rewritten RewriteLog();

    // Removes or replaces record k, then rewrites and reloads.
    Rewritten RemoveRecord(std::size_t k);
    Rewritten ReplaceRecord(std::size_t k, ContactRecord record);

    // The "&New" confirmation and erase, then LoadLog.
    Outcome NewLog(NewLogHooks& hooks);

private:
    void countRecord(const ContactRecord& record);
    Outcome fileError();
    // A name beside log.txt for a copy kept before the program changes it:
    // log.txt.<what>-yyyymmddhhnnss.
    std::string sideCopyName(const char* what);

    ContestLog& log_;
    OperatingState& state_;
    const MultiplierTable& table_;
    LogFile& file_;
    Dialogs& dialogs_;
    Clock& clock_;
    std::vector<LogListener*> listeners_;
    // Nothing is written until the log has been read once: writing over a log.txt
    // that memory does not hold would lose its contacts.
    bool opened_ = false;
    std::size_t backupReference_ = 0;
};

} // namespace qv
