#include "fakes/MemoryFileStore.h"

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

} // namespace qv::test
