#pragma once

#include "spots/TcpLink.h"

namespace qv {

// Where no network is handed in: connecting fails at once, quietly.
class NoTcpLink : public TcpLink {
public:
    void connectTo(const std::string&, std::uint16_t) override {}
    Status send(std::string_view) override { return Status::failure("No network."); }
    void close() override {}
    TcpState state() const override { return TcpState::Closed; }
    void setEventHandler(EventHandler) override {}
};

} // namespace qv
