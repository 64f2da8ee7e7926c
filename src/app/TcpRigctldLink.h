#pragma once

// The rig daemon's connection over the program's TCP link: what arrives waits to
// be taken by the next reply tick, as a serial port's receive buffer does.

#include "platform/Clock.h"
#include "platform/EventWait.h"
#include "rig/RigctldLink.h"
#include "spots/TcpLink.h"

#include <cstdint>
#include <string>

namespace qv {

class TcpRigctldLink : public RigctldLink {
public:
    // How long an opening waits for the daemon to accept or refuse.
    static constexpr std::uint32_t kConnectWaitMs = 2000;

    TcpRigctldLink(TcpLink& tcp, EventWait& wait, Clock& clock);
    ~TcpRigctldLink() override;
    TcpRigctldLink(const TcpRigctldLink&) = delete;
    TcpRigctldLink& operator=(const TcpRigctldLink&) = delete;

    void setHost(const std::string& host) override { host_ = host; }
    void reconnect() override;
    bool connecting() const override { return tcp_.state() == TcpState::Connecting; }

    void setPort(int number) override { port_ = number; }
    int port() const override { return port_; }
    void setSettings(const SerialSettings&) override {}
    void setHandshaking(Handshaking) override {}
    [[nodiscard]] Status open() override;
    void close() override;
    bool isOpen() const override { return tcp_.state() == TcpState::Connected; }
    [[nodiscard]] Status setDtr(bool) override { return Status::success(); }
    [[nodiscard]] Status setRts(bool) override { return Status::success(); }
    [[nodiscard]] Status write(std::string_view bytes) override { return tcp_.send(bytes); }
    std::string takeInput() override;
    std::size_t outBufferCount() const override { return 0; }
    void setEventHandler(EventHandler handler) override { handler_ = std::move(handler); }

private:
    void onEvent(const TcpEvent& event);

    TcpLink& tcp_;
    EventWait& wait_;
    Clock& clock_;
    std::string host_;
    int port_ = 0;
    std::string received_;
    std::string failure_; // why the last attempt ended
    EventHandler handler_;
};

} // namespace qv
