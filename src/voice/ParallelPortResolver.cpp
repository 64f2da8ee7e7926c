#include "voice/ParallelPortResolver.h"

#include <array>

namespace qv {
namespace {

constexpr std::array<std::pair<std::uint32_t, const char*>, 3> kClassicAddresses{{
    {0x378, "/dev/parport0"},
    {0x278, "/dev/parport1"},
    {0x3BC, "/dev/parport2"},
}};

} // namespace

std::optional<std::string> ParallelPortResolver::devicePath(std::uint32_t baseAddress) const {
    if (baseAddress == 0) {
        return std::nullopt;
    }
    std::string configured = settings_.get(kSettingsApplication, kSettingsSection,
                                           "ParallelPort" + std::to_string(baseAddress), "");
    if (!configured.empty()) {
        return configured;
    }
    if (list_) {
        for (ParallelPortDevice& device : list_()) {
            if (device.baseAddress == baseAddress) {
                return std::move(device.path);
            }
        }
    }
    for (const auto& [address, path] : kClassicAddresses) {
        if (address == baseAddress) {
            return std::string(path);
        }
    }
    return std::nullopt;
}

} // namespace qv
