#pragma once

// The super check partial line under the partial duplicates: the caption
// "Check" and the known calls in one row. Screen readers read the row as a list
// named "Super check partial" whose items are the calls, or the whole line at
// once as the caption's name.

#include "app/SuperCheck.h"

#include <optional>
#include <string>

#include <QWidget>

class QLabel;
class QListWidget;

namespace qv {

class SuperCheckLine : public QWidget {
    Q_OBJECT
public:
    explicit SuperCheckLine(QWidget* parent);

    // Shows the state; what did not change is left alone (this runs at every key).
    void render(const SuperCheckState& state);

private:
    QLabel* caption_ = nullptr;
    QListWidget* list_ = nullptr;
    std::string shownLine_;
    std::optional<std::size_t> shownChosen_;
    std::string shownTooltip_;
};

} // namespace qv
