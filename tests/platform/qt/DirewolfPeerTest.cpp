// The packet-engine link against direwolf: direwolf runs with its audio input
// on a FIFO the test holds open and no sound output, and serves the AGW TCP
// interface on a free loopback port. gen_packets makes the AFSK audio of a UI
// frame carrying a DX spot; the test plays it into the FIFO once the engine has
// accepted the call, and the spot must come out of AGWGetData and reach the
// spot store.

#include "ChildProcess.h"
#include "fakes/FakeSettingsStore.h"
#include "fakes/TempDir.h"
#include "platform/qt/QtTcpLink.h"
#include "platform/qt/QtTimers.h"
#include "spots/AgwEngine.h"
#include "spots/SpotIntake.h"
#include "spots/SpotStore.h"

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

#include <QProcess>
#include <QTcpServer>
#include <QTest>
#include <gtest/gtest.h>

namespace qv {
namespace {

using namespace std::chrono_literals;

constexpr const char* kSpot =
    "DX de K1TTT:     14025.0  JA1ABC       CQ CQ                          1234Z";
constexpr int kSampleRate = 44100;

// The spot routine as far as the store: numeric frequencies in kHz are stored.
class StoreSink : public SpotSink {
public:
    void addSpot(const std::string& frequencyText, const std::string& call,
                 const std::string& spotText) override {
        texts.push_back(spotText);
        store.add(call, std::stof(frequencyText) / 1000.0f,
                  *DateTime::fromFields(2007, 1, 13, 9, 0, 0));
    }
    SpotStore store;
    std::vector<std::string> texts;
};

// The samples of a WAV file: the bytes of its "data" chunk.
std::optional<std::string> wavSamples(const std::string& wav) {
    std::size_t at = 12; // past "RIFF", the size and "WAVE"
    while (at + 8 <= wav.size()) {
        const std::string id = wav.substr(at, 4);
        std::uint32_t size = 0;
        for (std::size_t i = 4; i-- > 0;) {
            size = (size << 8) | static_cast<unsigned char>(wav[at + 4 + i]);
        }
        if (id == "data") {
            return wav.substr(at + 8, size);
        }
        at += 8 + size + (size & 1);
    }
    return std::nullopt;
}

class DirewolfPeer : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* program : {"direwolf", "gen_packets"}) {
            if (!test::onPath(program)) {
                GTEST_SKIP() << program
                             << " is not installed: the direwolf package (direwolf and "
                                "gen_packets) is needed";
            }
        }
        {
            QTcpServer probe;
            ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
            port_ = probe.serverPort();
        }
        dir_.write("direwolf.conf", "ADEVICE stdin null\n"
                                    "ACHANNELS 1\n"
                                    "ARATE " +
                                        std::to_string(kSampleRate) +
                                        "\n"
                                        "CHANNEL 0\n"
                                        "MYCALL N0CALL\n"
                                        "MODEM 1200\n"
                                        "AGWPORT " +
                                        std::to_string(port_) +
                                        "\n"
                                        "KISSPORT 0\n");
        // Held open for reading and writing, so direwolf's end never sees an end
        // of file and the test's writes never wait for a reader.
        ASSERT_EQ(::mkfifo(dir_.file("audio").c_str(), 0600), 0);
        audio_ = ::open(dir_.file("audio").c_str(), O_RDWR | O_NONBLOCK);
        ASSERT_GE(audio_, 0);

        direwolf_ = std::make_unique<test::ChildProcess>(
            std::vector<std::string>{"sh", "-c",
                                     "exec direwolf -c '" + dir_.file("direwolf.conf") +
                                         "' -t 0 -q hd < '" + dir_.file("audio") + "'"});
        ASSERT_TRUE(direwolf_->started());

