#pragma once

#include <string>

namespace qv {

// Spoken field names and warnings for operators who cannot see the screen.
class VoiceNavigation {
public:
    virtual ~VoiceNavigation() = default;
    // Plays the word; when navigation is on, returns once it has been spoken.
    virtual void BlindKeyPhone(const std::string& word) = 0;
};

// Until voice navigation is built: silent.
class NoVoiceNavigation : public VoiceNavigation {
public:
    void BlindKeyPhone(const std::string&) override {}
};

} // namespace qv
