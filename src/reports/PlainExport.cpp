#include "reports/PlainExport.h"

#include "core/LogListRow.h"

namespace qv {

std::string formatPlainExport(const ContestLog& log) {
    std::string out;
    appendTabSeparated(out, kLogListHeadings);
    for (std::size_t k = 1; k <= log.size(); ++k) {
        ListRow row = listRowFor(k, log.record(k));
        // The export keeps the whole date and time, which the list shortens.
        row.columns[5] = log.record(k).date + " " + log.record(k).time;
        appendTabSeparated(out, row.columns);
    }
    return out;
}

Status writePlainExport(FileStore& files, const ContestLog& log) {
    return files.replace(kPlainExportName, formatPlainExport(log));
}

} // namespace qv
