#pragma once

// The menu item "Export &ADIF File": asks for the power, reads the country table
// and writes Quorvex.adi into the working directory.

#include "base/Status.h"
#include "core/ContestLog.h"
#include "platform/Beeper.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/FileStore.h"

#include <string_view>

namespace qv {

// countryFile is ADIFCnt.txt as read by the caller (the shipped copy when the
// working directory has none). Shows the success or failure box itself and
// returns what happened; on failure the earlier export stays as it was.
Status ExportAdifFile(Dialogs& dialogs, Beeper& beeper, Clock& clock, FileStore& workingFiles,
                      const FileContents& countryFile, const ContestLog& log,
                      std::string_view programTitle);

} // namespace qv
