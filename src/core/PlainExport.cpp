#include "core/PlainExport.h"

#include "core/RecentContacts.h"

namespace qv {

std::string formatPlainExport(const ContestLog& log) {
    std::string out = "Rec#\tCall\tSPC\tCat\tName\tDate/Time\tBnd\tPts\tName S\r\n";
    for (std::size_t k = 1; k <= log.size(); ++k) {
        ListRow row = listRowFor(k, log.record(k));
        // The export keeps the whole date and time, which the list shortens.
        row.columns[5] = log.record(k).date + " " + log.record(k).time;
        for (std::size_t i = 0; i < row.columns.size(); ++i) {
            out += row.columns[i];
            out += i + 1 < row.columns.size() ? "\t" : "\r\n";
        }
    }
    return out;
}

Status writePlainExport(FileStore& files, const ContestLog& log) {
    return files.replace(kPlainExportName, formatPlainExport(log));
}

} // namespace qv
