#include "ui/frmWinKey.h"

#include <array>

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace qv {
namespace {

using C = frmWinKeyControl;

struct Option {
    C control;
    const char* name;
    const char* caption;
    std::uint8_t value;
};

constexpr std::array<Option, 4> kModeOptions{{
    {C::optIambicB, "optIambicB", "Iambic B", kModeIambicB},
    {C::optIambicA, "optIambicA", "Iambic A", kModeIambicA},
    {C::optUltimatic, "optUltimatic", "Ultimatic", kModeUltimatic},
    {C::optBug, "optBug", "Bug Keyer", kModeBug},
}};
constexpr std::array<Option, 4> kPinOptions{{
    {C::optKey5Off3Out, "optKey5Off3Out", "P5 Off, P3 Key Out", kPinsKey5Off3Out},
    {C::optPTT, "optPTT", "PTT", kPinsPtt},
    {C::optTone, "optTone", "Tone", kPinsTone},
    {C::optKey5Out3Off, "optKey5Out3Off", "P5 Key Out, P3 Off", kPinsKey5Out3Off},
}};

int selected(const std::array<Option, 4>& options, std::uint8_t value) {
    for (std::size_t i = 0; i < options.size(); ++i) {
        if (options[i].value == value) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace

frmWinKey::frmWinKey(frmWinKeyLogic& logic, QWidget* parent)
    : QDialog(parent), logic_(logic), binding_(*this, logic, [this] { render(); }),
      showing_(*this, logic, binding_, frmWinKeyControl::txtWKComPort),
      options_([this](std::size_t group, int index) {
          const auto& options = group == 0 ? kModeOptions : kPinOptions;
          binding_.run(
              [&] { logic_.optionClick(options[static_cast<std::size_t>(index)].control); });
      }) {
    setObjectName(QStringLiteral("frmWinKey"));
    setWindowTitle(QString::fromLatin1(kFrmWinKeyCaption));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Settings:"), this));
    layout->addWidget(buildFields());
    layout->addWidget(buildOptions());

    auto* status = new QGridLayout;
    lblOpenStatus_ = new QLabel(this);
    lblOpenStatus_->setObjectName(QStringLiteral("lblOpenStatus"));
    lblVersion_ = new QLabel(this);
    lblVersion_->setObjectName(QStringLiteral("lblVersion"));
    status->addWidget(new QLabel(QStringLiteral("WinKey Status:"), this), 0, 0);
    status->addWidget(lblOpenStatus_, 0, 1);
    status->addWidget(new QLabel(QStringLiteral("WinKey Version:"), this), 1, 0);
    status->addWidget(lblVersion_, 1, 1);
    layout->addLayout(status);
    layout->addWidget(
        new QLabel(QStringLiteral("Up / down arrows from main form change speeds."), this));

    auto* buttons = new QHBoxLayout;
    const auto button = [&](C control, const char* name, const char* caption, auto click) {
        buttons->addWidget(binding_.addButton(control, QString::fromLatin1(name),
                                              QString::fromLatin1(caption),
                                              [this, click] { click(logic_); }));
    };
    button(C::cmdOpenWinkey, "cmdOpenWinkey", "Open",
           [](frmWinKeyLogic& l) { l.cmdOpenWinkey_Click(); });
    button(C::cmdCloseWinkey, "cmdCloseWinkey", "Close",
           [](frmWinKeyLogic& l) { l.cmdCloseWinkey_Click(); });
    button(C::cmdStop, "cmdStop", "Stop", [](frmWinKeyLogic& l) { l.cmdStop_Click(); });
    button(C::Command3, "Command3", "Test", [](frmWinKeyLogic& l) { l.Command3_Click(); });
    button(C::cmdDone, "cmdDone", "&Done", [](frmWinKeyLogic& l) { l.cmdDone_Click(); });
    layout->addLayout(buttons);

    binding_.setTabOrder(std::array{C::txtWKComPort, C::txtWKWPM, C::txtWeight, C::txtLeadIn,
                                    C::txtTail, C::txtRatio, C::cmdOpenWinkey, C::cmdCloseWinkey,
                                    C::cmdStop, C::Command3, C::cmdDone});
    render();
}

frmWinKey::~frmWinKey() = default;

QWidget* frmWinKey::buildFields() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    const struct {
        C control;
        const char* name;
        const char* caption;
        const char* help;
    } fields[] = {
        {C::txtWKComPort, "txtWKComPort", "Com Port:", nullptr},
        {C::txtWKWPM, "txtWKWPM", "WPM:", nullptr},
        {C::txtWeight, "txtWeight",
         "Weight:", "Proportional amount added or subtracted (50 is standard)."},
        {C::txtLeadIn, "txtLeadIn", "Lead In:", "Lead in time for transmitter (10 ms increments)."},
        {C::txtTail, "txtTail", "Tail:", "Tail time after keying has stopped (10 ms increments)."},
        {C::txtRatio, "txtRatio", "Ratio:", "Ratio of dits to dahs (Range: 33 - 66)."},
    };
    int row = 0;
    for (const auto& f : fields) {
        const auto b =
            binding_.addBox(f.control, QString::fromLatin1(f.name), QString::fromLatin1(f.caption));
        b.edit->setMaximumWidth(80);
        grid->addWidget(b.caption, row, 0);
        grid->addWidget(b.edit, row, 1);
        if (f.help) {
            auto* help = new QLabel(QString::fromLatin1(f.help), box);
            help->setWordWrap(true);
            grid->addWidget(help, row, 2);
        }
        ++row;
    }
    grid->setColumnStretch(2, 1);
    return box;
}

QWidget* frmWinKey::buildOptions() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    const std::array<std::pair<const char*, const std::array<Option, 4>*>, 2> groups{
        {{"Keyer Mode", &kModeOptions}, {"Pin 5 Configuration", &kPinOptions}}};
    for (std::size_t g = 0; g < groups.size(); ++g) {
        auto* frame = new QGroupBox(QString::fromLatin1(groups[g].first), box);
        auto* column = new QVBoxLayout(frame);
        auto* qtGroup = new QButtonGroup(frame);
        for (const Option& o : *groups[g].second) {
            column->addWidget(options_.add(qtGroup, g, QString::fromLatin1(o.name),
                                           QString::fromLatin1(o.caption), frame));
        }
        row->addWidget(frame);
    }
    return box;
}

void frmWinKey::showModal() {
    showing_.showModal();
}

void frmWinKey::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    showing_.shown();
}

void frmWinKey::render() {
    const frmWinKeyState& s = logic_.state();
    binding_.render();
    options_.show({selected(kModeOptions, s.mode), selected(kPinOptions, s.pinConfig)});
    lblOpenStatus_->setText(QString::fromLatin1(s.lblOpenStatus.c_str()));
    lblVersion_->setText(QString::fromLatin1(s.lblVersion.c_str()));
    showing_.showFocusAndVisibility();
}

} // namespace qv
