#include "cw/CwSettings.h"

#include "base/ItemSyntax.h"
#include "base/Numbers.h"

#include <optional>
#include <vector>

namespace qv {
namespace {

// The file's order: F1-F9, port, speed, F10, F11, word space, option, address,
// echo, repeat. Messages are indices into `messages`.
enum class Line { Message, Port, Wpm, WordSpace, Selection, ParallelBase, Echo, Loop };
struct LineSpec {
    Line line;
    std::size_t message = 0;
};
constexpr std::array<LineSpec, 18> kLines = {{
    {Line::Message, 0},
    {Line::Message, 1},
    {Line::Message, 2},
    {Line::Message, 3},
    {Line::Message, 4},
    {Line::Message, 5},
    {Line::Message, 6},
    {Line::Message, 7},
    {Line::Message, 8},
    {Line::Port},
    {Line::Wpm},
    {Line::Message, 9},
    {Line::Message, 10},
    {Line::WordSpace},
    {Line::Selection},
    {Line::ParallelBase},
    {Line::Echo},
    {Line::Loop},
}};

} // namespace

Status formatCwSettings(const CwSettings& s, std::string& text) {
    ItemWriter w;
    for (const LineSpec& l : kLines) {
        switch (l.line) {
        case Line::Message:
            w.text(s.messages[l.message]);
            break;
        case Line::Port:
            w.text(s.port);
            break;
        case Line::Wpm:
            w.text(s.wpm);
            break;
        case Line::WordSpace:
            w.text(s.wordSpace);
            break;
        case Line::Selection:
            w.number(static_cast<int>(s.selection));
            break;
        case Line::ParallelBase:
            w.text(s.parallelBase);
            break;
        case Line::Echo:
            w.number(s.echo ? 1 : 0);
            break;
        case Line::Loop:
            w.text(s.loopSeconds);
            break;
        }
        w.endLine();
    }
    if (!w.ok()) {
        return Status::failure(std::string(CwSettings::kFileName) +
                               " cannot hold a double quote or a line break.");
    }
    text = w.take();
    return Status::success();
}

CwSettings parseCwSettings(std::string_view text, CwSettings defaults) {
    CwSettings s = std::move(defaults);
    ItemReader reader(text, ItemReader::BlankLines::EmptyItem);
    std::vector<Item> items;
    for (const LineSpec& l : kLines) {
        if (reader.nextLine(items) != ItemReader::Result::Line) {
            break; // a file that ends early (or breaks) keeps what was read
        }
        const std::string value = items.empty() ? std::string() : items.front().text;
        switch (l.line) {
        case Line::Message:
            s.messages[l.message] = value;
            break;
        case Line::Port:
            s.port = value;
            break;
        case Line::Wpm:
            s.wpm = value;
            break;
        case Line::WordSpace:
            s.wordSpace = value;
            break;
        case Line::Selection: {
            const auto number = items.empty() ? std::nullopt : itemNumber(items.front());
            const auto selection =
                number ? keyingSelectionFromNumber(static_cast<int>(roundHalfEven(*number)))
                       : std::nullopt;
            if (selection) {
                s.selection = *selection;
            }
            break;
        }
        case Line::ParallelBase:
            s.parallelBase = value;
            break;
        case Line::Echo:
            s.echo = leadingNumber(value) != 0;
            break;
        case Line::Loop:
            s.loopSeconds = value;
            break;
        }
    }
    if (s.messages[8].empty()) {
        s.messages[8] = CwSettings::kDefaultF9;
    }
    return s;
}

} // namespace qv
