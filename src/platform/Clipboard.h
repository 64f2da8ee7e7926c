#pragma once

#include <string>

namespace qv {

// The system clipboard, as plain text (Windows-1252).
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void clear() = 0;
    virtual void setText(const std::string& text) = 0;
};

} // namespace qv
