#include "voice/Navigator.h"

namespace qv {

Navigator::Navigator(Uses uses) : u_(std::move(uses)) {}

void Navigator::BlindKeyPhone(const std::string& word) {
    if (u_.player.playing()) {
        u_.player.stop();
    }
    ++started_;
    const std::string path = wordFile(word);
    if (path.empty()) {
        return; // no recording: silence, and navigation goes on
    }
    u_.player.play(path);
    if (word == "Dupe" && prefs_ && prefs_->navigationMode != 0) {
        waitForWord();
    }
}

void Navigator::waitForWord() {
    const std::uint64_t word = started_;
    for (std::uint32_t waited = 0;
         u_.player.playing() && started_ == word && waited < kLongestWaitMs;
         waited += kWaitStepMs) {
        u_.wait.sleep(kWaitStepMs);
    }
}

std::string Navigator::wordFile(const std::string& word) {
    const std::string name = word + ".wav";
    // An operator's recording copied from another computer may be spelt CALL.WAV.
    if (u_.working.exists(name)) {
        return u_.working.directory() + "/" + name;
    }
    if (const auto own = u_.working.findEntryIgnoringCase(name)) {
        return u_.working.directory() + "/" + *own;
    }
    const std::string shipped = "voice/" + name;
    for (FileStore* store : u_.shipped) {
        if (store->exists(shipped)) {
            return store->directory() + "/" + shipped;
        }
    }
    return {};
}

} // namespace qv
