#pragma once

#include "platform/Dialogs.h"

#include <deque>
#include <string>
#include <vector>

namespace qv::test {

// Answers boxes from scripted queues and records every box shown.
class FakeDialogs : public Dialogs {
public:
    struct Shown {
        std::string kind; // "message" or "input"
        std::string title;
        std::string text;
        std::string defaultAnswer;
        MessageButtons buttons = MessageButtons::Ok;
        MessageIcon icon = MessageIcon::None;
    };

    std::deque<MessageAnswer> messageAnswers; // empty: Ok (or Yes for a Yes/No box)
    std::deque<std::string> inputAnswers;     // empty: Cancel (empty text)
    std::vector<Shown> shown;

    MessageAnswer messageBox(const std::string& title, const std::string& text,
                             MessageButtons buttons, MessageIcon icon) override {
        shown.push_back({"message", title, text, {}, buttons, icon});
        if (messageAnswers.empty()) {
            return buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoDefaultNo ||
                           buttons == MessageButtons::YesNoCancel
                       ? MessageAnswer::Yes
                       : MessageAnswer::Ok;
        }
        const MessageAnswer a = messageAnswers.front();
        messageAnswers.pop_front();
        return a;
    }

    std::deque<std::string> fileAnswers; // empty: Cancel

    std::string saveFileName(const std::string& title, const std::string& startFolder,
                             const std::string& defaultName, const std::string& filter) override {
        shown.push_back({"save", title, startFolder + "|" + filter, defaultName,
                         MessageButtons::OkCancel, MessageIcon::None});
        return nextFile();
    }
    std::string openFileName(const std::string& title, const std::string& startFolder,
                             const std::string& filter) override {
        shown.push_back({"open",
                         title,
                         startFolder + "|" + filter,
                         {},
                         MessageButtons::OkCancel,
                         MessageIcon::None});
        return nextFile();
    }
    std::deque<std::optional<Colour>> colourAnswers; // empty: Cancel

    std::optional<Colour> chooseColour(Colour initial) override {
        shown.push_back({"colour",
                         {},
                         std::to_string(initial),
                         {},
                         MessageButtons::OkCancel,
                         MessageIcon::None});
        if (colourAnswers.empty()) {
            return std::nullopt;
        }
        const std::optional<Colour> a = colourAnswers.front();
        colourAnswers.pop_front();
        return a;
    }

    std::string nextFile() {
        if (fileAnswers.empty()) {
            return {};
        }
        std::string a = fileAnswers.front();
        fileAnswers.pop_front();
        return a;
    }

    std::string inputBox(const std::string& title, const std::string& prompt,
                         const std::string& defaultAnswer) override {
        shown.push_back(
            {"input", title, prompt, defaultAnswer, MessageButtons::OkCancel, MessageIcon::None});
        if (inputAnswers.empty()) {
            return {};
        }
        std::string a = inputAnswers.front();
        inputAnswers.pop_front();
        return a;
    }
};

} // namespace qv::test
