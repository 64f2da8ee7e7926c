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

Status MemoryFileStore::append(std::string_view name, std::string_view bytes) {
    if (failWrites) {
        return Status::failure("No space left on device");
    }
    ++writes;
    files[std::string(name)] += bytes;
    return Status::success();
}

Status MemoryFileStore::replace(std::string_view name, std::string_view bytes) {
    if (failWrites) {
        return Status::failure("No space left on device");
    }
    ++writes;
    files[std::string(name)] = std::string(bytes);
    return Status::success();
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
