#pragma once

// Voice navigation's spoken words. A word is the wave file <word>.wav: the
// operator's own recording in the working directory when there is one, else the
// recording shipped with the program (voice/<word>.wav beside it or in its share
// folder), else silence.

#include "core/Preferences.h"
#include "platform/EventWait.h"
#include "platform/FileStore.h"
#include "voice/VoiceNavigation.h"
#include "voice/WavePlayer.h"

#include <cstdint>
#include <string>
#include <vector>

namespace qv {

class Navigator : public VoiceNavigation {
public:
    // The longest a wait for a word lasts: a player that never reports the end
    // must not hold the window for good.
    static constexpr std::uint32_t kLongestWaitMs = 10000;
    // How often a wait looks whether the word is still playing.
    static constexpr std::uint32_t kWaitStepMs = 20;

    struct Uses {
        WavePlayer& player; // used by navigation alone
        EventWait& wait;
        FileStore& working;
        std::vector<FileStore*> shipped; // in order: beside the program, the share folder
    };
    explicit Navigator(Uses uses);

    // The preferences whose navigation mode decides on the wait after "Dupe":
    // the main window's, which exist only once the program does. Until then
    // navigation counts as off.
    void follow(const Preferences& prefs) { prefs_ = &prefs; }

    // Cuts off the word still playing and starts this one. Returns at once, except
    // for "Dupe" with navigation on, which returns once the word has been spoken.
    void BlindKeyPhone(const std::string& word) override;

    // Returns once the word started last has ended, at once when none plays; the
    // window's events run meanwhile. A word started by one of those events ends
    // the wait too: the next step then follows a word it would have cut off anyway.
    void waitForWord();

    // The path of the file a word is played from; empty when there is none.
    std::string wordFile(const std::string& word);

private:
    Uses u_;
    const Preferences* prefs_ = nullptr;
    std::uint64_t started_ = 0; // words started so far
};

} // namespace qv
