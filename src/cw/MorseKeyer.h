#pragma once

// The Morse engine: Transmit turns one character into its elements and hands
// them to the keying thread, which keys the chosen line; CWSetup opens the
// keying serial link and CalibrateLoop measures the counting loop. It reads
// the CW setup window's fields as they stand at each character.

#include "cw/CwPortRule.h"
#include "cw/KeyingSelection.h"
#include "cw/KeyingThread.h"
#include "cw/SelectedKeyingLine.h"
#include "cw/TimingMethod.h"
#include "platform/Beeper.h"
#include "platform/Dialogs.h"
#include "rig/serial/SerialLink.h"
#include "voice/ParallelPort.h"

#include <cstdint>
#include <string>

namespace qv {

inline constexpr const char* kInvalidCwPortTitle = "Invalid port.";
inline constexpr const char* kInvalidCwPortText =
    "The port you have selected for CW keying is invalid.  Please select another or enter 0 for "
    "none.";
inline constexpr const char* kInvalidCwSpeedTitle = "Invalid speed.";
inline constexpr const char* kInvalidCwSpeedText =
    "The CW speed must be above 0 WPM.  Please enter a faster speed in the CW setup window.";

// The fields of the CW setup window the engine reads.
struct MorseSettings {
    KeyingSelection selection = KeyingSelection::None;
    std::string port = "0";             // Text10
    std::string wpm = "13";             // Text11
    std::string wordSpace = "0";        // txtSpace
    std::string parallelBase = "&H378"; // Text14
    TimingMethod method = TimingMethod::Timer;
    double loopsPer60ms = 0; // txtLoop
};

// What the engine reaches outside itself: the main window for "!", and the CW
// setup window for a port that failed.
class MorseKeyerHost {
public:
    virtual ~MorseKeyerHost() = default;
    virtual const MorseSettings& morseSettings() const = 0;
    virtual std::string callText() const = 0; // the main window's txtCall
    virtual void Mains() = 0;                 // logs the contact
    virtual bool setupVisible() const = 0;
    virtual void showSetupModally() = 0;
};

class MorseKeyer {
public:
    struct Uses {
        ElementSender& keying;
        SelectedKeyingLine& line;
        SerialLink& link;       // the keying serial port
        ParallelPort& parallel; // shared with the voice keyer
        KeyingTimebase& timebase;
        CwPortRule* portRule = nullptr;
        Dialogs& dialogs;
        Beeper& beeper;
    };
    enum class Sent {
        Nothing, // the character keyed nothing (or ended at an error): go on at once
        Keying,  // the keying thread has it: wait for its completion
        Refused, // the speed or the port cannot send: stop sending
    };

    MorseKeyer(Uses uses, MorseKeyerHost& host) : u_(uses), host_(host) {}

    Sent Transmit(char ch);
    // (Re)opens the keying serial link on the port of Text10; reports a port that
    // does not open. True when the link is open.
    bool CWSetup();
    // The passes of the counting loop that take 60 ms, counted from `current`
    // (0 for a fresh calibration).
    double CalibrateLoop(double current);
    // Stops keying and closes the serial link (the window or the program closing).
    void closeLink();
    // Follows the keying option, putting the old line up.
    void select(KeyingSelection selection);

private:
    bool openParallel(const MorseSettings& s);

    Uses u_;
    MorseKeyerHost& host_;
    std::uint32_t parallelBase_ = 0;
};

// The word-space adjustment as whole units: positive steps are counted whole,
// a shortening keeps the nearest whole number of the 8 units.
int wordSpaceUnits(double value);

} // namespace qv
