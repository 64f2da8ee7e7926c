#include "fakes/TempDir.h"
#include "platform/posix/PosixFileStore.h"
#include "platform/qt/QtEventWait.h"
#include "platform/qt/QtWavePlayer.h"
#include "voice/Navigator.h"
#include "voice/WaveFile.h"

#include <iostream>

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <gtest/gtest.h>

namespace qv {
namespace {

// A shipped word played on the sound output: "Dupe" with navigation on returns
// once the word has been heard, with the window's events running meanwhile.
TEST(NavigationWordPlayback, DupeReturnsOnceTheShippedWordHasPlayed) {
    if (QMediaDevices::defaultAudioOutput().isNull()) {
        GTEST_SKIP() << "Qt finds no sound output device here, so no word can be played";
    }
    test::TempDir working; // holds no recording of its own
    PosixFileStore workingFiles(working.path());
    PosixFileStore data(QV_DATA_DIR);
    QtWavePlayer player;
    QtEventWait wait;
    Navigator navigator({player, wait, workingFiles, {&data}});
    Preferences prefs;
    prefs.navigationMode = 1;
    navigator.follow(prefs);

    const std::string path = navigator.wordFile("Dupe");
    ASSERT_EQ(path, std::string(QV_DATA_DIR) + "/voice/Dupe.wav");
    FileContents file = data.read("voice/Dupe.wav");
    const WaveReading wave = parseWave(file.bytes);
    ASSERT_TRUE(wave.audio) << wave.error;
    const qint64 lengthMs = wave.audio->durationMicroseconds() / 1000;

    int ends = 0;
    player.setFinishedHandler([&](const PlaybackEnd& end) {
        ++ends;
        EXPECT_EQ(end.outcome, PlaybackOutcome::Played) << end.message;
    });
    QElapsedTimer clock;
    clock.start();
    navigator.BlindKeyPhone("Dupe");
    const qint64 tookMs = clock.elapsed();
    std::cout << "[   SOUND  ] Dupe.wav lasts " << lengthMs << " ms; BlindKeyPhone returned after "
              << tookMs << " ms\n";
    EXPECT_FALSE(player.playing());
    EXPECT_EQ(ends, 1);
    EXPECT_GE(tookMs, lengthMs - 20);
    EXPECT_LT(tookMs, Navigator::kLongestWaitMs);
}

} // namespace
} // namespace qv
