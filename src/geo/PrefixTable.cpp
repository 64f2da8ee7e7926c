#include "geo/PrefixTable.h"

#include "base/ItemSyntax.h"

namespace qv {

Status PrefixTable::load(std::string_view text) {
    std::vector<PrefixEntry> entries;
    ItemReader reader(text);
    std::vector<Item> items;
    for (;;) {
        const auto r = reader.nextLine(items);
        if (r == ItemReader::Result::End) {
            break;
        }
        const std::string where =
            std::string(kFileName) + " line " + std::to_string(reader.lineNumber());
        if (r == ItemReader::Result::Error || items.size() != 8) {
            return Status::failure(where + " is not eight items");
        }
        const auto longitude = itemNumber(items[3]);
        const auto latitude = itemNumber(items[4]);
        if (!longitude || !latitude || items[0].text.empty()) {
            return Status::failure(where + " has no prefix or no position");
        }
        if (entries.size() >= kCapacity) {
            return Status::failure(std::string(kFileName) + " has more than " +
                                   std::to_string(kCapacity) + " lines");
        }
        entries.push_back({std::move(items[0].text), std::move(items[1].text),
                           std::move(items[2].text), static_cast<float>(*longitude),
                           static_cast<float>(*latitude)});
    }
    entries_ = std::move(entries);
    return Status::success();
}

} // namespace qv
