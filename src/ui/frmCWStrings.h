#pragma once

#include "app/frmCWStringsLogic.h"

#include <array>
#include <functional>

#include <QDialog>

class QLabel;
class QKeyEvent;
class QPushButton;

namespace qv {

// "CW Strings": the function keys and their messages; a click sends one. Keys
// typed here go to the main window, so function keys work while it has the focus.
class frmCWStrings : public QDialog {
    Q_OBJECT
public:
    // afterClick runs after a click sent a message, so the main window shows it.
    frmCWStrings(frmCWStringsLogic& logic, std::function<void()> afterClick,
                 QWidget* parent = nullptr);
    ~frmCWStrings() override;

    void showMinimised();
    void render();

protected:
    bool event(QEvent* event) override;

private:
    frmCWStringsLogic& logic_;
    std::function<void()> afterClick_;
    std::array<QPushButton*, kCWStringsKeys> lblCWString_{};
};

} // namespace qv
