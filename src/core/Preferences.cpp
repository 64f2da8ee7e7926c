#include "core/Preferences.h"

#include "base/ItemSyntax.h"

#include <cmath>
#include <variant>

namespace qv {
namespace {

// Accumulated operating time: far beyond any contest, short of float trouble.
constexpr double kMaxOperatingSeconds = 1e9;

// One line of the file: where its value lives and, for a number, the values it
// may take. The one table serves reading and writing.
using Field = std::variant<std::string*, float*, std::uint8_t*, Colour*>;
struct Values {
    StationProfile& profile;
    Preferences& prefs;
    OperatingState& op;
    std::string& ignored; // a line read but not used
};
struct Line {
    Field (*field)(Values&);
    double low = 0;
    double high = 0;
};

template <auto Member> Field own(Values& v) {
    return &(v.profile.*Member);
}
template <auto Member> Field pref(Values& v) {
    return &(v.prefs.*Member);
}
template <auto Member> Field state(Values& v) {
    return &(v.op.*Member);
}
// Line 4 holds the mode when written; when read it is ignored.
Field modeLine(Values& v) {
    return &v.ignored;
}

const Line kLines[] = {
    {own<&StationProfile::ownCall>},
    {own<&StationProfile::ownSpc>},
    {own<&StationProfile::utcOffsetHours>, -kUtcOffsetLimit, kUtcOffsetLimit},
    {modeLine},
    {state<&OperatingState::operatingSeconds>, 0, kMaxOperatingSeconds},
    {own<&StationProfile::ownCountry>},
    {own<&StationProfile::ownLongitude>, -kLongitudeLimit, kLongitudeLimit},
    {own<&StationProfile::ownLatitude>, -kLatitudeLimit, kLatitudeLimit},
    {pref<&Preferences::sizePercent>, 0, 255},
    {pref<&Preferences::workedColor>, 0, 0xFFFFFFFF},
    {pref<&Preferences::remainingColor>, 0, 0xFFFFFFFF},
    {state<&OperatingState::currentBand>},
    {own<&StationProfile::ownContinent>},
    {own<&StationProfile::ownCategory>},
    {pref<&Preferences::navigationMode>, 0, 255},
    {pref<&Preferences::rigType>},
    {pref<&Preferences::taskbar>, 0, 255},
    {pref<&Preferences::listPreviousContacts>, 0, 255},
    {own<&StationProfile::ownName>},
    {pref<&Preferences::defaultCategory>},
};

// One item a line; a blank line is an empty item.
class LineReader {
public:
    explicit LineReader(std::string_view text) : reader_(text, ItemReader::BlankLines::EmptyItem) {}

    // False at the end of the file (the line keeps its default) or on a bad line.
    bool next(Item& item) {
        const auto r = reader_.nextLine(items_);
        if (r == ItemReader::Result::Error ||
            (r == ItemReader::Result::Line && items_.size() != 1)) {
            error_ = true;
        }
        if (r != ItemReader::Result::Line || error_) {
            return false;
        }
        item = std::move(items_.front());
        return true;
    }
    bool error() const { return error_; }

private:
    ItemReader reader_;
    std::vector<Item> items_;
    bool error_ = false;
};

// Stores the item into the line's field; false when it does not hold the kind of
// value the line needs, or a number outside the line's range.
bool store(const Line& line, Field field, Item& item) {
    if (auto* text = std::get_if<std::string*>(&field)) {
        **text = std::move(item.text);
        return true;
    }
    const auto value = itemNumber(item);
    if (!value || *value < line.low || *value > line.high) {
        return false;
    }
    return std::visit(
        [&](auto* target) {
            using T = std::remove_pointer_t<decltype(target)>;
            if constexpr (std::is_same_v<T, float>) {
                *target = static_cast<float>(*value);
            } else if constexpr (!std::is_same_v<T, std::string>) {
                *target = static_cast<T>(std::llround(*value));
            }
            return true;
        },
        field);
}

} // namespace

std::optional<std::string> formatPreferences(const StationProfile& profile,
                                             const Preferences& prefs, const OperatingState& op) {
    // The table hands out writable fields; writing only reads them.
    std::string mode = op.currentMode;
    Values values{const_cast<StationProfile&>(profile), const_cast<Preferences&>(prefs),
                  const_cast<OperatingState&>(op), mode};
    ItemWriter w;
    for (const Line& line : kLines) {
        std::visit(
            [&](auto* value) {
                using T = std::remove_pointer_t<decltype(value)>;
                if constexpr (std::is_same_v<T, std::string>) {
                    w.text(*value);
                } else if constexpr (std::is_same_v<T, float>) {
                    w.number(*value);
                } else {
                    w.number(static_cast<long long>(*value));
                }
            },
            line.field(values));
        w.endLine();
    }
    if (!w.ok()) {
        return std::nullopt;
    }
    return w.take();
}

Status parsePreferences(std::string_view text, StationProfile& p, Preferences& q,
                        OperatingState& o) {
    StationProfile profile = p;
    Preferences prefs = q;
    OperatingState op = o;
    std::string mode;
    Values values{profile, prefs, op, mode};
    LineReader lines(text);
    int lineNumber = 0;
    for (const Line& line : kLines) {
        ++lineNumber;
        Item item;
        if (!lines.next(item)) {
            if (lines.error()) {
                break;
            }
            if (lineNumber < static_cast<int>(std::size(kLines))) {
                // Cut short: the settings of the missing lines would be lost unseen.
                return Status::failure(std::string(Preferences::kFileName) + " line " +
                                       std::to_string(lineNumber) + " is missing");
            }
            item = Item{}; // no last line: no default category
        }
        if (!store(line, line.field(values), item)) {
            return Status::failure(std::string(Preferences::kFileName) + " line " +
                                   std::to_string(lineNumber));
        }
    }
    if (lines.error()) {
        return Status::failure(std::string(Preferences::kFileName) + " line " +
                               std::to_string(lineNumber));
    }
    p = std::move(profile);
    q = std::move(prefs);
    o.currentBand = std::move(op.currentBand);
    o.operatingSeconds = op.operatingSeconds;
    return Status::success();
}

Status readPreferences(FileStore& files, StationProfile& profile, Preferences& prefs,
                       OperatingState& op) {
    const FileContents contents = files.read(Preferences::kFileName);
    if (contents.error == FileContents::Error::NotFound) {
        prefs.mayWrite = true;
        return Status::success();
    }
    if (contents.error != FileContents::Error::None) {
        return Status::failure(std::string(Preferences::kFileName) + " (" + contents.reason + ")");
    }
    Status read = parsePreferences(contents.bytes, profile, prefs, op);
    prefs.mayWrite = read.ok();
    return read;
}

Status writePreferences(FileStore& files, const StationProfile& profile, const Preferences& prefs,
                        const OperatingState& op) {
    if (!prefs.mayWrite) {
        return Status::failure(std::string(Preferences::kFileName) +
                               " could not be read at start-up, so it is not written over");
    }
    const auto text = formatPreferences(profile, prefs, op);
    if (!text) {
        return Status::failure("a value cannot be written to " +
                               std::string(Preferences::kFileName));
    }
    return files.replace(Preferences::kFileName, *text);
}

} // namespace qv
