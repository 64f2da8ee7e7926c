#include "app/RigControlfrmLogic.h"

#include "app/TextField.h"
#include "base/Cp1252.h"
#include "rig/RadioTable.h"

#include <algorithm>

namespace qv {
namespace {

using C = RigControlfrmControl;
using G = RigOptionGroup;

template <typename Array, typename Value> int indexIn(const Array& values, const Value& value) {
    const auto it = std::find(values.begin(), values.end(), value);
    return it == values.end() ? -1 : static_cast<int>(it - values.begin());
}

constexpr const char* kHostKey = "RigctldHost";
constexpr const char* kPortKey = "RigctldPort";
constexpr const char* kStartKey = "RigctldStart";
constexpr const char* kModelKey = "RigctldModel";
constexpr const char* kDeviceKey = "RigctldDevice";
constexpr const char* kBaudKey = "RigctldBaud";
constexpr std::uint32_t kListingWaitMs = 10000;

// A whole number in range, or nothing.
std::optional<int> readWhole(std::string_view text, int low, int high) {
    if (text.empty() || text.size() > 9) {
        return std::nullopt;
    }
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    if (value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

std::string_view trimmedBaud(std::string_view baud) {
    while (!baud.empty() && baud.back() == ' ') {
        baud.remove_suffix(1);
    }
    return baud;
}

} // namespace

RigControlfrmLogic::RigControlfrmLogic(Uses uses) : u_(uses) {}

void RigControlfrmLogic::ensureLoaded() {
    if (loaded_) {
        return;
    }
    loaded_ = true;
    loading_ = true;
    RigConfig& config = u_.rig.config();
    config.rigType = u_.prefs.rigType;
    const FileContents file = u_.files.read(RigConfig::kFileName);
    if (file.error == FileContents::Error::None) {
        if (const auto read = parseRigConfig(file.bytes)) {
            config = *read;
            s_.convToHex = config.convertToHex;
            s_.convFromHex = config.convertToHex;
            s_.useFrequency = config.useFrequency;
            s_.modeBy = config.modeSource;
            s_[C::txtFreq].setText(config.frequencyQuery);
            s_[C::txtMode].setText(config.modeQuery);
            s_.option(G::Comm) =
                config.portNumber >= 1 && config.portNumber <= 10 ? config.portNumber - 1 : -1;
            s_.option(G::Baud) = indexIn(kRigBauds, trimmedBaud(config.baud));
            s_.option(G::Parity) = indexIn(kRigParities, config.parity);
            s_.option(G::Data) = indexIn(kRigDataBits, config.dataBits);
            s_.option(G::Stop) = indexIn(kRigStopBits, config.stopBits);
            s_.option(G::Power) = indexIn(kRigPowerLines, config.powerLine);
            s_.option(G::Poll) = indexIn(kRigPollRates, config.pollRate);
        }
    }
    s_.listIndex = -1;
    for (std::size_t i = 0; i < kRadios.size(); ++i) {
        if (kRadios[i].rigType == config.rigType) {
            s_.listIndex = static_cast<int>(i);
        }
    }
    s_.convToHexEnabled = config.rigType == "Other";
    s_.label10Shown = config.rigType == "Icom";
    s_.rigctld.shown = config.rigType == kRigctldRigType;
    loadRigctldSettings();
    u_.rig.setConvertFromHex(s_.convFromHex);
    const FileContents plan = u_.shipped.read("BandPlan.txt");
    u_.rig.setBandPlan(plan.error == FileContents::Error::None ? extraClassRows(plan.bytes)
                                                               : std::vector<BandPlanRow>{});
    loading_ = false;
}

std::string RigControlfrmLogic::portDevice(int port) const {
    if (!u_.ports) {
        return {};
    }
    return u_.ports->devicePath(port).value_or(std::string());
}

void RigControlfrmLogic::startUp() {
    if (equalsIgnoreCase(u_.prefs.rigType, "None")) {
        return;
    }
    ensureLoaded();
    Command1Click();
}

void RigControlfrmLogic::show() {
    ensureLoaded();
    if (s_.rigctld.shown) {
        ensureModels();
    }
    s_.visible = true;
    u_.rig.setWindowVisible(true);
}

void RigControlfrmLogic::closed() {
    s_.visible = false;
    u_.rig.setWindowVisible(false);
}

void RigControlfrmLogic::List1Click(int index) {
    if (loading_ || index < 0 || index >= static_cast<int>(kRadios.size())) {
        return;
    }
    ensureLoaded();
    Command2Click();
    s_.listIndex = index;
    u_.rig.config().rigType = std::string(kRadios[static_cast<std::size_t>(index)].rigType);
    s_[C::txtFreq].clear();
    s_[C::txtMode].clear();
    setConvToHex(false);
    s_.convToHexEnabled = false;
    s_.label10Shown = false;
    applyRadioRow(index);
    syncQueries();
    s_.rigctld.shown = u_.rig.config().rigType == kRigctldRigType;
    if (s_.rigctld.shown) {
        ensureModels();
    }
}

void RigControlfrmLogic::applyRadioRow(int index) {
    const Radio& radio = kRadios[static_cast<std::size_t>(index)];
    const RadioSerialDefaults& serial = radio.serial;
    if (serial.baud) {
        s_.option(G::Baud) = indexIn(kRigBauds, std::to_string(*serial.baud));
    }
    if (serial.dataBits) {
        s_.option(G::Data) = indexIn(kRigDataBits, static_cast<char>('0' + *serial.dataBits));
    }
    if (serial.stopBits) {
        s_.option(G::Stop) = indexIn(kRigStopBits, static_cast<char>('0' + *serial.stopBits));
    }
    if (serial.parity) {
        s_.option(G::Parity) = indexIn(kRigParities, *serial.parity);
    }
    s_[C::txtFreq].setText(std::string(radio.frequencyQuery));
    s_[C::txtMode].setText(std::string(radio.modeQuery));
    setConvToHex(radio.convertToHex);
    s_.label10Shown = radio.rigType == "Icom" || radio.rigType == "Icom 735";
    if (radio.rigType == "Other") {
        s_.convToHexEnabled = true;
    }
}

void RigControlfrmLogic::setConvToHex(bool checked) {
    s_.convToHex = checked;
    u_.rig.config().convertToHex = checked;
    // "Convert from Hex" follows "Convert to Hex".
    s_.convFromHex = checked;
    u_.rig.setConvertFromHex(checked);
}

void RigControlfrmLogic::optionClick(RigOptionGroup group, int index) {
    s_.option(group) = index;
    Command2Click();
}

void RigControlfrmLogic::chkConvToHexClick(bool checked) {
    if (s_.convToHexEnabled) {
        setConvToHex(checked);
    }
}

void RigControlfrmLogic::ChkConvHexClick(bool checked) {
    s_.convFromHex = checked;
    u_.rig.setConvertFromHex(checked);
}

void RigControlfrmLogic::chkFrequencyClick(bool checked) {
    s_.useFrequency = checked;
    u_.rig.config().useFrequency = checked;
}

void RigControlfrmLogic::modeByClick(int modeBy) {
    s_.modeBy = modeBy;
    u_.rig.config().modeSource = modeBy;
    u_.rig.readout().mode = "No Response";
    u_.rig.clearMode();
}

void RigControlfrmLogic::keyPressed(Control c, int key) {
    if (!TextBoxes<Control, 2>::isBox(c) || key == keys::kQuote) {
        return; // a double quote could not be written to the settings file
    }
    if (key == keys::kEnter) {
        return;
    }
    typeKey(s_[c], key);
    syncQueries();
}

void RigControlfrmLogic::edited(Control c) {
    if (TextBoxes<Control, 2>::isBox(c)) {
        sanitize(s_[c]);
        syncQueries();
    }
}

void RigControlfrmLogic::moveFocus(Control to) {
    // Entering a query box ends any test: the strings are about to change.
    if (TextBoxes<Control, 2>::isBox(to) && to != s_.focus) {
        Command2Click();
    }
    s_.focus = to;
}

void RigControlfrmLogic::syncQueries() {
    RigConfig& config = u_.rig.config();
    config.frequencyQuery = s_[C::txtFreq].text;
    config.modeQuery = s_[C::txtMode].text;
}

void RigControlfrmLogic::copyOptionsIntoConfig() {
    RigConfig& config = u_.rig.config();
    if (const int i = s_.option(G::Comm); i >= 0) {
        config.portNumber = static_cast<std::uint8_t>(i + 1);
    }
    if (const int i = s_.option(G::Baud); i >= 0) {
        config.baud = paddedBaud(kRigBauds[static_cast<std::size_t>(i)]);
    }
    if (const int i = s_.option(G::Parity); i >= 0) {
        config.parity = kRigParities[static_cast<std::size_t>(i)];
    }
    if (const int i = s_.option(G::Data); i >= 0) {
        config.dataBits = kRigDataBits[static_cast<std::size_t>(i)];
    }
    if (const int i = s_.option(G::Stop); i >= 0) {
        config.stopBits = kRigStopBits[static_cast<std::size_t>(i)];
    }
    config.settingsText = settingsTextOf(config);
    if (const int i = s_.option(G::Power); i >= 0) {
        config.powerLine = kRigPowerLines[static_cast<std::size_t>(i)];
    }
    if (const int i = s_.option(G::Poll); i >= 0) {
        config.pollRate = kRigPollRates[static_cast<std::size_t>(i)];
    }
}

void RigControlfrmLogic::Command1Click() {
    ensureLoaded();
    RigControl& rig = u_.rig;
    const bool none = rig.config().rigType == "None";
    if (!none) {
        rig.readout().mode = "No Response";
        rig.readout().frequency = "No Response";
        s_.endTestEnabled = true;
        s_.pollingShown = true;
        rig.clearMode();
    }
    copyOptionsIntoConfig();
    copyRigctldIntoRig();
    if (none) {
        return;
    }
    if (!rig.startPolling()) {
        s_.endTestEnabled = false;
        s_.pollingShown = false;
        if (!s_.visible && windows_) {
            windows_->showRigWindowModally();
        }
    }
}

void RigControlfrmLogic::Command2Click() {
    u_.rig.endTest();
    s_.pollingShown = false;
    s_.endTestEnabled = false;
}

void RigControlfrmLogic::Command3Click() {
    if (u_.rig.polling()) {
        if (windows_) {
            windows_->showFrequencyTest();
        }
        return;
    }
    u_.dialogs.messageBox("You must be polling your rig to test this function.",
                          "You must be polling your rig to test this function.  Please select "
                          "your rig type and click the Test command button.",
                          MessageButtons::Ok, MessageIcon::Information);
}

void RigControlfrmLogic::Command4Click() {
    u_.clipboard.clear();
    u_.clipboard.setText(u_.rig.readout().unprocessed);
    s_.focus = C::cmdDone;
}

void RigControlfrmLogic::cmdDoneClick() {
    if (u_.rig.config().rigType != "None") {
        Command1Click();
    }
    u_.prefs.rigType = u_.rig.config().rigType;
    if (savePrefs_) {
        savePrefs_();
    }
    saveSettingsFile();
    saveRigctldSettings();
    closed();
}

void RigControlfrmLogic::saveSettingsFile() {
    RigConfig& config = u_.rig.config();
    config.modeSource = s_.modeBy == 2 || s_.modeBy == 3 ? s_.modeBy : 1;
    std::string text;
    if (formatRigConfig(config, text)) {
        // A failed write is not reported: the window still hides.
        (void)u_.files.replace(RigConfig::kFileName, text);
    }
}

void RigControlfrmLogic::loadRigctldSettings() {
    if (!u_.settings) {
        return;
    }
    RigctldPanel& p = s_.rigctld;
    const auto get = [this](const char* key, const std::string& fallback) {
        return u_.settings->get(kSettingsApplication, kSettingsSection, key, fallback);
    };
    p.host = get(kHostKey, p.host);
    p.port = get(kPortKey, p.port);
    p.startDaemon = get(kStartKey, "0") == "1";
    p.model = readWhole(get(kModelKey, std::to_string(p.model)), 1, 999999).value_or(p.model);
    p.device = get(kDeviceKey, p.device);
    const auto baud = readWhole(get(kBaudKey, ""), 1, 10000000);
    if (const int i = baud ? indexIn(kRigctldBauds, *baud) : -1; i >= 0) {
        p.baudIndex = i;
    }
    copyRigctldIntoRig();
}

void RigControlfrmLogic::saveRigctldSettings() {
    if (!u_.settings) {
        return;
    }
    const RigctldPanel& p = s_.rigctld;
    const auto save = [this](const char* key, const std::string& value) {
        u_.settings->save(kSettingsApplication, kSettingsSection, key, value);
    };
    save(kHostKey, p.host);
    save(kPortKey, p.port);
    save(kStartKey, p.startDaemon ? "1" : "0");
    save(kModelKey, std::to_string(p.model));
    save(kDeviceKey, p.device);
    save(kBaudKey, std::to_string(kRigctldBauds[static_cast<std::size_t>(p.baudIndex)]));
}

void RigControlfrmLogic::copyRigctldIntoRig() {
    const RigctldPanel& p = s_.rigctld;
    RigctldSettings& r = u_.rig.rigctld();
    r.host = std::string(trimSpaces(p.host));
    // A port that is not a number reaches no daemon, and the message says so.
    r.port = static_cast<std::uint16_t>(readWhole(trimSpaces(p.port), 1, 65535).value_or(0));
    r.startDaemon = p.startDaemon;
    r.model = p.model;
    r.device = std::string(trimSpaces(p.device));
    r.baud = kRigctldBauds[static_cast<std::size_t>(p.baudIndex)];
}

void RigControlfrmLogic::ensureModels() {
    RigctldPanel& p = s_.rigctld;
    if (modelsAsked_ || !u_.programs) {
        return;
    }
    modelsAsked_ = true;
    if (const auto listing = u_.programs->runToEnd("rigctl", {"-l"}, kListingWaitMs)) {
        p.models = parseHamlibModels(*listing);
    }
    p.modelIndex = -1;
    for (std::size_t i = 0; i < p.models.size(); ++i) {
        if (p.models[i].number == p.model) {
            p.modelIndex = static_cast<int>(i);
            break;
        }
    }
}

void RigControlfrmLogic::rigctldHostEdited(const std::string& text) {
    s_.rigctld.host = text;
}

void RigControlfrmLogic::rigctldPortEdited(const std::string& text) {
    s_.rigctld.port = text;
}

void RigControlfrmLogic::chkStartRigctldClick(bool checked) {
    s_.rigctld.startDaemon = checked;
    Command2Click();
}

void RigControlfrmLogic::modelSearchEdited(const std::string& text) {
    RigctldPanel& p = s_.rigctld;
    p.search = text;
    if (const auto found = findHamlibModel(p.models, text)) {
        modelClick(static_cast<int>(*found));
    }
}

void RigControlfrmLogic::modelClick(int index) {
    RigctldPanel& p = s_.rigctld;
    if (index < 0 || index >= static_cast<int>(p.models.size()) || index == p.modelIndex) {
        return;
    }
    p.modelIndex = index;
    p.model = p.models[static_cast<std::size_t>(index)].number;
    Command2Click();
}

void RigControlfrmLogic::rigctldDeviceEdited(const std::string& text) {
    s_.rigctld.device = text;
}

void RigControlfrmLogic::rigctldBaudClick(int index) {
    if (index >= 0 && index < static_cast<int>(kRigctldBauds.size())) {
        s_.rigctld.baudIndex = index;
        Command2Click();
    }
}

} // namespace qv
