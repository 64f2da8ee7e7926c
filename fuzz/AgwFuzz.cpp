// Feeds arbitrary bytes, cut into arbitrary arrivals, to the packet engine's frame
// decoder and to the engine link over a scripted TCP link. Nothing may crash or
// read out of bounds; the decoder holds at most one frame, frames come out the
// same however the bytes are cut and encode back to the bytes they came from;
// the link's queue stays bounded and everything it sends decodes cleanly.

#include "fakes/FakeSettingsStore.h"
#include "fakes/FakeTcpLink.h"
#include "spots/AgwEngine.h"
#include "spots/AgwFrame.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace {

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// Timers the input fires: the engine's start deadline is due when the input says.
class InputTimer : public qv::Timer {
public:
    void setCallback(Callback callback) override { callback_ = std::move(callback); }
    void setInterval(std::uint32_t milliseconds) override { interval_ = milliseconds; }
    std::uint32_t interval() const override { return interval_; }
    void setSingleShot(bool) override {}
    void start() override { active_ = true; }
    void stop() override { active_ = false; }
    bool active() const override { return active_; }
    void fire() {
        if (active_ && callback_) {
            active_ = false;
            callback_();
        }
    }

private:
    Callback callback_;
    std::uint32_t interval_ = 0;
    bool active_ = false;
};

class InputTimers : public qv::Timers {
public:
    using Timers::create;
    std::unique_ptr<qv::Timer> create() override {
        auto timer = std::make_unique<InputTimer>();
        made.push_back(timer.get());
        return timer;
    }
    void fireAll() {
        for (InputTimer* t : made) {
            t->fire();
        }
    }
    std::vector<InputTimer*> made;
};

struct Decoded {
    std::vector<qv::AgwFrame> frames;
    bool ok = true;
};

// Decodes the stream cut at the given lengths (the rest in one piece).
Decoded decode(std::string_view stream, const std::vector<std::size_t>& cuts) {
    qv::AgwFrameDecoder decoder;
    Decoded out;
    const auto take = [&](std::string_view piece) {
        const qv::Status status =
            decoder.feed(piece, [&](qv::AgwFrame&& f) { out.frames.push_back(std::move(f)); });
        out.ok = out.ok && status.ok();
        check(decoder.pending() < qv::kAgwHeaderSize + qv::kAgwMaxDataLength);
    };
    for (const std::size_t cut : cuts) {
        const std::size_t n = std::min(cut, stream.size());
        take(stream.substr(0, n));
        stream.remove_prefix(n);
    }
    take(stream);
    return out;
}

void checkFrames(const Decoded& whole, const Decoded& pieces) {
    check(whole.ok == pieces.ok);
    check(whole.frames == pieces.frames);
    for (const qv::AgwFrame& f : whole.frames) {
        check(f.data.size() <= qv::kAgwMaxDataLength);
        check(f.callFrom.size() <= 10 && f.callTo.size() <= 10);
        if (f.callFrom.size() <= qv::kAgwCallLength && f.callTo.size() <= qv::kAgwCallLength) {
            const Decoded again = decode(qv::encodeAgwFrame(f), {});
            check(again.ok && again.frames.size() == 1 && again.frames[0] == f);
        }
    }
}

void driveEngine(std::string_view input, const std::vector<std::size_t>& cuts, std::uint8_t plan) {
    qv::test::FakeTcpLink link;
    qv::test::FakeSettingsStore settings;
    InputTimers timers;
    int outcomes = 0;
    {
        qv::AgwEngine engine(link, settings, timers);
        engine.AGWStartPoll((plan & 1) ? "W1AW" : "", "fuzz", [&](bool) { ++outcomes; });
        if (plan & 2) {
            link.accept();
            // An acceptance up front lets the rest reach the queue.
            link.receive(qv::encodeAgwFrame({0, 'X', 0, "W1AW", "", "\x01"}));
        }
        for (const std::size_t cut : cuts) {
            const std::size_t n = std::min(cut, input.size());
            link.receive(std::string(input.substr(0, n)));
            input.remove_prefix(n);
            switch (cut % 5) {
            case 0:
                engine.AGWPutData(std::string(input.substr(0, 12)), input.substr(0, cut), 'D');
                break;
            case 1:
                engine.AGWPutData("K1ABC", {}, static_cast<char>(cut));
                break;
            case 2:
                static_cast<void>(engine.AGWGetData());
                break;
            case 3:
                timers.fireAll();
                break;
            default:
                break;
            }
        }
        link.receive(std::string(input));
        if (plan & 4) {
            link.remoteClose();
        }
        timers.fireAll();
        std::size_t queued = 0;
        while (engine.AGWGetData()) {
            ++queued;
        }
        check(queued <= qv::AgwEngine::kMaxQueued);
        if (plan & 8) {
            engine.AGWClose();
        }
    }
    check(outcomes <= 1);
    const Decoded sent = decode(link.sent, {});
    check(sent.ok);
    for (const qv::AgwFrame& f : sent.frames) {
        check(f.data.size() <= qv::AgwEngine::kMaxDataPerFrame);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    // The first byte plans the run; the next few cut the rest into arrivals.
    const std::uint8_t plan = data[0];
    std::vector<std::size_t> cuts;
    std::size_t at = 1;
    const std::size_t cutCount = (plan >> 4) & 0x07;
    for (std::size_t i = 0; i < cutCount && at < size; ++i, ++at) {
        cuts.push_back(data[at]);
    }
    const std::string_view stream(reinterpret_cast<const char*>(data + at), size - at);

    checkFrames(decode(stream, {}), decode(stream, cuts));
    driveEngine(stream, cuts, plan);
    return 0;
}
