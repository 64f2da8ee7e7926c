#pragma once

// The radio-button groups of a settings window: each group shows the one button
// its logic selected (or none), and a click reports the group and the button.

#include <array>
#include <cstddef>
#include <functional>
#include <vector>

#include <QButtonGroup>
#include <QRadioButton>

namespace qv {

template <std::size_t Groups> class OptionButtons {
public:
    using Clicked = std::function<void(std::size_t group, int index)>;

    explicit OptionButtons(Clicked clicked) : clicked_(std::move(clicked)) {}

    // A button of a group, numbered in the order they are added.
    QRadioButton* add(QButtonGroup* qtGroup, std::size_t group, const QString& name,
                      const QString& caption, QWidget* parent) {
        auto* button = new QRadioButton(caption, parent);
        button->setObjectName(name);
        const int index = static_cast<int>(buttons_[group].size());
        qtGroup->addButton(button, index);
        buttons_[group].push_back(button);
        QObject::connect(button, &QRadioButton::clicked, button, [this, group, index] {
            if (!showing_) {
                clicked_(group, index);
            }
        });
        return button;
    }

    // Shows each group's selection (-1: none).
    void show(const std::array<int, Groups>& selected) {
        showing_ = true;
        for (std::size_t g = 0; g < Groups; ++g) {
            for (std::size_t i = 0; i < buttons_[g].size(); ++i) {
                QRadioButton* b = buttons_[g][i];
                const bool on = static_cast<int>(i) == selected[g];
                if (b->isChecked() != on) {
                    // A group with nothing selected needs exclusivity lifted to clear.
                    b->group()->setExclusive(false);
                    b->setChecked(on);
                    b->group()->setExclusive(true);
                }
            }
        }
        showing_ = false;
    }

private:
    Clicked clicked_;
    std::array<std::vector<QRadioButton*>, Groups> buttons_;
    bool showing_ = false;
};

} // namespace qv
