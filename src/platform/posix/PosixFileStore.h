#pragma once

#include "platform/FileStore.h"

#include <functional>
#include <string>
#include <sys/types.h>

namespace qv {

// The system calls whose failures the store must survive; tests replace them to
// make a write, sync, truncate or close fail on purpose.
struct FileSystemCalls {
    std::function<ssize_t(int, const void*, size_t)> write;
    std::function<int(int)> sync; // fsync or fdatasync
    std::function<int(int, off_t)> truncate;
    std::function<int(int)> close;

    static FileSystemCalls real();
};

// Data files in one directory, on POSIX file calls so that appends can be synced
// to the disk and replacements made atomic with a rename.
class PosixFileStore : public FileStore {
public:
    // syncToDisk false skips fsync (benchmarks of the path without the disk wait).
    explicit PosixFileStore(std::string directory, bool syncToDisk = true,
                            FileSystemCalls calls = FileSystemCalls::real());

    FileContents read(std::string_view name) override;
    bool exists(std::string_view name) override;
    std::optional<FileIdentity> identify(std::string_view name) override;
    AppendResult append(std::string_view name, std::string_view bytes) override;
    Status replace(std::string_view name, std::string_view bytes) override;
    Status makeDirectory(std::string_view name) override;
    std::optional<std::string> findEntryIgnoringCase(std::string_view name) override;
    std::string directory() const override { return directory_; }

    // The current directory of the process, recorded at start-up as the working
    // directory.
    static std::string currentDirectory();

private:
    std::string pathOf(std::string_view name) const;
    bool writeAll(int fd, std::string_view bytes) const;

    std::string directory_;
    bool sync_;
    FileSystemCalls calls_;
};

} // namespace qv
