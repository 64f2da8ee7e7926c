#pragma once

// "Export.txt": the log as plain text in the list's column order, one contact a
// line, tab separated, under a heading line.

#include "base/Status.h"
#include "core/ContestLog.h"
#include "platform/FileStore.h"

#include <string>

namespace qv {

inline constexpr const char* kPlainExportName = "Export.txt";

std::string formatPlainExport(const ContestLog& log);
Status writePlainExport(FileStore& files, const ContestLog& log);

} // namespace qv
