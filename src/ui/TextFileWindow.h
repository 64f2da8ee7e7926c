#pragma once

#include <string>

#include <QDialog>

class QPlainTextEdit;

namespace qv {

// A modeless window that shows one whole text read-only: the help text and the
// third-party list. "Close" only hides it, so the main window can keep it and show
// it again without rebuilding it.
class TextFileWindow : public QDialog {
    Q_OBJECT
public:
    explicit TextFileWindow(const QString& title, QWidget* parent = nullptr);

    // Replaces the text (Windows-1252, as the files are stored) and brings the
    // window to the front.
    void showText(const std::string& cp1252Text);

private:
    QPlainTextEdit* text_;
};

} // namespace qv
