#pragma once

#include <fstream>
#include <sstream>
#include <string>

namespace qv::test {

// A file of tests/reports/golden, byte for byte.
inline std::string golden(const std::string& name) {
    std::ifstream in(std::string(QV_GOLDEN_DIR) + "/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

} // namespace qv::test
