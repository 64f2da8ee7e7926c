#include "app/TcpRigctldLink.h"

namespace qv {
namespace {

// What the daemon says between two reply ticks is a few dozen bytes; a flood that
// nobody reads is cut rather than kept.
constexpr std::size_t kMostReceived = 65536;
constexpr std::uint32_t kWaitStepMs = 5;

} // namespace

TcpRigctldLink::TcpRigctldLink(TcpLink& tcp, EventWait& wait, Clock& clock)
    : tcp_(tcp), wait_(wait), clock_(clock) {
    tcp_.setEventHandler([this](const TcpEvent& event) { onEvent(event); });
}

TcpRigctldLink::~TcpRigctldLink() {
    tcp_.setEventHandler(nullptr);
}

void TcpRigctldLink::onEvent(const TcpEvent& event) {
    switch (event.kind) {
    case TcpEvent::Kind::Connected:
        failure_.clear();
        break;
    case TcpEvent::Kind::DataArrived:
        if (received_.size() + event.bytes.size() > kMostReceived) {
            received_.clear();
        }
        received_ += event.bytes;
        if (handler_) {
            handler_({SerialEvent::Kind::DataArrived, {}});
        }
        break;
    case TcpEvent::Kind::Disconnected:
        failure_ = "rigctld closed the connection";
        break;
    case TcpEvent::Kind::Error:
        failure_ = event.message.empty() ? std::string("the connection failed") : event.message;
        break;
    }
}

void TcpRigctldLink::reconnect() {
    received_.clear();
    failure_.clear();
    if (port_ > 0 && port_ <= 0xFFFF) {
        tcp_.connectTo(host_, static_cast<std::uint16_t>(port_));
    }
}

Status TcpRigctldLink::open() {
    if (port_ <= 0 || port_ > 0xFFFF || host_.empty()) {
        return Status::failure("no host and port");
    }
    reconnect();
    const std::uint32_t start = clock_.milliseconds();
    for (;;) {
        wait_.processEvents();
        const TcpState state = tcp_.state();
        if (state == TcpState::Connected) {
            return Status::success();
        }
        if (state == TcpState::Closed) {
            wait_.processEvents(); // the event that says why may still be queued
            return Status::failure(failure_.empty() ? std::string("the connection failed")
                                                    : failure_);
        }
        if (clock_.milliseconds() - start >= kConnectWaitMs) {
            tcp_.close();
            return Status::failure("no answer within two seconds");
        }
        wait_.sleep(kWaitStepMs);
    }
}

void TcpRigctldLink::close() {
    tcp_.close();
    received_.clear();
}

std::string TcpRigctldLink::takeInput() {
    std::string taken;
    taken.swap(received_);
    return taken;
}

} // namespace qv
