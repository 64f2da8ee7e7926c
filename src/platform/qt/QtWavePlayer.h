#pragma once

#include "voice/WavePlayer.h"

#include <cstdint>
#include <memory>

#include <QBuffer>
#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class QAudioSink;

namespace qv {

// Plays wave files through a QAudioSink fed from memory. The end is taken as
// the moment the sound output reports the whole file played, not the moment
// the last sample was handed to it, which for a short file is before it was
// heard; push-to-talk must not drop while the message is still sounding.
class QtWavePlayer : public QObject, public WavePlayer {
    Q_OBJECT
public:
    explicit QtWavePlayer(QObject* parent = nullptr);
    ~QtWavePlayer() override;

    void play(const std::string& path) override;
    void stop() override;
    bool playing() const override { return sink_ != nullptr; }
    void setFinishedHandler(FinishedHandler handler) override { handler_ = std::move(handler); }

private:
    void watch();
    void finish(PlaybackOutcome outcome, std::string message = {});

    FinishedHandler handler_;
    std::unique_ptr<QAudioSink> sink_;
    QByteArray samples_;
    QBuffer source_;
    QTimer watch_;
    std::int64_t durationMicroseconds_ = 0;
    QElapsedTimer handedOver_; // since the last sample went to the sound output
};

} // namespace qv
