#include "ui/LineEditBinding.h"

#include "base/Cp1252.h"
#include "platform/qt/QtText.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace qv {

int logicKeyOf(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return keys::kEnter;
    case Qt::Key_Backspace:
        return keys::kBackspace;
    case Qt::Key_Escape:
        return keys::kEscape;
    default:
        break;
    }
    const QString text = event.text();
    if (text.size() != 1 || text[0].unicode() < 32 || text[0].unicode() == 127) {
        return keys::kNone; // no character, or a control shortcut such as Ctrl+V
    }
    const auto byte = encodeCp1252(text[0].unicode());
    return byte ? *byte : -1;
}

LineEditBinding::LineEditBinding(QLineEdit* edit, TextField& field, KeyHandler onKey,
                                 EditHandler onEdited)
    : QObject(edit), edit_(edit), field_(field), onKey_(std::move(onKey)),
      onEdited_(std::move(onEdited)) {
    edit_->installEventFilter(this);
    if (field_.maxLength > 0) {
        edit_->setMaxLength(static_cast<int>(field_.maxLength));
    }
    connect(edit_, &QLineEdit::textEdited, this, [this] { copyFromBox(); });
    connect(edit_, &QLineEdit::cursorPositionChanged, this, [this] {
        if (!rendering_) {
            copyFromBox();
        }
    });
    connect(edit_, &QLineEdit::selectionChanged, this, [this] {
        if (!rendering_) {
            copyFromBox();
        }
    });
    render();
}

void LineEditBinding::copyFromBox() {
    if (rendering_) {
        return;
    }
    std::string text = fromQString(edit_->text());
    const bool textChanged = text != field_.text;
    field_.text = std::move(text);
    if (edit_->hasSelectedText()) {
        field_.select(static_cast<std::size_t>(edit_->selectionStart()),
                      static_cast<std::size_t>(edit_->selectedText().size()));
    } else {
        field_.select(static_cast<std::size_t>(edit_->cursorPosition()), 0);
    }
    if (textChanged && onEdited_) {
        onEdited_();
    }
}

void LineEditBinding::render() {
    rendering_ = true;
    const QString text = toQString(field_.text);
    if (edit_->text() != text) {
        edit_->setText(text);
    }
    if (field_.selLength > 0) {
        edit_->setSelection(static_cast<int>(field_.selStart), static_cast<int>(field_.selLength));
    } else {
        edit_->deselect();
        edit_->setCursorPosition(static_cast<int>(field_.selStart));
    }
    rendering_ = false;
}

bool LineEditBinding::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const int code = logicKeyOf(*key);
        if (code == -1) {
            return true; // a character the data files cannot hold
        }
        if (code != keys::kNone) {
            onKey_(code);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace qv
