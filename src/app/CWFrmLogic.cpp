#include "app/CWFrmLogic.h"

#include "app/Form1Logic.h"
#include "app/TextField.h"
#include "base/Cp1252.h"
#include "base/Numbers.h"
#include "cw/MorseTable.h"
#include "voice/WaveSettings.h"

#include <cmath>

namespace qv {
namespace {

using C = CWFrmControl;
using Boxes = TextBoxes<C, kCWFrmBoxes>;

constexpr const char* kLoopOffsetKey = "UserCWLoopOffset";
constexpr const char* kTimingKey = "UserCWSelection";

// The message boxes in the order of frmCWStrings and CW.txt: F1-F9, F10, F11.
constexpr std::array<C, CwSettings::kMessages> kMessageBoxes = {
    C::Text1, C::Text2, C::Text3, C::Text4,  C::Text5, C::Text6,
    C::Text7, C::Text8, C::Text9, C::Text12, C::Text13};

bool isMessageBox(C c) {
    for (const C m : kMessageBoxes) {
        if (m == c) {
            return true;
        }
    }
    return false;
}

// One pass of a substitution: a match at position i is replaced and the pass
// goes on after position i of the new text.
void substitute(std::string& text, char mark, std::string_view replacement) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == mark) {
            text = text.substr(0, i) + std::string(replacement) + text.substr(i + 1);
        }
    }
}

// A number as the boxes show it: whole numbers in full, never in exponent form.
std::string numberText(double value) {
    if (std::abs(value) < 1e15 && value == std::floor(value)) {
        return std::to_string(static_cast<long long>(value));
    }
    return formatShortest(value);
}

bool digitOrColon(int key) {
    return key >= 48 && key <= 58;
}

} // namespace

std::optional<CWFrmControl> cwMessageBox(int keyCode) {
    if (keyCode >= kCwKeyF1 && keyCode <= kCwKeyF9) {
        return kMessageBoxes[static_cast<std::size_t>(keyCode - kCwKeyF1)];
    }
    if (keyCode == kCwKeyF10) {
        return C::Text12;
    }
    if (keyCode == 122) {
        return C::Text13;
    }
    return std::nullopt;
}

std::string substituteCwMessage(std::string message, std::string_view call,
                                std::string_view rstSent) {
    substitute(message, '$', trimSpaces(call));
    // The contest exchanges no serial number.
    substitute(message, '#', "");
    const std::string_view rst = trimSpaces(rstSent);
    substitute(message, '*', rst.empty() || rst == "599" ? std::string_view("5NN") : rst);
    return message;
}

CWFrmLogic::CWFrmLogic(Uses uses) : u_(uses), engine_(u_.engine, *this) {
    tmrRepeat_ = u_.timers.create(
        0, [this] { tmrRepeatTick(); }, true);
    apply(CwSettings{});
    s_[C::txtLoop].setText("0");
}

CWFrmLogic::~CWFrmLogic() {
    // The transmitter is never left keyed when the program ends.
    engine_.closeLink();
}

void CWFrmLogic::startUp() {
    CwSettings settings;
    const FileContents file = u_.files.read(CwSettings::kFileName);
    if (file.error == FileContents::Error::None) {
        settings = parseCwSettings(file.bytes);
    }
    apply(settings);
    loopsPer60ms_ =
        leadingNumber(u_.settings.get(kSettingsApplication, kSettingsSection, kLoopOffsetKey, "0"));
    s_[C::txtLoop].setText(numberText(loopsPer60ms_));
    s_.method = timingMethodFromText(
        u_.settings.get(kSettingsApplication, kSettingsSection, kTimingKey, "Timer"));
    if (s_.method) {
        timingClick(*s_.method);
    }
}

void CWFrmLogic::apply(const CwSettings& w) {
    for (std::size_t k = 0; k < CwSettings::kMessages; ++k) {
        s_[kMessageBoxes[k]].setText(w.messages[k]);
    }
    s_[C::Text10].setText(w.port);
    s_[C::Text11].setText(w.wpm);
    s_[C::Text14].setText(w.parallelBase);
    s_[C::txtSpace].setText(w.wordSpace);
    s_[C::txtCWLoop].setText(w.loopSeconds);
    s_.check1 = w.echo;
    tmrRepeat_->setInterval(repeatIntervalOf(w.loopSeconds));
    optionClick(w.selection);
}

CwSettings CWFrmLogic::collect() const {
    CwSettings w;
    for (std::size_t k = 0; k < CwSettings::kMessages; ++k) {
        w.messages[k] = s_[kMessageBoxes[k]].text;
    }
    w.port = s_[C::Text10].text;
    w.wpm = s_[C::Text11].text;
    w.parallelBase = s_[C::Text14].text;
    w.wordSpace = s_[C::txtSpace].text;
    w.loopSeconds = s_[C::txtCWLoop].text;
    w.echo = s_.check1;
    w.selection = s_.selection;
    return w;
}

