#include "ui/Form6.h"

#include "ui/UiText.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qv {
namespace {

QLabel* sample(QWidget* parent, const char* name, const char* text) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumHeight(label->fontMetrics().height() * 2);
    return label;
}

} // namespace

void Form6::run(QWidget* parent, Preferences& prefs, Dialogs& dialogs) {
    Form6Logic logic({prefs, dialogs});
    Form6 window(logic, parent);
    window.exec();
}

Form6::Form6(Form6Logic& logic, QWidget* parent) : QDialog(parent), logic_(logic) {
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QString::fromLatin1(Form6Logic::kCaption));
    setModal(true);

    workedSample_ = sample(this, "lblWorked", Form6Logic::kWorkedSample);
    remainingSample_ = sample(this, "lblRemaining", Form6Logic::kRemainingSample);
    const auto button = [this](const char* name, const char* caption, auto&& clicked) {
        auto* b = new QPushButton(QString::fromLatin1(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, clicked] {
            clicked();
            render();
        });
        return b;
    };
    QPushButton* worked =
        button("Command3", Form6Logic::kCommand3, [this] { logic_.Command3_Click(); });
    QPushButton* remaining =
        button("Command1", Form6Logic::kCommand1, [this] { logic_.Command1_Click(); });
    QPushButton* done =
        button("Command6", Form6Logic::kCommand6, [this] { logic_.Command6_Click(); });

    auto* layout = new QVBoxLayout(this);
    auto* workedRow = new QHBoxLayout;
    workedRow->addWidget(workedSample_, 1);
    workedRow->addWidget(worked);
    layout->addLayout(workedRow);
    auto* remainingRow = new QHBoxLayout;
    remainingRow->addWidget(remainingSample_, 1);
    remainingRow->addWidget(remaining);
    layout->addLayout(remainingRow);
    layout->addWidget(done, 0, Qt::AlignHCenter);
    done->setFocus();
    render();
}

void Form6::render() {
    const Form6State& s = logic_.state();
    setStyleIfChanged(workedSample_, backgroundStyle(s.workedSample));
    setStyleIfChanged(remainingSample_, backgroundStyle(s.remainingSample));
    if (s.closed) {
        accept();
    }
}

} // namespace qv
