#include "ui/frmStationID.h"

#include <vector>

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace qv {
namespace {

using C = frmStationIDControl;

QString nameOf(C control) {
    const int n = static_cast<int>(control);
    return control >= C::Command1
               ? QStringLiteral("Command%1").arg(n - static_cast<int>(C::Command1) + 1)
               : QStringLiteral("Text%1").arg(n + 1);
}

} // namespace

bool frmStationID::run(QWidget* parent, StationProfile& profile, const PrefixTable& prefixes,
                       SettingsStore& settings, Dialogs& dialogs, Beeper& beeper) {
    frmStationIDLogic logic(prefixes, dialogs, beeper);
    logic.open(profile, settings);
    frmStationID window(logic, parent);
    window.exec();
    if (logic.state().hidden) {
        logic.copyInto(profile);
        return true;
    }
    keepProfileOnClose(profile, settings);
    return false;
}

frmStationID::frmStationID(frmStationIDLogic& logic, QWidget* parent)
    : QDialog(parent), logic_(logic), binding_(*this, logic, [this] {
          if (logic_.state().hidden) {
              binding_.stopFollowingFocus();
              accept();
          } else {
              binding_.showFocus();
          }
      }) {
    setObjectName(QStringLiteral("frmStationID"));
    setWindowTitle(toQString(kStationWindowTitle));
    setModal(true);

    auto* grid = new QGridLayout;
    int row = 0;
    for (const C field : kStationFieldOrder) {
        const auto box = binding_.addBox(field, nameOf(field), toQString(captionOf(field)));
        grid->addWidget(box.caption, row, 0, Qt::AlignRight);
        grid->addWidget(box.edit, row, 1);
        if (field == C::Text8) {
            grid->addWidget(new QLabel(toQString(kCategoryHint), this), row, 2);
            box.edit->setAccessibleDescription(toQString(kCategoryHint));
        }
        ++row;
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(binding_.addButton(C::Command1, nameOf(C::Command1),
                                          toQString(captionOf(C::Command1)),
                                          [this] { logic_.pressDone(); }));
    buttons->addWidget(binding_.addButton(C::Command2, nameOf(C::Command2),
                                          toQString(captionOf(C::Command2)),
                                          [this] { logic_.pressDetails(); }));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    std::vector<C> tabOrder(kStationFieldOrder.begin(), kStationFieldOrder.end());
    tabOrder.push_back(C::Command1);
    tabOrder.push_back(C::Command2);
    binding_.setTabOrder(tabOrder);
    binding_.render();
    binding_.showFocus();
}

} // namespace qv
