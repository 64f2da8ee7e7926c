#pragma once

// The program's data files, opened by bare name in the working directory recorded
// at start-up (whatever the process's current directory is by then). A name may
// also be a path below that directory ("BACKUP/x.log") or an absolute path (a
// file the operator chose in a file dialog).

#include "base/Status.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qv {

struct [[nodiscard]] FileContents {
    enum class Error { None, NotFound, Unreadable };
    std::string bytes;
    Error error = Error::None;
    std::string reason; // what the system said, for an Unreadable file
};

// Which file a name stands for right now, and how long it is: a file deleted,
// moved away or replaced by another shows a different identity.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    bool operator==(const FileIdentity&) const = default;
};

// What an append left in the file, checked after the fact: the system may report
// a failure for bytes that did reach the disk (a failed close after a sync), and
// a partial write may prove impossible to undo.
struct [[nodiscard]] AppendResult {
    enum class Left {
        Whole,   // every byte is in the file (problem says if the system complained)
        Nothing, // the file has its old length again
        Unknown, // neither could be made so: the file holds part of the bytes
    };
    Left left = Left::Whole;
    std::string problem; // empty for a clean append

    bool clean() const { return left == Left::Whole && problem.empty(); }
};

class FileStore {
public:
    virtual ~FileStore() = default;

    virtual FileContents read(std::string_view name) = 0;
    virtual bool exists(std::string_view name) = 0;
    virtual std::optional<FileIdentity> identify(std::string_view name) = 0;

    // Appends all the bytes and makes them durable. After a failure the bytes are
    // taken back out when possible; the result says what the file holds. A file
    // whose permissions allow no writing is refused.
    virtual AppendResult append(std::string_view name, std::string_view bytes) = 0;

    // Replaces the file's whole contents: a crash or failure at any moment leaves
    // either the old file or the new one, never a mixture. The new file keeps the
    // old one's permissions; a file whose permissions allow no writing is refused.
    virtual Status replace(std::string_view name, std::string_view bytes) = 0;

    // Creates a folder; success when it exists afterwards.
    virtual Status makeDirectory(std::string_view name) = 0;
    // The name of the directory's entry that equals name ignoring case, if any.
    virtual std::optional<std::string> findEntryIgnoringCase(std::string_view name) = 0;

    // The working directory's path, for messages and as the start of file dialogs.
    virtual std::string directory() const = 0;
};

} // namespace qv
