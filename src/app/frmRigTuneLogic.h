#pragma once

// The tuning window frmRigTune (" Change Frequency and Mode (Ctrl G (Go))"): a
// frequency typed, stepped or taken from a band button goes to the radio; mode
// buttons set the radio's mode; a scan steps through a range every 299 ms. It
// keeps nothing between openings.

#include "app/TextBoxes.h"
#include "platform/Timer.h"
#include "rig/RigControl.h"

#include <array>
#include <functional>
#include <memory>
#include <string_view>

namespace qv {

// The three text boxes, then the buttons that take the focus.
enum class frmRigTuneControl { txtFreq, txtFrom, txtTo, Command1, cmdDone };

struct RigTuneStep {
    std::string_view caption;
    double change; // MHz
};
inline constexpr std::array<RigTuneStep, 10> kRigTuneSteps = {{{"10 Hz", 0.00001},
                                                               {"10 Hz", -0.00001},
                                                               {"1 MHz", 1},
                                                               {"1 MHz", -1},
                                                               {"5 KHz", 0.005},
                                                               {"5 KHz", -0.005},
                                                               {"1 KHz", 0.001},
                                                               {"1 KHz", -0.001},
                                                               {"100 Hz", 0.0001},
                                                               {"100 Hz", -0.0001}}};

struct RigTuneBand {
    std::string_view caption;
    std::string_view frequency; // MHz, as it goes into the box
};
inline constexpr std::array<RigTuneBand, 16> kRigTuneBands = {{{"160", "1.9"},
                                                               {"80", "3.75"},
                                                               {"60", "5.368"},
                                                               {"40", "7.15"},
                                                               {"30", "10.13"},
                                                               {"20", "14.175"},
                                                               {"17", "18.118"},
                                                               {"15", "21.225"},
                                                               {"12", "24.94"},
                                                               {"10", "28.5"},
                                                               {"6", "52"},
                                                               {"2", "146"},
                                                               {"1.25", "223.5"},
                                                               {"70", "435"},
                                                               {"33", "915"},
                                                               {"23", "1270"}}};

// The mode buttons: cmdUSB, cmdLSB, cmdCW, cmdAM, cmdFM, cmdRTTY.
inline constexpr std::array<std::string_view, 6> kRigTuneModes = {"USB", "LSB", "CW",
                                                                  "AM",  "FM",  "RTTY"};

struct RigTuneScanStep {
    std::string_view caption;
    double step; // MHz
};
// Option1 to Option5.
inline constexpr std::array<RigTuneScanStep, 5> kRigTuneScanSteps = {{{"500 Hz", 0.0005},
                                                                      {"100 Hz", 0.0001},
                                                                      {"30 Hz", 0.00003},
                                                                      {"10 Hz", 0.00001},
                                                                      {"2.5 KHz", 0.0025}}};

struct frmRigTuneState : TextBoxes<frmRigTuneControl, 3> {
    bool stepsEnabled = false; // the ten step buttons
    bool scan = false;         // chkScan
    int scanStep = -1;         // Option1..Option5 as 0..4; none selected at first
    frmRigTuneControl focus = frmRigTuneControl::txtFreq;
    bool hidden = false; // "&Done" ends the window
};

class frmRigTuneLogic {
public:
    using Control = frmRigTuneControl;
    using State = frmRigTuneState;

    frmRigTuneLogic(RigControl& rig, Timers& timers);

    const State& state() const { return s_; }
    State& state() { return s_; }
    // Told after a scan step changed the frequency shown.
    void setChangedHandler(std::function<void()> changed) { changed_ = std::move(changed); }

    void keyPressed(Control c, int key);
    void edited(Control c);
    void moveFocus(Control to) { s_.focus = to; }
    // A key pressed anywhere in the window (before the box sees it): it stops a scan.
    void windowKey();

    void Command1Click(); // "&Go"
    void cmdDoneClick() { s_.hidden = true; }
    void cmdTuneClick(int index);
    void cmdBandClick(int index);
    void modeClick(int index);
    void chkScanClick(bool checked);
    void scanStepClick(int index) { s_.scanStep = index; }
    // Timer1, every 299 ms while the window is open.
    void Timer1Tick();

private:
    void freqChanged();

    RigControl& rig_;
    State s_;
    std::function<void()> changed_;
    std::unique_ptr<Timer> timer1_;
};

} // namespace qv
