#pragma once

#include "platform/Clipboard.h"

namespace qv {

class QtClipboard : public Clipboard {
public:
    void clear() override;
    void setText(const std::string& text) override;
};

} // namespace qv
