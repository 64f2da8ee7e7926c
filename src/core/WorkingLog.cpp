#include "core/WorkingLog.h"

#include "base/Cp1252.h"

#include <algorithm>
#include <cstdio>

namespace qv {

const char* const WorkingLog::kFileErrorText =
    "Error opening file.  This error is annoying but probably correctable.  In all likelihood, "
    "a character such as a quote got into your data or one of your entries has an invalid "
    "date/time format.  Close this program and open log.txt in the program's working "
    "directory with a text editor such as notepad.  Inspect the data and fix any errors you "
    "see (remove any extra quotes and make sure your date and time entries are valid).";

namespace {

// The start of an unfinished line as the operator is shown it.
std::string shownTail(const std::string& tail) {
    constexpr std::size_t kShown = 200;
    return tail.size() <= kShown ? tail : tail.substr(0, kShown) + "...";
}

} // namespace

WorkingLog::WorkingLog(ContestLog& log, OperatingState& state, const MultiplierTable& table,
                       LogFile& file, Dialogs& dialogs, Clock& clock)
    : log_(log), state_(state), table_(table), file_(file), dialogs_(dialogs), clock_(clock) {}

void WorkingLog::unsubscribe(LogListener& listener) {
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), &listener),
                     listeners_.end());
}

void WorkingLog::countRecord(const ContactRecord& record) {
    addPoints(state_, record.points);
    countSpc(state_, table_, record.spc);
}

std::string WorkingLog::sideCopyName(const char* what) {
    const DateTime t = clock_.localNow();
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04d%02d%02d%02d%02d%02d", t.year(), t.month(), t.day(),
                  t.hour(), t.minute(), t.second());
    return std::string(LogFile::kName) + "." + what + "-" + stamp;
}

Outcome WorkingLog::fileError() {
    dialogs_.messageBox(kFileErrorTitle, kFileErrorText, MessageButtons::Ok, MessageIcon::Critical);
    return Outcome::EndProgram;
}

Outcome WorkingLog::LoadLog() {
    LogFile::Loaded loaded = file_.load(ContestLog::kCapacity);
    using Found = LogFile::Loaded::Outcome;
    if (loaded.outcome == Found::Missing) {
        // Never let a vanished file empty the log held in memory.
        if (!file_.rewrite(log_.records())) {
            return fileError();
        }
        loaded.records = log_.records();
        loaded.outcome = Found::Ok;
    }
    if (loaded.outcome == Found::Torn) {
        // The program was ended while it appended a line, so that contact was never
        // confirmed: the half line goes, the file as it was is kept beside the log.
        const std::string copy = sideCopyName("torn");
        if (!file_.cutTornTail(loaded, copy)) {
            return fileError();
        }
        dialogs_.messageBox(
            "Unfinished Line Removed",
            "The last line of log.txt was never finished: the program was ended while it was "
            "writing that contact, so the contact was not logged.  The unfinished line was "
            "removed from log.txt:\r\n\r\n" +
                shownTail(loaded.tail) + "\r\n\r\nThe whole file as it was is kept as " + copy +
                " in the working directory.  Log that contact again if it is missing.",
            MessageButtons::Ok, MessageIcon::Warning);
        loaded.outcome = Found::Ok;
    }
    if (loaded.outcome != Found::Ok) {
        return fileError();
    }
    resetTotals(state_);
    log_.assign(std::move(loaded.records));
    if (!opened_) {
        backupReference_ = log_.size();
    }
    opened_ = true;
    for (const auto& record : log_.records()) {
        countRecord(record);
    }
    for (LogListener* listener : listeners_) {
        listener->logLoaded();
    }
    return Outcome::Continue;
}

