#include "ui/frmFrequencyTest.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace qv {
namespace {

using C = frmFrequencyTestControl;

QLabel* instruction(const char* text, QWidget* parent) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setWordWrap(true);
    return label;
}

} // namespace

void frmFrequencyTest::run(QWidget* parent, RigControl& rig) {
    frmFrequencyTestLogic logic(rig);
    frmFrequencyTest window(logic, parent);
    window.exec();
}

frmFrequencyTest::frmFrequencyTest(frmFrequencyTestLogic& logic, QWidget* parent)
    : QDialog(parent), logic_(logic), binding_(*this, logic, [this] { binding_.showFocus(); }) {
    setObjectName(QStringLiteral("frmFrequencyTest"));
    setWindowTitle(QStringLiteral("Test Change Frequency Function"));
    setModal(true);
    // Wide enough for the caption in the title bar; the instructions wrap.
    setMinimumWidth(fontMetrics().averageCharWidth() * 64);
    auto* grid = new QGridLayout(this);
    grid->addWidget(instruction("Please use the text box below to enter a complete command to "
                                "send to your radio.  The default example is the command used "
                                "for Kenwood radios.",
                                this),
                    0, 0, 1, 2);
    const auto command =
        binding_.addBox(C::Text1, QStringLiteral("Text1"), QStringLiteral("Command:"));
    command.caption->hide();
    grid->addWidget(command.edit, 1, 0);
    grid->addWidget(binding_.addButton(C::Command1, QStringLiteral("Command1"),
                                       QStringLiteral("Send"), [this] { logic_.Command1Click(); }),
                    1, 1);
    grid->addWidget(instruction("If your radio requires a hexidecimal format, please enter in the "
                                "format of XX XX XX (using spaces between each two digits) and "
                                "click the Convert to Hex check box below.",
                                this),
                    2, 0, 1, 2);
    check1_ = new QCheckBox(QStringLiteral("Convert to Hex"), this);
    check1_->setObjectName(QStringLiteral("Check1"));
    connect(check1_, &QCheckBox::clicked, this, [this](bool on) { logic_.Check1Click(on); });
    grid->addWidget(check1_, 3, 0, 1, 2);
    const auto frequency =
        binding_.addBox(C::Text2, QStringLiteral("Text2"), QStringLiteral("Frequency in MHz:"));
    grid->addWidget(frequency.caption, 4, 0, 1, 2);
    grid->addWidget(frequency.edit, 5, 0);
    grid->addWidget(binding_.addButton(C::Command2, QStringLiteral("Command2"),
                                       QStringLiteral("Send"), [this] { logic_.Command2Click(); }),
                    5, 1);
    binding_.setTabOrder(std::array{C::Text1, C::Command1, C::Text2, C::Command2});
    binding_.render();
    binding_.showFocus();
}

} // namespace qv
