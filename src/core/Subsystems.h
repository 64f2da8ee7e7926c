#pragma once

// What the main window asks of the subsystems around the log. Each subsystem
// implements its interface; until it exists, the stand-in here does nothing.

#include <string>

namespace qv {

// Spoken field names and warnings for operators who cannot see the screen.
class VoiceNavigation {
public:
    virtual ~VoiceNavigation() = default;
    // Plays the word; when navigation is on, returns once it has been spoken.
    virtual void BlindKeyPhone(const std::string& word) = 0;
};

// The CW keyer's copy of the call being typed, for messages that send it.
class KeyerCallText {
public:
    virtual ~KeyerCallText() = default;
    virtual void setCurrentCall(const std::string& call) = 0;
};

// The band map beside the entry line.
class BandMapView {
public:
    virtual ~BandMapView() = default;
    virtual bool shown() const = 0;
    virtual void rebuildForBand(const std::string& band) = 0;
};

class NoVoiceNavigation : public VoiceNavigation {
public:
    void BlindKeyPhone(const std::string&) override {}
};

class NoKeyerCallText : public KeyerCallText {
public:
    void setCurrentCall(const std::string&) override {}
};

class NoBandMap : public BandMapView {
public:
    bool shown() const override { return false; }
    void rebuildForBand(const std::string&) override {}
};

} // namespace qv
