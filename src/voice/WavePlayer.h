#pragma once

// Plays the operator's recorded messages (wave files) on the sound card. The
// voice keyer holds push-to-talk while a file plays and drops it at the end.

#include <functional>
#include <string>

namespace qv {

enum class PlaybackOutcome {
    Played,  // the file played to its end
    Stopped, // stop() or another play() ended it
    Failed,  // it could not be played (missing or unreadable file, no sound device)
};

struct PlaybackEnd {
    PlaybackOutcome outcome = PlaybackOutcome::Played;
    std::string message; // why, for Failed
};

class WavePlayer {
public:
    using FinishedHandler = std::function<void(const PlaybackEnd&)>;

    virtual ~WavePlayer() = default;

    // Starts playing a file (a UTF-8 path), ending any file still playing. Every
    // play() ends in exactly one finished event, failures included.
    virtual void play(const std::string& path) = 0;
    virtual void stop() = 0;
    // True from play() until the end is known; the finished event follows.
    virtual bool playing() const = 0;

    // Finished events arrive from the event loop of the player's thread, never
    // from inside play() or stop().
    virtual void setFinishedHandler(FinishedHandler handler) = 0;
};

} // namespace qv
