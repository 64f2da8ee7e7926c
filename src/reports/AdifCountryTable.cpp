#include "reports/AdifCountryTable.h"

#include "base/Cp1252.h"
#include "base/ItemSyntax.h"
#include "base/Numbers.h"

#include <cmath>
#include <vector>

namespace qv {

Status AdifCountryTable::load(std::string_view text) {
    size_ = 0;
    byUpperName_.clear();
    ItemReader reader(text);
    std::vector<Item> items;
    const auto fail = [&](std::string message) {
        size_ = 0;
        byUpperName_.clear();
        return Status::failure(std::string(kFileName) + " line " +
                               std::to_string(reader.lineNumber()) + ": " + std::move(message));
    };
    while (true) {
        const ItemReader::Result r = reader.nextLine(items);
        if (r == ItemReader::Result::End) {
            break;
        }
        if (r == ItemReader::Result::Error) {
            return fail("cannot be read");
        }
        if (size_ == kCapacity) {
            return fail("more than 1000 records");
        }
        const auto number = items.size() == 2 ? itemNumber(items[1]) : std::nullopt;
        if (!number || *number != std::floor(*number) || std::fabs(*number) > 1e15) {
            return fail("not a country name and a whole number");
        }
        const auto value = static_cast<std::int64_t>(*number);
        ++size_;
        byUpperName_.emplace(toUpper(items[0].text), value);
    }
    return Status::success();
}

std::int64_t AdifCountryTable::dxccOf(std::string_view country) const {
    const auto it = byUpperName_.find(toUpper(trimBlanks(country)));
    return it == byUpperName_.end() ? 0 : it->second;
}

} // namespace qv
