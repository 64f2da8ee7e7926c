#pragma once

// The widgets of a dialog by the logic's control enumeration, both ways.

#include <array>
#include <initializer_list>
#include <optional>

#include <QApplication>
#include <QWidget>

namespace qv {

// The tab order through the widgets, in the order given.
template <typename Range> void setTabChain(const Range& widgets) {
    QWidget* previous = nullptr;
    for (QWidget* w : widgets) {
        if (previous) {
            QWidget::setTabOrder(previous, w);
        }
        previous = w;
    }
}
inline void setTabChain(std::initializer_list<QWidget*> widgets) {
    setTabChain<std::initializer_list<QWidget*>>(widgets);
}

template <typename Control, std::size_t N> class ControlTable {
public:
    QWidget*& operator[](Control c) { return widgets_[static_cast<std::size_t>(c)]; }
    QWidget* operator[](Control c) const { return widgets_[static_cast<std::size_t>(c)]; }

    std::optional<Control> find(const QWidget* widget) const {
        for (std::size_t i = 0; i < N; ++i) {
            if (widgets_[i] == widget) {
                return static_cast<Control>(i);
            }
        }
        return std::nullopt;
    }

    // Moves the keyboard focus to the control unless it has it already.
    void focus(Control c) const {
        QWidget* w = (*this)[c];
        if (w && QApplication::focusWidget() != w) {
            w->setFocus(Qt::OtherFocusReason);
        }
    }

private:
    std::array<QWidget*, N> widgets_{};
};

} // namespace qv
