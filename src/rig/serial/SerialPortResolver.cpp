#include "rig/serial/SerialPortResolver.h"

namespace qv {

std::optional<std::string> SerialPortResolver::devicePath(int port) const {
    if (port < 1) {
        return std::nullopt;
    }
    const std::string number = std::to_string(port);
    std::string configured =
        settings_.get(kSettingsApplication, kSettingsSection, "CommPort" + number, "");
    if (!configured.empty()) {
        return configured;
    }
    const std::string index = std::to_string(port - 1);
    std::string usb = "/dev/ttyUSB" + index;
    if (exists_ && exists_(usb)) {
        return usb;
    }
    return "/dev/ttyS" + index;
}

} // namespace qv
