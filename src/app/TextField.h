#pragma once

// A single-line text box as the window logic sees it: its text, the selection
// (start and length; with no selection the start is the caret), and the longest
// text it accepts (0: no limit).

#include <cstddef>
#include <string>

namespace qv {

// Character codes of the keys the logic handles (Windows-1252 for the rest).
namespace keys {
inline constexpr int kNone = 0; // a discarded key
inline constexpr int kBackspace = 8;
inline constexpr int kTab = 9;
inline constexpr int kEnter = 13;
inline constexpr int kEscape = 27;
inline constexpr int kSpace = 32;
inline constexpr int kQuote = 34;
} // namespace keys

// A logic key with a to z turned into capitals, every other key as it is.
inline int capital(int key) {
    return key >= 'a' && key <= 'z' ? key - 'a' + 'A' : key;
}
// A logic key turned into its Windows-1252 capital (accented letters too).
int upperKey(int key);

struct TextField {
    std::string text;
    std::size_t selStart = 0;
    std::size_t selLength = 0;
    std::size_t maxLength = 0;

    std::size_t caret() const { return selStart; }
    void setText(std::string value); // caret after the text, nothing selected
    void selectAll() {
        selStart = 0;
        selLength = text.size();
    }
    void select(std::size_t start, std::size_t length);
    void clear() { setText({}); }
};

// What typing the key does to the box when nobody consumed it: a character
// replaces the selection (if the length limit allows), Backspace deletes the
// selection or the character before the caret. Other control keys do nothing.
// True when the text changed.
bool typeKey(TextField& field, int key);

// Removes characters that may not be stored (double quotes, controls, characters
// outside Windows-1252 were already dropped at the window) and cuts the text to
// the length limit, as after a paste. True when the text changed.
bool sanitize(TextField& field);

} // namespace qv
