#pragma once

#include "app/ScorePanel.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

#include <QWidget>

class QLabel;
class QListWidget;

namespace qv {

// The score statistics, the 62 multiplier labels and the DX entity list of the
// main window; shows a ScorePanelView.
class ScorePanelWidget : public QWidget {
    Q_OBJECT
public:
    explicit ScorePanelWidget(QWidget* parent = nullptr);
    void show(const ScorePanelView& view);

signals:
    void multiplierClicked(int entry);
    void multiplierHovered(int entry);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildStatistics();
    QWidget* buildMultipliers();
    QWidget* buildDxList();

    QLabel* totalContacts_ = nullptr;
    QLabel* totalMultipliers_ = nullptr;
    QLabel* totalPoints_ = nullptr;
    QLabel* totalScore_ = nullptr;
    QLabel* rate60_ = nullptr;
    QLabel* rate20_ = nullptr;
    QLabel* usCanCaption_ = nullptr;
    QLabel* dxCaption_ = nullptr;
    QListWidget* dxList_ = nullptr;
    std::array<QLabel*, MultiplierTable::kSize> multipliers_{};
    std::optional<std::vector<std::string>> shownDxList_;
    struct ShownMultiplier {
        Colour background = 0;
        bool worked = false;
        std::string description;
        bool operator==(const ShownMultiplier&) const = default;
    };
    std::array<std::optional<ShownMultiplier>, MultiplierTable::kSize> shownMultipliers_{};
    std::optional<std::uint64_t> shownRevision_;
};

} // namespace qv
