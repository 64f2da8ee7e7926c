#pragma once

// The life of a window bound to its logic by a DialogBinding: the logic hears
// when the window is shown and when its close box or Esc hides it; the window
// moves the focus where the logic moved it, and hides itself when the logic is
// done. The logic offers `show()`, `closed()` and a `state()` with `focus` and
// `visible`; the window offers `render()`.

#include "ui/DialogBinding.h"

#include <QDialog>

namespace qv {

template <typename Window, typename Logic, std::size_t Controls> class DialogShowing {
public:
    using Control = typename Logic::Control;

    // shownFocus: the focus the window takes as already shown before its first
    // render.
    DialogShowing(Window& window, Logic& logic, DialogBinding<Logic, Controls>& binding,
                  Control shownFocus)
        : window_(window), logic_(logic), binding_(binding), shownFocus_(shownFocus) {
        QObject::connect(&window_, &QDialog::rejected, &window_, [this] {
            if (logic_.state().visible) {
                logic_.closed();
            }
        });
    }
    DialogShowing(const DialogShowing&) = delete;
    DialogShowing& operator=(const DialogShowing&) = delete;

    // Shows the window modally; returns when it is hidden.
    void showModal() {
        logic_.show();
        window_.render();
        window_.exec();
    }

    // From the window's showEvent: the focus is followed again, and shown.
    void shown() {
        binding_.followFocus();
        binding_.showFocus();
        window_.render();
    }

    // The end of each render: the logic's focus moves, and its close.
    void showFocusAndVisibility() {
        const auto& s = logic_.state();
        if (s.focus != shownFocus_ && window_.isVisible()) {
            shownFocus_ = s.focus;
            binding_.showFocus();
        }
        if (!s.visible && window_.isVisible()) {
            binding_.stopFollowingFocus();
            window_.hide();
        }
    }

private:
    Window& window_;
    Logic& logic_;
    DialogBinding<Logic, Controls>& binding_;
    Control shownFocus_;
};

} // namespace qv
