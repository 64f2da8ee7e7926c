#pragma once

// "&Copy Listed Items to Clipboard": the rows the log list shows as tab-separated
// text for a spreadsheet.

#include "core/RecentContacts.h"
#include "platform/Clipboard.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

inline constexpr std::size_t kLogListColumns = 9;
using LogListRow = std::array<std::string, kLogListColumns>;

// "Rec#", "Call", "SPC", "Cat", "Name", "Date/Time", "Bnd", "Pts", "Name S".
const std::array<std::string_view, kLogListColumns>& logListHeadings();

// The heading line, then the rows from the last in the list to the first; a TAB
// between columns, CR LF after each line, nothing quoted.
std::string logListClipboardText(const std::vector<LogListRow>& rows);

// The menu item: the clipboard emptied, then the rows of the list put on it.
void copyListedItems(const std::vector<ListRow>& rows, Clipboard& clipboard);

} // namespace qv
