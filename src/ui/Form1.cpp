#include "ui/Form1.h"

#include "ui/ScorePanelWidget.h"

#include <QTimer>
#include <QVBoxLayout>

namespace qv {

Form1::Form1(Services services, QWidget* parent) : QMainWindow(parent), s_(services) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Velmark's Quorvane Log 1.5"));

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    scorePanel_ = new ScorePanelWidget(central);
    layout->addWidget(scorePanel_);
    setCentralWidget(central);

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(60000);
    connect(timer1_, &QTimer::timeout, this, &Form1::refreshRates);

    s_.workingLog.setLoadedHandler([this] { showScore(); });
}

bool Form1::start() {
    if (Status read = readPrefixTable(); !read) {
        s_.dialogs.messageBox("Error opeining file", "Error opening file: " + read.message(),
                              MessageButtons::Ok, MessageIcon::Critical);
        return true;
    }
    if (!s_.workingLog.LoadLog()) {
        return false;
    }
    timer1_->start();
    return true;
}

Status Form1::readPrefixTable() {
    const FileContents text = s_.shipped.read(PrefixTable::kFileName);
    if (text.error == FileContents::Error::NotFound) {
        return Status::failure(std::string(PrefixTable::kFileName) + " is missing");
    }
    if (text.error != FileContents::Error::None) {
        return Status::failure(std::string(PrefixTable::kFileName) + " cannot be read (" +
                               text.reason + ")");
    }
    return s_.prefixes.load(text.bytes);
}

void Form1::showScore() {
    Labeldisplay(score_, s_.workingLog.log(), s_.workingLog.state(), s_.multipliers, colours_);
    refreshRates();
}

void Form1::refreshRates() {
    qv::refreshRates(score_, s_.workingLog.log(), s_.clock.localNow(), s_.profile.utcOffsetHours);
    scorePanel_->show(score_);
}

} // namespace qv
