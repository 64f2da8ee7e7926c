#pragma once

// The frames of the packet engine's TCP interface (the AGWPE TCP/IP API): a
// 36-byte header followed by the data. Pure: frames in, bytes out, and bytes in,
// whole frames out.
//
// Header, all numbers little-endian:
//   0  port (1 byte, 3 reserved)      4  kind (1 byte, 1 reserved)
//   6  PID (1 byte, 1 reserved)       8  call from (10 bytes, NUL-padded)
//   18 call to (10 bytes, NUL-padded) 28 data length (4 bytes)
//   32 user (4 bytes, reserved)

#include "base/Status.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace qv {

struct AgwFrame {
    std::uint8_t port = 0; // 0 is the engine's first radio port
    char kind = 0;
    std::uint8_t pid = 0;
    std::string callFrom;
    std::string callTo;
    std::string data;

    bool operator==(const AgwFrame&) const = default;
};

inline constexpr std::size_t kAgwHeaderSize = 36;
// A call field holds at most this many characters before its NUL.
inline constexpr std::size_t kAgwCallLength = 9;
// The largest data length accepted from an engine. Engines send a few hundred
// bytes at most; anything past this is a broken or hostile stream.
inline constexpr std::uint32_t kAgwMaxDataLength = 64 * 1024;

// The frame as bytes. Calls longer than nine characters are cut; the data
// length is the data's size.
std::string encodeAgwFrame(const AgwFrame& frame);

// Takes the bytes of a stream as they arrive, cut anywhere, and hands out each
// whole frame. It never holds more than one header and kAgwMaxDataLength bytes.
class AgwFrameDecoder {
public:
    using FrameHandler = std::function<void(AgwFrame&& frame)>;

    // Hands every frame the bytes complete to onFrame, in order. A data length
    // above kAgwMaxDataLength breaks the stream: the frames before it are still
    // handed out, the rest is refused, and so is everything fed after, until
    // reset().
    [[nodiscard]] Status feed(std::string_view bytes, const FrameHandler& onFrame);
    // Forgets a partial frame and a broken stream, for a new connection.
    void reset();

    bool broken() const { return broken_; }
    // Bytes held for the frame not yet complete.
    std::size_t pending() const { return partial_.size(); }

private:
    std::string partial_;
    std::uint32_t dataLength_ = 0; // of the frame in partial_, once its header is in
    bool broken_ = false;
};

} // namespace qv