        settings_.save(kSettingsApplication, kSettingsSection, "AGWHost", "127.0.0.1");
        settings_.save(kSettingsApplication, kSettingsSection, "AGWPort", std::to_string(port_));
    }

    void TearDown() override {
        engine_.AGWClose();
        direwolf_.reset();
        if (audio_ >= 0) {
            ::close(audio_);
        }
    }

    // Starts until direwolf listens and accepts the call, or the deadline passes.
    bool started() {
        const auto end = std::chrono::steady_clock::now() + 15s;
        while (std::chrono::steady_clock::now() < end) {
            outcome_.reset();
            engine_.AGWStartPoll("W1AW", "Velmark's Quorvane Log 1.5",
                                 [this](bool accepted) { outcome_ = accepted; });
            const bool answered = QTest::qWaitFor([&] { return outcome_.has_value(); },
                                                  AgwEngine::kStartTimeoutMs + 2000);
            if (answered && *outcome_) {
                return true;
            }
            QTest::qWait(200);
        }
        return false;
    }

    // The frame's audio, with silence around it, into direwolf's input.
    bool play(const std::string& samples) {
        const std::string silence(2 * kSampleRate / 5, '\0');
        const std::string sound = silence + samples + silence + silence;
        std::size_t written = 0;
        return QTest::qWaitFor(
            [&] {
                while (written < sound.size()) {
                    const ssize_t n =
                        ::write(audio_, sound.data() + written, sound.size() - written);
                    if (n <= 0) {
                        return false; // the FIFO is full: direwolf reads on
                    }
                    written += static_cast<std::size_t>(n);
                }
                return true;
            },
            10000);
    }

    std::optional<std::string> makeAudio() {
        dir_.write("spot.txt", std::string("K1TTT>CQ:") + kSpot + "\n");
        QProcess gen;
        gen.start("gen_packets", {"-r", QString::number(kSampleRate), "-o",
                                  QString::fromStdString(dir_.file("spot.wav")),
                                  QString::fromStdString(dir_.file("spot.txt"))});
        if (!gen.waitForFinished(10000)) {
            gen.kill();
            gen.waitForFinished(1000);
            return std::nullopt;
        }
        return wavSamples(dir_.read("spot.wav"));
    }

    test::TempDir dir_;
    quint16 port_ = 0;
    int audio_ = -1;
    std::optional<bool> outcome_;
    std::unique_ptr<test::ChildProcess> direwolf_;
    test::FakeSettingsStore settings_;
    QtTcpLink link_;
    QtTimers timers_;
    AgwEngine engine_{link_, settings_, timers_};
};

TEST_F(DirewolfPeer, AHeardSpotComesOutAsAMonitorFrameAndReachesTheStore) {
    const std::optional<std::string> samples = makeAudio();
    ASSERT_TRUE(samples.has_value()) << "gen_packets made no audio";
    ASSERT_GT(samples->size(), 10000u);

    ASSERT_TRUE(started()) << "direwolf did not accept the call on port " << port_;
    EXPECT_TRUE(engine_.open());
    ASSERT_TRUE(play(*samples)) << "direwolf did not take the audio";

    std::optional<EngineFrame> spot;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            while (std::optional<EngineFrame> frame = engine_.AGWGetData()) {
                if (frame->data.find(kSpot) != std::string::npos) {
                    spot = frame;
                }
            }
            return spot.has_value();
        },
        15000))
        << "no monitor frame with the spot";
    EXPECT_EQ(spot->kind, 'U');
    EXPECT_EQ(spot->from, "K1TTT");
    EXPECT_EQ(spot->data.find('\0'), std::string::npos) << "the engine's NUL is cut";

    ReceiveBox box;
    StoreSink sink;
    engineFrameArrival(*spot, "", box, false, sink);
    const SpotRecord& newest = sink.store.slot(SpotStore::kSlots - 1);
    EXPECT_EQ(newest.call, "JA1ABC");
    EXPECT_FLOAT_EQ(newest.frequencyMHz, 14.025f);
    ASSERT_EQ(sink.texts.size(), 1u);
    EXPECT_EQ(sink.texts[0], std::string(kSpot).substr(3));
    EXPECT_NE(box.text().find(kSpot), std::string::npos);
}

} // namespace
} // namespace qv
