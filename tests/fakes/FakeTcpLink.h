#pragma once

#include "spots/TcpLink.h"

#include <string>

namespace qv::test {

// A TCP link whose other end is the test: it accepts or refuses the
// connection, sends bytes and closes.
class FakeTcpLink : public TcpLink {
public:
    std::string host;
    std::uint16_t port = 0;
    int connects = 0;
    std::string sent;
    TcpState current = TcpState::Closed;
    EventHandler handler;

    void connectTo(const std::string& h, std::uint16_t p) override {
        host = h;
        port = p;
        ++connects;
        current = TcpState::Connecting;
    }
    Status send(std::string_view bytes) override {
        if (current != TcpState::Connected) {
            return Status::failure("not connected");
        }
        sent.append(bytes);
        return Status::success();
    }
    void close() override { current = TcpState::Closed; }
    TcpState state() const override { return current; }
    void setEventHandler(EventHandler h) override { handler = std::move(h); }

    void accept() {
        current = TcpState::Connected;
        raise({TcpEvent::Kind::Connected, {}, TcpError::Other, {}});
    }
    void receive(std::string bytes) {
        raise({TcpEvent::Kind::DataArrived, std::move(bytes), TcpError::Other, {}});
    }
    void remoteClose() {
        current = TcpState::Closed;
        raise({TcpEvent::Kind::Disconnected, {}, TcpError::Other, {}});
    }
    void fail(TcpError error, std::string message) {
        current = TcpState::Closed;
        raise({TcpEvent::Kind::Error, {}, error, std::move(message)});
    }

private:
    void raise(const TcpEvent& event) {
        if (handler) {
            handler(event);
        }
    }
};

} // namespace qv::test
