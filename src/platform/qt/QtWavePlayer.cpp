#include "platform/qt/QtWavePlayer.h"

#include "voice/WaveFile.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QFile>
#include <QMediaDevices>

namespace qv {
namespace {

// How often the end of playback is looked for.
constexpr int kWatchMilliseconds = 10;
// Progress reports may round a little below the file's length.
constexpr std::int64_t kRoundingMicroseconds = 1000;
// If the sound output stops reporting progress, the end is declared this long
// after the file would have ended, so push-to-talk never hangs.
constexpr std::int64_t kGiveUpAfterMilliseconds = 2000;

QAudioFormat::SampleFormat qtSampleFormat(WaveSampleFormat sample) {
    switch (sample) {
    case WaveSampleFormat::UInt8:
        return QAudioFormat::UInt8;
    case WaveSampleFormat::Int16:
        return QAudioFormat::Int16;
    case WaveSampleFormat::Int24:
    case WaveSampleFormat::Int32:
        return QAudioFormat::Int32;
    case WaveSampleFormat::Float32:
        break;
    }
    return QAudioFormat::Float;
}

} // namespace

QtWavePlayer::QtWavePlayer(QObject* parent) : QObject(parent) {
    watch_.setInterval(kWatchMilliseconds);
    connect(&watch_, &QTimer::timeout, this, &QtWavePlayer::watch);
}

QtWavePlayer::~QtWavePlayer() {
    // The sink goes before the buffer it reads from.
    if (sink_) {
        sink_->stop();
        sink_.reset();
    }
}

void QtWavePlayer::play(const std::string& path) {
    stop();
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        finish(PlaybackOutcome::Failed, "The wave file " + path + " cannot be opened (" +
                                            file.errorString().toStdString() + ").");
        return;
    }
    const QByteArray bytes = file.readAll();
    const WaveReading reading = parseWave(std::string_view(bytes.constData(), bytes.size()));
    if (!reading.audio) {
        finish(PlaybackOutcome::Failed,
               "The wave file " + path + " cannot be played: " + reading.error + ".");
        return;
    }
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        finish(PlaybackOutcome::Failed, "No sound output device is available.");
        return;
    }

    const WaveAudio& audio = *reading.audio;
    QAudioFormat format;
    format.setSampleRate(audio.format.sampleRate);
    format.setChannelCount(audio.format.channels);
    format.setSampleFormat(qtSampleFormat(audio.format.sample));
    const std::string_view data(bytes.constData() + audio.dataOffset, audio.dataLength);
    if (audio.format.sample == WaveSampleFormat::Int24) {
        const std::string wide = widen24To32(data);
        samples_ = QByteArray(wide.data(), static_cast<qsizetype>(wide.size()));
    } else {
        samples_ = QByteArray(data.data(), static_cast<qsizetype>(data.size()));
    }
    durationMicroseconds_ = audio.durationMicroseconds();

    source_.setBuffer(&samples_);
    source_.open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(device, format);
    handedOver_.invalidate();
    sink_->start(&source_);
    watch_.start();
    watch();
}

void QtWavePlayer::stop() {
    if (sink_) {
        finish(PlaybackOutcome::Stopped);
    }
}

void QtWavePlayer::watch() {
    if (!sink_) {
        return;
    }
    if (sink_->error() != QAudio::NoError && sink_->state() == QAudio::StoppedState) {
        finish(PlaybackOutcome::Failed, "The sound output failed (error " +
                                            std::to_string(static_cast<int>(sink_->error())) +
                                            ").");
        return;
    }
    if (!source_.atEnd()) {
        return;
    }
    if (!handedOver_.isValid()) {
        handedOver_.start();
    }
    const bool played = sink_->processedUSecs() + kRoundingMicroseconds >= durationMicroseconds_;
    const bool givenUp =
        handedOver_.elapsed() > durationMicroseconds_ / 1000 + kGiveUpAfterMilliseconds;
    if (played || givenUp || sink_->state() == QAudio::StoppedState) {
        finish(PlaybackOutcome::Played);
    }
}

// Ends the play in hand (or a play that never started) and queues its one
// finished event.
void QtWavePlayer::finish(PlaybackOutcome outcome, std::string message) {
    watch_.stop();
    if (sink_) {
        sink_->stop();
        sink_.reset();
    }
    source_.close();
    samples_.clear();
    QMetaObject::invokeMethod(
        this,
        [this, end = PlaybackEnd{outcome, std::move(message)}] {
            if (handler_) {
                handler_(end);
            }
        },
        Qt::QueuedConnection);
}

} // namespace qv
