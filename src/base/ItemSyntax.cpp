#include "base/ItemSyntax.h"

#include "base/Cp1252.h"
#include "base/Numbers.h"

#include <cmath>

namespace qv {
namespace {

bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}
bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

std::optional<double> itemNumber(const Item& item) {
    if (!isNumeric(item.text)) {
        return std::nullopt;
    }
    const double value = leadingNumber(item.text);
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<bool> itemBool(const Item& item) {
    if (item.quoted) {
        return std::nullopt;
    }
    if (item.text == "#TRUE#") {
        return true;
    }
    if (item.text == "#FALSE#") {
        return false;
    }
    return std::nullopt;
}

ItemReader::Result ItemReader::nextLine(std::vector<Item>& items) {
    items.clear();
    for (;;) {
        if (pos_ >= data_.size()) {
            return Result::End;
        }
        ++line_;
        // Find this line's end and the start of the next one.
        std::size_t end = pos_;
        while (end < data_.size() && !isLineEnd(data_[end])) {
            ++end;
        }
        std::size_t next = end;
        if (next < data_.size()) {
            next +=
                (data_[next] == '\r' && next + 1 < data_.size() && data_[next + 1] == '\n') ? 2 : 1;
        }
        const std::string_view line = data_.substr(pos_, end - pos_);
        pos_ = next;
        if (trimBlanks(line).empty()) {
            if (blank_ == BlankLines::EmptyItem) {
                items.emplace_back();
                return Result::Line;
            }
            continue;
        }

        std::size_t i = 0;
        for (;;) {
            while (i < line.size() && isBlank(line[i])) {
                ++i;
            }
            Item item;
            if (i < line.size() && line[i] == '"') {
                const std::size_t close = line.find('"', i + 1);
                if (close == std::string_view::npos) {
                    return Result::Error;
                }
                item.text.assign(line.substr(i + 1, close - i - 1));
                item.quoted = true;
                i = close + 1;
                while (i < line.size() && isBlank(line[i])) {
                    ++i;
                }
                if (i < line.size() && line[i] != ',') {
                    return Result::Error;
                }
            } else {
                std::size_t comma = line.find(',', i);
                if (comma == std::string_view::npos) {
                    comma = line.size();
                }
                const std::string_view raw = line.substr(i, comma - i);
                if (raw.find('"') != std::string_view::npos) {
                    return Result::Error; // a quote inside an unquoted item
                }
                item.text.assign(trimBlanks(raw));
                i = comma;
            }
            items.push_back(std::move(item));
            if (i >= line.size()) {
                return Result::Line;
            }
            ++i; // the comma
        }
    }
}

void ItemWriter::separate() {
    if (lineStarted_) {
        out_.push_back(',');
    }
    lineStarted_ = true;
}

ItemWriter& ItemWriter::text(std::string_view value) {
    if (value.find_first_of("\"\r\n") != std::string_view::npos) {
        ok_ = false;
    }
    separate();
    out_.push_back('"');
    out_.append(value);
    out_.push_back('"');
    return *this;
}

ItemWriter& ItemWriter::number(double value) {
    if (!std::isfinite(value)) {
        ok_ = false;
    }
    separate();
    out_.append(formatShortest(value));
    return *this;
}

ItemWriter& ItemWriter::number(float value) {
    if (!std::isfinite(value)) {
        ok_ = false;
    }
    separate();
    out_.append(formatShortest(value));
    return *this;
}

ItemWriter& ItemWriter::number(long long value) {
    separate();
    out_.append(std::to_string(value));
    return *this;
}

ItemWriter& ItemWriter::boolean(bool value) {
    separate();
    out_.append(value ? "#TRUE#" : "#FALSE#");
    return *this;
}

ItemWriter& ItemWriter::endLine() {
    out_.append("\r\n");
    lineStarted_ = false;
    return *this;
}

std::optional<std::vector<Item>> readAllItems(std::string_view text) {
    std::vector<Item> values;
    ItemReader reader(text);
    std::vector<Item> items;
    for (ItemReader::Result r; (r = reader.nextLine(items)) != ItemReader::Result::End;) {
        if (r == ItemReader::Result::Error) {
            return std::nullopt;
        }
        values.insert(values.end(), items.begin(), items.end());
    }
    return values;
}

} // namespace qv