WorkingLog::Appended WorkingLog::AppendRecord(ContactRecord record) {
    Appended result{Status::success(), {}, {}};
    if (!opened_) {
        result.status =
            Status::failure("Contact NOT logged: log.txt has not been opened. Close the "
                            "program, correct the start-up error and start it again.");
        return result;
    }
    if (log_.full()) {
        result.status = Status::failure("Log full: " + std::to_string(ContestLog::kCapacity) +
                                        " contacts is the most one log holds. Contact NOT logged.");
        return result;
    }
    if (file_.changedOutside()) {
        // Deleted, moved or replaced under the program: appending to whatever stands
        // there now would lose every earlier contact at the next reload.
        const std::string copy = sideCopyName("replaced");
        bool kept = false;
        if (Status back = file_.writeBack(log_.records(), copy, kept); !back) {
            result.status = Status::failure("Contact NOT logged: log.txt was removed or changed "
                                            "by another program and cannot be written again - " +
                                            back.message());
            return result;
        }
        result.note = "log.txt was removed or changed outside the program: written again from "
                      "memory" +
                      (kept ? "; the other file is kept as " + copy : std::string()) + ".";
    }
    const AppendResult written = file_.append(record);
    switch (written.left) {
    case AppendResult::Left::Whole:
        if (!written.problem.empty()) {
            result.note =
                "The contact was logged, but log.txt reported an error: " + written.problem +
                ". Check the disk.";
        }
        addPoints(state_, record.points);
        result.effect = countSpc(state_, table_, record.spc);
        log_.append(std::move(record));
        for (LogListener* listener : listeners_) {
            listener->contactAppended(log_.size());
        }
        break;
    case AppendResult::Left::Nothing:
        result.status =
            Status::failure("Contact NOT logged: cannot write log.txt - " + written.problem);
        break;
    case AppendResult::Left::Unknown:
        // Part of the line may be in the file: the log in memory goes back over it,
        // or, failing that, before the next contact (the file no longer matches).
        result.status = Status::failure(
            "Contact NOT logged: cannot write log.txt - " + written.problem +
            (file_.rewrite(log_.records())
                 ? std::string()
                 : std::string(". log.txt will be written again from memory before the next "
                               "contact")));
        break;
    }
    return result;
}

WorkingLog::Rewritten WorkingLog::RewriteLog() {
    if (!opened_) {
        return {Status::failure("log.txt has not been opened"), LoadLog()};
    }
    // What another program put in place of log.txt is kept beside it, not lost.
    bool kept = false;
    Status written = file_.changedOutside()
                         ? file_.writeBack(log_.records(), sideCopyName("replaced"), kept)
                         : file_.rewrite(log_.records());
    if (written) {
        for (LogListener* listener : listeners_) {
            listener->logRewritten();
        }
    }
    return {std::move(written), LoadLog()};
}

WorkingLog::Rewritten WorkingLog::RemoveRecord(std::size_t k) {
    log_.remove(k);
    return RewriteLog();
}

WorkingLog::Rewritten WorkingLog::ReplaceRecord(std::size_t k, ContactRecord record) {
    log_.replace(k, std::move(record));
    return RewriteLog();
}

Outcome WorkingLog::NewLog(NewLogHooks& hooks) {
    const std::string answer = dialogs_.inputBox(
        "WARNING - Your existing log file will be ERASED!",
        "Are you sure that you want to start a new log file?  This function will ERASE the "
        "existing log file!\r\n\r\nTo verify that you want to start a new log file, please "
        "type: YES");
    if (toUpper(answer) == "YES") {
        if (Status backedUp = hooks.backupBeforeNewLog(); !backedUp) {
            dialogs_.messageBox("Log Not Erased",
                                "The existing log could not be copied to the BACKUP folder, so "
                                "it is kept: " +
                                    backedUp.message(),
                                MessageButtons::Ok, MessageIcon::Warning);
        } else if (Status erased = file_.erase(); !erased) {
            dialogs_.messageBox("Log Not Erased",
                                "The log file could not be emptied, so the existing log is kept: " +
                                    erased.message(),
                                MessageButtons::Ok, MessageIcon::Warning);
        } else {
            state_.operatingSeconds = 0;
            state_.operatingSecondsNow = 0;
            log_.clear();
            backupReference_ = 0;
            hooks.savePreferences();
        }
    }
    hooks.showOperatingTime();
    return LoadLog();
}

} // namespace qv
