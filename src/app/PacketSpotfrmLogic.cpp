#include "app/PacketSpotfrmLogic.h"

#include "app/SpottingTexts.h"
#include "base/Cp1252.h"
#include "base/Numbers.h"
#include "spots/TelnetErrors.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace qv {
namespace {

using C = PacketSpotfrmControl;
using G = SpotOptionGroup;

constexpr std::uint32_t kTickMs = 333;
// About two minutes of ticks without a spot.
constexpr int kRefreshTicks = 360;
constexpr std::size_t kWrapLength = 70;
// A burst of TNC text is worked through in slices of this size, for at most this
// long per tick, so the window stays responsive; what is left waits for the next
// tick, up to a bound beyond which the oldest text is dropped.
constexpr std::size_t kTncSlice = 8192;
constexpr std::uint32_t kTncBudgetMs = 20;
constexpr std::size_t kTncPendingLimit = 1 << 20;

constexpr const char* kCrLf = "\r\n";
constexpr const char* kTwoCrLf = "\r\n\r\n";
constexpr const char* kDone = "DX Spotting Setup";

template <typename T, std::size_t N> int indexOf(const std::array<T, N>& values, T value) {
    for (std::size_t i = 0; i < N; ++i) {
        if (values[i] == value) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// The command-mode text read as a hexadecimal number: "03" is 3, "1B" is 27.
std::optional<char> commandModeCharacter(std::string_view hex) {
    const std::string text(trimBlanks(hex));
    if (text.empty() || text.size() > 2 ||
        text.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
        return std::nullopt;
    }
    return static_cast<char>(std::strtol(text.c_str(), nullptr, 16));
}

} // namespace

PacketSpotfrmLogic::PacketSpotfrmLogic(Uses uses)
    : u_(uses), timer_(u_.timers.create(kTickMs, [this] {
          tick();
          changed();
      })) {
    u_.telnet.setEventHandler([this](const TcpEvent& e) {
        onTelnet(e);
        changed();
    });
}

PacketSpotfrmLogic::~PacketSpotfrmLogic() {
    u_.telnet.setEventHandler({});
}

bool PacketSpotfrmLogic::isKind(std::string_view kind) const {
    return equalsIgnoreCase(settings_.kind, kind);
}

void PacketSpotfrmLogic::changed() {
    if (changed_) {
        changed_();
    }
}

void PacketSpotfrmLogic::focusOn(Control c) {
    s_.focus = c;
    ++s_.focusRequest;
}

void PacketSpotfrmLogic::scroll() {
    // The receive box keeps its caret on the newest text itself.
}

void PacketSpotfrmLogic::show() {
    // Shown first, so a saved source that fails to open while loading is
    // reported in the window being opened rather than in a second, modal one.
    s_.visible = true;
    if (!loaded_) {
        load();
    }
    if (!settings_.kind.empty() && !isKind("None")) {
        s_.received.setCaret(s_.received.text().size());
        focusOn(C::txtSent);
    }
}

void PacketSpotfrmLogic::closed() {
    s_.visible = false;
}

void PacketSpotfrmLogic::load() {
    loaded_ = true;
    s_.enabled = SpotControls::None;
    s_.openCloseEnabled = false;
    loading_ = true;
    const FileContents file = u_.files.read(SpotSettings::kFileName);
    std::optional<SpotSettings> read;
    if (file.error == FileContents::Error::None) {
        read = parseSpotSettings(file.bytes);
    }
    if (read) {
        applySettings(*read);
    }
    loading_ = false;
    tncBuffer_.reset();
}

void PacketSpotfrmLogic::applySettings(const SpotSettings& settings) {
    s_.convToHex = settings.convertToHex != 0;
    s_.listDisplay = settings.listDisplay;
    s_[C::txtHex].setText(settings.commandModeHex);
    s_[C::txtTelnetPort].setText(settings.telnetPort);
    s_[C::txtTelnetHost].setText(settings.telnetHost);
    // The stored kind, selected as a click selects it (help text, DX only off).
    int kindIndex = -1;
    for (std::size_t i = 0; i < kSpotKinds.size(); ++i) {
        if (equalsIgnoreCase(kSpotKinds[i], settings.kind)) {
            kindIndex = static_cast<int>(i);
        }
    }
    settings_ = settings;
    if (kindIndex >= 0) {
        settings_.kind = std::string(kSpotKinds[static_cast<std::size_t>(kindIndex)]);
        List1Click(kindIndex);
    }
    s_.option(G::Comm) = settings.port >= 1 && settings.port <= 10 ? settings.port - 1 : -1;
    s_.option(G::Baud) = indexOf(kSpotBauds, std::string_view(trimBlanks(settings.baud)));
    s_.option(G::Parity) = indexOf(kSpotParities, settings.parity);
    s_.option(G::Data) = indexOf(kSpotDataBits, settings.dataBits);
    s_.option(G::Stop) = indexOf(kSpotStopBits, settings.stopBits);
    s_.option(G::Power) = indexOf(kSpotPowerLines, settings.powerLine);
    s_.option(G::Handshaking) =
        settings.handshaking >= 1 && settings.handshaking <= 4 ? settings.handshaking - 1 : -1;
    s_.dxOnly = settings.dxOnly != 0;
    loading_ = false;
    enableFor(settings_.kind);
    if (kindIndex >= 0 && !isKind("None")) {
        Open();
    }
}

void PacketSpotfrmLogic::copyChoicesIntoSettings() {
    const auto pick = [this](G g) { return s_.option(g); };
    if (pick(G::Baud) >= 0) {
        settings_.baud = std::string(kSpotBauds[static_cast<std::size_t>(pick(G::Baud))]);
    }
    if (pick(G::Parity) >= 0) {
        settings_.parity = kSpotParities[static_cast<std::size_t>(pick(G::Parity))];
    }
    if (pick(G::Data) >= 0) {
        settings_.dataBits = kSpotDataBits[static_cast<std::size_t>(pick(G::Data))];
    }
    if (pick(G::Stop) >= 0) {
        settings_.stopBits = kSpotStopBits[static_cast<std::size_t>(pick(G::Stop))];
    }
    if (pick(G::Comm) >= 0) {
        settings_.port = pick(G::Comm) + 1;
    }
    if (pick(G::Power) >= 0) {
        settings_.powerLine = kSpotPowerLines[static_cast<std::size_t>(pick(G::Power))];
    }
    if (pick(G::Handshaking) >= 0) {
        settings_.handshaking = pick(G::Handshaking) + 1;
    }
    settings_.convertToHex = s_.convToHex ? 1 : 0;
    settings_.dxOnly = s_.dxOnly ? 1 : 0;
    settings_.listDisplay = s_.listDisplay;
    settings_.commandModeHex = s_[C::txtHex].text;
    settings_.telnetPort = s_[C::txtTelnetPort].text;
    settings_.telnetHost = s_[C::txtTelnetHost].text;
}

void PacketSpotfrmLogic::saveSettingsFile() {
    copyChoicesIntoSettings();
    std::string text;
    if (Status s = formatSpotSettings(settings_, text); !s) {
        u_.dialogs.messageBox("Error Saving Settings", s.message(), MessageButtons::Ok,
                              MessageIcon::Critical);
        return;
    }
    if (Status s = u_.files.replace(SpotSettings::kFileName, text); !s) {
        u_.dialogs.messageBox("Error Saving Settings", s.message(), MessageButtons::Ok,
                              MessageIcon::Critical);
    }
}

void PacketSpotfrmLogic::showHelp(std::string_view kind) {
    const std::string help = spottingHelp(kind);
    s_.received.replace(help);
    s_.received.setCaret(1);
}

void PacketSpotfrmLogic::enableFor(std::string_view kind) {
    if (equalsIgnoreCase(kind, "TNC")) {
        s_.enabled = SpotControls::Tnc;
        s_.label6 = "Send text  (Ctrl C or Esc for TNC Command mode):";
    } else if (equalsIgnoreCase(kind, "Telnet")) {
        s_.enabled = SpotControls::Telnet;
        s_.label6 = "Type text to send and press enter:";
    } else if (equalsIgnoreCase(kind, "AGW Packet Engine")) {
        s_.enabled = SpotControls::Engine;
        s_.label6 = "Send text (use : to send cmds such as :C Velmark or :D)";
    } else {
        s_.enabled = SpotControls::None;
    }
    s_.openCloseEnabled = true;
}

void PacketSpotfrmLogic::List1Click(int index) {
    if (index < 0 || index >= static_cast<int>(kSpotKinds.size())) {
        return;
    }
    s_.listIndex = index;
    s_.dxOnly = false;
    const std::string_view kind = kSpotKinds[static_cast<std::size_t>(index)];
    if (!loading_) {
        Close();
        s_.enabled = SpotControls::None;
        settings_.kind = std::string(kind);
        if (kind == "TNC") {
            s_.option(G::Baud) = indexOf(kSpotBauds, std::string_view("9600"));
            s_.option(G::Parity) = 1;
            s_.option(G::Data) = 1;
            s_.option(G::Stop) = 0;
            s_.option(G::Handshaking) = 2;
            s_[C::txtHex].setText("03");
        }
    }
    showHelp(kind);
    enableFor(kind);
}

void PacketSpotfrmLogic::optionClick(SpotOptionGroup group, int index) {
    s_.option(group) = index;
    if (!loading_) {
        Close();
    }
}

void PacketSpotfrmLogic::displayClick(bool list) {
    s_.listDisplay = list;
}

void PacketSpotfrmLogic::chkDXClick(bool checked) {
    s_.dxOnly = checked;
}

void PacketSpotfrmLogic::moveFocus(Control to) {
    s_.focus = to;
}

void PacketSpotfrmLogic::edited(Control c) {
    TextField* box = s_.box(c);
    if (box == nullptr) {
        return;
    }
    sanitize(*box);
    // Word wrap towards the packet engine: a line that grows past 70 characters
    // goes out at its next blank.
    if (c == C::txtSent && isKind("AGW Packet Engine") && timer_->active()) {
        const std::string& text = box->text;
        if (text.size() > kWrapLength && text.back() == ' ') {
            sendToEngine(text.substr(0, text.size() - 1));
            box->clear();
        }
    }
}

void PacketSpotfrmLogic::keyPressed(Control c, int key) {
    TextField* box = s_.box(c);
    if (box == nullptr) {
        return;
    }
    if (c == C::txtSent && key == keys::kEnter) {
        sendText();
        return;
    }
    if (key == keys::kEnter) {
        return;
    }
    if (key == keys::kEscape) {
        // Esc types a colon towards the packet engine: Esc C and a call connect.
        if (c == C::txtSent && isKind("AGW Packet Engine")) {
            typeKey(*box, ':');
        }
        return;
    }
    typeKey(*box, key);
    edited(c);
}

bool PacketSpotfrmLogic::escapeOrCtrlC() {
    s_.dxOnly = false;
    if (!s_.listening) {
        Open();
    }
    if (isKind("TNC") && u_.tnc.isOpen()) {
        if (const auto ch = commandModeCharacter(s_[C::txtHex].text)) {
            (void)u_.tnc.write(std::string(1, *ch)); // failures are ignored
        }
        focusOn(C::txtSent);
        return true;
    }
    if (s_[C::txtSent].text.empty()) {
        focusOn(C::txtSent);
    }
    return false;
}

void PacketSpotfrmLogic::sendText() {
    if (!s_.listening) {
        Open();
    }
    const std::string text = s_[C::txtSent].text;
    if (isKind("TNC")) {
        if (u_.tnc.isOpen()) {
            (void)u_.tnc.write(text + "\r");
        }
    } else if (isKind("Telnet")) {
        if (u_.telnet.state() == TcpState::Connected) {
            (void)u_.telnet.send(text + kCrLf);
        } else {
            s_.received.append(std::string("**  Connection not yet established.  Please wait a "
                                           "moment and try again.") +
                               kTwoCrLf);
        }
    } else if (isKind("AGW Packet Engine") && timer_->active()) {
        sendToEngine(text);
    }
    s_[C::txtSent].clear();
}

void PacketSpotfrmLogic::sendToEngine(const std::string& text) {
    if (!text.empty() && text[0] == ':') {
        const char letter = text.size() > 1 ? toUpper(text[1]) : '\0';
        const std::string target(trimBlanks(text.size() > 2 ? text.substr(2) : std::string()));
        if (letter == 'D') {
            if (!connectedStation_.empty()) {
                u_.engine.AGWPutData(connectedStation_, {}, 'd');
            }
        } else if (letter == 'C') {
            const std::string call = toUpper(target);
            if (call.empty()) {
                u_.dialogs.messageBox("Call sign Required",
                                      "You must enter a call sign to connect to such as :C "
                                      "Velmark",
                                      MessageButtons::Ok, MessageIcon::Information);
                return;
            }
            u_.engine.AGWPutData(call, {}, 'c');
            u_.engine.AGWPutData(call, {}, 'P');
        }
        return;
    }
    if (!connectedStation_.empty()) {
        u_.engine.AGWPutData(connectedStation_, text + "\r", 'D');
    }
}

void PacketSpotfrmLogic::Command1Click() {
    Open();
}

void PacketSpotfrmLogic::Command2Click() {
    Close();
}

void PacketSpotfrmLogic::cmdDoneClick() {
    if (!settings_.kind.empty() && !isKind("None") && !s_.listening) {
        Open();
    }
    if (savePrefs_) {
        savePrefs_();
    }
    saveSettingsFile();
    if (windows_) {
        windows_->layOutSpotDisplay();
    }
    s_.visible = false;
}

void PacketSpotfrmLogic::Command3Click() {
    const std::string call = u_.log.empty() ? std::string() : u_.log.record(u_.log.size()).call;
    TextField& sent = s_[C::txtSent];
    sent.setText("DX Frequency in kHz " + call);
    focusOn(C::txtSent);
    sent.select(3, 16);
}

void PacketSpotfrmLogic::Open() {
    s_.received.replace(std::string("** Attempting to Open Port **") + kTwoCrLf);
    if (u_.tnc.isOpen()) {
        u_.tnc.close();
    }
    if (settings_.kind.empty() || isKind("None")) {
        return;
    }
    s_.listening = true;
    if (s_.visible) {
        focusOn(C::txtSent);
    }
    if (isKind("TNC")) {
        openTnc();
    } else if (isKind("AGW Packet Engine")) {
        startEngine();
    } else if (isKind("Telnet")) {
        connectTelnet();
    }
}

void PacketSpotfrmLogic::openTnc() {
    copyChoicesIntoSettings();
    const auto serial = parseSerialSettings(spotSerialSettings(settings_));
    SerialLink& link = u_.tnc;
    if (link.isOpen()) {
        link.close();
    }
    if (!serial) {
        tncFailed();
        return;
    }
    link.setPort(settings_.port);
    link.setSettings(*serial);
    bool ok = link.setDtr(false).ok() && link.setRts(false).ok();
    bool rts = false;
    switch (settings_.handshaking) {
    case 2:
        link.setHandshaking(Handshaking::XonXoff);
        break;
    case 3:
        link.setHandshaking(Handshaking::RtsCts);
        rts = true;
        break;
    case 4:
        link.setHandshaking(Handshaking::RtsCtsXonXoff);
        rts = true;
        break;
    default:
        link.setHandshaking(Handshaking::None);
        break;
    }
    if (ok && rts) {
        ok = link.setRts(true).ok();
    }
    ok = ok && link.open().ok();
    if (ok && settings_.powerLine == 'R') {
        ok = link.setRts(true).ok();
    } else if (ok && settings_.powerLine == 'D') {
        ok = link.setDtr(true).ok();
    }
    if (!ok || !link.isOpen()) {
        tncFailed();
        return;
    }
    tncBuffer_.reset();
    tncPending_.clear();
    timer_->start();
    s_.received.append(std::string("** TNC Serial Port Open **") + kTwoCrLf);
}

void PacketSpotfrmLogic::tncFailed() {
    u_.beeper.beep();
    s_.received.append(std::string("** Unable to open TNC Serial Port **") + kTwoCrLf);
    u_.dialogs.messageBox(
        "Invalid Comm Settings.",
        "The comm port that you selected for DX Spotting is either in use, invalid or the "
        "settings that you have selected are invalid.  Please select another combination or "
        "choose None for your DX Spot selection.",
        MessageButtons::Ok, MessageIcon::Information);
    if (!s_.visible && windows_) {
        windows_->showSpottingWindowModally();
    }
    Close();
    timer_->stop();
}

void PacketSpotfrmLogic::connectTelnet() {
    u_.telnet.close();
    const std::string host = s_[C::txtTelnetHost].text;
    const std::string portText = s_[C::txtTelnetPort].text;
    const double port = leadingNumber(portText);
    const auto portNumber =
        port >= 0 && port <= 65535 ? static_cast<std::uint16_t>(port) : std::uint16_t{0};
    u_.telnet.connectTo(host, portNumber);
    s_.received.replace("Attempting connection to: " + host + ":" + portText + kTwoCrLf);
    timer_->start();
}

void PacketSpotfrmLogic::onTelnet(const TcpEvent& event) {
    switch (event.kind) {
    case TcpEvent::Kind::Connected:
        break;
    case TcpEvent::Kind::DataArrived:
        telnetArrival(event.bytes, s_.received, s_.dxOnly, *this);
        break;
    case TcpEvent::Kind::Disconnected:
        // The cluster ended the session: the source is closed, Open reconnects.
        u_.telnet.close();
        Close();
        break;
    case TcpEvent::Kind::Error:
        u_.telnet.close();
        s_.received.append(telnetErrorText(telnetErrorNumber(event)));
        Close();
        u_.beeper.beep();
        break;
    }
}

void PacketSpotfrmLogic::startEngine() {
    const std::string call(trimBlanks(u_.profile.ownCall));
    if (call.empty()) {
        u_.beeper.beep();
        u_.dialogs.messageBox("Call Sign Required!",
                              "Please enter your call sign on the setup form to transmit!",
                              MessageButtons::Ok, MessageIcon::Information);
        // Nothing listens without a call.
        s_.listening = false;
        return;
    }
    const std::string name(trimBlanks(programName_.substr(0, 50)));
    u_.engine.AGWStartPoll(call, name, [this](bool accepted) {
        engineStarted(accepted);
        changed();
    });
}

void PacketSpotfrmLogic::engineStarted(bool accepted) {
    if (!s_.listening || !isKind("AGW Packet Engine")) {
        return; // closed meanwhile
    }
    if (accepted) {
        timer_->start();
        s_.received.append(std::string(kCrLf) +
                           "** Successfully connected to AGW Packet Engine **" + kTwoCrLf);
        return;
    }
    u_.dialogs.messageBox("Unable to connect to the AGW Packet Engine.", engineUnreachableMessage(),
                          MessageButtons::Ok, MessageIcon::Information);
    s_.listening = false;
    s_.received.append(engineUnreachableNote());
    if (!s_.visible && windows_) {
        windows_->showSpottingWindowModally();
    }
    u_.engine.AGWClose();
    timer_->stop();
}

void PacketSpotfrmLogic::fetchFrame() {
    const std::optional<EngineFrame> frame = u_.engine.AGWGetData();
    if (!frame) {
        return;
    }
    engineFrameArrival(*frame, connectedStation_, s_.received, s_.dxOnly, *this);
    if (frame->kind == 'd' && !connectedStation_.empty() &&
        equalsIgnoreCase(frame->from, connectedStation_)) {
        u_.beeper.beep();
        u_.beeper.beep();
        s_.received.append(std::string(kCrLf) + "** Disconnected from " + connectedStation_ +
                           " **" + kCrLf);
        s_.caption = kDone;
        connectedStation_.clear();
    } else if (frame->kind == 'c' && connectedStation_.empty()) {
        connectedStation_ = frame->from;
        s_.received.append("** Connected to " + connectedStation_ + " **");
        s_.caption = std::string(kDone) + " - Connected to " + connectedStation_;
        u_.beeper.beep();
    }
}

void PacketSpotfrmLogic::Close() {
    if (!s_.listening) {
        return;
    }
    s_.listening = false;
    s_.received.append(std::string(kTwoCrLf) + "** Port Closed **");
    if (u_.tnc.isOpen()) {
        u_.tnc.close();
    }
    u_.telnet.close();
    if (isKind("AGW Packet Engine")) {
        if (!connectedStation_.empty()) {
            u_.engine.AGWPutData(connectedStation_, {}, 'd');
            s_.caption = kDone;
            connectedStation_.clear();
        }
        u_.engine.AGWClose();
    }
    timer_->stop();
}

void PacketSpotfrmLogic::tick() {
    if (isKind("TNC")) {
        readTnc();
    } else if (isKind("AGW Packet Engine")) {
        fetchFrame();
    }
    if (++labelRefresh_ > kRefreshTicks) {
        labelRefresh_ = 0;
        if (windows_) {
            windows_->refreshBandMap();
        }
    }
}

void PacketSpotfrmLogic::readTnc() {
    if (u_.tnc.isOpen()) {
        tncPending_ += u_.tnc.takeInput();
    }
    if (tncPending_.size() > kTncPendingLimit) {
        tncPending_.erase(0, tncPending_.size() - kTncPendingLimit);
    }
    const std::uint32_t start = u_.clock.milliseconds();
    std::size_t done = 0;
    while (done < tncPending_.size() && u_.clock.milliseconds() - start < kTncBudgetMs) {
        const std::size_t n = std::min(kTncSlice, tncPending_.size() - done);
        tncBuffer_.receive(std::string_view(tncPending_).substr(done, n), s_.received, s_.dxOnly,
                           *this);
        done += n;
    }
    tncPending_.erase(0, done);
}

void PacketSpotfrmLogic::unload() {
    if (!connectedStation_.empty()) {
        u_.engine.AGWPutData(connectedStation_, {}, 'd');
    }
    if (isKind("AGW Packet Engine")) {
        u_.engine.AGWClose();
    }
    timer_->stop();
    u_.telnet.close();
    if (u_.tnc.isOpen()) {
        u_.tnc.close();
    }
}

void PacketSpotfrmLogic::addSpot(const std::string& frequencyText, const std::string& call,
                                 const std::string& spotText) {
    labelRefresh_ = 0;
    u_.spots.addSpot(frequencyText, call, spotText);
}

} // namespace qv