std::string CWFrmLogic::message(std::size_t index) const {
    return index < kMessageBoxes.size() ? s_[kMessageBoxes[index]].text : std::string();
}

void CWFrmLogic::show() {
    s_.visible = true;
}

void CWFrmLogic::showSetupModally() {
    if (windows_) {
        windows_->showCWFrmModally();
    }
}

void CWFrmLogic::optionClick(KeyingSelection selection) {
    s_.selection = selection;
    if (selection == KeyingSelection::WinKeyer) {
        s_.confWinkeyVisible = true;
    }
    engine_.select(selection);
}

void CWFrmLogic::timingClick(TimingMethod method) {
    s_.method = method;
    s_.loopControlsEnabled = method == TimingMethod::Loop;
    if (method == TimingMethod::Loop) {
        if (loopsPer60ms_ == 0) {
            loopsPer60ms_ = engine_.CalibrateLoop(0);
        }
        s_[C::txtLoop].setText(numberText(loopsPer60ms_));
    }
}

void CWFrmLogic::keyPressed(Control c, int key) {
    if (!Boxes::isBox(c) || key == keys::kQuote || key == keys::kEnter) {
        return; // a double quote could not be written to CW.txt
    }
    const bool backspace = key == keys::kBackspace;
    if (isMessageBox(c)) {
        key = capital(key);
    } else if ((c == C::Text10 || c == C::Text11) && !backspace && !digitOrColon(key)) {
        return;
    } else if (c == C::txtSpace && !backspace && (key < 45 || key > 58)) {
        return;
    } else if (c == C::txtCWLoop && !backspace && key != '.' && (key < '0' || key > '9')) {
        return;
    }
    if (typeKey(s_[c], key)) {
        afterChange(c);
    }
}

void CWFrmLogic::edited(Control c) {
    if (Boxes::isBox(c)) {
        sanitize(s_[c]);
        afterChange(c);
    }
}

void CWFrmLogic::afterChange(Control c) {
    TextField& box = s_[c];
    if (c == C::txtSpace) {
        if (isNumeric(box.text) && leadingNumber(box.text) < kWordSpaceMinimum) {
            box.setText(std::to_string(kWordSpaceMinimum));
        }
    } else if (c == C::txtLoop) {
        if (isNumeric(box.text)) {
            loopsPer60ms_ = leadingNumber(box.text);
        }
    } else if (c == C::Text11) {
        if (u_.winKeyer.open()) {
            u_.winKeyer.speedChanged(speedWpm());
        }
    }
}

void CWFrmLogic::moveFocus(Control to) {
    if (to == s_.focus) {
        return;
    }
    const Control from = s_.focus;
    s_.focus = to;
    leave(from);
    if (to == C::Text10 || to == C::Text11 || to == C::txtSpace) {
        s_[to].selectAll();
    }
}

void CWFrmLogic::leave(Control c) {
    if (c == C::Text10 || c == C::Text11 || c == C::txtSpace) {
        if (!isNumeric(s_[c].text)) {
            s_[c].setText("0");
        }
        if (c == C::Text10) {
            (void)engine_.CWSetup();
        }
    } else if (c == C::txtCWLoop) {
        setRepeatFromText();
    }
}

void CWFrmLogic::setRepeatFromText() {
    TextField& box = s_[C::txtCWLoop];
    const double seconds = isNumeric(box.text) ? leadingNumber(box.text) : -1;
    if (seconds >= 0 && seconds < 60) {
        tmrRepeat_->setInterval(repeatIntervalOf(box.text));
    } else {
        box.setText("0");
        tmrRepeat_->setInterval(0);
        u_.engine.beeper.beep();
    }
}

int CWFrmLogic::speedWpm() const {
    const double wpm = leadingNumber(s_[C::Text11].text);
    return std::abs(wpm) < 1e9 ? static_cast<int>(roundHalfEven(wpm)) : 0;
}

int CWFrmLogic::changeSpeed(int step) {
    s_[C::Text11].setText(numberText(leadingNumber(s_[C::Text11].text) + step));
    afterChange(C::Text11);
    return speedWpm();
}

void CWFrmLogic::stepWordSpace(int step) {
    TextField& box = s_[C::txtSpace];
    const double value = isNumeric(box.text) ? leadingNumber(box.text) : 0;
    box.setText(numberText(value + step));
    afterChange(C::txtSpace);
}

void CWFrmLogic::scaleLoop(double factor) {
    TextField& box = s_[C::txtLoop];
    if (isNumeric(box.text)) {
        box.setText(std::to_string(roundHalfEven(leadingNumber(box.text) * factor)));
        afterChange(C::txtLoop);
    }
    s_.focus = C::cmdDone;
}

