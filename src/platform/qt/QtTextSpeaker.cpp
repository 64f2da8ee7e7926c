#include "platform/qt/QtTextSpeaker.h"

#include "platform/qt/QtText.h"

#include <QTextToSpeech>

namespace qv {
namespace {

constexpr int kStartGuardMs = 3000;

} // namespace

QtTextSpeaker::QtTextSpeaker(QObject* parent)
    : QObject(parent), speech_(std::make_unique<QTextToSpeech>()) {
    startGuard_.setSingleShot(true);
    startGuard_.setInterval(kStartGuardMs);
    connect(&startGuard_, &QTimer::timeout, this, [this] {
        if (!started_) {
            speaking_ = false;
        }
    });
    connect(speech_.get(), &QTextToSpeech::stateChanged, this, [this](QTextToSpeech::State s) {
        if (s == QTextToSpeech::Speaking) {
            started_ = true;
            startGuard_.stop();
        } else if (s == QTextToSpeech::Error || (s == QTextToSpeech::Ready && started_)) {
            speaking_ = false;
            started_ = false;
            startGuard_.stop();
        }
    });
}

QtTextSpeaker::~QtTextSpeaker() = default;

bool QtTextSpeaker::available() const {
    return speech_->state() != QTextToSpeech::Error;
}

void QtTextSpeaker::say(const std::string& text) {
    stop();
    if (!available()) {
        return;
    }
    speaking_ = true;
    started_ = false;
    startGuard_.start();
    speech_->say(toQString(text));
}

void QtTextSpeaker::stop() {
    if (speaking_) {
        speech_->stop();
    }
    speaking_ = false;
    started_ = false;
    startGuard_.stop();
}

} // namespace qv
