#pragma once

#include "platform/SettingsStore.h"

#include <functional>
#include <optional>
#include <string>
#include <utility>

namespace qv {

// Turns the program's serial port numbers into device paths. The settings key
// "CommPort<n>" (e.g. "CommPort3") names the device of port n; without one,
// port n is /dev/ttyUSB<n-1> when that exists (a USB adapter), else
// /dev/ttyS<n-1>.
class SerialPortResolver {
public:
    using DeviceExists = std::function<bool(const std::string& path)>;

    SerialPortResolver(SettingsStore& settings, DeviceExists exists)
        : settings_(settings), exists_(std::move(exists)) {}

    // The device of port n, or nothing for a number below 1.
    std::optional<std::string> devicePath(int port) const;

private:
    SettingsStore& settings_;
    DeviceExists exists_;
};

} // namespace qv