void CWFrmLogic::cmdTestClick() {
    s_.label23Visible = true;
    FKeyCW(kCwKeyF9);
    // "Sending!" stays while the message is keyed.
    if (!sending_) {
        s_.label23Visible = false;
    }
    if (s_.visible) {
        s_.focus = C::Text1;
    }
}

void CWFrmLogic::cmdDoneClick() {
    std::string text;
    if (formatCwSettings(collect(), text)) {
        // A failed write is not reported: the window still hides.
        (void)u_.files.replace(CwSettings::kFileName, text);
    }
    const char* method = s_.method ? timingMethodText(*s_.method) : "";
    u_.settings.save(kSettingsApplication, kSettingsSection, kTimingKey, method);
    u_.settings.save(kSettingsApplication, kSettingsSection, kLoopOffsetKey,
                     numberText(loopsPer60ms_));
    s_.visible = false;
    if (s_.selection != KeyingSelection::None && windows_) {
        windows_->showCWStringsMinimised();
    }
}

const MorseSettings& CWFrmLogic::morseSettings() const {
    morse_.selection = s_.selection;
    morse_.port = s_[C::Text10].text;
    morse_.wpm = s_[C::Text11].text;
    morse_.wordSpace = s_[C::txtSpace].text;
    morse_.parallelBase = s_[C::Text14].text;
    // With no timing button selected the keyer times by the clock.
    morse_.method = s_.method.value_or(TimingMethod::Timer);
    morse_.loopsPer60ms = loopsPer60ms_;
    return morse_;
}

void CWFrmLogic::Mains() {
    if (main_) {
        main_->Mains();
    }
}

void CWFrmLogic::cancelRepeat() {
    repeatArmed_ = false;
    tmrRepeat_->stop();
}

void CWFrmLogic::FKeyCW(int keyCode) {
    u_.buffer.clear();
    if (s_.selection == KeyingSelection::None) {
        return;
    }
    std::string text;
    if ((keyCode >= kCwKeyF1 && keyCode <= kCwKeyF10) || keyboardMode_) {
        if (const auto box = cwMessageBox(keyCode)) {
            text = s_[*box].text;
        }
        if (keyCode == kCwKeyF1 && leadingNumber(s_[C::txtCWLoop].text) > 0) {
            repeatArmed_ = true;
        }
    }
    if (text.empty()) {
        return;
    }
    // The main window has no report-sent field: "*" always sends 5NN.
    u_.buffer.append(substituteCwMessage(text, call_, ""));
    LoopThroughCWBuffer();
}

void CWFrmLogic::LoopThroughCWBuffer() {
    if (s_.selection == KeyingSelection::WinKeyer) {
        // The contact is logged before the keyer is handed anything.
        if (!trimSpaces(call_).empty() && u_.buffer.text().find('!') != std::string::npos) {
            Mains();
        }
        u_.winKeyer.WKTransmit();
        if (repeatArmed_ && tmrRepeat_->interval() > 0) {
            tmrRepeat_->start();
        }
        return;
    }
    if (sending_) {
        return; // the running loop picks up what was added
    }
    sending_ = true;
    sendNext();
}

// Hands characters to the engine until one is being keyed; the keying thread's
// completion brings the loop back here, so window events run between characters.
void CWFrmLogic::sendNext() {
    while (!u_.buffer.empty()) {
        const char ch = u_.buffer.takeFirst();
        const MorseKeyer::Sent sent = engine_.Transmit(ch);
        if (s_.check1) {
            echo(u_.buffer.text());
        }
        if (sent == MorseKeyer::Sent::Keying) {
            return;
        }
        if (sent == MorseKeyer::Sent::Refused) {
            // Nothing more can be sent; a repeat would only be refused again.
            u_.buffer.clear();
            repeatArmed_ = false;
        }
    }
    finishSending();
}

void CWFrmLogic::finishSending() {
    if (repeatArmed_ && tmrRepeat_->interval() > 0) {
        tmrRepeat_->start();
    }
    sending_ = false;
    s_.label23Visible = false;
    if (s_.check1) {
        echo(keyboardMode_ ? kKeyboardCwOnText : "");
    }
}

void CWFrmLogic::characterSent(const KeyingResult&) {
    // A failed character is skipped like any other error: the loop goes on.
    if (sending_) {
        sendNext();
        changed();
    }
}

void CWFrmLogic::echo(const std::string& text) {
    if (main_) {
        main_->state().lblDialog = text;
    }
}

void CWFrmLogic::changed() {
    if (changed_) {
        changed_();
    }
}

void CWFrmLogic::tmrRepeatTick() {
    tmrRepeat_->stop();
    FKeyCW(kCwKeyF1);
    changed();
}

} // namespace qv
