#include "core/Preferences.h"

#include "base/ItemSyntax.h"

#include <cmath>

namespace qv {

std::string formatPreferences(const StationProfile& p, const Preferences& q) {
    ItemWriter w;
    w.text(p.ownCall).endLine();
    w.text(p.ownSpc).endLine();
    w.number(p.utcOffsetHours).endLine();
    w.text(q.mode).endLine();
    w.number(q.operatingSeconds).endLine();
    w.text(p.ownCountry).endLine();
    w.number(p.ownLongitude).endLine();
    w.number(p.ownLatitude).endLine();
    w.number(static_cast<int>(q.sizePercent)).endLine();
    w.number(static_cast<long long>(q.workedColor)).endLine();
    w.number(static_cast<long long>(q.remainingColor)).endLine();
    w.text(q.band).endLine();
    w.text(p.ownContinent).endLine();
    w.text(p.ownCategory).endLine();
    w.number(static_cast<int>(q.navigationMode)).endLine();
    w.text(q.rigType).endLine();
    w.number(static_cast<int>(q.taskbar)).endLine();
    w.number(static_cast<int>(q.listPreviousContacts)).endLine();
    w.text(p.ownName).endLine();
    w.text(q.defaultCategory).endLine();
    return w.take();
}

namespace {

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

} // namespace

Status parsePreferences(std::string_view text, StationProfile& p, Preferences& q) {
    StationProfile profile = p;
    Preferences prefs = q;
    LineReader lines(text);
    int lineNumber = 0;
    bool ended = false;
    auto fail = [&] {
        return Status::failure(std::string(Preferences::kFileName) + " line " +
                               std::to_string(lineNumber));
    };
    auto nextItem = [&](Item& item) {
        ++lineNumber;
        if (ended) {
            return false;
        }
        if (!lines.next(item)) {
            ended = true;
            return false;
        }
        return true;
    };
    auto readText = [&](std::string& target) {
        Item item;
        if (nextItem(item)) {
            target = item.text;
        }
        return !lines.error();
    };
    auto readNumber = [&](auto& target, double low, double high) {
        Item item;
        if (!nextItem(item)) {
            return !lines.error();
        }
        const auto value = itemNumber(item);
        if (!value || *value < low || *value > high) {
            return false;
        }
        target = static_cast<std::remove_reference_t<decltype(target)>>(std::llround(*value));
        return true;
    };
    auto readFloat = [&](float& target) {
        Item item;
        if (!nextItem(item)) {
            return !lines.error();
        }
        const auto value = itemNumber(item);
        if (!value) {
            return false;
        }
        target = static_cast<float>(*value);
        return true;
    };

    if (!readText(profile.ownCall) || !readText(profile.ownSpc) ||
        !readFloat(profile.utcOffsetHours) || !readText(prefs.mode) ||
        !readFloat(prefs.operatingSeconds) || !readText(profile.ownCountry) ||
        !readFloat(profile.ownLongitude) || !readFloat(profile.ownLatitude) ||
        !readNumber(prefs.sizePercent, 0, 255) || !readNumber(prefs.workedColor, 0, 0xFFFFFFFF) ||
        !readNumber(prefs.remainingColor, 0, 0xFFFFFFFF) || !readText(prefs.band) ||
        !readText(profile.ownContinent) || !readText(profile.ownCategory) ||
        !readNumber(prefs.navigationMode, 0, 255) || !readText(prefs.rigType) ||
        !readNumber(prefs.taskbar, 0, 255) || !readNumber(prefs.listPreviousContacts, 0, 255) ||
        !readText(profile.ownName) || !readText(prefs.defaultCategory)) {
        return fail();
    }
    p = std::move(profile);
    q = std::move(prefs);
    return Status::success();
}

Status readPreferences(FileStore& files, StationProfile& profile, Preferences& prefs) {
    const FileContents contents = files.read(Preferences::kFileName);
    if (contents.error == FileContents::Error::NotFound) {
        return Status::success();
    }
    if (contents.error != FileContents::Error::None) {
        return Status::failure(std::string(Preferences::kFileName) + " (" + contents.reason + ")");
    }
    return parsePreferences(contents.bytes, profile, prefs);
}

Status writePreferences(FileStore& files, const StationProfile& profile, const Preferences& prefs) {
    return files.replace(Preferences::kFileName, formatPreferences(profile, prefs));
}

} // namespace qv
