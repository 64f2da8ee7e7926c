#pragma once

#include "platform/Dialogs.h"

class QWidget;

namespace qv {

class QtDialogs : public Dialogs {
public:
    // Boxes are centred on the parent once one is set.
    void setParent(QWidget* parent) { parent_ = parent; }

    MessageAnswer messageBox(const std::string& title, const std::string& text,
                             MessageButtons buttons, MessageIcon icon) override;
    std::string inputBox(const std::string& title, const std::string& prompt,
                         const std::string& defaultAnswer) override;
    std::string saveFileName(const std::string& title, const std::string& startFolder,
                             const std::string& defaultName, const std::string& filter) override;
    std::string openFileName(const std::string& title, const std::string& startFolder,
                             const std::string& filter) override;
    std::optional<Colour> chooseColour(Colour initial) override;

private:
    QWidget* parent_ = nullptr;
};

} // namespace qv
