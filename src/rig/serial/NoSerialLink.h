#pragma once

#include "rig/serial/SerialLink.h"

namespace qv {

// A link to no port at all, for a program built without a device: it never opens.
class NoSerialLink : public SerialLink {
public:
    void setPort(int number) override { number_ = number; }
    int port() const override { return number_; }
    void setSettings(const SerialSettings&) override {}
    void setHandshaking(Handshaking) override {}
    Status open() override { return Status::failure("No serial port is available."); }
    void close() override {}
    bool isOpen() const override { return false; }
    Status setDtr(bool) override { return Status::success(); }
    Status setRts(bool) override { return Status::success(); }
    Status write(std::string_view) override { return Status::failure("The port is not open."); }
    std::string takeInput() override { return {}; }
    std::size_t outBufferCount() const override { return 0; }
    void setEventHandler(EventHandler) override {}

private:
    int number_ = 0;
};

} // namespace qv
