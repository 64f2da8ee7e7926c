#pragma once

// One binding for every text-box dialog: a QLineEdit for each text box of the
// logic's state, keys and native edits forwarded to the logic, the focus followed
// both ways, the buttons wired to the logic, and the state shown after each event.
// The logic offers `state()` (a TextBoxes of its Control enumeration with a
// `focus`), `keyPressed(Control, int)`, `edited(Control)` and `moveFocus(Control)`.
// Esc in any box closes the window as its close box does.

#include "platform/qt/QtText.h"
#include "ui/ControlTable.h"
#include "ui/LineEditBinding.h"

#include <functional>
#include <optional>
#include <vector>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qv {

template <typename Logic, std::size_t Controls> class DialogBinding {
public:
    using Control = typename Logic::Control;

    // afterEvent runs after every event the logic handled, once the state is shown:
    // the window closes itself there when the logic is done.
    DialogBinding(QDialog& dialog, Logic& logic, std::function<void()> afterEvent)
        : dialog_(dialog), logic_(logic), afterEvent_(std::move(afterEvent)) {
        QObject::connect(qApp, &QApplication::focusChanged, &dialog_,
                         [this](QWidget*, QWidget* now) { focusChanged(now); });
    }
    ~DialogBinding() {
        // Children losing the focus while the window is destroyed must not reach it.
        QObject::disconnect(qApp, nullptr, &dialog_, nullptr);
    }
    DialogBinding(const DialogBinding&) = delete;
    DialogBinding& operator=(const DialogBinding&) = delete;

    // A text box with its caption, which is also its accessible name; the caller
    // places both.
    struct Box {
        QLabel* caption;
        QLineEdit* edit;
    };
    Box addBox(Control c, const QString& objectName, const QString& caption) {
        auto* edit = new QLineEdit(&dialog_);
        edit->setObjectName(objectName);
        edit->setAccessibleName(caption);
        auto* label = new QLabel(caption, &dialog_);
        label->setBuddy(edit);
        controls_[c] = edit;
        bindings_.push_back(new LineEditBinding(
            edit, logic_.state()[c],
            [this, c](int key) {
                if (key == keys::kEscape) {
                    escape();
                    return;
                }
                run([&] { logic_.keyPressed(c, key); });
            },
            [this, c] { run([&] { logic_.edited(c); }); }));
        return {label, edit};
    }

    QPushButton* addButton(Control c, const QString& objectName, const QString& caption,
                           std::function<void()> press) {
        auto* button = new QPushButton(caption, &dialog_);
        button->setObjectName(objectName);
        button->setAccessibleName(caption);
        button->setAutoDefault(false);
        controls_[c] = button;
        QObject::connect(button, &QPushButton::clicked, &dialog_,
                         [this, press = std::move(press)] { run(press); });
        return button;
    }

    // The tab order through the controls, in the order given.
    template <typename Range> void setTabOrder(const Range& controls) {
        std::vector<QWidget*> widgets;
        for (Control c : controls) {
            widgets.push_back(controls_[c]);
        }
        setTabChain(widgets);
    }

    QWidget* widget(Control c) const { return controls_[c]; }

    // Runs a logic call, then shows the state. Focus changes while it runs are the
    // boxes its messages open and close, not the operator's.
    template <typename F> void run(F&& f) {
        busy_ = true;
        f();
        busy_ = false;
        render();
        if (afterEvent_) {
            afterEvent_();
        }
    }

    void render() {
        for (LineEditBinding* binding : bindings_) {
            binding->render();
        }
    }
    // Only after the logic moved the focus: a box's own edits happen during focus
    // changes, when the logic has not heard of the new focus yet.
    void showFocus() { controls_.focus(logic_.state().focus); }

    // Set while the window closes, so that its last focus changes are not followed;
    // a window shown again follows them again.
    void stopFollowingFocus() { following_ = false; }
    void followFocus() { following_ = true; }

private:
    // Esc in a box closes the window as its close box does, changing nothing.
    void escape() {
        stopFollowingFocus();
        dialog_.reject();
    }

    void focusChanged(QWidget* now) {
        if (busy_ || !following_ || !now || now->window() != &dialog_) {
            return; // a box of the logic, another window, or this one closing
        }
        if (const auto c = controls_.find(now)) {
            run([&] { logic_.moveFocus(*c); });
            showFocus();
        }
    }

    QDialog& dialog_;
    Logic& logic_;
    std::function<void()> afterEvent_;
    ControlTable<Control, Controls> controls_;
    std::vector<LineEditBinding*> bindings_;
    bool busy_ = false;
    bool following_ = true;
};

} // namespace qv
