#pragma once

#include "voice/TextSpeaker.h"

#include <memory>

#include <QObject>
#include <QTimer>

class QTextToSpeech;

namespace qv {

// Speaks with Qt TextToSpeech (the default engine). The end is the engine
// going back to ready after it started speaking; an engine that never starts
// within a few seconds, or reports an error, counts as ended, so push-to-talk
// is never held for a voice that is not coming.
class QtTextSpeaker : public QObject, public TextSpeaker {
    Q_OBJECT
public:
    explicit QtTextSpeaker(QObject* parent = nullptr);
    ~QtTextSpeaker() override;

    void say(const std::string& text) override;
    void stop() override;
    bool speaking() const override { return speaking_; }

private:
    // The engine, loaded the first time something is to be spoken: start-up does
    // not wait for it. Null when none could be made.
    QTextToSpeech* engine();

    std::unique_ptr<QTextToSpeech> speech_;
    QTimer startGuard_;
    bool speaking_ = false;
    bool started_ = false;
};

} // namespace qv
