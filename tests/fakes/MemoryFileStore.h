#pragma once

#include "platform/FileStore.h"

#include <map>
#include <set>
#include <string>

namespace qv::test {

// Files in memory, with failures to order.
class MemoryFileStore : public FileStore {
public:
    std::map<std::string, std::string, std::less<>> files;
    std::set<std::string, std::less<>> folders;
    bool failWrites = false; // append and replace fail, leaving files as they are
    bool unreadable = false; // every read fails
    int writes = 0;

    FileContents read(std::string_view name) override;
    bool exists(std::string_view name) override { return files.count(std::string(name)) != 0; }
    Status append(std::string_view name, std::string_view bytes) override;
    Status replace(std::string_view name, std::string_view bytes) override;
    Status makeDirectory(std::string_view name) override;
    std::optional<std::string> findEntryIgnoringCase(std::string_view name) override;
    std::string directory() const override { return "/memory"; }
};

} // namespace qv::test
