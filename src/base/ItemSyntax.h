#pragma once

// The item syntax of every data file: comma-separated items, texts between double
// quotes with no escaping, numbers bare, truth values #TRUE# and #FALSE#, lines
// ended by CR LF.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

struct Item {
    std::string text;
    bool quoted = false;
};

// The number an item holds, if it is numeric (quoted or not) and finite.
std::optional<double> itemNumber(const Item& item);
// #TRUE# / #FALSE#, unquoted.
std::optional<bool> itemBool(const Item& item);

// Reads a file line by line. Blanks before an item are skipped; a quoted item runs
// to the next double quote on its line; an unquoted item runs to the next comma or
// the line end and is trimmed. Lines end with CR LF, LF or CR. Lines holding only
// blanks are skipped, or read as one empty item where a file gives every line a
// meaning.
class ItemReader {
public:
    enum class Result { Line, End, Error };
    enum class BlankLines { Skip, EmptyItem };

    explicit ItemReader(std::string_view data, BlankLines blank = BlankLines::Skip)
        : data_(data), blank_(blank) {}

    // Fills items with the next line's items. Error: a quoted item without its
    // closing quote, or text after a closing quote before the comma or line end
    // (a stray double quote inside a text), or a double quote inside an unquoted item.
    Result nextLine(std::vector<Item>& items);

    // 1-based number of the line last returned (or where the error was found).
    std::size_t lineNumber() const { return line_; }

private:
    std::string_view data_;
    BlankLines blank_;
    std::size_t pos_ = 0;
    std::size_t line_ = 0;
};

// Every item of a settings file in order, whatever lines they stand on; nothing
// when the text does not read.
std::optional<std::vector<Item>> readAllItems(std::string_view text);

// Builds lines of items. A text that cannot be written (it holds a double quote or
// a line break) marks the writer failed instead of producing a broken file.
class ItemWriter {
public:
    ItemWriter& text(std::string_view value);
    ItemWriter& number(double value);
    ItemWriter& number(float value);
    ItemWriter& number(long long value);
    ItemWriter& number(int value) { return number(static_cast<long long>(value)); }
    ItemWriter& boolean(bool value);
    ItemWriter& endLine();

    bool ok() const { return ok_; }
    const std::string& str() const { return out_; }
    std::string take() { return std::move(out_); }
    void reserve(std::size_t bytes) { out_.reserve(bytes); }

private:
    void separate();

    std::string out_;
    bool lineStarted_ = false;
    bool ok_ = true;
};

} // namespace qv
