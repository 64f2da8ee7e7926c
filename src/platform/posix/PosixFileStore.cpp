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

class FileDescriptor {
public:
    FileDescriptor(int fd, const FileSystemCalls& calls) : fd_(fd), calls_(calls) {}
    ~FileDescriptor() {
        if (fd_ >= 0) {
            calls_.close(fd_);
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
        return calls_.close(fd) == 0;
    }

private:
    int fd_;
    const FileSystemCalls& calls_;
};

// A file the operator made read-only (chmod a-w) stays protected, also from a
// program running as root, which the permission check alone would let through.
bool writable(const std::string& path, const struct stat& st) {
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0 && ::access(path.c_str(), W_OK) == 0;
}

std::optional<off_t> lengthOf(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        return std::nullopt;
    }
    return st.st_size;
}

void syncDirectory(const std::string& dir) {
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

FileSystemCalls FileSystemCalls::real() {
    return {::write, ::fsync, ::ftruncate, ::close};
}

PosixFileStore::PosixFileStore(std::string directory, bool syncToDisk, FileSystemCalls calls)
    : directory_(std::move(directory)), sync_(syncToDisk), calls_(std::move(calls)) {}

// Writes every byte, retrying short writes and interruptions.
bool PosixFileStore::writeAll(int fd, std::string_view bytes) const {
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = calls_.write(fd, p, left);
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
    FileDescriptor fd(::open(pathOf(name).c_str(), O_RDONLY | O_CLOEXEC), calls_);
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

std::optional<FileIdentity> PosixFileStore::identify(std::string_view name) {
    struct stat st {};
    if (::stat(pathOf(name).c_str(), &st) != 0) {
        return std::nullopt;
    }
    return FileIdentity{static_cast<std::uint64_t>(st.st_dev),
                        static_cast<std::uint64_t>(st.st_ino),
                        static_cast<std::uint64_t>(st.st_size)};
}

AppendResult PosixFileStore::append(std::string_view name, std::string_view bytes) {
    using Left = AppendResult::Left;
    const std::string path = pathOf(name);
    if (struct stat st{}; ::stat(path.c_str(), &st) == 0 && !writable(path, st)) {
        return {Left::Nothing, std::string(name) + " is read-only"};
    }
    FileDescriptor fd(::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644),
                      calls_);
    if (!fd.valid()) {
        return {Left::Nothing, describe("cannot open " + std::string(name), errno)};
    }
    const std::optional<off_t> before = lengthOf(fd.get());
    if (!before) {
        return {Left::Nothing, describe("cannot examine " + std::string(name), errno)};
    }
    const off_t whole = *before + static_cast<off_t>(bytes.size());
    // What the file holds now, judged by its length.
    auto judge = [&](std::optional<off_t> length, std::string problem) {
        if (length == *before) {
            return AppendResult{Left::Nothing, std::move(problem)};
        }
        if (length == whole) {
            return AppendResult{Left::Whole, std::move(problem)};
        }
        return AppendResult{Left::Unknown, std::move(problem)};
    };

    // Takes the bytes back out so the file keeps whole records only; the length
    // it has afterwards is what counts.
    auto undo = [&](int handle) {
        if (calls_.truncate(handle, *before) == 0 && sync_) {
            calls_.sync(handle);
        }
        return lengthOf(handle);
    };

    if (writeAll(fd.get(), bytes) && (!sync_ || calls_.sync(fd.get()) == 0)) {
        if (fd.close()) {
            return {};
        }
        // The bytes were synced before close complained, so they are in the file.
        const std::string problem = describe("closing " + std::string(name) + " failed", errno);
        FileDescriptor again(::open(path.c_str(), O_WRONLY | O_CLOEXEC), calls_);
        struct stat st {};
        const std::optional<off_t> length = again.valid() ? undo(again.get())
                                            : ::stat(path.c_str(), &st) == 0
                                                ? std::optional<off_t>(st.st_size)
                                                : std::nullopt;
        return judge(length, problem);
    }
    const std::string problem = describe("cannot write " + std::string(name), errno);
    return judge(undo(fd.get()), problem);
}

Status PosixFileStore::replace(std::string_view name, std::string_view bytes) {
    const std::string path = pathOf(name);
    struct stat old {};
    const bool hasOld = ::stat(path.c_str(), &old) == 0;
    if (hasOld && !writable(path, old)) {
        return Status::failure(std::string(name) + " is read-only");
    }
    const std::string temp = path + ".tmp";
    {
        FileDescriptor fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644),
                          calls_);
        if (!fd.valid()) {
            return Status::failure(describe("cannot create " + temp, errno));
        }
        // The new file keeps the old one's permissions.
        const bool keptMode = !hasOld || ::fchmod(fd.get(), old.st_mode & 07777) == 0;
        if (!keptMode || !writeAll(fd.get(), bytes) || (sync_ && calls_.sync(fd.get()) != 0) ||
            !fd.close()) {
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
