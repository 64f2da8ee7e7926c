#pragma once

// The CW keying link, the WinKeyer and the voice push-to-talk link are usually
// wired to one serial port, so only one of them holds it: opening the CW link
// closes the voice link, and opening the voice link or the WinKeyer closes the
// other two.

#include "cw/KeyingThread.h"
#include "cw/WinKeyer.h"
#include "cw/winkeyer/KeyerDevicePortRule.h"
#include "rig/serial/SerialLink.h"
#include "voice/KeyingPortRule.h"

namespace qv {

class CwPortRule : public KeyingPortRule, public KeyerDevicePortRule {
public:
    struct Uses {
        SerialLink& cwLink;
        ElementSender& keying; // stopped before its link closes under it
        SerialLink& voiceLink;
    };
    explicit CwPortRule(Uses uses) : u_(uses) {}

    // The keyer device, once it is made (it is made after the voice keyer, which
    // needs this rule first).
    void attachWinKeyer(WinKeyer* winKeyer) { winKeyer_ = winKeyer; }

    void beforeVoiceLinkOpens() override {
        closeCwLink();
        if (winKeyer_) {
            winKeyer_->close();
        }
    }
    void beforeCwLinkOpens() {
        if (u_.voiceLink.isOpen()) {
            u_.voiceLink.close();
        }
    }
    void beforeKeyerDeviceOpens() override {
        beforeCwLinkOpens();
        closeCwLink();
    }

private:
    void closeCwLink() {
        if (u_.cwLink.isOpen()) {
            u_.keying.halt();
            u_.cwLink.close();
        }
    }

    Uses u_;
    WinKeyer* winKeyer_ = nullptr;
};

} // namespace qv
