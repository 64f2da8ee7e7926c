#include "platform/posix/PpdevParallelPort.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <linux/ppdev.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace qv {
namespace {

std::string reason(int err) {
    return std::strerror(err);
}

std::string hexAddress(std::uint32_t address) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", address);
    return text;
}

} // namespace

ParallelPortCalls ParallelPortCalls::real() {
    return {[](const char* path, int flags) { return ::open(path, flags); },
            [](int fd, unsigned long request, void* argument) {
                return ::ioctl(fd, request, argument);
            },
            ::close};
}

PpdevParallelPort::PpdevParallelPort(const ParallelPortResolver& devices, ParallelPortCalls calls)
    : devices_(devices), calls_(std::move(calls)) {}

PpdevParallelPort::~PpdevParallelPort() {
    close();
}

Status PpdevParallelPort::open(std::uint32_t baseAddress) {
    const std::lock_guard lock(mutex_);
    closeLocked();
    const auto path = devices_.devicePath(baseAddress);
    if (!path) {
        return Status::failure("No parallel port is known at address " + hexAddress(baseAddress) +
                               ".");
    }
    const int fd = calls_.open(path->c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        return Status::failure("The parallel port " + *path + " cannot be opened (" +
                               reason(errno) + ").");
    }
    if (calls_.ioctl(fd, PPCLAIM, nullptr) != 0) {
        const int err = errno;
        calls_.close(fd);
        return Status::failure("The parallel port " + *path + " cannot be claimed (" + reason(err) +
                               ").");
    }
    fd_ = fd;
    path_ = *path;
    return Status::success();
}

void PpdevParallelPort::close() {
    const std::lock_guard lock(mutex_);
    closeLocked();
}

void PpdevParallelPort::closeLocked() {
    if (fd_ < 0) {
        return;
    }
    calls_.ioctl(fd_, PPRELEASE, nullptr);
    calls_.close(fd_);
    fd_ = -1;
    path_.clear();
}

bool PpdevParallelPort::isOpen() const {
    const std::lock_guard lock(mutex_);
    return fd_ >= 0;
}

Status PpdevParallelPort::write(ParallelRegister reg, std::uint8_t value) {
    const std::lock_guard lock(mutex_);
    if (fd_ < 0) {
        return Status::failure("The parallel port is not open.");
    }
    unsigned char byte = value;
    const unsigned long request = reg == ParallelRegister::Data ? PPWDATA : PPWCONTROL;
    if (calls_.ioctl(fd_, request, &byte) != 0) {
        return Status::failure("The parallel port " + path_ + " cannot be written (" +
                               reason(errno) + ").");
    }
    return Status::success();
}

} // namespace qv
