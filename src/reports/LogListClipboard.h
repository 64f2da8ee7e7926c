#pragma once

// "&Copy Listed Items to Clipboard": the rows the log list shows as tab-separated
// text for a spreadsheet.

#include "core/LogListRow.h"
#include "platform/Clipboard.h"

#include <string>
#include <vector>

namespace qv {

// The heading line, then the rows from the last in the list to the first; a TAB
// between columns, CR LF after each line, nothing quoted.
std::string logListClipboardText(const std::vector<LogListRow>& rows);

// The menu item: the clipboard emptied, then the rows of the list put on it.
void copyListedItems(const std::vector<ListRow>& rows, Clipboard& clipboard);

} // namespace qv
