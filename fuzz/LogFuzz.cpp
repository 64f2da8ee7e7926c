// Feeds arbitrary bytes to the item reader and the log loader. Neither may crash,
// hang or read out of bounds, and a log that loads must write back to text that
// loads as the same records.

#include "base/ItemSyntax.h"
#include "core/ContestLog.h"
#include "core/LogFileFormat.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    qv::ItemReader reader(text);
    std::vector<qv::Item> items;
    while (reader.nextLine(items) == qv::ItemReader::Result::Line) {
        for (const auto& item : items) {
            (void)qv::itemNumber(item);
            (void)qv::itemBool(item);
        }
    }

    const qv::ParsedLog parsed = qv::parseLog(text, qv::ContestLog::kCapacity);
    if (parsed.ok) {
        const auto written = qv::formatLog(parsed.records);
        if (!written) {
            std::abort(); // loaded, but could not be written back
        }
        const qv::ParsedLog again = qv::parseLog(*written, qv::ContestLog::kCapacity);
        if (!again.ok || again.records != parsed.records) {
            std::abort();
        }
    }
    return 0;
}
