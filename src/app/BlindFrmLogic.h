#pragma once

// The voice navigation window BlindFrm ("Voice Navigation Settings"): off, the
// call field only, or all data fields. An option click lets the operator hear
// the choice at once; "Done" makes it the navigation mode and saves it with the
// preferences. The window is loaded on first use and hidden by "Done"; the close
// box unloads it, so the choice made since is forgotten.

#include "core/Preferences.h"
#include "platform/FileStore.h"
#include "voice/Navigator.h"

#include <functional>
#include <string>

namespace qv {

inline constexpr const char* kBlindFrmLabel7 =
    "Put the audio wave files in this program's working directory: ";

struct BlindFrmState {
    // Option1 "Off", Option2 "Call Only", Option3 "All Data Fields": 0, 1 or 2,
    // numbered as the navigation mode each stands for.
    int option = 0;
    std::string label7; // UTF-8: it ends with the working directory's path
    bool visible = false;
};

class BlindFrmLogic {
public:
    using State = BlindFrmState;

    struct Uses {
        Navigator& voice;
        Preferences& prefs; // navigationMode
        FileStore& files;   // the working directory, named in Label7
    };
    explicit BlindFrmLogic(Uses uses);

    const State& state() const { return s_; }
    // The main window saves its preferences (which carry the mode) on "Done".
    void setSavePreferences(std::function<void()> save) { savePrefs_ = std::move(save); }

    // "&Voice Navigation": loads the window if need be and shows it.
    void show();
    // A click on Option1 to Option3 (0, 1, 2).
    void optionClick(int option);
    void Command1Click(); // "Done"
    // The close box: the window unloads, the mode stays as it was.
    void closed();

private:
    void load();

    Uses u_;
    State s_;
    std::function<void()> savePrefs_;
    bool loaded_ = false;
};

} // namespace qv
