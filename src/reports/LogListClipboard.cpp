#include "reports/LogListClipboard.h"

namespace qv {

std::string logListClipboardText(const std::vector<LogListRow>& rows) {
    std::string out;
    appendTabSeparated(out, kLogListHeadings);
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        appendTabSeparated(out, *row);
    }
    return out;
}

void copyListedItems(const std::vector<ListRow>& rows, Clipboard& clipboard) {
    clipboard.clear();
    std::vector<LogListRow> columns;
    columns.reserve(rows.size());
    for (const ListRow& row : rows) {
        columns.push_back(row.columns);
    }
    clipboard.setText(logListClipboardText(columns));
}

} // namespace qv
