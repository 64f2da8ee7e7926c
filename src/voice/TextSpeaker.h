#pragma once

// Speaks a message with the computer's voice, for a function key that has a
// text and no recording. The voice keyer holds push-to-talk while it speaks.

#include <string>

namespace qv {

class TextSpeaker {
public:
    virtual ~TextSpeaker() = default;
    // Starts speaking a Windows-1252 text, ending anything still being spoken.
    virtual void say(const std::string& text) = 0;
    virtual void stop() = 0;
    // True from say() until the speech has ended, been stopped or failed.
    virtual bool speaking() const = 0;
};

} // namespace qv
