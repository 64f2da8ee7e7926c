#pragma once

#include "platform/FileStore.h"

#include <string>

namespace qv {

// Data files in one directory, on POSIX file calls so that appends can be synced
// to the disk and replacements made atomic with a rename.
class PosixFileStore : public FileStore {
public:
    // syncToDisk false skips fsync (benchmarks of the path without the disk wait).
    explicit PosixFileStore(std::string directory, bool syncToDisk = true);

    FileContents read(std::string_view name) override;
    bool exists(std::string_view name) override;
    Status append(std::string_view name, std::string_view bytes) override;
    Status replace(std::string_view name, std::string_view bytes) override;
    Status makeDirectory(std::string_view name) override;
    std::optional<std::string> findEntryIgnoringCase(std::string_view name) override;
    std::string directory() const override { return directory_; }

    // The current directory of the process, recorded at start-up as the working
    // directory.
    static std::string currentDirectory();

private:
    std::string pathOf(std::string_view name) const;

    std::string directory_;
    bool sync_;
};

} // namespace qv
