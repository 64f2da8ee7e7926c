#include "reports/LogArchive.h"

#include "core/LogFileFormat.h"

#include <cstdio>

namespace qv {

std::string backupFileName(const DateTime& t) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d%02d%02d%02d%02d.log", t.year(), t.month(), t.day(),
                  t.hour(), t.minute());
    return buf;
}

std::string archiveDefaultName(const std::string& ownCall, const DateTime& t) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", t.year(), t.month(), t.day());
    return ownCall + buf + ".log";
}

Status LogArchive::copyToBackup(const std::string& bytes) {
    std::string folder = files_.findEntryIgnoringCase(kBackupFolder).value_or("");
    if (folder.empty()) {
        folder = kBackupFolder;
        if (Status made = files_.makeDirectory(folder); !made) {
            return made;
        }
    }
    const std::string name = backupFileName(clock_.localNow());
    const std::string stem = folder + "/" + name.substr(0, name.size() - 4);
    std::string target = folder + "/" + name;
    for (int n = 2;; ++n) {
        const FileContents earlier = files_.read(target);
        if (earlier.error == FileContents::Error::NotFound ||
            bytes.compare(0, earlier.bytes.size(), earlier.bytes) == 0) {
            break;
        }
        target = stem + "-" + std::to_string(n) + ".log";
    }
    return files_.replace(target, bytes);
}

bool LogArchive::Backup() {
    const std::size_t count = working_.log().size();
    if (count == 0 || count == working_.backupReference()) {
        return false;
    }
    const FileContents log = files_.read(LogFile::kName);
    if (log.error != FileContents::Error::None) {
        return false;
    }
    return copyToBackup(log.bytes).ok();
}

Status LogArchive::BackupOnDisk() {
    const FileContents log = files_.read(LogFile::kName);
    if (log.error == FileContents::Error::NotFound ||
        (log.error == FileContents::Error::None && log.bytes.empty())) {
        return Status::success();
    }
    if (log.error != FileContents::Error::None) {
        return Status::failure(std::string(LogFile::kName) + ": " + log.reason);
    }
    return copyToBackup(log.bytes);
}

void LogArchive::Archive() {
    dialogs_.messageBox("Archive Information",
                        "This function is used to create a permanent copy of your currently open "
                        "log file.  To open your log file at a later date, click File > Restore "
                        "from Archive or Backup.",
                        MessageButtons::Ok, MessageIcon::Information);
    const std::string target = dialogs_.saveFileName(
        "Archive Current Log", files_.directory(),
        archiveDefaultName(profile_.ownCall, clock_.localNow()), kLogFilesFilter);
    if (target.empty()) {
        return;
    }
    const FileContents log = files_.read(LogFile::kName);
    Status copied = log.error == FileContents::Error::None
                        ? files_.replace(target, log.bytes)
                        : Status::failure(std::string(LogFile::kName) + ": " + log.reason);
    if (!copied) {
        dialogs_.messageBox("Error Archiving Log", copied.message(), MessageButtons::Ok,
                            MessageIcon::Critical);
    }
}

Outcome LogArchive::Restore() {
    if (!working_.opened()) {
        // Start-up stopped before log.txt was read: what it holds is unknown to the
        // program and must not be written over.
        dialogs_.messageBox("Error Restoring Log",
                            "log.txt has not been read since the program started (the start-up "
                            "stopped early), so it is not replaced.  Close the program, correct "
                            "the start-up error and start it again before restoring a log.",
                            MessageButtons::Ok, MessageIcon::Warning);
        return Outcome::Continue;
    }
    dialogs_.messageBox(
        "Opening Archived Data Information",
        "This action will open an archived log or backup file and creates a working file called "
        "log.txt.  If you make any changes to your archived data that you would like to "
        "permanently save, before you click File > New to start a new contest, be sure to click "
        "File > Archive to save your changes.",
        MessageButtons::Ok, MessageIcon::Information);
    if (!working_.log().empty() &&
        dialogs_.messageBox("Are your sure?",
                            "Are you sure that you want to open an archived log?  This action "
                            "will clear and replace existing QSO data.",
                            MessageButtons::YesNo, MessageIcon::Question) != MessageAnswer::Yes) {
        return Outcome::Continue;
    }
    const std::string source = dialogs_.openFileName("Restore from Archive or Backup",
                                                     files_.directory(), kLogFilesFilter);
    if (source.empty()) {
        return Outcome::Continue;
    }
    const FileContents archived = files_.read(source);
    if (archived.error != FileContents::Error::None) {
        dialogs_.messageBox("Error Restoring Log",
                            archived.reason.empty() ? "File not found" : archived.reason,
                            MessageButtons::Ok, MessageIcon::Critical);
        return Outcome::Continue;
    }
    // A file that does not read as a log (the Cabrillo entry is a ".log" file too)
    // is refused before it touches log.txt, and the contest goes on.
    const ParsedLog parsed = parseLog(archived.bytes, ContestLog::kCapacity);
    if (!parsed.ok) {
        dialogs_.messageBox("Error Restoring Log",
                            source + " is not a log of this program: line " +
                                std::to_string(parsed.errorLine) + " does not read as a contact (" +
                                parsed.problem + ").  The current log is kept.",
                            MessageButtons::Ok, MessageIcon::Warning);
        return Outcome::Continue;
    }
    // The log on disk is copied into BACKUP first, then the archive replaces it
    // whole or not at all; the archive is only read.
    Status copied = BackupOnDisk();
    if (copied) {
        copied = files_.replace(LogFile::kName, archived.bytes);
    }
    if (!copied) {
        dialogs_.messageBox("Error Restoring Log", copied.message(), MessageButtons::Ok,
                            MessageIcon::Critical);
        return Outcome::Continue;
    }
    return working_.LoadLog();
}

} // namespace qv
