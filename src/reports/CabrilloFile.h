#pragma once

// Writing the Cabrillo entry into the working directory.

#include "base/Status.h"
#include "platform/FileStore.h"
#include "reports/CabrilloWriter.h"

#include <string>
#include <vector>

namespace qv {

struct [[nodiscard]] CabrilloWriteResult {
    Status status = Status::success();
    std::string fileName; // chosen from the own call, also on failure
};

// Replaces the file whole, so a failed write leaves no partial entry behind.
CabrilloWriteResult WriteCabrilloFile(FileStore& files, const CabrilloHeader& header,
                                      const OperatingState& totals,
                                      const std::vector<ContactRecord>& contacts);

} // namespace qv
