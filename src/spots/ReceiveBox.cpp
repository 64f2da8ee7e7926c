#include "spots/ReceiveBox.h"

#include "base/Cp1252.h"

#include <algorithm>

namespace qv {

void ReceiveBox::append(std::string_view text) {
    text_.append(text);
    upkeep();
}

void ReceiveBox::replace(std::string_view text) {
    text_.assign(text);
    if (text_.size() > kLimit) {
        text_.erase(0, text_.size() - kKept);
    }
    caret_ = 0;
    ++revision_;
}

void ReceiveBox::upkeep() {
    if (text_.size() > kLimit) {
        text_.erase(0, text_.size() - kKept);
    }
    if (text_.size() >= 3) {
        caret_ = text_.size() - 1;
    }
    ++revision_;
}

bool ReceiveBox::holdsRecent(std::string_view text) const {
    // The search starts at character L - 800 counted from 1, so it covers the
    // last 801 characters.
    const std::size_t window = kRepeatWindow + 1;
    const std::string_view recent =
        std::string_view(text_).substr(text_.size() > window ? text_.size() - window : 0);
    if (text.size() > recent.size()) {
        return false;
    }
    const auto sameLetter = [](char a, char b) { return toUpper(a) == toUpper(b); };
    return std::search(recent.begin(), recent.end(), text.begin(), text.end(), sameLetter) !=
           recent.end();
}

} // namespace qv
