#pragma once

#include "platform/FileStore.h"

#include <map>
#include <optional>
#include <set>
#include <string>

namespace qv::test {

// Files in memory, with failures to order.
class MemoryFileStore : public FileStore {
public:
    std::map<std::string, std::string, std::less<>> files;
    std::set<std::string, std::less<>> folders;
    std::set<std::string, std::less<>> readOnly; // refused like a chmod a-w file
    bool failWrites = false; // append and replace fail, leaving files as they are
    bool unreadable = false; // every read fails
    int writes = 0;
    // The next append reports this failure: Whole keeps the bytes (a close that
    // failed after the sync), Unknown keeps the first half of them, Nothing none.
    std::optional<AppendResult::Left> failNextAppend;

    FileContents read(std::string_view name) override;
    bool exists(std::string_view name) override { return files.count(std::string(name)) != 0; }
    std::optional<FileIdentity> identify(std::string_view name) override;
    AppendResult append(std::string_view name, std::string_view bytes) override;
    Status replace(std::string_view name, std::string_view bytes) override;
    Status makeDirectory(std::string_view name) override;
    std::optional<std::string> findEntryIgnoringCase(std::string_view name) override;
    std::string directory() const override { return "/memory"; }

    // Another program put a new file in place of this one (same or other bytes).
    void replaceBehindTheProgram(const std::string& name, std::string bytes);

private:
    std::map<std::string, std::uint64_t, std::less<>> inodes_;
    std::uint64_t nextInode_ = 1;
};

} // namespace qv::test
