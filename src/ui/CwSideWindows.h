#pragma once

// The windows the CW setup window opens: the WinKeyer setup and code practice.

class QWidget;

namespace qv {

class Program;

// Shows the WinKeyer setup window modally over parent; returns when it is hidden.
void showWinKeySetup(Program& program, QWidget* parent);
// Shows the code practice window modally over parent; on closing it the CW
// send buffer is emptied.
void showCodePractice(Program& program, QWidget* parent);

} // namespace qv
