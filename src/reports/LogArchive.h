#pragma once

// Copies of the working log: the automatic backup in the "BACKUP" folder, an
// archive under a name the operator chooses, and a restore of either over
// log.txt.

#include "core/StationProfile.h"
#include "core/WorkingLog.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/FileStore.h"

#include <string>

namespace qv {

inline constexpr const char* kBackupFolder = "BACKUP";
inline constexpr const char* kLogFilesFilter = "Log Files (*.log) | *.log";

// "yyyymmddhhnn.log" for the local time of the backup.
std::string backupFileName(const DateTime& local);
// The own call, the local date "yyyy-mm-dd" and ".log": W1AW2026-12-08.log.
std::string archiveDefaultName(const std::string& ownCall, const DateTime& local);

class LogArchive {
public:
    LogArchive(WorkingLog& working, FileStore& files, Dialogs& dialogs, Clock& clock,
               const StationProfile& profile)
        : working_(working), files_(files), dialogs_(dialogs), clock_(clock), profile_(profile) {}

    // The backup copy on closing, when the log holds contacts and their number
    // changed since it was read; failures are silent. True when a copy was made.
    bool Backup();
    // The copy of log.txt as it stands on disk, whatever the log in memory holds:
    // before a new log empties it and before a restore replaces it. An empty file
    // needs no copy.
    Status BackupOnDisk();
    // "Archive Current &Log".
    void Archive();
    // "&Restore from Archive or Backup". A chosen file that does not read as a log
    // is refused with a message naming the first line that does not read.
    Outcome Restore();

private:
    // Writes bytes into the BACKUP folder under the name of this minute. A backup
    // made earlier in the same minute is replaced when the new copy holds all of
    // it; otherwise (a new log was started in between) it is kept and the new copy
    // gets a numbered name beside it.
    Status copyToBackup(const std::string& bytes);

    WorkingLog& working_;
    FileStore& files_;
    Dialogs& dialogs_;
    Clock& clock_;
    const StationProfile& profile_;
};

} // namespace qv
