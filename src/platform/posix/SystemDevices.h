#pragma once

// What the system says about its serial and parallel port devices.

#include "voice/ParallelPortResolver.h"

#include <string>
#include <vector>

namespace qv {

// Whether a device file (or anything else) exists at the path.
bool deviceFileExists(const std::string& path);

// The parallel ports Linux lists under root (normally /proc/sys/dev/parport),
// each with the base address from its "base-addr" file, by name order. Nothing
// when the parport driver is not loaded.
std::vector<ParallelPortDevice>
listParallelPorts(const std::string& root = "/proc/sys/dev/parport");

} // namespace qv
