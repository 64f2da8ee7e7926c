#pragma once

#include "voice/ParallelPort.h"

#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace qv::test {

// A parallel port that records every register write; writes may come from the
// keying thread.
class FakeParallelPort : public ParallelPort {
public:
    using Write = std::pair<ParallelRegister, std::uint8_t>;

    std::optional<std::string> refuseOpen;

    Status open(std::uint32_t baseAddress) override {
        const std::lock_guard lock(mutex_);
        if (refuseOpen) {
            base_.reset();
            return Status::failure(*refuseOpen);
        }
        base_ = baseAddress;
        return Status::success();
    }
    void close() override {
        const std::lock_guard lock(mutex_);
        base_.reset();
    }
    bool isOpen() const override {
        const std::lock_guard lock(mutex_);
        return base_.has_value();
    }
    Status write(ParallelRegister reg, std::uint8_t value) override {
        const std::lock_guard lock(mutex_);
        if (!base_) {
            return Status::failure("not open");
        }
        writes_.emplace_back(reg, value);
        return Status::success();
    }

    std::optional<std::uint32_t> base() const {
        const std::lock_guard lock(mutex_);
        return base_;
    }
    std::vector<Write> writes() const {
        const std::lock_guard lock(mutex_);
        return writes_;
    }

private:
    mutable std::mutex mutex_;
    std::optional<std::uint32_t> base_;
    std::vector<Write> writes_;
};

} // namespace qv::test
