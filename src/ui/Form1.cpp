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
    if (!s_.workingLog.LoadLog()) {
        return false;
    }
    timer1_->start();
    return true;
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
