#pragma once

// Connects a QLineEdit to a TextField of the window logic. Keys that type a
// character, Enter, Backspace, Space and Esc go to the logic, which edits the
// field itself; other keys (arrows, Home, Delete, Ctrl+V ...) work on the box
// natively. What the box did comes back as one of two events: a text edit
// (paste, Delete, undo), which the logic reacts to, or a caret or selection move
// (arrows, Home, a click, the selection a Tab into the box makes), which only
// updates the field's selection: moving the caret changes nothing else.

#include "app/TextField.h"

#include <functional>

#include <QObject>

class QKeyEvent;
class QLineEdit;

namespace qv {

class LineEditBinding : public QObject {
    Q_OBJECT
public:
    using KeyHandler = std::function<void(int key)>;
    using EditHandler = std::function<void()>;

    // onKey receives each forwarded key; onEdited runs after a native text edit,
    // once `field` holds the new text and selection.
    LineEditBinding(QLineEdit* edit, TextField& field, KeyHandler onKey, EditHandler onEdited);

    // Copies the field's text and selection into the box.
    void render();
    QLineEdit* edit() const { return edit_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void copyFromBox();

    QLineEdit* edit_;
    TextField& field_;
    KeyHandler onKey_;
    EditHandler onEdited_;
    bool rendering_ = false;
};

// The Windows-1252 code of the key a key press types, keys::kNone if it types
// nothing the logic handles (those keys go to the box natively), or -1 for a
// character Windows-1252 cannot hold (discarded).
int logicKeyOf(const QKeyEvent& event);

} // namespace qv
