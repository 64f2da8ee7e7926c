#pragma once

// The CW keying line, the keyer device and the voice push-to-talk line are
// usually wired to one serial port, so only one of them may hold it: before the
// push-to-talk link opens, the other two are closed.

namespace qv {

class KeyingPortRule {
public:
    virtual ~KeyingPortRule() = default;
    // Closes the CW keying link and the keyer device when they are open.
    virtual void beforeVoiceLinkOpens() = 0;
};

// While the CW side owns no port: nothing to close.
class NoKeyingPortRule : public KeyingPortRule {
public:
    void beforeVoiceLinkOpens() override {}
};

} // namespace qv
