#include "ui/ScorePanelWidget.h"

#include "platform/qt/QtText.h"
#include "ui/LabelSlot.h"
#include "ui/UiText.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace qv {
namespace {

// A value label reads out what it shows; its caption is the description.
QLabel* valueLabel(const char* objectName, const QString& caption, QWidget* parent) {
    auto* label = new QLabel(QStringLiteral("0"), parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setAccessibleName(label->text());
    label->setAccessibleDescription(caption);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(90);
    return label;
}

// A worked multiplier is drawn bold as well as in its colour, so that it stands
// out for an operator who cannot tell the colours apart.
QString styleFor(Colour c, bool worked) {
    return backgroundStyle(c) + QStringLiteral(" border: 1px solid #808080;") +
           (worked ? QStringLiteral(" font-weight: bold;") : QString());
}

// Call-area groups of the multiplier table, in table order.
struct Group {
    const char* objectName;
    const char* caption;
    std::size_t first;
    std::size_t last;
};
constexpr Group kGroups[] = {
    {"lblSecOne", "1", 1, 6},     {"lblSecTwo", "2", 7, 8},       {"lblSecThree", "3", 9, 11},
    {"lblSecFour", "4", 12, 19},  {"lblSecFive", "5", 20, 25},    {"lblSecSix", "6", 26, 27},
    {"lblSecSeven", "7", 28, 36}, {"lblSecEight", "8", 37, 39},   {"lblSecNine", "9", 40, 42},
    {"lblSecZero", "0", 43, 50},  {"lblSecCA", "Canada", 51, 62},
};

} // namespace

ScorePanelWidget::ScorePanelWidget(QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildStatistics());
    layout->addWidget(buildMultipliers(), 1);
    layout->addWidget(buildDxList());
}

QWidget* ScorePanelWidget::buildStatistics() {
    auto* box = new QGroupBox(QStringLiteral("Score Statistics"), this);
    auto* grid = new QGridLayout(box);
    struct Row {
        const char* caption;
        const char* objectName;
        QLabel** target;
    };
    const Row rows[] = {
        {"Total Contacts ............", "lblTotCon", &totalContacts_},
        {"Total Multipliers ...........", "lblsectogo", &totalMultipliers_},
        {"Total QSO Points ........", "lblTotSec", &totalPoints_},
        {"Total Score..................", "lblTotScore", &totalScore_},
        {"QSOs / Hr (last 60 min)", "lblAQSO60", &rate60_},
        {"QSOs / Hr (last 20 min)", "lblAQSO20", &rate20_},
    };
    int r = 0;
    for (const Row& row : rows) {
        const QString caption = QString::fromLatin1(row.caption);
        grid->addWidget(new QLabel(caption, box), r, 0);
        *row.target =
            valueLabel(row.objectName, caption.section(QLatin1Char('.'), 0, 0).trimmed(), box);
        fixLabelSize(*row.target, QStringLiteral("999,999,999"));
        grid->addWidget(*row.target, r, 1);
        ++r;
    }
    return box;
}

