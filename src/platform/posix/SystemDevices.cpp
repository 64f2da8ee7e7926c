#include "platform/posix/SystemDevices.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace qv {

bool deviceFileExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

std::vector<ParallelPortDevice> listParallelPorts(const std::string& root) {
    std::vector<ParallelPortDevice> ports;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(root, ec)) {
        const std::string name = entry.path().filename().string();
        // "base-addr" holds the base address and the extended one, in decimal.
        std::ifstream in(entry.path() / "base-addr");
        unsigned long base = 0;
        if (name.rfind("parport", 0) == 0 && in >> base) {
            ports.push_back({"/dev/" + name, static_cast<std::uint32_t>(base)});
        }
    }
    std::sort(ports.begin(), ports.end(),
              [](const auto& a, const auto& b) { return a.path < b.path; });
    return ports;
}

} // namespace qv
