#include "app/frmWinKeyLogic.h"

#include "base/Numbers.h"

#include <array>
#include <utility>

namespace qv {
namespace {

using C = frmWinKeyControl;
using Boxes = TextBoxes<C, kFrmWinKeyBoxes>;

constexpr std::array<std::pair<C, std::uint8_t>, 4> kModes{{{C::optIambicB, kModeIambicB},
                                                            {C::optIambicA, kModeIambicA},
                                                            {C::optUltimatic, kModeUltimatic},
                                                            {C::optBug, kModeBug}}};
constexpr std::array<std::pair<C, std::uint8_t>, 4> kPins{{{C::optKey5Off3Out, kPinsKey5Off3Out},
                                                           {C::optPTT, kPinsPtt},
                                                           {C::optTone, kPinsTone},
                                                           {C::optKey5Out3Off, kPinsKey5Out3Off}}};

// A field's number when the whole field reads as one.
std::optional<double> fieldNumber(const TextField& box) {
    if (!isNumeric(box.text)) {
        return std::nullopt;
    }
    return leadingNumber(box.text);
}

// The byte a field's number converts to, if it lies from low to high.
std::optional<std::uint8_t> inRange(double value, int low, int high) {
    if (value < low - 0.5 || value > high + 0.5) {
        return std::nullopt;
    }
    const std::int64_t rounded = roundHalfEven(value);
    if (rounded < low || rounded > high) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(rounded);
}

} // namespace

std::optional<std::string> winKeyResultText(int result) {
    switch (result) {
    case 0:
        return "WK Success!";
    case 1:
        return "No Echo Response";
    case 2:
        return "Echo Mismatch";
    case 3:
        return "No Open Response";
    case 4:
        return "Com Open Failed";
    case 5:
        return "Get Com ST Failed";
    case 6:
        return "Set Com ST Failed";
    case 8:
        return "WK Already Open";
    case 9:
        return "WK Not Open";
    default:
        return std::nullopt;
    }
}

std::string winKeyOpenFailedText(int port) {
    return "Unable to establish connection with WinKey on com port " + std::to_string(port) +
           ".  Please check to make sure that you have specified the correct port and that the "
           "Winkey device is properly connected.";
}

frmWinKeyLogic::frmWinKeyLogic(Uses uses) : u_(std::move(uses)) {
    s_[C::txtWKComPort].setText("5");
    s_[C::txtWKWPM].setText("18");
    s_[C::txtWeight].setText("50");
    s_[C::txtLeadIn].setText("0");
    s_[C::txtTail].setText("0");
    s_[C::txtRatio].setText("50");
    u_.sender.setWindow(this);
}

frmWinKeyLogic::~frmWinKeyLogic() {
    u_.sender.setWindow(nullptr);
}

void frmWinKeyLogic::load() {
    if (s_.loaded) {
        return;
    }
    s_.loaded = true;
    s_.pinConfig = kPinsTone;
    s_.mode = kModeIambicB;
    WinKeyerFile file;
    file.port = s_.port;
    file.pinConfig = s_.pinConfig;
    file.mode = s_.mode;
    FileContents read{};
    if (!u_.files.programDirWritable) {
        read = u_.files.userDir.read(WinKeyerFile::kFileName);
    }
    if (u_.files.programDirWritable || read.error != FileContents::Error::None) {
        read = u_.files.programDir.read(WinKeyerFile::kFileName);
    }
    if (read.error == FileContents::Error::None) {
        file = parseWinKeyerFile(read.bytes, file);
    }
    s_.port = file.port;
    s_.pinConfig = file.pinConfig;
    s_.mode = file.mode;
    s_[C::txtWeight].setText(file.weight);
    s_[C::txtLeadIn].setText(file.leadIn);
    s_[C::txtTail].setText(file.tail);
    s_[C::txtRatio].setText(file.ratio);
    // The keyer follows the CW window's speed, not the file's.
    s_[C::txtWKWPM].setText(std::to_string(u_.cw.speedWpm()));
    s_[C::txtWKComPort].setText(std::to_string(s_.port));
    u_.sender.setPort(s_.port);
}

void frmWinKeyLogic::show() {
    load();
    s_.visible = true;
}

void frmWinKeyLogic::keyPressed(Control c, int key) {
    if (!Boxes::isBox(c)) {
        return;
    }
    // Every field is a number: only digits and Backspace get through.
    if (key != keys::kBackspace && (key < '0' || key > '9')) {
        return;
    }
    typeKey(s_[c], key);
}

void frmWinKeyLogic::edited(Control c) {
    if (Boxes::isBox(c)) {
        sanitize(s_[c]);
    }
}

void frmWinKeyLogic::moveFocus(Control to) {
    if (to == s_.focus) {
        return;
    }
    const Control from = s_.focus;
    s_.focus = to;
    leave(from);
}

void frmWinKeyLogic::leave(Control c) {
    switch (c) {
    case C::txtWKComPort:
        leavePort();
        break;
    case C::txtWKWPM:
        applySpeed();
        break;
    case C::txtWeight:
        applyWeight();
        break;
    case C::txtLeadIn:
        applyLeadTail(Leaving::LeadIn);
        break;
    case C::txtTail:
        applyLeadTail(Leaving::Tail);
        break;
    case C::txtRatio:
        applyRatio();
        break;
    default:
        break;
    }
}

void frmWinKeyLogic::leavePort() {
    TextField& box = s_[C::txtWKComPort];
    if (!isNumeric(box.text)) {
        box.setText("0");
    }
    s_.port = inRange(leadingNumber(box.text), 0, 255).value_or(0);
    u_.sender.setPort(s_.port);
}

void frmWinKeyLogic::applyByte(Control c, const char* fallback, int low, int high,
                               void (WinKeyerLibrary::*set)(std::uint8_t)) {
    TextField& box = s_[c];
    const std::optional<double> n = fieldNumber(box);
    if (!n) {
        box.setText(fallback);
    } else if (const auto value = inRange(*n, low, high)) {
        (u_.sender.device().*set)(*value);
    }
}

void frmWinKeyLogic::applySpeed() {
    applyByte(C::txtWKWPM, "18", 0, 99, &WinKeyerLibrary::wk_wpm);
}

void frmWinKeyLogic::applyWeight() {
    applyByte(C::txtWeight, "50", 0, 99, &WinKeyerLibrary::wk_weight);
}

void frmWinKeyLogic::applyLeadTail(Leaving resetWhich) {
    TextField& reset = s_[resetWhich == Leaving::Tail ? C::txtTail : C::txtLeadIn];
    const std::optional<double> lead = fieldNumber(s_[C::txtLeadIn]);
    const std::optional<double> tail = fieldNumber(s_[C::txtTail]);
    if (!lead || !tail) {
        reset.setText("0");
        return;
    }
    const auto leadByte = inRange(*lead, 0, 255);
    const auto tailByte = inRange(*tail, 0, 255);
    if (!leadByte || !tailByte) {
        reset.setText("0"); // a time that does not fit the keyer's byte
        return;
    }
    u_.sender.device().wk_ptt_leadtail(*leadByte, *tailByte);
}

void frmWinKeyLogic::applyRatio() {
    applyByte(C::txtRatio, "50", 32, 67, &WinKeyerLibrary::wk_ditdah_ratio);
}

void frmWinKeyLogic::ApplyWinKeyerSettings() {
    applySpeed();
    applyWeight();
    applyLeadTail(Leaving::LeadIn);
    applyRatio();
    u_.sender.device().wk_pincfg(s_.pinConfig);
    u_.sender.device().wk_setmode(s_.mode);
}

void frmWinKeyLogic::optionClick(Control option) {
    for (const auto& [control, value] : kModes) {
        if (control == option) {
            s_.mode = value;
        }
    }
    for (const auto& [control, value] : kPins) {
        if (control == option) {
            s_.pinConfig = value;
        }
    }
    if (u_.sender.open()) {
        ApplyWinKeyerSettings();
    }
}

void frmWinKeyLogic::focusDone() {
    if (s_.visible) {
        s_.focus = C::cmdDone;
    }
}

void frmWinKeyLogic::openKeyer() {
    load();
    cmdOpenWinkey_Click();
}

void frmWinKeyLogic::cmdOpenWinkey_Click() {
    // The keyer may share its port with the voice and CW keying lines.
    u_.ports.beforeKeyerDeviceOpens();
    std::uint8_t version = 0;
    const int result = static_cast<int>(u_.sender.device().wk_open(version, s_.port));
    const bool alreadyOpen = result == static_cast<int>(WinKeyerResult::AlreadyOpen);
    if (!alreadyOpen && version == 0) {
        u_.dialogs.messageBox(kWinKeyOpenFailedTitle, winKeyOpenFailedText(s_.port),
                              MessageButtons::Ok, MessageIcon::None);
    }
    if (const auto text = winKeyResultText(result)) {
        s_.lblOpenStatus = *text;
    }
    if (alreadyOpen) {
        return;
    }
    ApplyWinKeyerSettings();
    if (version != 0) {
        u_.sender.setVersion(version);
        s_.lblVersion = std::string(kWinKeyVersionLabel) + " " + std::to_string(version);
        focusDone();
    }
}

void frmWinKeyLogic::cmdCloseWinkey_Click() {
    u_.sender.device().wk_close();
    s_.lblOpenStatus = kWinKeyClosed;
    s_.lblVersion = kWinKeyVersionLabel;
    u_.sender.setVersion(0);
    focusDone();
}

void frmWinKeyLogic::cmdStop_Click() {
    u_.sender.clearBuffer();
    u_.buffer.clear();
    focusDone();
}

void frmWinKeyLogic::Command3_Click() {
    const bool wasEmpty = u_.buffer.empty();
    u_.buffer.append("VVV TEST DE " + (u_.ownCall ? u_.ownCall() : std::string()));
    if (wasEmpty) {
        u_.sender.WKTransmit();
    }
    focusDone();
}

WinKeyerFile frmWinKeyLogic::fileSettings() const {
    WinKeyerFile f;
    f.port = s_.port;
    f.wpm = s_[C::txtWKWPM].text;
    f.weight = s_[C::txtWeight].text;
    f.leadIn = s_[C::txtLeadIn].text;
    f.tail = s_[C::txtTail].text;
    f.ratio = s_[C::txtRatio].text;
    f.pinConfig = s_.pinConfig;
    f.mode = s_.mode;
    return f;
}

void frmWinKeyLogic::cmdDone_Click() {
    s_.focus = C::cmdDone;
    s_.visible = false;
    std::string text;
    if (!formatWinKeyerFile(fileSettings(), text).ok()) {
        return;
    }
    FileStore& store = u_.files.programDirWritable ? u_.files.programDir : u_.files.userDir;
    // A failed write is not reported: the window still hides.
    (void)store.replace(WinKeyerFile::kFileName, text);
}

} // namespace qv
