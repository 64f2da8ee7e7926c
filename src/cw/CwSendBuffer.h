#pragma once

#include <string>
#include <string_view>

namespace qv {

// CwSendBuffer: the text waiting to be sent in CW. One instance, shared by the
// send loop, the WinKeyer sender, the main window's keys (Esc empties it,
// keyboard CW appends) and the code practice window.
class CwSendBuffer {
public:
    const std::string& text() const { return text_; }
    bool empty() const { return text_.empty(); }
    void append(std::string_view more) { text_.append(more); }
    void append(char ch) { text_.push_back(ch); }
    void clear() { text_.clear(); }
    // Takes the first character out; nothing on an empty buffer.
    char takeFirst() {
        if (text_.empty()) {
            return '\0';
        }
        const char first = text_.front();
        text_.erase(0, 1);
        return first;
    }
    void removeLast() {
        if (!text_.empty()) {
            text_.pop_back();
        }
    }

private:
    std::string text_;
};

} // namespace qv
