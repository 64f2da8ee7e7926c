#pragma once

#include <string>

namespace qv {

// The CW keyer's copy of the call being typed, for messages that send it.
class KeyerCallText {
public:
    virtual ~KeyerCallText() = default;
    virtual void setCurrentCall(const std::string& call) = 0;
};

// Until the CW messages are built: keeps nothing.
class NoKeyerCallText : public KeyerCallText {
public:
    void setCurrentCall(const std::string&) override {}
};

} // namespace qv
