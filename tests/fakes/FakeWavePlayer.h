#pragma once

#include "voice/WavePlayer.h"

#include <string>
#include <vector>

namespace qv::test {

// A player that plays until the test finishes the file.
class FakeWavePlayer : public WavePlayer {
public:
    std::vector<std::string> played;
    int stops = 0;
    bool isPlaying = false;
    FinishedHandler handler;

    void play(const std::string& path) override {
        stop();
        played.push_back(path);
        isPlaying = true;
    }
    void stop() override {
        if (isPlaying) {
            ++stops;
            finish(PlaybackOutcome::Stopped);
        }
    }
    bool playing() const override { return isPlaying; }
    void setFinishedHandler(FinishedHandler h) override { handler = std::move(h); }

    void finish(PlaybackOutcome outcome = PlaybackOutcome::Played, std::string message = {}) {
        isPlaying = false;
        if (handler) {
            handler({outcome, std::move(message)});
        }
    }
};

} // namespace qv::test
