#include "ui/CWFrm.h"

#include "ui/CwSideWindows.h"

#include <array>

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qv {
namespace {

using C = CWFrmControl;

// The keying options in the order of their buttons.
constexpr std::array<KeyingSelection, 5> kSelections = {
    KeyingSelection::None, KeyingSelection::SerialRts, KeyingSelection::SerialDtr,
    KeyingSelection::Parallel, KeyingSelection::WinKeyer};
constexpr std::array<TimingMethod, 3> kMethods = {TimingMethod::Timer, TimingMethod::Loop,
                                                  TimingMethod::Sleep};

QLabel* help(const char* text, QWidget* parent) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setWordWrap(true);
    return label;
}

template <typename T, std::size_t N> int indexOf(const std::array<T, N>& all, T value) {
    for (std::size_t i = 0; i < N; ++i) {
        if (all[i] == value) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace

CWFrm::CWFrm(CWFrmLogic& logic, Program& program, QWidget* parent)
    : QDialog(parent), logic_(logic), program_(program),
      binding_(*this, logic, [this] { render(); }),
      showing_(*this, logic, binding_, CWFrmControl::Text1),
      options_([this](std::size_t group, int index) {
          const auto i = static_cast<std::size_t>(index);
          act([&] {
              if (group == 0) {
                  logic_.optionClick(kSelections[i]);
              } else {
                  logic_.timingClick(kMethods[i]);
              }
          });
      }) {
    setObjectName(QStringLiteral("CWFrm"));
    setWindowTitle(QString::fromLatin1(kCWFrmCaption));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(help(kCWFrmKeysHelp, this));
    layout->addWidget(buildMessages());
    auto* middle = new QHBoxLayout;
    middle->addWidget(buildKeying());
    middle->addWidget(buildSpeed());
    middle->addWidget(buildTiming());
    layout->addLayout(middle);
    check1_ = new QCheckBox(QString::fromLatin1(kCWFrmEchoCaption), this);
    check1_->setObjectName(QStringLiteral("Check1"));
    connect(check1_, &QCheckBox::clicked, this,
            [this](bool on) { act([&] { logic_.check1Click(on); }); });
    layout->addWidget(check1_);
    layout->addWidget(help(kCWFrmWildcards, this));
    layout->addWidget(help(kCWFrmModeHelp, this));
    layout->addWidget(help(kCWFrmSpeedHelp, this));
    layout->addWidget(help(kCWFrmTimingAdvice, this));
    layout->addWidget(buildButtons());

    std::vector<C> order;
    for (int c = static_cast<int>(C::Text1); c <= static_cast<int>(C::Text9); ++c) {
        order.push_back(static_cast<C>(c));
    }
    for (C c :
         {C::Text12, C::Text13, C::Text10, C::Text14, C::Text11, C::Command2, C::Command3,
          C::txtSpace, C::Command6, C::Command5, C::txtLoop, C::cmdLoopFaster, C::cmdLoopSlower,
          C::txtCWLoop, C::cmdTest, C::Command7, C::cmdConfWinkey, C::cmdDone}) {
        order.push_back(c);
    }
    binding_.setTabOrder(order);

    render();
}

CWFrm::~CWFrm() = default;

QWidget* CWFrm::buildMessages() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    const std::array<std::pair<C, const char*>, 11> keys = {{{C::Text1, "F1"},
                                                             {C::Text2, "F2"},
                                                             {C::Text3, "F3"},
                                                             {C::Text4, "F4"},
                                                             {C::Text5, "F5"},
                                                             {C::Text6, "F6"},
                                                             {C::Text7, "F7"},
                                                             {C::Text8, "F8"},
                                                             {C::Text9, "F9"},
                                                             {C::Text12, "F10"},
                                                             {C::Text13, "F11"}}};
    int row = 0;
    for (const auto& [control, caption] : keys) {
        const int n = row < 9 ? row + 1 : row + 3; // Text12, Text13 after Text1-Text9
        const auto b = binding_.addBox(control, QStringLiteral("Text") + QString::number(n),
                                       QString::fromLatin1(caption));
        b.edit->setMinimumWidth(360);
        grid->addWidget(b.caption, row, 0);
        grid->addWidget(b.edit, row, 1);
        ++row;
    }
    grid->addWidget(new QLabel(QStringLiteral("F12"), box), row, 0);
    grid->addWidget(new QLabel(QStringLiteral("Keyboard"), box), row, 1);
    return box;
}

QWidget* CWFrm::buildKeying() {
    auto* box = new QGroupBox(QStringLiteral("Keying Options"), this);
    auto* grid = new QGridLayout(box);
    auto* group = new QButtonGroup(box);
    const std::array<std::pair<const char*, const char*>, 5> names = {{{"Option4", "None"},
                                                                       {"Option1", "RTS"},
                                                                       {"Option2", "DTR"},
                                                                       {"Option3", "Printer"},
                                                                       {"Option5", "WinKey"}}};
    std::array<QWidget*, 5> buttons{};
    for (std::size_t i = 0; i < names.size(); ++i) {
        buttons[i] = options_.add(group, 0, QString::fromLatin1(names[i].first),
                                  QString::fromLatin1(names[i].second), box);
    }
    grid->addWidget(buttons[0], 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Serial"), box), 1, 0);
    grid->addWidget(buttons[1], 2, 0);
    grid->addWidget(buttons[2], 3, 0);
    grid->addWidget(new QLabel(QStringLiteral("Parallel"), box), 4, 0);
    grid->addWidget(buttons[3], 5, 0);
    grid->addWidget(buttons[4], 6, 0);
    const auto port = binding_.addBox(C::Text10, QStringLiteral("Text10"), QStringLiteral("Port"));
    const auto base =
        binding_.addBox(C::Text14, QStringLiteral("Text14"), QStringLiteral("Address"));
    grid->addWidget(port.caption, 2, 1);
    grid->addWidget(port.edit, 2, 2);
    grid->addWidget(base.caption, 5, 1);
    grid->addWidget(base.edit, 5, 2);
    return box;
}

QWidget* CWFrm::buildSpeed() {
    auto* box = new QGroupBox(QStringLiteral("Speed"), this);
    auto* grid = new QGridLayout(box);
    const auto wpm = binding_.addBox(C::Text11, QStringLiteral("Text11"), QStringLiteral("WPM"));
    grid->addWidget(wpm.caption, 0, 0);
    grid->addWidget(wpm.edit, 0, 1);
    grid->addWidget(binding_.addButton(C::Command2, QStringLiteral("Command2"),
                                       QStringLiteral("Faster"),
                                       [this] { logic_.Command2Click(); }),
                    0, 2);
    grid->addWidget(binding_.addButton(C::Command3, QStringLiteral("Command3"),
                                       QStringLiteral("Slower"),
                                       [this] { logic_.Command3Click(); }),
                    0, 3);
    const auto space =
        binding_.addBox(C::txtSpace, QStringLiteral("txtSpace"), QStringLiteral("Word space"));
    grid->addWidget(space.caption, 1, 0);
    grid->addWidget(space.edit, 1, 1);
    grid->addWidget(binding_.addButton(C::Command6, QStringLiteral("Command6"),
                                       QStringLiteral("More"), [this] { logic_.Command6Click(); }),
                    1, 2);
    grid->addWidget(binding_.addButton(C::Command5, QStringLiteral("Command5"),
                                       QStringLiteral("Less"), [this] { logic_.Command5Click(); }),
                    1, 3);
    const auto loop =
        binding_.addBox(C::txtCWLoop, QStringLiteral("txtCWLoop"), QStringLiteral("Loop (Sec)"));
    grid->addWidget(loop.caption, 2, 0);
    grid->addWidget(loop.edit, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("Prosigns\n= BT   [ AR   \\ CL   ] SK   ; KN"), box),
                    3, 0, 1, 4);
    return box;
}

QWidget* CWFrm::buildTiming() {
    auto* box = new QGroupBox(QStringLiteral("Timing Options: "), this);
    box->setToolTip(QStringLiteral("Timer is the preferred option on most systems. "));
    auto* grid = new QGridLayout(box);
    auto* group = new QButtonGroup(box);
    const std::array<std::array<const char*, 3>, 3> names = {
        {{"optTimer", "Timer", "Times by Windows System time."},
         {"optLoop", "Loop", "Times by a For Next loop."},
         {"OptSleep", "Sleep", "Times by Windows System time."}}};
    int row = 0;
    for (const auto& [name, caption, tip] : names) {
        auto* b =
            options_.add(group, 1, QString::fromLatin1(name), QString::fromLatin1(caption), box);
        b->setToolTip(QString::fromLatin1(tip));
        grid->addWidget(b, row++, 0, 1, 3);
    }
    const auto loops =
        binding_.addBox(C::txtLoop, QStringLiteral("txtLoop"), QStringLiteral("Loop Delay"));
    lblLoop_ = loops.caption;
    lblLoop_->setObjectName(QStringLiteral("lblLoop"));
    loops.edit->setToolTip(QStringLiteral("Loops per 60 ms"));
    grid->addWidget(loops.caption, row, 0);
    grid->addWidget(loops.edit, row, 1, 1, 2);
    ++row;
    auto* faster = binding_.addButton(C::cmdLoopFaster, QStringLiteral("cmdLoopFaster"),
                                      QStringLiteral("F"), [this] { logic_.cmdLoopFasterClick(); });
    faster->setToolTip(QStringLiteral("Speed up CW"));
    auto* slower = binding_.addButton(C::cmdLoopSlower, QStringLiteral("cmdLoopSlower"),
                                      QStringLiteral("S"), [this] { logic_.cmdLoopSlowerClick(); });
    slower->setToolTip(QStringLiteral("Slow Down CW"));
    grid->addWidget(faster, row, 1);
    grid->addWidget(slower, row, 2);
    return box;
}

QWidget* CWFrm::buildButtons() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(help(kCWFrmTestHelp, box));
    row->addWidget(binding_.addButton(C::cmdTest, QStringLiteral("cmdTest"),
                                      QStringLiteral("&Test"), [this] { logic_.cmdTestClick(); }));
    label23_ = new QLabel(QStringLiteral("Sending!"), box);
    label23_->setObjectName(QStringLiteral("Label23"));
    row->addWidget(label23_);
    row->addStretch();
    row->addWidget(binding_.addButton(C::Command7, QStringLiteral("Command7"),
                                      QStringLiteral("Send Code Practice"),
                                      [this] { showCodePractice(program_, this); }));
    row->addWidget(binding_.addButton(C::cmdConfWinkey, QStringLiteral("cmdConfWinkey"),
                                      QStringLiteral("Configure Winkey"), [this] {
                                          showWinKeySetup(program_, this);
                                          logic_.cmdConfWinkeyDone();
                                      }));
    row->addWidget(binding_.addButton(C::cmdDone, QStringLiteral("cmdDone"), QStringLiteral("Done"),
                                      [this] { logic_.cmdDoneClick(); }));
    return box;
}

void CWFrm::showModal() {
    showing_.showModal();
}

void CWFrm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    showing_.shown();
}

template <typename F> void CWFrm::act(F&& f) {
    f();
    render();
}

void CWFrm::render() {
    const CWFrmState& s = logic_.state();
    binding_.render();
    options_.show(
        {indexOf(kSelections, s.selection), s.method ? indexOf(kMethods, *s.method) : -1});
    check1_->setChecked(s.check1);
    label23_->setVisible(s.label23Visible);
    binding_.widget(C::cmdConfWinkey)->setVisible(s.confWinkeyVisible);
    for (C c : {C::txtLoop, C::cmdLoopFaster, C::cmdLoopSlower}) {
        binding_.widget(c)->setEnabled(s.loopControlsEnabled);
    }
    lblLoop_->setEnabled(s.loopControlsEnabled);
    showing_.showFocusAndVisibility();
}

} // namespace qv
