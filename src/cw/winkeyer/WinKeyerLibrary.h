#pragma once

// The keyer device's functions as the setup window and the sender call them:
// synchronous, byte arguments, harmless while the keyer is closed.

#include <cstdint>

namespace qv {

// The results of wk_open, with the numbers the setup window shows texts for.
enum class WinKeyerResult : int {
    Success = 0,
    NoEchoResponse = 1,
    EchoMismatch = 2,
    NoOpenResponse = 3,
    ComOpenFailed = 4,
    GetComStateFailed = 5,
    SetComStateFailed = 6,
    AlreadyOpen = 8,
    NotOpen = 9,
};

class WinKeyerLibrary {
public:
    virtual ~WinKeyerLibrary() = default;
    // Opens the keyer on a port; version gets its version on success and is left
    // alone otherwise.
    [[nodiscard]] virtual WinKeyerResult wk_open(std::uint8_t& version, std::uint8_t port) = 0;
    virtual void wk_close() = 0;
    virtual void wk_char(std::uint8_t code) = 0;
    // 0 idle, 1 sending, 5 or more: the next character must wait.
    virtual int wk_getstatus() = 0;
    virtual void wk_clearbuf() = 0;
    virtual void wk_backspace() = 0;
    virtual void wk_wpm(std::uint8_t wpm) = 0;
    virtual void wk_weight(std::uint8_t weight) = 0;
    virtual void wk_ptt_leadtail(std::uint8_t leadIn, std::uint8_t tail) = 0;
    virtual void wk_ditdah_ratio(std::uint8_t ratio) = 0;
    virtual void wk_pincfg(std::uint8_t config) = 0;
    virtual void wk_setmode(std::uint8_t mode) = 0;
};

} // namespace qv