QWidget* ScorePanelWidget::buildMultipliers() {
    auto* box = new QWidget(this);
    auto* outer = new QVBoxLayout(box);
    outer->setContentsMargins(0, 0, 0, 0);
    usCanCaption_ = new QLabel(QStringLiteral("Multipliers worked:"), box);
    usCanCaption_->setObjectName(QStringLiteral("Label15"));
    usCanCaption_->setAccessibleName(usCanCaption_->text());
    fixLabelSize(usCanCaption_, QStringLiteral("US & Canadian Multipliers Worked - 62"));
    outer->addWidget(usCanCaption_);

    auto* grid = new QGridLayout();
    grid->setSpacing(2);
    outer->addLayout(grid);
    const MultiplierTable table;
    int column = 0;
    for (const Group& g : kGroups) {
        auto* heading = new QLabel(QString::fromLatin1(g.caption), box);
        heading->setObjectName(QString::fromLatin1(g.objectName));
        heading->setAlignment(Qt::AlignCenter);
        const int span = g.last - g.first + 1 > 9 ? 2 : 1;
        grid->addWidget(heading, 0, column, 1, span);
        for (std::size_t j = g.first; j <= g.last; ++j) {
            const std::size_t offset = j - g.first;
            auto* label = new QLabel(toQString(table.entry(j).abbreviation), box);
            label->setObjectName(QStringLiteral("Label10(%1)").arg(j));
            label->setToolTip(toQString(table.entry(j).name));
            label->setAccessibleName(label->text());
            label->setAlignment(Qt::AlignCenter);
            label->setMinimumWidth(28);
            label->installEventFilter(this);
            label->setProperty("multiplierEntry", static_cast<int>(j));
            grid->addWidget(label, 1 + static_cast<int>(offset % 6),
                            column + static_cast<int>(offset / 6));
            multipliers_[j - 1] = label;
        }
        column += span;
    }
    outer->addStretch(1);
    return box;
}

QWidget* ScorePanelWidget::buildDxList() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    dxCaption_ = new QLabel(QStringLiteral("DX"), box);
    dxCaption_->setObjectName(QStringLiteral("lblStation(5)"));
    dxCaption_->setAccessibleName(dxCaption_->text());
    dxCaption_->setAccessibleDescription(QStringLiteral("DX entities worked"));
    fixLabelSize(dxCaption_, QStringLiteral("DX  -  9999"));
    dxList_ = new QListWidget(box);
    dxList_->setObjectName(QStringLiteral("List1"));
    dxList_->setAccessibleName(QStringLiteral("DX entities worked"));
    dxList_->setMaximumWidth(180);
    layout->addWidget(dxCaption_);
    layout->addWidget(dxList_, 1);
    return box;
}

void ScorePanelWidget::show(const ScorePanelView& view) {
    if (shownRevision_ == view.revision) {
        return;
    }
    shownRevision_ = view.revision;
    showValue(totalContacts_, toQString(view.totalContacts));
    showValue(totalMultipliers_, toQString(view.totalMultipliers));
    showValue(totalPoints_, toQString(view.totalPoints));
    showValue(totalScore_, toQString(view.totalScore));
    showValue(rate60_, toQString(view.rateLastHour));
    showValue(rate20_, toQString(view.rateLastTwentyMinutes));
    showValue(usCanCaption_, captionText(view.usCanCaption));
    showValue(dxCaption_, toQString(view.dxCaption));

    // The panel is shown after every event; only what changed is redrawn.
    if (!shownDxList_ || *shownDxList_ != view.dxList) {
        QStringList names;
        for (const auto& name : view.dxList) {
            names << toQString(name);
        }
        dxList_->clear();
        dxList_->addItems(names);
        shownDxList_ = view.dxList;
    }
    for (std::size_t i = 0; i < multipliers_.size(); ++i) {
        const MultiplierLabel& m = view.multipliers[i];
        ShownMultiplier now{m.background, m.worked, m.description};
        if (shownMultipliers_[i] == now) {
            continue;
        }
        QLabel* label = multipliers_[i];
        if (!shownMultipliers_[i] || shownMultipliers_[i]->background != m.background ||
            shownMultipliers_[i]->worked != m.worked) {
            label->setStyleSheet(styleFor(m.background, m.worked));
        }
        label->setAccessibleDescription(toQString(m.description));
        label->setProperty("worked", m.worked);
        shownMultipliers_[i] = std::move(now);
    }
}

bool ScorePanelWidget::eventFilter(QObject* watched, QEvent* event) {
    const QVariant entry = watched->property("multiplierEntry");
    if (entry.isValid() && event->type() == QEvent::MouseButtonRelease) {
        emit multiplierClicked(entry.toInt());
        return true;
    }
    if (entry.isValid() && event->type() == QEvent::Enter) {
        emit multiplierHovered(entry.toInt());
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace qv
