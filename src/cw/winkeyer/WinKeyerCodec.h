#pragma once

// The WinKeyer's host-mode serial protocol as bytes: the commands the program
// sends, and what the keyer sends back. The keyer talks at 1200 baud, 8 data
// bits, no parity, 2 stop bits. Each byte from the keyer stands alone: its two
// top bits tell a status byte (11), a speed-pot reading (10) from a plain byte
// (0x): the reply to an echo test or to the host open (the version), or a
// character echoed back.

#include "rig/serial/SerialSettings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv::winkeyer {

inline constexpr SerialSettings kLineSettings{1200, Parity::None, 8, 2};

// Command bytes. Admin commands are 0x00 followed by a sub-command.
inline constexpr std::uint8_t kAdmin = 0x00;
inline constexpr std::uint8_t kAdminHostOpen = 0x02;  // answered with the version byte
inline constexpr std::uint8_t kAdminHostClose = 0x03; // back to stand-alone operation
inline constexpr std::uint8_t kAdminEcho = 0x04;      // answered with the byte that follows
inline constexpr std::uint8_t kSpeed = 0x02;          // words per minute
inline constexpr std::uint8_t kWeight = 0x03;         // 50 is standard
inline constexpr std::uint8_t kPttLeadTail = 0x04;    // lead-in, tail, in 10 ms units
inline constexpr std::uint8_t kBackspace = 0x08;      // drops the last character queued
inline constexpr std::uint8_t kPinConfig = 0x09;      // output pins, side tone, PTT
inline constexpr std::uint8_t kClearBuffer = 0x0A;    // drops everything queued, stops keying
inline constexpr std::uint8_t kMode = 0x0E;           // the mode register (paddle mode ...)
inline constexpr std::uint8_t kNull = 0x13;           // does nothing: resynchronises the parser
inline constexpr std::uint8_t kRatio = 0x17;          // dit/dah ratio, 50 is 1:3

// The byte sent in an echo test before the host open.
inline constexpr std::uint8_t kEchoProbe = 0x55;

std::string hostOpen();
std::string hostClose();
std::string echoTest(std::uint8_t probe);
// Nulls that finish whatever half command the keyer may still be waiting on.
std::string resync();
std::string speed(std::uint8_t wpm);
std::string weight(std::uint8_t weight);
std::string pttLeadTail(std::uint8_t leadIn, std::uint8_t tail);
std::string ditDahRatio(std::uint8_t ratio);
std::string pinConfig(std::uint8_t config);
std::string mode(std::uint8_t mode);
std::string clearBuffer();
std::string backspace();
// A character to queue for sending. Codes below 0x20 are command bytes to the
// keyer and codes from 0x80 mean nothing to it: those give nothing to send.
std::optional<std::string> character(std::uint8_t code);

// The flags of a status byte (0xC0 | flags).
struct StatusFlags {
    bool xoff = false;    // the keyer's buffer is more than two thirds full
    bool breakin = false; // the operator is keying with the paddle
    bool busy = false;    // the keyer is sending
    bool keyDown = false; // the key is held down (tune)
    bool wait = false;    // the keyer waits for an internal event to finish
    bool operator==(const StatusFlags&) const = default;
};

struct Reply {
    enum class Kind { Status, SpeedPot, Data };
    Kind kind = Kind::Data;
    std::uint8_t value = 0; // the flags of a status byte, the pot's 6 bits, or the byte
    bool operator==(const Reply&) const = default;
};

Reply decodeByte(std::uint8_t byte);
std::vector<Reply> decode(std::string_view bytes);
StatusFlags statusFlags(std::uint8_t flags);

// What the keyer's status byte says as one number, the way the sender and the
// main window's keys read it: 0 idle, 1 sending (or keyed by the paddle or held
// down), 5 when the buffer is full and the next character must wait.
inline constexpr int kStatusIdle = 0;
inline constexpr int kStatusBusy = 1;
inline constexpr int kStatusBufferFull = 5;
int statusValue(std::uint8_t flags);

} // namespace qv::winkeyer
