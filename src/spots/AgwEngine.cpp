#include "spots/AgwEngine.h"

#include "base/Cp1252.h"

#include <algorithm>
#include <charconv>

namespace qv {

namespace {

// The AX.25 protocol identifier for plain text (no layer 3).
constexpr std::uint8_t kPidNoLayer3 = 0xF0;

std::uint16_t portFrom(std::string_view text) {
    text = trimBlanks(text);
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value == 0 || value > 65535) {
        return AgwEngine::kDefaultPort;
    }
    return static_cast<std::uint16_t>(value);
}

// The program's kind for an engine's frame: the engine reports a new connection
// as 'C', the program knows it as 'c'.
char programKind(char engineKind) {
    return engineKind == 'C' ? 'c' : engineKind;
}

} // namespace

AgwEngine::AgwEngine(TcpLink& link, SettingsStore& settings, Timers& timers)
    : link_(link), settings_(settings) {
    deadline_ = timers.create(
        kStartTimeoutMs, [this] { deadlinePassed(); }, true);
    link_.setEventHandler([this](const TcpEvent& event) { onEvent(event); });
}

AgwEngine::~AgwEngine() {
    link_.setEventHandler(nullptr);
    link_.close();
}

void AgwEngine::AGWStartPoll(const std::string& ownCall, const std::string& /*programName*/,
                             std::function<void(bool accepted)> started) {
    shut();
    frames_.clear();
    started_ = std::move(started);
    phase_ = Phase::Starting;
    ownCall_ = toUpper(trimBlanks(ownCall));
    if (ownCall_.empty()) {
        // Nothing to register: refused at once, yet from the event loop.
        deadline_->setInterval(0);
        deadline_->start();
        return;
    }
    std::string host(
        trimBlanks(settings_.get(kSettingsApplication, kSettingsSection, "AGWHost", kDefaultHost)));
    if (host.empty()) {
        host = kDefaultHost;
    }
    const std::uint16_t port = portFrom(settings_.get(kSettingsApplication, kSettingsSection,
                                                      "AGWPort", std::to_string(kDefaultPort)));
    deadline_->setInterval(kStartTimeoutMs);
    deadline_->start();
    link_.connectTo(host, port);
}

void AgwEngine::AGWPutData(const std::string& to, std::string_view data, char kind) {
    if (phase_ != Phase::Open) {
        return;
    }
    // A failed send means the connection is ending; its end arrives as an event.
    switch (kind) {
    case 'c':
        static_cast<void>(send('C', to));
        break;
    case 'D':
        while (!data.empty()) {
            const std::string_view part = data.substr(0, kMaxDataPerFrame);
            data.remove_prefix(part.size());
            if (!send('D', to, part)) {
                break;
            }
        }
        break;
    case 'd':
        static_cast<void>(send('d', to));
        break;
    default:
        // 'P' follows every connect. On the TCP interface 'P' is the application
        // login (user name and password, for an engine with its security on);
        // an empty one logs in as nobody on AGWPE and is an unknown command to
        // direwolf. The connect needs nothing more, so it is not sent.
        break;
    }
}

std::optional<EngineFrame> AgwEngine::AGWGetData() {
    if (frames_.empty()) {
        return std::nullopt;
    }
    EngineFrame frame = std::move(frames_.front());
    frames_.pop_front();
    return frame;
}

void AgwEngine::AGWClose() {
    shut();
    frames_.clear();
    started_ = nullptr;
}

void AgwEngine::onEvent(const TcpEvent& event) {
    switch (event.kind) {
    case TcpEvent::Kind::Connected:
        if (phase_ == Phase::Starting) {
            decoder_.reset();
            if (!send('X', {})) {
                finishStart(false);
            }
        }
        break;
    case TcpEvent::Kind::DataArrived:
        received(event.bytes);
        break;
    case TcpEvent::Kind::Disconnected:
    case TcpEvent::Kind::Error:
        if (phase_ == Phase::Starting) {
            finishStart(false);
        } else {
            shut();
        }
        break;
    }
}

void AgwEngine::received(std::string_view bytes) {
    if (phase_ == Phase::Closed) {
        return;
    }
    const std::uint64_t connection = connection_;
    const Status status = decoder_.feed(bytes, [&](AgwFrame&& frame) {
        if (connection == connection_) {
            take(std::move(frame));
        }
    });
    if (!status.ok() && connection == connection_) {
        // Past a broken header nothing can be framed again: give up the link.
        if (phase_ == Phase::Starting) {
            finishStart(false);
        } else {
            shut();
        }
    }
}

void AgwEngine::take(AgwFrame&& frame) {
    if (frame.kind == 'X') {
        if (phase_ == Phase::Starting) {
            registrationAnswered(frame);
        }
        return;
    }
    if (phase_ == Phase::Open) {
        queue(std::move(frame));
    }
}

void AgwEngine::deadlinePassed() {
    if (phase_ == Phase::Starting) {
        finishStart(false);
    }
}

void AgwEngine::registrationAnswered(const AgwFrame& reply) {
    const bool accepted = !reply.data.empty() && reply.data[0] == '\x01';
    // Monitoring is a toggle on the engine: sent once per connection, it is on.
    if (accepted && send('m', {})) {
        phase_ = Phase::Open;
        finishStart(true);
    } else {
        finishStart(false);
    }
}

void AgwEngine::finishStart(bool accepted) {
    deadline_->stop();
    if (!accepted) {
        shut();
    }
    // Taken out first: the handler may start again.
    std::function<void(bool)> started = std::move(started_);
    started_ = nullptr;
    if (started) {
        started(accepted);
    }
}

void AgwEngine::queue(AgwFrame&& frame) {
    EngineFrame out{programKind(frame.kind), std::move(frame.callFrom), std::move(frame.data)};
    // Engines end their texts (monitor lines, link notices) with a C string's NUL;
    // connected data is passed as it came.
    if (frame.kind != 'D') {
        while (!out.data.empty() && out.data.back() == '\0') {
            out.data.pop_back();
        }
    }
    if (frames_.size() >= kMaxQueued) {
        frames_.pop_front();
    }
    frames_.push_back(std::move(out));
}

bool AgwEngine::send(char kind, const std::string& to, std::string_view data) {
    AgwFrame frame;
    frame.kind = kind;
    frame.pid = kind == 'D' ? kPidNoLayer3 : 0;
    frame.callFrom = ownCall_;
    frame.callTo = to;
    frame.data = std::string(data);
    return link_.send(encodeAgwFrame(frame)).ok();
}

void AgwEngine::shut() {
    deadline_->stop();
    link_.close();
    decoder_.reset();
    phase_ = Phase::Closed;
    ++connection_;
}

} // namespace qv
