#pragma once

// The program's data files, opened by bare name in the working directory recorded
// at start-up (whatever the process's current directory is by then). A name may
// also be a path below that directory ("BACKUP/x.log") or an absolute path (a
// file the operator chose in a file dialog).

#include "base/Status.h"

#include <optional>
#include <string>
#include <string_view>

namespace qv {

struct FileContents {
    enum class Error { None, NotFound, Unreadable };
    std::string bytes;
    Error error = Error::None;
    std::string reason; // what the system said, for an Unreadable file
};

class FileStore {
public:
    virtual ~FileStore() = default;

    virtual FileContents read(std::string_view name) = 0;
    virtual bool exists(std::string_view name) = 0;

    // Appends all the bytes and makes them durable before returning success. On
    // failure the file is as it was before the call (a partial write is undone).
    virtual Status append(std::string_view name, std::string_view bytes) = 0;

    // Replaces the file's whole contents: a crash or failure at any moment leaves
    // either the old file or the new one, never a mixture.
    virtual Status replace(std::string_view name, std::string_view bytes) = 0;

    // Creates a folder; success when it exists afterwards.
    virtual Status makeDirectory(std::string_view name) = 0;
    // The name of the directory's entry that equals name ignoring case, if any.
    virtual std::optional<std::string> findEntryIgnoringCase(std::string_view name) = 0;

    // The working directory's path, for messages and as the start of file dialogs.
    virtual std::string directory() const = 0;
};

} // namespace qv
