#pragma once

#include "cw/winkeyer/WinKeyerLibrary.h"

#include <string>
#include <vector>

namespace qv::test {

// A keyer device that records every call as a line ("wpm 18", "char 65") and
// answers the open and the status as the test sets them.
class FakeWinKeyerLibrary : public WinKeyerLibrary {
public:
    WinKeyerResult openResult = WinKeyerResult::Success;
    std::uint8_t openVersion = 31; // filled in on Success
    int statusValue = 0;
    std::vector<std::string> calls;
    int openedPort = -1;

    WinKeyerResult wk_open(std::uint8_t& version, std::uint8_t port) override {
        calls.push_back("open " + std::to_string(port));
        openedPort = port;
        if (openResult == WinKeyerResult::Success) {
            version = openVersion;
        }
        return openResult;
    }
    void wk_close() override { calls.push_back("close"); }
    void wk_char(std::uint8_t code) override { calls.push_back("char " + std::to_string(code)); }
    int wk_getstatus() override { return statusValue; }
    void wk_clearbuf() override { calls.push_back("clearbuf"); }
    void wk_backspace() override { calls.push_back("backspace"); }
    void wk_wpm(std::uint8_t v) override { calls.push_back("wpm " + std::to_string(v)); }
    void wk_weight(std::uint8_t v) override { calls.push_back("weight " + std::to_string(v)); }
    void wk_ptt_leadtail(std::uint8_t lead, std::uint8_t tail) override {
        calls.push_back("leadtail " + std::to_string(lead) + " " + std::to_string(tail));
    }
    void wk_ditdah_ratio(std::uint8_t v) override { calls.push_back("ratio " + std::to_string(v)); }
    void wk_pincfg(std::uint8_t v) override { calls.push_back("pincfg " + std::to_string(v)); }
    void wk_setmode(std::uint8_t v) override { calls.push_back("mode " + std::to_string(v)); }
};

} // namespace qv::test
