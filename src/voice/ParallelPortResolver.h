#pragma once

#include "platform/SettingsStore.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace qv {

// A parallel port device of the system and the base address it sits at.
struct ParallelPortDevice {
    std::string path; // e.g. /dev/parport0
    std::uint32_t baseAddress = 0;
};

// Turns a parallel port's base address into its device, in this order:
// - the settings key "ParallelPort<base in decimal>" (e.g. "ParallelPort888"),
//   whose value is a device path;
// - the port the system lists at that address (Linux lists each port's base
//   address in /proc/sys/dev/parport/parport<n>/base-addr);
// - the classic addresses: 0x378 is /dev/parport0, 0x278 /dev/parport1, 0x3BC
//   /dev/parport2.
class ParallelPortResolver {
public:
    using ListDevices = std::function<std::vector<ParallelPortDevice>()>;

    ParallelPortResolver(SettingsStore& settings, ListDevices list)
        : settings_(settings), list_(std::move(list)) {}

    // The device at this base address, or nothing when none is known.
    std::optional<std::string> devicePath(std::uint32_t baseAddress) const;

private:
    SettingsStore& settings_;
    ListDevices list_;
};

} // namespace qv
