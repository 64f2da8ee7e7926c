#pragma once

// The keyer device usually shares its serial port with the CW keying line and
// the voice push-to-talk line: before it opens, the other two are closed.

namespace qv {

class KeyerDevicePortRule {
public:
    virtual ~KeyerDevicePortRule() = default;
    // Closes the voice push-to-talk link, then the CW keying link, when open.
    virtual void beforeKeyerDeviceOpens() = 0;
};

// Where no other link shares the port.
class NoKeyerDevicePortRule : public KeyerDevicePortRule {
public:
    void beforeKeyerDeviceOpens() override {}
};

} // namespace qv
