#pragma once

#include "voice/TextSpeaker.h"

#include <string>
#include <vector>

namespace qv::test {

// A voice that speaks until the test ends the speech.
class FakeTextSpeaker : public TextSpeaker {
public:
    std::vector<std::string> said;
    int stops = 0;
    bool isSpeaking = false;

    void say(const std::string& text) override {
        stop();
        said.push_back(text);
        isSpeaking = true;
    }
    void stop() override {
        if (isSpeaking) {
            ++stops;
            isSpeaking = false;
        }
    }
    bool speaking() const override { return isSpeaking; }

    void finish() { isSpeaking = false; }
};

} // namespace qv::test
