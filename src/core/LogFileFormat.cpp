#include "core/LogFileFormat.h"

#include "base/ItemSyntax.h"

namespace qv {
namespace {
constexpr std::size_t kItemsPerRecord = 11;
}

std::optional<std::string> formatLogLine(const ContactRecord& r) {
    ItemWriter w;
    w.reserve(96);
    w.text(r.call).text(r.category).text(r.name).text(r.nameSent).text(r.spc).text(r.date);
    w.text(r.time).text(r.mode).text(r.band).number(r.points).text(r.frequency).endLine();
    if (!w.ok()) {
        return std::nullopt;
    }
    return w.take();
}

std::optional<std::string> formatLog(const std::vector<ContactRecord>& records) {
    std::string out;
    out.reserve(records.size() * 80);
    for (const auto& r : records) {
        const auto line = formatLogLine(r);
        if (!line) {
            return std::nullopt;
        }
        out += *line;
    }
    return out;
}

ParsedLog parseLog(std::string_view bytes, std::size_t capacity) {
    ParsedLog result;
    ItemReader reader(bytes);
    std::vector<Item> items;
    items.reserve(kItemsPerRecord + 1);
    auto fail = [&](std::string problem) {
        result.errorLine = reader.lineNumber();
        result.problem = std::move(problem);
        result.records.clear();
        return result;
    };
    for (;;) {
        const auto status = reader.nextLine(items);
        if (status == ItemReader::Result::End) {
            break;
        }
        if (status == ItemReader::Result::Error) {
            return fail("a double quote out of place");
        }
        if (items.size() != kItemsPerRecord) {
            return fail(std::to_string(items.size()) + (items.size() == 1 ? " item" : " items") +
                        " instead of 11");
        }
        const auto points = itemNumber(items[9]);
        if (!points) {
            return fail("points are not a number");
        }
        if (result.records.size() >= capacity) {
            return fail("more than " + std::to_string(capacity) + " records");
        }
        ContactRecord r;
        r.call = std::move(items[0].text);
        r.category = std::move(items[1].text);
        r.name = std::move(items[2].text);
        r.nameSent = std::move(items[3].text);
        r.spc = std::move(items[4].text);
        r.date = std::move(items[5].text);
        r.time = std::move(items[6].text);
        r.mode = std::move(items[7].text);
        r.band = std::move(items[8].text);
        r.points = *points;
        r.frequency = std::move(items[10].text);
        result.records.push_back(std::move(r));
    }
    result.ok = true;
    return result;
}

} // namespace qv
