#pragma once

#include "platform/Clipboard.h"

#include <string>
#include <vector>

namespace qv::test {

// Records what is put on the clipboard.
class FakeClipboard : public Clipboard {
public:
    std::vector<std::string> calls;
    void clear() override { calls.push_back("clear"); }
    void setText(const std::string& text) override { calls.push_back(text); }
};

} // namespace qv::test
