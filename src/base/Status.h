#pragma once

#include <string>
#include <utility>

namespace qv {

// The outcome of an operation that can fail: success, or a message for the operator.
// A failure nobody looked at is a bug, so the compiler insists on a look.
class [[nodiscard]] Status {
public:
    static Status success() { return Status(); }
    static Status failure(std::string message) { return Status(std::move(message)); }

    bool ok() const { return ok_; }
    explicit operator bool() const { return ok_; }
    const std::string& message() const { return message_; }

private:
    Status() = default;
    explicit Status(std::string message) : ok_(false), message_(std::move(message)) {}

    bool ok_ = true;
    std::string message_;
};

} // namespace qv
