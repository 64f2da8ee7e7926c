#include "fakes/MemoryFileStore.h"

#include <cctype>

namespace qv::test {

FileContents MemoryFileStore::read(std::string_view name) {
    FileContents c;
    if (unreadable) {
        c.error = FileContents::Error::Unreadable;
        c.reason = "Permission denied";
        return c;
    }
    const auto it = files.find(name);
    if (it == files.end()) {
        c.error = FileContents::Error::NotFound;
        return c;
    }
    c.bytes = it->second;
    return c;
}

std::optional<FileIdentity> MemoryFileStore::identify(std::string_view name) {
    const auto it = files.find(name);
    if (it == files.end()) {
        return std::nullopt;
    }
    auto& inode = inodes_[std::string(name)];
    if (inode == 0) {
        inode = nextInode_++;
    }
    return FileIdentity{1, inode, it->second.size()};
}

AppendResult MemoryFileStore::append(std::string_view name, std::string_view bytes) {
    if (failNextAppend) {
        const AppendResult::Left left = *failNextAppend;
        failNextAppend.reset();
        if (left == AppendResult::Left::Whole) {
            files[std::string(name)] += bytes;
        } else if (left == AppendResult::Left::Unknown) {
            files[std::string(name)] += bytes.substr(0, bytes.size() / 2);
        }
        return {left, "Input/output error"};
    }
    if (readOnly.count(name) != 0) {
        return {AppendResult::Left::Nothing, std::string(name) + " is read-only"};
    }
    if (failWrites) {
        return {AppendResult::Left::Nothing, "No space left on device"};
    }
    ++writes;
    files[std::string(name)] += bytes;
    return {};
}

Status MemoryFileStore::replace(std::string_view name, std::string_view bytes) {
    if (readOnly.count(name) != 0) {
        return Status::failure(std::string(name) + " is read-only");
    }
    if (failWrites) {
        return Status::failure("No space left on device");
    }
    ++writes;
    files[std::string(name)] = std::string(bytes);
    inodes_[std::string(name)] = nextInode_++;
    return Status::success();
}

void MemoryFileStore::replaceBehindTheProgram(const std::string& name, std::string bytes) {
    files[name] = std::move(bytes);
    inodes_[name] = nextInode_++;
}

Status MemoryFileStore::makeDirectory(std::string_view name) {
    if (failWrites) {
        return Status::failure("Permission denied");
    }
    folders.insert(std::string(name));
    return Status::success();
}

std::optional<std::string> MemoryFileStore::findEntryIgnoringCase(std::string_view name) {
    auto same = [&](const std::string& entry) {
        if (entry.size() != name.size()) {
            return false;
        }
        for (std::size_t i = 0; i < entry.size(); ++i) {
            if (std::tolower(static_cast<unsigned char>(entry[i])) !=
                std::tolower(static_cast<unsigned char>(name[i]))) {
                return false;
            }
        }
        return true;
    };
    for (const auto& f : folders) {
        if (same(f)) {
            return f;
        }
    }
    for (const auto& [file, bytes] : files) {
        if (same(file)) {
            return file;
        }
    }
    return std::nullopt;
}

} // namespace qv::test
