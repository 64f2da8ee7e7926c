#include "core/WorkingLog.h"

#include "base/Cp1252.h"

namespace qv {

const char* const WorkingLog::kFileErrorText =
    "Error opening file.  This error is annoying but probably correctable.  In all likelihood, "
    "a character such as a quote got into your data or one of your entries has an invalid "
    "date/time format.  Close this program and open log.txt in the program's working "
    "directory with a text editor such as notepad.  Inspect the data and fix any errors you "
    "see (remove any extra quotes and make sure your date and time entries are valid).";

WorkingLog::WorkingLog(ContestLog& log, OperatingState& state, const MultiplierTable& table,
                       LogFile& file, Dialogs& dialogs)
    : log_(log), state_(state), table_(table), file_(file), dialogs_(dialogs) {}

void WorkingLog::countRecord(const ContactRecord& record) {
    addPoints(state_, record.points);
    countSpc(state_, table_, record.spc);
}

bool WorkingLog::LoadLog() {
    LogFile::Loaded loaded = file_.load(ContestLog::kCapacity);
    if (loaded.outcome == LogFile::Loaded::Outcome::Missing) {
        // Never let a vanished file empty the log held in memory.
        if (!file_.rewrite(log_.records())) {
            dialogs_.messageBox(kFileErrorTitle, kFileErrorText, MessageButtons::Ok,
                                MessageIcon::Critical);
            return false;
        }
        loaded.records = log_.records();
        loaded.outcome = LogFile::Loaded::Outcome::Ok;
    }
    if (loaded.outcome != LogFile::Loaded::Outcome::Ok) {
        dialogs_.messageBox(kFileErrorTitle, kFileErrorText, MessageButtons::Ok,
                            MessageIcon::Critical);
        return false;
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
    if (loaded_) {
        loaded_();
    }
    return true;
}

WorkingLog::Appended WorkingLog::AppendRecord(ContactRecord record) {
    Appended result{Status::success(), {}};
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
    if (Status written = file_.append(record); !written) {
        result.status =
            Status::failure("Contact NOT logged: cannot write log.txt - " + written.message());
        return result;
    }
    addPoints(state_, record.points);
    result.effect = countSpc(state_, table_, record.spc);
    log_.append(std::move(record));
    return result;
}

WorkingLog::Rewritten WorkingLog::RewriteLog() {
    if (!opened_) {
        return {Status::failure("log.txt has not been opened"), LoadLog()};
    }
    Rewritten result{file_.rewrite(log_.records()), false};
    result.loaded = LoadLog();
    return result;
}

WorkingLog::Rewritten WorkingLog::RemoveRecord(std::size_t k) {
    log_.remove(k);
    return RewriteLog();
}

WorkingLog::Rewritten WorkingLog::ReplaceRecord(std::size_t k, ContactRecord record) {
    log_.replace(k, std::move(record));
    return RewriteLog();
}

bool WorkingLog::NewLog(NewLogHooks& hooks) {
    const std::string answer = dialogs_.inputBox(
        "WARNING - Your existing log file will be ERASED!",
        "Are you sure that you want to start a new log file?  This function will ERASE the "
        "existing log file!\r\n\r\nTo verify that you want to start a new log file, please "
        "type: YES");
    if (toUpper(answer) == "YES") {
        hooks.backupBeforeNewLog();
        state_.operatingSeconds = 0;
        state_.operatingSecondsNow = 0;
        if (Status erased = file_.erase(); erased) {
            log_.clear();
            backupReference_ = 0;
        } else {
            dialogs_.messageBox("Log Not Erased",
                                "The log file could not be emptied, so the existing log is kept: " +
                                    erased.message(),
                                MessageButtons::Ok, MessageIcon::Warning);
        }
        hooks.savePreferences();
    }
    hooks.showOperatingTime();
    return LoadLog();
}

} // namespace qv
