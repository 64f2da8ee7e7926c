#include "ui/frmRigTune.h"

#include "platform/qt/QtText.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace qv {
namespace {

using C = frmRigTuneControl;

} // namespace

void frmRigTune::run(QWidget* parent, RigControl& rig, Timers& timers) {
    frmRigTuneLogic logic(rig, timers);
    frmRigTune window(logic, parent);
    window.exec();
}

frmRigTune::frmRigTune(frmRigTuneLogic& logic, QWidget* parent)
    : QDialog(parent), logic_(logic), binding_(*this, logic, [this] { render(); }) {
    setObjectName(QStringLiteral("frmRigTune"));
    setWindowTitle(QStringLiteral(" Change Frequency and Mode (Ctrl G (Go))"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);

    auto* top = new QHBoxLayout;
    const auto freq =
        binding_.addBox(C::txtFreq, QStringLiteral("txtFreq"), QStringLiteral("Frequency in MHz:"));
    top->addWidget(freq.caption);
    top->addWidget(freq.edit, 1);
    QPushButton* go = binding_.addButton(C::Command1, QStringLiteral("Command1"),
                                         QStringLiteral("&Go"), [this] { logic_.Command1Click(); });
    QPushButton* done =
        binding_.addButton(C::cmdDone, QStringLiteral("cmdDone"), QStringLiteral("&Done"),
                           [this] { logic_.cmdDoneClick(); });
    top->addWidget(go);
    top->addWidget(done);
    layout->addLayout(top);

    // The step buttons: the UP row takes the even indexes, the Down row the odd.
    auto* stepsGrid = new QGridLayout;
    stepsGrid->addWidget(new QLabel(QStringLiteral(" UP"), this), 0, 0);
    stepsGrid->addWidget(new QLabel(QStringLiteral(" Down"), this), 1, 0);
    for (std::size_t i = 0; i < kRigTuneSteps.size(); ++i) {
        auto* b = new QPushButton(toQString(kRigTuneSteps[i].caption), this);
        b->setObjectName(QStringLiteral("cmdTune(%1)").arg(i));
        b->setAccessibleName(toQString(kRigTuneSteps[i].caption) +
                             (i % 2 == 0 ? QStringLiteral(" up") : QStringLiteral(" down")));
        b->setAutoDefault(false);
        steps_[i] = b;
        connect(b, &QPushButton::clicked, this,
                [this, i] { act([&] { logic_.cmdTuneClick(static_cast<int>(i)); }); });
        stepsGrid->addWidget(b, static_cast<int>(i % 2), static_cast<int>(i / 2) + 1);
    }
    layout->addLayout(stepsGrid);

    auto* bands = new QGroupBox(QStringLiteral("Bands"), this);
    auto* bandGrid = new QGridLayout(bands);
    for (std::size_t i = 0; i < kRigTuneBands.size(); ++i) {
        auto* b = new QPushButton(toQString(kRigTuneBands[i].caption), bands);
        b->setObjectName(QStringLiteral("cmdBand(%1)").arg(i));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this,
                [this, i] { act([&] { logic_.cmdBandClick(static_cast<int>(i)); }); });
        bandGrid->addWidget(b, static_cast<int>(i / 8), static_cast<int>(i % 8));
    }
    layout->addWidget(bands);

    auto* modes = new QHBoxLayout;
    const char* modeNames[] = {"cmdUSB", "cmdLSB", "cmdCW", "cmdAM", "cmdFM", "cmdRTTY"};
    for (std::size_t i = 0; i < kRigTuneModes.size(); ++i) {
        auto* b = new QPushButton(QStringLiteral("&") + toQString(kRigTuneModes[i]), this);
        b->setObjectName(QString::fromLatin1(modeNames[i]));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this,
                [this, i] { act([&] { logic_.modeClick(static_cast<int>(i)); }); });
        modes->addWidget(b);
    }
    layout->addLayout(modes);

    auto* scan = new QHBoxLayout;
    chkScan_ = new QCheckBox(QStringLiteral("Scan"), this);
    chkScan_->setObjectName(QStringLiteral("chkScan"));
    connect(chkScan_, &QCheckBox::clicked, this,
            [this](bool on) { act([&] { logic_.chkScanClick(on); }); });
    scan->addWidget(chkScan_);
    const auto from =
        binding_.addBox(C::txtFrom, QStringLiteral("txtFrom"), QStringLiteral("From:"));
    const auto to = binding_.addBox(C::txtTo, QStringLiteral("txtTo"), QStringLiteral("To:"));
    scan->addWidget(from.caption);
    scan->addWidget(from.edit);
    scan->addWidget(to.caption);
    scan->addWidget(to.edit);
    layout->addLayout(scan);
    auto* stepsBox = new QGroupBox(QStringLiteral("Scan Steps"), this);
    auto* stepsLayout = new QHBoxLayout(stepsBox);
    for (std::size_t i = 0; i < kRigTuneScanSteps.size(); ++i) {
        auto* b = new QRadioButton(toQString(kRigTuneScanSteps[i].caption), stepsBox);
        b->setObjectName(QStringLiteral("Option%1").arg(i + 1));
        scanSteps_[i] = b;
        connect(b, &QRadioButton::clicked, this,
                [this, i] { act([&] { logic_.scanStepClick(static_cast<int>(i)); }); });
        stepsLayout->addWidget(b);
    }
    layout->addWidget(stepsBox);

    binding_.setTabOrder(std::array{C::txtFreq, C::Command1, C::cmdDone, C::txtFrom, C::txtTo});
    // Every key in the window passes here first: while scanning, it stops the scan.
    for (QWidget* w : findChildren<QWidget*>()) {
        w->installEventFilter(this);
    }
    logic_.setChangedHandler([this] { render(); });
    render();
    binding_.showFocus();
}

bool frmRigTune::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && logic_.state().scan) {
        act([&] { logic_.windowKey(); });
    }
    return QDialog::eventFilter(watched, event);
}

template <typename F> void frmRigTune::act(F&& f) {
    f();
    render();
}

void frmRigTune::render() {
    const frmRigTuneState& s = logic_.state();
    binding_.render();
    for (QPushButton* b : steps_) {
        b->setEnabled(s.stepsEnabled);
    }
    chkScan_->setChecked(s.scan);
    for (std::size_t i = 0; i < scanSteps_.size(); ++i) {
        scanSteps_[i]->setChecked(static_cast<int>(i) == s.scanStep);
    }
    if (s.hidden) {
        logic_.setChangedHandler(nullptr);
        binding_.stopFollowingFocus();
        accept();
        return;
    }
    binding_.showFocus();
}

} // namespace qv
