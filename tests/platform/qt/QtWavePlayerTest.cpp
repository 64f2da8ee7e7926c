#include "platform/qt/QtWavePlayer.h"

#include "ChildProcess.h"
#include "fakes/TempDir.h"
#include "fakes/WaveBytes.h"

#include <cstdlib>
#include <iostream>

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QTest>
#include <gtest/gtest.h>

namespace qv {
namespace {

using namespace std::chrono_literals;

// The sound output the player finds. With QV_TEST_SOUND=none there is none.
// Otherwise, when PulseAudio is installed, a private server with a silent null
// sink runs for the tests, so playback is real and the same on every machine;
// without it the machine's own sound setup is used, whatever it is.
class SoundOutput {
public:
    static void setUp() {
        if (const char* mode = std::getenv("QV_TEST_SOUND"); mode && std::string(mode) == "none") {
            ::setenv("PULSE_SERVER", "unix:/nonexistent/quorvane-no-sound", 1);
            return;
        }
        if (!test::onPath("pulseaudio")) {
            return;
        }
        dir_ = std::make_unique<test::TempDir>();
        const std::string socket = dir_->file("native");
        server_ = std::make_unique<test::ChildProcess>(
            std::vector<std::string>{
                "pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
                "--disable-shm=yes", "-L", "module-null-sink", "-L",
                "module-native-protocol-unix auth-anonymous=1 socket=" + socket},
            std::vector<std::string>{"HOME=" + dir_->path(), "XDG_RUNTIME_DIR=" + dir_->path()});
        if (server_->started() && test::waitForFiles({socket}, 10s)) {
            ::setenv("PULSE_SERVER", ("unix:" + socket).c_str(), 1);
        }
    }
    static void tearDown() {
        server_.reset();
        dir_.reset();
    }

private:
    static inline std::unique_ptr<test::TempDir> dir_;
    static inline std::unique_ptr<test::ChildProcess> server_;
};

class QtWavePlayerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { SoundOutput::setUp(); }
    static void TearDownTestSuite() { SoundOutput::tearDown(); }

    void SetUp() override {
        player.setFinishedHandler([this](const PlaybackEnd& end) {
            ends.push_back(end);
            endedAfterMs.push_back(clock.elapsed());
        });
        clock.start();
    }

    bool waitForEnds(std::size_t n) {
        return QTest::qWaitFor([&] { return ends.size() >= n; }, 10000);
    }
    static bool haveSoundDevice() { return !QMediaDevices::defaultAudioOutput().isNull(); }

    test::TempDir dir;
    QtWavePlayer player;
    std::vector<PlaybackEnd> ends;
    std::vector<qint64> endedAfterMs; // since the clock started
    QElapsedTimer clock;
};

TEST_F(QtWavePlayerTest, PlaysAFileToItsEndOrSaysWhyNot) {
    dir.write("cq.wav", test::silentWave(300));
    clock.restart();
    player.play(dir.file("cq.wav"));
    EXPECT_TRUE(ends.empty()) << "the end is never reported inside play()";
    ASSERT_TRUE(waitForEnds(1)) << "no end within 10 s";

    if (ends[0].outcome == PlaybackOutcome::Played) {
        std::cout << "[   SOUND  ] played 300 ms of silence; the end came after " << endedAfterMs[0]
                  << " ms\n";
        EXPECT_GE(endedAfterMs[0], 300 - 20) << "the end is never reported early";
    } else {
        std::cout << "[   SOUND  ] not played: " << ends[0].message << '\n';
        EXPECT_EQ(ends[0].outcome, PlaybackOutcome::Failed);
        EXPECT_FALSE(haveSoundDevice()) << "failed with a device present: " << ends[0].message;
        EXPECT_EQ(ends[0].message, "No sound output device is available.");
    }
    EXPECT_FALSE(player.playing());
    QTest::qWait(100);
    EXPECT_EQ(ends.size(), 1u) << "one end per play";
}

TEST_F(QtWavePlayerTest, StopAndANewPlayEndTheFileInHand) {
    dir.write("long.wav", test::silentWave(5000, 22050, 2, 16));
    dir.write("short.wav", test::silentWave(100, 11025, 1, 8));
    player.play(dir.file("long.wav"));
    const bool device = player.playing();
    EXPECT_EQ(device, haveSoundDevice());
    player.stop();
    EXPECT_FALSE(player.playing());
    player.play(dir.file("long.wav"));
    player.play(dir.file("short.wav"));
    ASSERT_TRUE(waitForEnds(3));
    QTest::qWait(100);
    ASSERT_EQ(ends.size(), 3u);
    if (device) {
        EXPECT_EQ(ends[0].outcome, PlaybackOutcome::Stopped);
        EXPECT_EQ(ends[1].outcome, PlaybackOutcome::Stopped);
        EXPECT_EQ(ends[2].outcome, PlaybackOutcome::Played);
    } else {
        for (const PlaybackEnd& end : ends) {
            EXPECT_EQ(end.outcome, PlaybackOutcome::Failed);
        }
    }
}

TEST_F(QtWavePlayerTest, MissingAndUnplayableFilesFail) {
    dir.write("notes.wav", "these are not samples");
    player.play(dir.file("absent.wav"));
    EXPECT_FALSE(player.playing());
    player.play(dir.file("notes.wav"));
    EXPECT_TRUE(ends.empty());
    ASSERT_TRUE(waitForEnds(2));
    EXPECT_EQ(ends[0].outcome, PlaybackOutcome::Failed);
    EXPECT_EQ(ends[0].message, "The wave file " + dir.file("absent.wav") +
                                   " cannot be opened (No such file or directory).");
    EXPECT_EQ(ends[1].outcome, PlaybackOutcome::Failed);
    EXPECT_EQ(ends[1].message,
              "The wave file " + dir.file("notes.wav") + " cannot be played: not a wave file.");
}

} // namespace
} // namespace qv
