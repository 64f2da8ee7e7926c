#include "platform/qt/QtTextSpeaker.h"

#include "platform/qt/QtText.h"

#include <QTextToSpeech>

namespace qv {
namespace {

constexpr int kStartGuardMs = 3000;

} // namespace

QtTextSpeaker::QtTextSpeaker(QObject* parent) : QObject(parent) {
    startGuard_.setSingleShot(true);
    startGuard_.setInterval(kStartGuardMs);
    connect(&startGuard_, &QTimer::timeout, this, [this] {
        if (!started_) {
            speaking_ = false;
        }
    });
}

QTextToSpeech* QtTextSpeaker::engine() {
    if (!speech_) {
        speech_ = std::make_unique<QTextToSpeech>();
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
    return speech_.get();
}

QtTextSpeaker::~QtTextSpeaker() = default;

void QtTextSpeaker::say(const std::string& text) {
    stop();
    QTextToSpeech* speech = engine();
    // No engine could be loaded: the message ends at once.
    if (speech->state() == QTextToSpeech::Error) {
        return;
    }
    speaking_ = true;
    started_ = false;
    startGuard_.start();
    speech->say(toQString(text));
}

void QtTextSpeaker::stop() {
    if (speaking_ && speech_) {
        speech_->stop();
    }
    speaking_ = false;
    started_ = false;
    startGuard_.stop();
}

} // namespace qv
