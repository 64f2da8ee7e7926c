#include "scp/CallIndex.h"

#include "base/Cp1252.h"

#include <algorithm>

namespace qv {
namespace {

std::uint32_t hashOf(std::string_view s) {
    std::uint32_t h = 2166136261u; // FNV-1a
    for (char c : s) {
        h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
    }
    return h;
}

// The characters a call is made of, for the calls one edit away.
constexpr std::string_view kCallCharacters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789/";

} // namespace

CallIndex::CallIndex(const std::vector<std::string>& calls) {
    std::size_t total = 0;
    for (const std::string& c : calls) {
        total += c.size() + 1;
    }
    text_.reserve(total);
    starts_.reserve(calls.size() + 1);
    for (const std::string& c : calls) {
        starts_.push_back(static_cast<std::uint32_t>(text_.size()));
        text_ += c;
        text_ += '\n';
    }
    starts_.push_back(static_cast<std::uint32_t>(text_.size()));

    // Sorted by the first four characters as one number first, which settles most
    // comparisons without touching the text.
    struct Keyed {
        std::uint32_t key;
        Suffix suffix;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(total - calls.size());
    for (std::uint32_t id = 0; id < calls.size(); ++id) {
        const std::uint32_t end = starts_[id + 1] - 1;
        for (std::uint32_t pos = starts_[id]; pos < end; ++pos) {
            std::uint32_t key = 0;
            for (std::uint32_t i = 0; i < 4; ++i) {
                const char c = pos + i < end ? text_[pos + i] : '\0';
                key = key << 8 | static_cast<unsigned char>(c);
            }
            keyed.push_back({key, {pos, id}});
        }
    }
    std::sort(keyed.begin(), keyed.end(), [this](const Keyed& a, const Keyed& b) {
        if (a.key != b.key) {
            return a.key < b.key;
        }
        const int order = suffixText(a.suffix).compare(suffixText(b.suffix));
        return order != 0 ? order < 0 : a.suffix.call < b.suffix.call;
    });
    suffixes_.reserve(keyed.size());
    for (const Keyed& k : keyed) {
        suffixes_.push_back(k.suffix);
    }

    std::size_t capacity = 16;
    while (capacity < calls.size() * 2) {
        capacity *= 2;
    }
    table_.assign(capacity, 0);
    for (std::uint32_t id = 0; id < calls.size(); ++id) {
        std::size_t slot = hashOf(call(id)) & (capacity - 1);
        while (table_[slot] != 0) {
            slot = (slot + 1) & (capacity - 1);
        }
        table_[slot] = id + 1;
    }
}

std::string_view CallIndex::call(std::uint32_t id) const {
    return std::string_view(text_).substr(starts_[id], starts_[id + 1] - 1 - starts_[id]);
}

std::string_view CallIndex::suffixText(const Suffix& s) const {
    return std::string_view(text_).substr(s.pos, starts_[s.call + 1] - 1 - s.pos);
}

std::optional<std::uint32_t> CallIndex::findUpper(std::string_view call) const {
    if (table_.empty()) {
        return std::nullopt;
    }
    const std::size_t mask = table_.size() - 1;
    for (std::size_t slot = hashOf(call) & mask; table_[slot] != 0; slot = (slot + 1) & mask) {
        if (this->call(table_[slot] - 1) == call) {
            return table_[slot] - 1;
        }
    }
    return std::nullopt;
}

std::optional<std::uint32_t> CallIndex::find(std::string_view call) const {
    return findUpper(toUpper(call));
}

std::vector<std::uint32_t> CallIndex::containing(std::string_view part, std::size_t limit) const {
    const std::string wanted = toUpper(part);
    std::vector<std::uint32_t> best; // a max-heap of the smallest call numbers met
    if (wanted.empty() || limit == 0) {
        return best;
    }
    const auto head = [&](const Suffix& s) { return suffixText(s).substr(0, wanted.size()); };
    const auto first = std::partition_point(suffixes_.begin(), suffixes_.end(),
                                            [&](const Suffix& s) { return head(s) < wanted; });
    const auto last = std::partition_point(first, suffixes_.end(),
                                           [&](const Suffix& s) { return head(s) == wanted; });
    best.reserve(limit);
    for (auto it = first; it != last; ++it) {
        const std::uint32_t id = it->call;
        if (best.size() == limit && id >= best.front()) {
            continue;
        }
        // A call holding the text twice is met twice.
        if (std::find(best.begin(), best.end(), id) != best.end()) {
            continue;
        }
        if (best.size() == limit) {
            std::pop_heap(best.begin(), best.end());
            best.back() = id;
        } else {
            best.push_back(id);
        }
        std::push_heap(best.begin(), best.end());
    }
    std::sort(best.begin(), best.end());
    return best;
}

std::vector<std::uint32_t> CallIndex::oneEditAway(std::string_view typed, std::size_t limit) const {
    const std::string base = toUpper(typed);
    std::vector<std::uint32_t> found;
    const auto look = [&](const std::string& variant) {
        if (const auto id = findUpper(variant)) {
            found.push_back(*id);
        }
    };
    std::string variant;
    for (std::size_t i = 0; i < base.size(); ++i) {
        variant = base;
        variant.erase(i, 1);
        if (!variant.empty()) {
            look(variant);
        }
        variant = base;
        for (char c : kCallCharacters) {
            if (c != base[i]) {
                variant[i] = c;
                look(variant);
            }
        }
    }
    for (std::size_t i = 0; i <= base.size(); ++i) {
        variant = base;
        variant.insert(i, 1, ' ');
        for (char c : kCallCharacters) {
            variant[i] = c;
            look(variant);
        }
    }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    if (found.size() > limit) {
        found.resize(limit);
    }
    return found;
}

std::size_t CallIndex::bytesUsed() const {
    return text_.capacity() + starts_.capacity() * sizeof(std::uint32_t) +
           suffixes_.capacity() * sizeof(Suffix) + table_.capacity() * sizeof(std::uint32_t);
}

} // namespace qv
