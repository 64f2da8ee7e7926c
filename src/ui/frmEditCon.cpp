#include "ui/frmEditCon.h"

#include "ui/Accessible.h"

#include <vector>

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace qv {

using C = frmEditConControl;

EditOutcome frmEditCon::run(QWidget* parent, const ContestLog& log, std::size_t k,
                            const PrefixTable& prefixes, const MultiplierTable& multipliers,
                            Dialogs& dialogs, Beeper& beeper) {
    frmEditConLogic logic(log, prefixes, multipliers, dialogs, beeper);
    if (!logic.open(k)) {
        return logic.outcome();
    }
    frmEditCon window(logic, parent);
    window.exec();
    return logic.outcome();
}

frmEditCon::frmEditCon(frmEditConLogic& logic, QWidget* parent)
    : QDialog(parent), logic_(logic), binding_(*this, logic, [this] { afterEvent(); }) {
    setObjectName(QStringLiteral("frmEditCon"));
    setWindowTitle(toQString(kEditWindowTitle));
    setModal(true);

    announcer_ = new Announcer(this);
    auto* grid = new QGridLayout;
    auto addBox = [&](C field, int row) {
        const auto box =
            binding_.addBox(field, QString::fromLatin1(nameOf(field)), toQString(captionOf(field)));
        grid->addWidget(box.caption, row, 0, Qt::AlignRight);
        grid->addWidget(box.edit, row, 1);
        return box;
    };
    int row = 0;
    for (const C field : kEditFieldOrder) {
        addBox(field, row);
        switch (field) {
        case C::txtEditCall:
            lblDupe_ = addMarker(grid, row, "lblDupe", kDupeMarker);
            break;
        case C::txtEditPre:
            lblSpcInvalid_ = addMarker(grid, row, "lblSpcInvalid", kInvalidMarker);
            break;
        case C::Text1:
            lblBandInvalid_ = addMarker(grid, row, "lblBandInvalid", kInvalidMarker);
            break;
        default:
            break;
        }
        ++row;
    }
    const auto mode = addBox(C::txtEditBnd, row);
    mode.caption->hide();
    mode.edit->hide();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (const C button : {C::cmdDone, C::cmdDeleteDupe}) {
        QPushButton* push = binding_.addButton(button, QString::fromLatin1(nameOf(button)),
                                               toQString(captionOf(button)), [this, button] {
                                                   if (button == C::cmdDone) {
                                                       logic_.pressDone();
                                                   } else {
                                                       logic_.pressDeleteDupe();
                                                   }
                                               });
        // A click must not take the focus first: "Done" runs the checks of the
        // box being left itself, and leaving it twice would show its box twice.
        push->setFocusPolicy(Qt::TabFocus);
        buttons->addWidget(push);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    std::vector<C> tabOrder(kEditFieldOrder.begin(), kEditFieldOrder.end());
    tabOrder.push_back(C::cmdDone);
    tabOrder.push_back(C::cmdDeleteDupe);
    binding_.setTabOrder(tabOrder);
    afterEvent();
}

// A marker keeps its place when hidden, so the boxes do not move when it shows.
QLabel* frmEditCon::addMarker(QGridLayout* grid, int row, const char* name, const char* text) {
    auto* marker = new QLabel(toQString(text), this);
    marker->setObjectName(QString::fromLatin1(name));
    QSizePolicy policy = marker->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    marker->setSizePolicy(policy);
    marker->hide();
    grid->addWidget(marker, row, 2);
    return marker;
}

// A marker that appears is announced with its box's caption, and stays in the
// box's accessible description while it shows.
void frmEditCon::showMarker(QLabel* marker, C field, bool shown) {
    if (marker->isHidden() != shown) {
        return;
    }
    marker->setVisible(shown);
    const QString text = marker->text().trimmed();
    binding_.widget(field)->setAccessibleDescription(shown ? text : QString());
    if (shown) {
        announcer_->announce(marker, toQString(captionOf(field)) + QStringLiteral(" ") + text);
    }
}

void frmEditCon::afterEvent() {
    binding_.render();
    const frmEditConState& s = logic_.state();
    showMarker(lblDupe_, C::txtEditCall, s.dupeShown);
    showMarker(lblSpcInvalid_, C::txtEditPre, s.spcInvalidShown);
    showMarker(lblBandInvalid_, C::Text1, s.bandInvalidShown);
    binding_.widget(C::cmdDeleteDupe)->setVisible(s.deleteDupeShown);
    if (s.closed) {
        binding_.stopFollowingFocus();
        accept();
    } else {
        binding_.showFocus();
    }
}

} // namespace qv
