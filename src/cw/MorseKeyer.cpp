#include "cw/MorseKeyer.h"

#include "base/Numbers.h"
#include "cw/MorseTable.h"

#include <cmath>
#include <vector>

namespace qv {
namespace {

constexpr double kCalibrationPasses = 5000000;

bool serial(KeyingSelection s) {
    return s == KeyingSelection::SerialRts || s == KeyingSelection::SerialDtr;
}

} // namespace

int wordSpaceUnits(double value) {
    if (!(value == value)) {
        return 0;
    }
    if (value > 0) {
        return value > 1000 ? 1000 : static_cast<int>(std::floor(value));
    }
    const double keep = 8 + value;
    return keep <= 0 ? kWordSpaceMinimum : static_cast<int>(roundHalfEven(keep)) - 8;
}

MorseKeyer::Sent MorseKeyer::Transmit(char ch) {
    const MorseSettings& s = host_.morseSettings();
    if (s.selection == KeyingSelection::None) {
        return Sent::Nothing;
    }
    select(s.selection);
    if (serial(s.selection) && !u_.link.isOpen() && !CWSetup()) {
        // The port failed and the operator was told: the rest is not sent, so
        // that the message does not come back for every character.
        return Sent::Refused;
    }
    if (ch == '!') {
        if (!host_.callText().empty()) {
            host_.Mains();
        }
        return Sent::Nothing;
    }
    const std::string digits = elementString(ch, wordSpaceUnits(leadingNumber(s.wordSpace)));
    if (digits.empty() || s.selection == KeyingSelection::WinKeyer) {
        return Sent::Nothing;
    }
    const double wpm = leadingNumber(s.wpm);
    if (!(wpm > 0) || !std::isfinite(wpm)) {
        // The unit would be endless: nothing is keyed, and the operator is told.
        u_.beeper.beep();
        u_.dialogs.messageBox(kInvalidCwSpeedTitle, kInvalidCwSpeedText, MessageButtons::Ok,
                              MessageIcon::Information);
        return Sent::Refused;
    }
    if (s.selection == KeyingSelection::Parallel && !openParallel(s)) {
        return Sent::Nothing;
    }
    const KeyingMilliseconds unit(unitMilliseconds(wpm));
    std::vector<KeyingElement> sequence;
    sequence.reserve(digits.size());
    for (const char d : digits) {
        sequence.push_back({d == '1' ? KeyState::Down : KeyState::Up, unit});
    }
    const KeyingTiming timing{s.method, s.loopsPer60ms / wpm * 20};
    if (!u_.keying.send(std::move(sequence), timing)) {
        return Sent::Nothing;
    }
    return Sent::Keying;
}

bool MorseKeyer::CWSetup() {
    if (u_.link.isOpen()) {
        u_.keying.halt();
        u_.link.close();
    }
    const double value = leadingNumber(host_.morseSettings().port);
    if (!(value > 0)) {
        return false;
    }
    Status opened = Status::failure("not a port number");
    if (value < 32767.5) {
        if (u_.portRule) {
            u_.portRule->beforeCwLinkOpens();
        }
        u_.link.setPort(static_cast<int>(roundHalfEven(value)));
        // Both lines start low: the transmitter must not key as the port opens.
        (void)u_.link.setDtr(false);
        (void)u_.link.setRts(false);
        opened = u_.link.open();
    }
    if (opened) {
        return true;
    }
    u_.beeper.beep();
    u_.dialogs.messageBox(kInvalidCwPortTitle, kInvalidCwPortText, MessageButtons::Ok,
                          MessageIcon::Information);
    if (!host_.setupVisible()) {
        host_.showSetupModally();
    }
    return false;
}

double MorseKeyer::CalibrateLoop(double current) {
    const auto t0 = u_.timebase.now();
    u_.timebase.count(kCalibrationPasses - current);
    const auto t1 = u_.timebase.now();
    const double ms = std::chrono::duration<double, std::milli>(t1 - t0).count();
    if (!(ms > 0)) {
        return current; // too fast to measure: nothing learned
    }
    return static_cast<double>(roundHalfEven(kCalibrationPasses / ms * 60));
}

void MorseKeyer::closeLink() {
    u_.keying.halt();
    (void)u_.line.set(KeyState::Up);
    if (u_.link.isOpen()) {
        u_.link.close();
    }
}

void MorseKeyer::select(KeyingSelection selection) {
    if (u_.line.selection() != selection) {
        u_.keying.halt();
        u_.line.select(selection);
    }
}

bool MorseKeyer::openParallel(const MorseSettings& s) {
    const double base = leadingNumber(s.parallelBase);
    if (!(base >= 1 && base <= 0xFFFF)) {
        return false;
    }
    const auto address = static_cast<std::uint32_t>(roundHalfEven(base));
    if (!u_.parallel.isOpen() || parallelBase_ != address) {
        parallelBase_ = address;
        if (!u_.parallel.open(address)) {
            u_.parallel.close();
            return false;
        }
    }
    return true;
}

} // namespace qv
