#include "cw/winkeyer/WinKeyerCodec.h"

namespace qv::winkeyer {
namespace {

std::string bytes(std::initializer_list<std::uint8_t> values) {
    std::string out;
    for (std::uint8_t v : values) {
        out.push_back(static_cast<char>(v));
    }
    return out;
}

constexpr std::uint8_t kTopBits = 0xC0;
constexpr std::uint8_t kStatusTag = 0xC0;
constexpr std::uint8_t kSpeedPotTag = 0x80;

} // namespace

std::string hostOpen() {
    return bytes({kAdmin, kAdminHostOpen});
}
std::string hostClose() {
    return bytes({kAdmin, kAdminHostClose});
}
std::string echoTest(std::uint8_t probe) {
    return bytes({kAdmin, kAdminEcho, probe});
}
std::string resync() {
    return bytes({kNull, kNull, kNull});
}
std::string speed(std::uint8_t wpm) {
    return bytes({kSpeed, wpm});
}
std::string weight(std::uint8_t w) {
    return bytes({kWeight, w});
}
std::string pttLeadTail(std::uint8_t leadIn, std::uint8_t tail) {
    return bytes({kPttLeadTail, leadIn, tail});
}
std::string ditDahRatio(std::uint8_t ratio) {
    return bytes({kRatio, ratio});
}
std::string pinConfig(std::uint8_t config) {
    return bytes({kPinConfig, config});
}
std::string mode(std::uint8_t m) {
    return bytes({kMode, m});
}
std::string clearBuffer() {
    return bytes({kClearBuffer});
}
std::string backspace() {
    return bytes({kBackspace});
}

std::optional<std::string> character(std::uint8_t code) {
    if (code < 0x20 || code >= 0x80) {
        return std::nullopt;
    }
    return bytes({code});
}

Reply decodeByte(std::uint8_t byte) {
    switch (byte & kTopBits) {
    case kStatusTag:
        return {Reply::Kind::Status, static_cast<std::uint8_t>(byte & 0x1F)};
    case kSpeedPotTag:
        return {Reply::Kind::SpeedPot, static_cast<std::uint8_t>(byte & 0x3F)};
    default:
        return {Reply::Kind::Data, byte};
    }
}

std::vector<Reply> decode(std::string_view in) {
    std::vector<Reply> out;
    out.reserve(in.size());
    for (char c : in) {
        out.push_back(decodeByte(static_cast<std::uint8_t>(c)));
    }
    return out;
}

StatusFlags statusFlags(std::uint8_t flags) {
    return {(flags & 0x01) != 0, (flags & 0x02) != 0, (flags & 0x04) != 0, (flags & 0x08) != 0,
            (flags & 0x10) != 0};
}

int statusValue(std::uint8_t flags) {
    const StatusFlags f = statusFlags(flags);
    if (f.xoff) {
        return kStatusBufferFull;
    }
    if (f.busy || f.breakin || f.keyDown || f.wait) {
        return kStatusBusy;
    }
    return kStatusIdle;
}

} // namespace qv::winkeyer
