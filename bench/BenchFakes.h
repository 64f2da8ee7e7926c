#pragma once

// Quiet stand-ins for the boxes, the beep and the windows around the logic, so a
// benchmark measures the logic alone.

#include "platform/Beeper.h"
#include "platform/Dialogs.h"

namespace qv::bench {

class SilentDialogs : public Dialogs {
public:
    MessageAnswer messageBox(const std::string&, const std::string&, MessageButtons buttons,
                             MessageIcon) override {
        return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    }
    std::string inputBox(const std::string&, const std::string&, const std::string&) override {
        return {};
    }
    std::string saveFileName(const std::string&, const std::string&, const std::string&,
                             const std::string&) override {
        return {};
    }
    std::string openFileName(const std::string&, const std::string&, const std::string&) override {
        return {};
    }
};

class NoBeep : public Beeper {
public:
    void beep() override {}
};

} // namespace qv::bench
