#include "app/frmRigTuneLogic.h"

#include "base/Numbers.h"

#include <cstdio>
#include <string>

namespace qv {
namespace {

using C = frmRigTuneControl;

std::string significant15(double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%.15g", value);
    return text;
}

// At most five decimals and no trailing zeros; a whole number keeps its point.
std::string fiveDecimals(double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%.5f", value);
    std::string out = text;
    while (out.back() == '0') {
        out.pop_back();
    }
    return out;
}

} // namespace

frmRigTuneLogic::frmRigTuneLogic(RigControl& rig, Timers& timers)
    : rig_(rig), timer1_(timers.create(299, [this] { Timer1Tick(); })) {
    s_[C::txtFrom].setText("1.8");
    s_[C::txtTo].setText("54");
    timer1_->start();
}

void frmRigTuneLogic::keyPressed(Control c, int key) {
    if (!TextBoxes<Control, 3>::isBox(c)) {
        return;
    }
    if (key == keys::kEnter) {
        if (c == C::txtFreq) {
            Command1Click();
            s_[C::txtFreq].select(s_[C::txtFreq].text.size(), 0);
        }
        return;
    }
    // Only backspace, the full stop, the slash and the digits.
    if (key != keys::kBackspace && (key < 46 || key > 57)) {
        return;
    }
    typeKey(s_[c], key);
    if (c == C::txtFreq) {
        freqChanged();
    }
}

void frmRigTuneLogic::edited(Control c) {
    if (!TextBoxes<Control, 3>::isBox(c)) {
        return;
    }
    sanitize(s_[c]);
    if (c == C::txtFreq) {
        freqChanged();
    }
}

void frmRigTuneLogic::freqChanged() {
    s_.stepsEnabled = isNumeric(s_[C::txtFreq].text);
}

void frmRigTuneLogic::windowKey() {
    s_.scan = false;
}

void frmRigTuneLogic::Command1Click() {
    const std::string& text = s_[C::txtFreq].text;
    if (!isNumeric(text)) {
        return;
    }
    const auto frequency = static_cast<float>(leadingNumber(text));
    if (rig_.config().rigType != "None") {
        rig_.ChangeFrequency(frequency);
    }
}

void frmRigTuneLogic::cmdTuneClick(int index) {
    if (index < 0 || index >= static_cast<int>(kRigTuneSteps.size()) || !s_.stepsEnabled) {
        return;
    }
    const double value =
        leadingNumber(s_[C::txtFreq].text) + kRigTuneSteps[static_cast<std::size_t>(index)].change;
    s_[C::txtFreq].setText(significant15(value));
    freqChanged();
    Command1Click();
    s_.focus = C::cmdDone;
}

void frmRigTuneLogic::cmdBandClick(int index) {
    if (index < 0 || index >= static_cast<int>(kRigTuneBands.size())) {
        return;
    }
    s_[C::txtFreq].setText(std::string(kRigTuneBands[static_cast<std::size_t>(index)].frequency));
    freqChanged();
    Command1Click();
}

void frmRigTuneLogic::modeClick(int index) {
    if (index < 0 || index >= static_cast<int>(kRigTuneModes.size())) {
        return;
    }
    rig_.ChangeMode(0, std::string(kRigTuneModes[static_cast<std::size_t>(index)]));
    s_.focus = C::cmdDone;
}

void frmRigTuneLogic::chkScanClick(bool checked) {
    s_.scan = checked;
    if (checked && !isNumeric(s_[C::txtFreq].text)) {
        s_[C::txtFreq].setText(s_[C::txtFrom].text);
        freqChanged();
    }
    s_.focus = C::Command1;
}

void frmRigTuneLogic::Timer1Tick() {
    const std::string& from = s_[C::txtFrom].text;
    const std::string& to = s_[C::txtTo].text;
    const std::string& freq = s_[C::txtFreq].text;
    if (!s_.scan || !isNumeric(from) || !isNumeric(to) || !isNumeric(freq)) {
        return;
    }
    const double step =
        s_.scanStep >= 0 ? kRigTuneScanSteps[static_cast<std::size_t>(s_.scanStep)].step : 0;
    double next = leadingNumber(freq) + step;
    if (next > leadingNumber(to)) {
        next = leadingNumber(from);
    }
    s_[C::txtFreq].setText(fiveDecimals(next));
    freqChanged();
    Command1Click();
    if (changed_) {
        changed_();
    }
}

} // namespace qv
