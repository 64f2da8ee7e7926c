#include "spots/AgwFrame.h"

#include <algorithm>

namespace qv {

namespace {

constexpr std::size_t kPortOffset = 0;
constexpr std::size_t kKindOffset = 4;
constexpr std::size_t kPidOffset = 6;
constexpr std::size_t kCallFromOffset = 8;
constexpr std::size_t kCallToOffset = 18;
constexpr std::size_t kCallField = 10;
constexpr std::size_t kDataLengthOffset = 28;

void putCall(std::string& header, std::size_t offset, std::string_view call) {
    call = call.substr(0, std::min(call.size(), kAgwCallLength));
    std::copy(call.begin(), call.end(), header.begin() + static_cast<std::ptrdiff_t>(offset));
}

// The call up to its first NUL; an engine may leave any bytes after it.
std::string getCall(std::string_view header, std::size_t offset) {
    const std::string_view field = header.substr(offset, kCallField);
    return std::string(field.substr(0, std::min(field.find('\0'), field.size())));
}

std::uint32_t getLength(std::string_view header) {
    std::uint32_t value = 0;
    for (std::size_t i = 4; i-- > 0;) {
        value = (value << 8) | static_cast<unsigned char>(header[kDataLengthOffset + i]);
    }
    return value;
}

} // namespace

std::string encodeAgwFrame(const AgwFrame& frame) {
    std::string bytes(kAgwHeaderSize, '\0');
    bytes[kPortOffset] = static_cast<char>(frame.port);
    bytes[kKindOffset] = frame.kind;
    bytes[kPidOffset] = static_cast<char>(frame.pid);
    putCall(bytes, kCallFromOffset, frame.callFrom);
    putCall(bytes, kCallToOffset, frame.callTo);
    const auto length = static_cast<std::uint32_t>(frame.data.size());
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[kDataLengthOffset + i] = static_cast<char>((length >> (8 * i)) & 0xFF);
    }
    bytes += frame.data;
    return bytes;
}

Status AgwFrameDecoder::feed(std::string_view bytes, const FrameHandler& onFrame) {
    if (broken_) {
        return Status::failure("the engine's stream is broken");
    }
    while (!bytes.empty()) {
        const bool headerIn = partial_.size() >= kAgwHeaderSize;
        const std::size_t wanted = headerIn ? kAgwHeaderSize + dataLength_ - partial_.size()
                                            : kAgwHeaderSize - partial_.size();
        const std::size_t taken = std::min(wanted, bytes.size());
        partial_.append(bytes.substr(0, taken));
        bytes.remove_prefix(taken);
        if (partial_.size() < kAgwHeaderSize) {
            break;
        }
        if (!headerIn) {
            dataLength_ = getLength(partial_);
            if (dataLength_ > kAgwMaxDataLength) {
                broken_ = true;
                partial_.clear();
                return Status::failure("the engine sent a frame of " + std::to_string(dataLength_) +
                                       " data bytes");
            }
        }
        if (partial_.size() == kAgwHeaderSize + dataLength_) {
            AgwFrame frame;
            frame.port = static_cast<std::uint8_t>(partial_[kPortOffset]);
            frame.kind = partial_[kKindOffset];
            frame.pid = static_cast<std::uint8_t>(partial_[kPidOffset]);
            frame.callFrom = getCall(partial_, kCallFromOffset);
            frame.callTo = getCall(partial_, kCallToOffset);
            frame.data = partial_.substr(kAgwHeaderSize);
            partial_.clear();
            dataLength_ = 0;
            onFrame(std::move(frame));
        }
    }
    return Status::success();
}

void AgwFrameDecoder::reset() {
    partial_.clear();
    dataLength_ = 0;
    broken_ = false;
}

} // namespace qv
