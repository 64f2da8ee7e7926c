#include "app/Program.h"

namespace qv {

bool Form1WindowsSlot::showStationWindow() {
    return windows_ && windows_->showStationWindow();
}

EditOutcome Form1WindowsSlot::editContact(std::size_t k) {
    return windows_ ? windows_->editContact(k) : EditOutcome{};
}

void Form1WindowsSlot::showSummarySheet() {
    if (windows_) {
        windows_->showSummarySheet();
    }
}

void Form1WindowsSlot::showText(const std::string& title, const std::string& text) {
    if (windows_) {
        windows_->showText(title, text);
    }
}

namespace {
template <typename T, typename S> T& either(T* given, S& standIn) {
    return given ? *given : standIn;
}
} // namespace

Program::Program(Platform p, Subsystems s, Devices d)
    : platform(p), voice(either(s.voice, noVoice_)), keyerCall(either(s.keyerCall, noKeyerCall_)),
      bandMap(s.bandMap ? *s.bandMap : static_cast<BandMapView&>(spotDisplay)),
      keyers{shortcuts, either(s.voiceKeyer, noVoiceKeyer_), either(s.cw, noCw_),
             either(s.winKeyer, noWinKeyer_)},
      logFile(p.files), working(log, op, multipliers, logFile, p.dialogs, p.clock),
      archive(working, p.files, p.dialogs, p.clock, profile),
      rigctldLink(either(d.rigctld, noRigctld_), either(d.wait, noWait_), p.clock),
      rig({either(d.rigLink, noRigLink_), p.timers, either(d.wait, noWait_), p.clock, p.dialogs,
           p.beeper, either(d.pegasus, noPegasus_), &rigctldLink, d.rigctldDaemon}),
      rigWindow({rig, p.files, p.shipped, prefs, p.dialogs, p.clipboard, d.ports, &p.settings,
                 d.rigctldDaemon}),
      spotList(prefixes), spotDisplay({spots, spotList, ui, op, profile, prefs, p.clock, rig}),
      form1({ui,          working, op,        profile,  prefs,     prefixes, multipliers,
             archive,     p.clock, p.timers,  p.beeper, p.dialogs, p.files,  p.shipped,
             p.clipboard, voice,   keyerCall, bandMap,  keyers,    windows,  rigWindow}),
      superCheck({ui, working, op, p.settings, form1.entry(), form1.dupes()}),
      spotReceiver({spots, spotList, ui, profile, p.clock, p.beeper}),
      engine(either(d.engineLink, noEngineLink_), p.settings, p.timers),
      spotWindow({either(d.spotLink, noSpotLink_), either(d.telnet, noTelnet_), engine, p.timers,
                  p.clock, p.files, p.dialogs, p.beeper, profile, log, spotReceiver}) {
    shortcuts.attach(s.shortcuts);
    spotReceiver.setChangedHandler([this] { spotDisplay.spotsChanged(); });
}

} // namespace qv
