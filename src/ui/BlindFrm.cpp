#include "ui/BlindFrm.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qv {

BlindFrm::BlindFrm(BlindFrmLogic& logic, QWidget* parent)
    : QDialog(parent), logic_(logic),
      options_([this](std::size_t, int index) { act([&] { logic_.optionClick(index); }); }) {
    setObjectName(QStringLiteral("BlindFrm"));
    setWindowTitle(QStringLiteral("Voice Navigation Settings"));
    setModal(false);

    auto* layout = new QVBoxLayout(this);
    auto* explanation = new QLabel(
        QStringLiteral("Choose one of the options below.  Select Off to turn the navigation "
                       "function off, Call to indicate the Call field only and All Data Fields "
                       "to provide verbal prompts through all the data fields."),
        this);
    explanation->setWordWrap(true);
    layout->addWidget(explanation);

    auto* group = new QGroupBox(QStringLiteral("Choose your preferred option:"), this);
    auto* groupLayout = new QVBoxLayout(group);
    auto* buttons = new QButtonGroup(group);
    const char* names[] = {"Option1", "Option2", "Option3"};
    const char* captions[] = {"Off", "Call Only", "All Data Fields"};
    for (int i = 0; i < 3; ++i) {
        groupLayout->addWidget(options_.add(buttons, 0, QString::fromLatin1(names[i]),
                                            QString::fromLatin1(captions[i]), group));
    }
    layout->addWidget(group);

    auto* heading = new QLabel(QStringLiteral("To Enable Voice Navigation:"), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    layout->addWidget(heading);
    auto* note = new QLabel(
        QStringLiteral("Add a wave file for each word to the working directory, named after "
                       "the word: Call.wav, SPC.wav, Class.wav, RstSnt.wav, Name.wav, Dupe.wav, "
                       "NavDis.wav and NavEn.wav. Where a file is missing, the recording "
                       "shipped with the program is played."),
        this);
    note->setWordWrap(true);
    layout->addWidget(note);
    label7_ = new QLabel(this);
    label7_->setObjectName(QStringLiteral("Label7"));
    label7_->setWordWrap(true);
    label7_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(label7_);

    auto* done = new QPushButton(QStringLiteral("Done"), this);
    done->setObjectName(QStringLiteral("Command1"));
    done->setAutoDefault(false);
    connect(done, &QPushButton::clicked, this, [this] { act([&] { logic_.Command1Click(); }); });
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(done);
    layout->addLayout(row);

    // The close box and Esc: the logic forgets the choice, the mode stays.
    connect(this, &QDialog::rejected, this, [this] {
        if (logic_.state().visible) {
            act([&] { logic_.closed(); });
        }
    });
}

void BlindFrm::showWindow() {
    act([&] { logic_.show(); });
    raise();
    activateWindow();
}

template <typename F> void BlindFrm::act(F&& f) {
    f();
    render();
}

void BlindFrm::render() {
    const BlindFrmState& s = logic_.state();
    options_.show({s.option});
    label7_->setText(QString::fromUtf8(s.label7.data(), static_cast<qsizetype>(s.label7.size())));
    if (s.visible && !isVisible()) {
        show();
    } else if (!s.visible && isVisible()) {
        hide();
    }
}

} // namespace qv
