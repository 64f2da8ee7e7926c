#pragma once

#include "cw/CwKeyer.h"

#include <string>

namespace qv::test {

// A CW keyer whose send loop takes the whole buffer at once and records it; the
// test says whether the engine is still keying.
class CwKeyerStub : public NoCwKeyer {
public:
    std::string buffer;
    std::string sent;
    bool keying = false;
    int speed = 22;
    int loops = 0;

    bool sending() const override { return keying; }
    bool bufferEmpty() const override { return buffer.empty(); }
    void clearBuffer() override { buffer.clear(); }
    void appendToBuffer(char ch) override { buffer.push_back(ch); }
    void removeLastFromBuffer() override {
        if (!buffer.empty()) {
            buffer.pop_back();
        }
    }
    void LoopThroughCWBuffer() override {
        ++loops;
        sent += buffer;
        buffer.clear();
    }
    int UpDown1_UpClick() override { return ++speed; }
    int UpDown1_DownClick() override { return --speed; }
    int speedWpm() const override { return speed; }
};

} // namespace qv::test
