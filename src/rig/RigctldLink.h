#pragma once

// The connection to hamlib's rig daemon rigctld as rig control reaches it: a link
// like the radio's serial port, whose port number is the daemon's TCP port on a
// host. Opening connects and waits a bounded time for the outcome; the serial
// settings and modem lines do not apply and are accepted.

#include "rig/serial/SerialLink.h"

#include <string>

namespace qv {

class RigctldLink : public SerialLink {
public:
    virtual void setHost(const std::string& host) = 0;
    // Starts connecting again without waiting, after the daemon went away: the
    // polling picks the daemon up again once it is back.
    virtual void reconnect() = 0;
    virtual bool connecting() const = 0;
};

} // namespace qv
