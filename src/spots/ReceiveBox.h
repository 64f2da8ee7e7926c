#pragma once

// The spotting window's receive box as text: bounded (past 10000 characters only
// the last 9000 are kept) with the caret on the newest text, and the repeat
// check over its last 800 characters.

#include <cstddef>
#include <string>
#include <string_view>

namespace qv {

class ReceiveBox {
public:
    static constexpr std::size_t kLimit = 10000;
    static constexpr std::size_t kKept = 9000;
    static constexpr std::size_t kRepeatWindow = 800;

    // Appends and applies the upkeep rule.
    void append(std::string_view text);
    // Replaces the whole text (help texts, "** Attempting to Open Port **").
    void replace(std::string_view text);
    // Whether text occurs, ignoring case, in the last 800 characters.
    bool holdsRecent(std::string_view text) const;

    const std::string& text() const { return text_; }
    // Where the caret stands: on the last character once the text has 3 or more.
    std::size_t caret() const { return caret_; }
    void setCaret(std::size_t caret) { caret_ = caret; }
    // Told after each change, so the window can show it.
    std::size_t revision() const { return revision_; }

private:
    void upkeep();
    std::string text_;
    std::size_t caret_ = 0;
    std::size_t revision_ = 0;
};

} // namespace qv
