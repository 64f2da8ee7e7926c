#include "reports/LogListClipboard.h"

namespace qv {
namespace {

template <typename Columns> void appendLine(std::string& out, const Columns& columns) {
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (i > 0) {
            out.push_back('\t');
        }
        out.append(columns[i]);
    }
    out.append("\r\n");
}

} // namespace

const std::array<std::string_view, kLogListColumns>& logListHeadings() {
    static constexpr std::array<std::string_view, kLogListColumns> kHeadings = {
        "Rec#", "Call", "SPC", "Cat", "Name", "Date/Time", "Bnd", "Pts", "Name S"};
    return kHeadings;
}

std::string logListClipboardText(const std::vector<LogListRow>& rows) {
    std::string out;
    appendLine(out, logListHeadings());
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        appendLine(out, *row);
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
