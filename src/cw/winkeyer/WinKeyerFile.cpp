#include "cw/winkeyer/WinKeyerFile.h"

#include "base/ItemSyntax.h"
#include "base/Numbers.h"

#include <optional>
#include <vector>

namespace qv {
namespace {

std::optional<std::uint8_t> byteOf(const Item& item) {
    const std::optional<double> n = itemNumber(item);
    if (!n || *n < -0.5 || *n > 255.5) {
        return std::nullopt;
    }
    const std::int64_t rounded = roundHalfEven(*n);
    if (rounded < 0 || rounded > 255) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(rounded);
}

} // namespace

WinKeyerFile parseWinKeyerFile(std::string_view text, WinKeyerFile defaults) {
    WinKeyerFile s = std::move(defaults);
    ItemReader reader(text, ItemReader::BlankLines::EmptyItem);
    std::vector<Item> items;
    std::string* texts[] = {&s.wpm, &s.weight, &s.leadIn, &s.tail, &s.ratio};
    std::uint8_t* tailBytes[] = {&s.pinConfig, &s.mode};
    for (std::size_t line = 0; line < 8; ++line) {
        if (reader.nextLine(items) != ItemReader::Result::Line || items.empty()) {
            break;
        }
        if (line == 0 || line >= 6) {
            const std::optional<std::uint8_t> b = byteOf(items.front());
            if (!b) {
                break;
            }
            *(line == 0 ? &s.port : tailBytes[line - 6]) = *b;
        } else {
            *texts[line - 1] = items.front().text;
        }
    }
    return s;
}

Status formatWinKeyerFile(const WinKeyerFile& s, std::string& text) {
    ItemWriter w;
    w.number(static_cast<int>(s.port)).endLine();
    for (const std::string* field : {&s.wpm, &s.weight, &s.leadIn, &s.tail, &s.ratio}) {
        w.text(*field).endLine();
    }
    w.number(static_cast<int>(s.pinConfig)).endLine();
    w.number(static_cast<int>(s.mode)).endLine();
    if (!w.ok()) {
        return Status::failure(std::string(WinKeyerFile::kFileName) +
                               " cannot hold a double quote or a line break.");
    }
    text = w.take();
    return Status::success();
}

} // namespace qv
