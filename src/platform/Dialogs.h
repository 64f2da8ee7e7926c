#pragma once

// Modal boxes the logic shows to the operator. Texts are Windows-1252.

#include "base/Colour.h"

#include <optional>
#include <string>

namespace qv {

// YesNoDefaultNo: Yes and No where Enter answers No (a question whose Yes
// destroys something, so that a stray Enter cannot).
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoDefaultNo, YesNoCancel, RetryCancel };
enum class MessageIcon { None, Information, Warning, Critical, Question };
enum class MessageAnswer { Ok, Cancel, Yes, No, Retry };

class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual MessageAnswer messageBox(const std::string& title, const std::string& text,
                                     MessageButtons buttons = MessageButtons::Ok,
                                     MessageIcon icon = MessageIcon::None) = 0;

    // The typed answer; Cancel gives empty text.
    virtual std::string inputBox(const std::string& title, const std::string& prompt,
                                 const std::string& defaultAnswer = {}) = 0;

    // File dialogs starting in startFolder; filter as "Log Files (*.log) | *.log"
    // (a description, a bar, the pattern). The chosen path, or empty text for
    // Cancel. The save dialog asks before an existing file is overwritten.
    virtual std::string saveFileName(const std::string& title, const std::string& startFolder,
                                     const std::string& defaultName, const std::string& filter) = 0;
    virtual std::string openFileName(const std::string& title, const std::string& startFolder,
                                     const std::string& filter) = 0;

    // The colour chooser with initial preselected; nullopt for Cancel.
    virtual std::optional<Colour> chooseColour(Colour initial) = 0;

    // A question box with Yes and No and the question icon; true for Yes.
    bool askYesNo(const std::string& title, const std::string& text,
                  MessageButtons buttons = MessageButtons::YesNo) {
        return messageBox(title, text, buttons, MessageIcon::Question) == MessageAnswer::Yes;
    }
};

} // namespace qv
