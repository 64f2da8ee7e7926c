#include "rig/RigPort.h"

#include "rig/RadioTable.h"

namespace qv {

Status OpenRigPort(SerialLink& link, const RigConfig& config) {
    if (link.isOpen()) {
        link.close();
    }
    link.setPort(config.portNumber);
    link.setHandshaking(needsHardwareHandshake(config.rigType) ? Handshaking::RtsCts
                                                               : Handshaking::None);
    const auto settings = parseSerialSettings(config.settingsText);
    if (!settings) {
        return Status::failure("The settings " + config.settingsText + " are not valid.");
    }
    link.setSettings(*settings);
    if (Status s = link.setDtr(false); !s) {
        return s;
    }
    if (Status s = link.setRts(false); !s) {
        return s;
    }
    if (Status s = link.open(); !s) {
        return s;
    }
    if (config.powerLine == 'R') {
        if (Status s = link.setRts(true); !s) {
            return s;
        }
    } else if (config.powerLine == 'D') {
        if (Status s = link.setDtr(true); !s) {
            return s;
        }
    }
    if (const std::string_view after = bytesAfterOpen(config.rigType); !after.empty()) {
        return link.write(after);
    }
    return Status::success();
}

} // namespace qv
