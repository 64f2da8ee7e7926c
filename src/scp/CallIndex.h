#pragma once

// Answers, while a call is typed, which known calls contain the typed text and
// which lie one edit away from it. The calls are kept in one text; a suffix array
// over it finds every call holding a given text with two binary searches, and an
// open-addressing table finds a whole call.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

class CallIndex {
public:
    CallIndex() = default;
    // Calls in upper case, each once, in the list's order (a call's number is its
    // place there).
    explicit CallIndex(const std::vector<std::string>& calls);

    std::size_t size() const { return starts_.empty() ? 0 : starts_.size() - 1; }
    std::string_view call(std::uint32_t id) const;
    // The number of this call (case is ignored), if it is listed.
    std::optional<std::uint32_t> find(std::string_view call) const;

    // The first `limit` calls, in the list's order, that contain `part` (case is
    // ignored).
    std::vector<std::uint32_t> containing(std::string_view part, std::size_t limit) const;
    // The first `limit` calls, in the list's order, one edit away from `call`:
    // one character changed, added or removed (case is ignored). The call itself
    // is not one of them.
    std::vector<std::uint32_t> oneEditAway(std::string_view call, std::size_t limit) const;

    // The bytes the index holds.
    std::size_t bytesUsed() const;

private:
    struct Suffix {
        std::uint32_t pos;  // in text_
        std::uint32_t call; // the call it lies in
    };
    std::string_view suffixText(const Suffix& s) const;
    std::optional<std::uint32_t> findUpper(std::string_view call) const;

    std::string text_;                  // the calls, each followed by a line break
    std::vector<std::uint32_t> starts_; // where each call begins, and the text's end
    std::vector<Suffix> suffixes_;      // every position of every call, sorted by what follows
    std::vector<std::uint32_t> table_;  // call number + 1 by hash; 0 is a free slot
};

} // namespace qv
