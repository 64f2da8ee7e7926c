#include "platform/posix/PosixFileStore.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qv {
namespace {

std::string describe(const std::string& what, int err) {
    return what + " (" + std::strerror(err) + ")";
}

// Writes every byte, retrying short writes and interruptions.
bool writeAll(int fd, std::string_view bytes) {
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Closing can report a deferred write error, so it is checked.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

void syncDirectory(const std::string& dir) {
    FileDescriptor fd(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.valid()) {
        ::fsync(fd.get());
    }
}

} // namespace

PosixFileStore::PosixFileStore(std::string directory, bool syncToDisk)
    : directory_(std::move(directory)), sync_(syncToDisk) {}

std::string PosixFileStore::currentDirectory() {
    char buffer[PATH_MAX];
    if (::getcwd(buffer, sizeof buffer) == nullptr) {
        return ".";
    }
    return buffer;
}

std::string PosixFileStore::pathOf(std::string_view name) const {
    if (!name.empty() && name.front() == '/') {
        return std::string(name);
    }
    return directory_ + "/" + std::string(name);
}

Status PosixFileStore::makeDirectory(std::string_view name) {
    const std::string path = pathOf(name);
    if (::mkdir(path.c_str(), 0755) != 0 && errno != EEXIST) {
        return Status::failure(describe("cannot create " + std::string(name), errno));
    }
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        return Status::failure(std::string(name) + " is not a folder");
    }
    return Status::success();
}

std::optional<std::string> PosixFileStore::findEntryIgnoringCase(std::string_view name) {
    DIR* dir = ::opendir(directory_.c_str());
    if (!dir) {
        return std::nullopt;
    }
    std::optional<std::string> found;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view entryName = entry->d_name;
        if (entryName.size() == name.size() &&
            std::equal(entryName.begin(), entryName.end(), name.begin(), [](char a, char b) {
                return std::tolower(static_cast<unsigned char>(a)) ==
                       std::tolower(static_cast<unsigned char>(b));
            })) {
            found = std::string(entryName);
            break;
        }
    }
    ::closedir(dir);
    return found;
}

FileContents PosixFileStore::read(std::string_view name) {
    FileContents result;
    FileDescriptor fd(::open(pathOf(name).c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.valid()) {
        result.error =
            errno == ENOENT ? FileContents::Error::NotFound : FileContents::Error::Unreadable;
        result.reason = std::strerror(errno);
        return result;
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) == 0 && S_ISDIR(st.st_mode)) {
        result.error = FileContents::Error::Unreadable;
        result.reason = std::strerror(EISDIR);
        return result;
    }
    if (st.st_size > 0) {
        result.bytes.reserve(static_cast<std::size_t>(st.st_size));
    }
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n == 0) {
            break;
        }
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            result.error = FileContents::Error::Unreadable;
            result.reason = std::strerror(errno);
            result.bytes.clear();
            return result;
        }
        result.bytes.append(buffer, static_cast<std::size_t>(n));
    }
    return result;
}

bool PosixFileStore::exists(std::string_view name) {
    struct stat st {};
    return ::stat(pathOf(name).c_str(), &st) == 0;
}

Status PosixFileStore::append(std::string_view name, std::string_view bytes) {
    const std::string path = pathOf(name);
    FileDescriptor fd(::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644));
    if (!fd.valid()) {
        return Status::failure(describe("cannot open " + std::string(name), errno));
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) {
        return Status::failure(describe("cannot examine " + std::string(name), errno));
    }
    const off_t before = st.st_size;
    if (!writeAll(fd.get(), bytes) || (sync_ && ::fdatasync(fd.get()) != 0)) {
        const int err = errno;
        // Undo a partial line so the file keeps whole records only.
        if (::ftruncate(fd.get(), before) == 0 && sync_) {
            ::fdatasync(fd.get());
        }
        return Status::failure(describe("cannot write " + std::string(name), err));
    }
    if (!fd.close()) {
        return Status::failure(describe("cannot write " + std::string(name), errno));
    }
    return Status::success();
}

Status PosixFileStore::replace(std::string_view name, std::string_view bytes) {
    const std::string path = pathOf(name);
    const std::string temp = path + ".tmp";
    {
        FileDescriptor fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
        if (!fd.valid()) {
            return Status::failure(describe("cannot create " + temp, errno));
        }
        if (!writeAll(fd.get(), bytes) || (sync_ && ::fsync(fd.get()) != 0) || !fd.close()) {
            const int err = errno;
            ::unlink(temp.c_str());
            return Status::failure(describe("cannot write " + std::string(name), err));
        }
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        return Status::failure(describe("cannot replace " + std::string(name), err));
    }
    if (sync_) {
        syncDirectory(directory_);
    }
    return Status::success();
}

} // namespace qv
