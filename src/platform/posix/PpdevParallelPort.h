#pragma once

#include "voice/ParallelPort.h"
#include "voice/ParallelPortResolver.h"

#include <functional>
#include <mutex>

namespace qv {

// The system calls of the port; tests replace them to check the sequence of
// requests and to make one fail.
struct ParallelPortCalls {
    std::function<int(const char* path, int flags)> open;
    std::function<int(int fd, unsigned long request, void* argument)> ioctl;
    std::function<int(int fd)> close;

    static ParallelPortCalls real();
};

// A parallel port through Linux's ppdev driver (/dev/parport<n>): the port is
// claimed while open (PPCLAIM) and released before it closes (PPRELEASE), and
// registers are written with PPWDATA and PPWCONTROL, so no I/O permissions are
// needed beyond access to the device file.
class PpdevParallelPort : public ParallelPort {
public:
    explicit PpdevParallelPort(const ParallelPortResolver& devices,
                               ParallelPortCalls calls = ParallelPortCalls::real());
    ~PpdevParallelPort() override;
    PpdevParallelPort(const PpdevParallelPort&) = delete;
    PpdevParallelPort& operator=(const PpdevParallelPort&) = delete;

    Status open(std::uint32_t baseAddress) override;
    void close() override;
    bool isOpen() const override;
    Status write(ParallelRegister reg, std::uint8_t value) override;

private:
    void closeLocked();

    const ParallelPortResolver& devices_;
    ParallelPortCalls calls_;
    mutable std::mutex mutex_; // the keying thread writes while the window owns the port
    int fd_ = -1;
    std::string path_;
};

} // namespace qv
