// Feeds arbitrary bytes to the keyer device's reply decoder, to the device as
// what its port receives while open, and to the "WK.txt" reader. Nothing may
// crash; every byte decodes to one reply that says what its top bits say; the
// status the device reports is one of its three values; a settings file that
// reads writes back to text that reads the same.

#include "cw/winkeyer/WinKeyerCodec.h"
#include "cw/winkeyer/WinKeyerDevice.h"
#include "cw/winkeyer/WinKeyerFile.h"
#include "fakes/FakeSerialLink.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

class StepClock : public qv::Clock {
public:
    qv::DateTime localNow() override { return {}; }
    qv::DateTime utcNow() override { return {}; }
    std::uint32_t milliseconds() override { return ms; }
    std::uint32_t ms = 0;
};

// Each wait moves the clock on, so the open's waits always end.
class StepWait : public qv::EventWait {
public:
    explicit StepWait(StepClock& clock) : clock_(clock) {}
    void processEvents() override {}
    void sleep(std::uint32_t milliseconds) override { clock_.ms += milliseconds; }

private:
    StepClock& clock_;
};

// A keyer that answers the open at once, then says whatever the input says.
class AnsweringLink : public qv::test::FakeSerialLink {
public:
    qv::Status write(std::string_view bytes) override {
        qv::Status s = FakeSerialLink::write(bytes);
        if (bytes.size() >= 3 && bytes.substr(bytes.size() - 3, 2) == std::string_view("\0\4", 2)) {
            input.push_back(bytes.back());
        } else if (bytes == std::string_view("\0\2", 2)) {
            input.push_back(31);
        }
        return s;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    namespace wk = qv::winkeyer;

    const std::vector<wk::Reply> replies = wk::decode(bytes);
    check(replies.size() == bytes.size());
    for (std::size_t i = 0; i < replies.size(); ++i) {
        const auto b = static_cast<std::uint8_t>(bytes[i]);
        const wk::Reply& r = replies[i];
        switch (b >> 6) {
        case 3:
            check(r.kind == wk::Reply::Kind::Status && r.value == (b & 0x1F));
            break;
        case 2:
            check(r.kind == wk::Reply::Kind::SpeedPot && r.value == (b & 0x3F));
            break;
        default:
            check(r.kind == wk::Reply::Kind::Data && r.value == b);
        }
        const int status = wk::statusValue(r.value & 0x1F);
        check(status == wk::kStatusIdle || status == wk::kStatusBusy ||
              status == wk::kStatusBufferFull);
    }

    StepClock clock;
    StepWait wait(clock);
    AnsweringLink link;
    {
        qv::WinKeyerDevice device({link, clock, wait});
        std::uint8_t version = 0;
        check(device.wk_open(version, 1) == qv::WinKeyerResult::Success && version == 31);
        // The input arrives cut in two, with a status read between.
        link.feed(bytes.substr(0, size / 2));
        const int first = device.wk_getstatus();
        link.input.append(bytes.substr(size / 2));
        const int second = device.wk_getstatus();
        for (int s : {first, second}) {
            check(s == 0 || s == 1 || s == 5);
        }
        check(device.speedPot() >= -1 && device.speedPot() <= 63);
    }

    const qv::WinKeyerFile file = qv::parseWinKeyerFile(bytes);
    std::string text;
    if (qv::formatWinKeyerFile(file, text).ok()) {
        check(qv::parseWinKeyerFile(text) == file);
    }
    return 0;
}
