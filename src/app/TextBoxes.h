#pragma once

// The text boxes of a dialog, indexed by the dialog's control enumeration, whose
// first N values are the boxes (the buttons follow them).

#include "app/TextField.h"

#include <array>
#include <cstddef>

namespace qv {

template <typename Control, std::size_t N> class TextBoxes {
public:
    static constexpr std::size_t kCount = N;

    static constexpr bool isBox(Control c) { return static_cast<std::size_t>(c) < N; }

    TextField& operator[](Control c) { return boxes_[static_cast<std::size_t>(c)]; }
    const TextField& operator[](Control c) const { return boxes_[static_cast<std::size_t>(c)]; }

    // The box of a control; nullptr for a button.
    TextField* box(Control c) { return isBox(c) ? &(*this)[c] : nullptr; }
    const TextField* box(Control c) const { return isBox(c) ? &(*this)[c] : nullptr; }

private:
    std::array<TextField, N> boxes_{};
};

} // namespace qv
