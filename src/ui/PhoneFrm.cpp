#include "ui/PhoneFrm.h"

#include <array>
#include <functional>

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qv {
namespace {

using C = PhoneFrmControl;

QLabel* help(const char* text, QWidget* parent) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setWordWrap(true);
    return label;
}

QString numbered(const char* name, std::size_t n) {
    return QString::fromLatin1(name) + QString::number(n);
}

} // namespace

PhoneFrm::PhoneFrm(PhoneFrmLogic& logic, QWidget* parent)
    : QDialog(parent), logic_(logic), binding_(*this, logic, [this] { render(); }),
      showing_(*this, logic, binding_, PhoneFrmControl::Text1),
      options_([this](std::size_t, int index) {
          act([&] { logic_.optionClick(static_cast<PttLine>(index)); });
      }) {
    setObjectName(QStringLiteral("PhoneFrm"));
    setWindowTitle(QString::fromLatin1(kPhoneFrmCaption));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(help(kPhoneFrmKeysHelp, this));
    layout->addWidget(buildKeys());
    layout->addWidget(buildPtt());
    auto* caution = help(kPhoneFrmCaution, this);
    caution->setObjectName(QStringLiteral("lblCaution"));
    layout->addWidget(caution);
    layout->addWidget(help(kPhoneFrmModeHelp, this));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(new QLabel(QStringLiteral("Plays F1 Command"), this));
    buttons->addWidget(binding_.addButton(C::Command11, QStringLiteral("Command11"),
                                          QStringLiteral("Test"),
                                          [this] { logic_.Command11Click(); }));
    buttons->addWidget(binding_.addButton(C::Command12, QStringLiteral("Command12"),
                                          QStringLiteral("Stop"),
                                          [this] { logic_.Command12Click(); }));
    buttons->addStretch();
    buttons->addWidget(binding_.addButton(C::Command1, QStringLiteral("Command1"),
                                          QStringLiteral("Done"),
                                          [this] { logic_.Command1Click(); }));
    layout->addLayout(buttons);

    // Tab runs down the keys (path, Browse, spoken text), then the port settings.
    std::vector<C> order;
    for (std::size_t k = 0; k < WaveSettings::kKeys; ++k) {
        order.push_back(phoneFileBox(k));
        order.push_back(phoneBrowseButton(k));
        order.push_back(phoneSpeakBox(k));
    }
    for (C c : {C::Text10, C::Text11, C::txtPHLoop, C::Command11, C::Command12, C::Command1}) {
        order.push_back(c);
    }
    binding_.setTabOrder(order);

    render();
}

PhoneFrm::~PhoneFrm() = default;

QWidget* PhoneFrm::buildKeys() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    for (std::size_t k = 0; k < WaveSettings::kKeys; ++k) {
        const int row = static_cast<int>(k);
        const std::size_t n = k + 1;
        const auto file = binding_.addBox(phoneFileBox(k), numbered("Text", n), numbered("F", n));
        file.edit->setMinimumWidth(320);
        auto* browse =
            binding_.addButton(phoneBrowseButton(k), numbered("Command", n + 1),
                               QStringLiteral("Browse"), [this, k] { logic_.browseClick(k); });
        browse->setAccessibleName(QStringLiteral("Browse F") + QString::number(n));
        const auto speak =
            binding_.addBox(phoneSpeakBox(k), numbered("txtSpeak", n), QStringLiteral("Speak"));
        speak.edit->setAccessibleName(QStringLiteral("F") + QString::number(n) +
                                      QStringLiteral(" Speak"));
        speak.edit->setMinimumWidth(180);
        speak.edit->setToolTip(QStringLiteral("Spoken by the computer when the key has no "
                                              "wave file"));
        grid->addWidget(file.caption, row, 0);
        grid->addWidget(file.edit, row, 1);
        grid->addWidget(browse, row, 2);
        grid->addWidget(speak.caption, row, 3);
        grid->addWidget(speak.edit, row, 4);
    }
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(4, 1);
    return box;
}

QWidget* PhoneFrm::buildPtt() {
    auto* box = new QGroupBox(QStringLiteral("Push to talk"), this);
    auto* grid = new QGridLayout(box);
    const auto port = binding_.addBox(C::Text10, QStringLiteral("Text10"),
                                      QStringLiteral("Serial port (0 for none)"));
    const auto base = binding_.addBox(C::Text11, QStringLiteral("Text11"),
                                      QStringLiteral("Parallel port address"));
    const auto loop =
        binding_.addBox(C::txtPHLoop, QStringLiteral("txtPHLoop"), QStringLiteral("Loop (Sec)"));
    grid->addWidget(port.caption, 0, 0);
    grid->addWidget(port.edit, 0, 1);
    auto* group = new QButtonGroup(box);
    auto* lines = new QHBoxLayout;
    const std::array<std::pair<const char*, const char*>, 3> names = {
        {{"Option1", "RTS"}, {"Option2", "DTR"}, {"Option3", "Parallel"}}};
    for (const auto& [name, caption] : names) {
        lines->addWidget(
            options_.add(group, 0, QString::fromLatin1(name), QString::fromLatin1(caption), box));
    }
    lines->addStretch();
    grid->addLayout(lines, 0, 2);
    grid->addWidget(base.caption, 1, 0);
    grid->addWidget(base.edit, 1, 1);
    grid->addWidget(loop.caption, 2, 0);
    grid->addWidget(loop.edit, 2, 1);
    grid->setColumnStretch(2, 1);
    return box;
}

void PhoneFrm::showModeless() {
    logic_.show();
    render();
    setModal(false);
    show();
    showNormal();
    raise();
    activateWindow();
}

void PhoneFrm::showModal() {
    showing_.showModal();
}

void PhoneFrm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    showing_.shown();
}

template <typename F> void PhoneFrm::act(F&& f) {
    f();
    render();
}

void PhoneFrm::render() {
    const PhoneFrmState& s = logic_.state();
    binding_.render();
    options_.show({static_cast<int>(s.line)});
    binding_.widget(C::Command12)->setVisible(s.stopShown);
    // Test and Browse move the focus to Done.
    showing_.showFocusAndVisibility();
}

} // namespace qv
